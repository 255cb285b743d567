// Copy, Cut and Paste through the clipboard's text block.
#include "core/HugeEdit.h"

#include "framework/Clipboard.h"
#include "view/ClipboardBlock.h"

#include <algorithm>

void THugeEdit::CeEditPaste(TCommandEnabler& ce) { ce.Enable(ClipboardHasText()); }

void THugeEdit::Copy()
{
    if (!HasSelection)
        return;
    TRowIndex r1 = AnchorRow, c1 = AnchorCol, r2 = CaretRow, c2 = CaretCol;
    if (r2 < r1 || (r1 == r2 && c2 < c1))
        std::swap(r1, r2), std::swap(c1, c2);
    SetClipboardText(ClipboardBlock(Lines, r1, c1, r2, c2));
}

void THugeEdit::Cut()
{
    Copy();
    DeleteSelection();
}

// The text ends at the block's NUL; it is cut there in place, so a large
// paste is not copied once more.
void THugeEdit::Paste()
{
    if (!ClipboardHasText())
        return;
    std::string text = GetClipboardText();
    text.resize(std::min(text.size(), text.find('\0')));
    InsertText(text);
}
