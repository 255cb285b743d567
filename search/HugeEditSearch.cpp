#include "search/HugeEditSearch.h"

#include "search/RowSearch.h"

THugeEditSearch::THugeEditSearch(TWindow* parent, const std::string& title) : THugeEdit(parent, title) {}

TOffset THugeEditSearch::FindText(TOffset startOffset, const std::string& text, bool matchCase, bool wholeWord,
                                  bool backward)
{
    TRowIndex row = CaretRow, col = CaretCol;
    if (startOffset == -1) {
        // The current match is skipped: collapse the selection past it.
        if (HasSelection) {
            if (backward) {
                MoveLeft();
                MoveLeft();
            } else {
                MoveRight();
            }
        }
        row = CaretRow;
        col = CaretCol;
    } else {
        PositionOf(startOffset, row, col);
    }
    const auto match = SearchRows(Lines, row, col, text, matchCase, wholeWord, backward);
    if (!match)
        return -1;
    SetSelection(match->Row, match->Col, match->Row, TRowIndex(match->Col + TRowIndex(text.size())));
    return OffsetOf(match->Row, match->Col);
}
