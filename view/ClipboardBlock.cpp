#include "view/ClipboardBlock.h"

#include <string_view>

namespace {

// The first row from its column, the rows in between whole, the last row
// up to its column; a hard line end is always a piece's last character.
template <class TVisit>
void ForEachPiece(const THELineArray& lines, TRowIndex row1, TRowIndex col1, TRowIndex row2, TRowIndex col2,
                  TVisit visit)
{
    if (row1 == row2) {
        visit(lines[row1].View().substr(size_t(col1), size_t(col2 - col1)));
        return;
    }
    visit(lines[row1].View().substr(size_t(col1)));
    for (TRowIndex r = row1 + 1; r < row2; ++r)
        visit(lines[r].View());
    visit(lines[row2].View().substr(0, size_t(col2)));
}

bool EndsWithLineFeed(std::string_view piece) { return !piece.empty() && piece.back() == '\n'; }

}  // namespace

std::string ClipboardBlock(const THELineArray& lines, TRowIndex row1, TRowIndex col1, TRowIndex row2, TRowIndex col2)
{
    size_t size = 1;
    ForEachPiece(lines, row1, col1, row2, col2,
                 [&size](std::string_view piece) { size += piece.size() + (EndsWithLineFeed(piece) ? 1 : 0); });
    std::string block;
    block.reserve(size);
    ForEachPiece(lines, row1, col1, row2, col2, [&block](std::string_view piece) {
        if (!EndsWithLineFeed(piece)) {
            block.append(piece);
            return;
        }
        block.append(piece.substr(0, piece.size() - 1));
        block.append("\r\n");
    });
    block.push_back('\0');
    return block;
}
