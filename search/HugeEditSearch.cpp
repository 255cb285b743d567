#include "search/HugeEditSearch.h"

#include "search/RowSearch.h"

THugeEditSearch::THugeEditSearch(TWindow* parent, const std::string& title) : THugeEdit(parent, title) {}

THugeEditSearch::~THugeEditSearch()
{
    if (DestroyedFlag)
        *DestroyedFlag = true;
    // An open dialog reports its closing while this window still answers.
    SearchDialog.reset();
}

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
    // A match that takes its row's last character ends where the next row
    // starts: clamped to its own row it would lose that character.
    TRowIndex endRow = match->Row, endCol = TRowIndex(match->Col + TRowIndex(text.size()));
    if (size_t(endCol) >= Lines[endRow].size() && endRow + 1 < Lines.Size())
        ++endRow, endCol = 0;
    SetSelection(match->Row, match->Col, endRow, endCol);
    return OffsetOf(match->Row, match->Col);
}
