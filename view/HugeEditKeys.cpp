// The key table: navigation keys with and without Ctrl, the editing keys,
// and typed characters.
#include "core/HugeEdit.h"

namespace {

bool IsNavigationKey(unsigned key)
{
    return key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
}

}  // namespace

void THugeEdit::EvKeyDown(unsigned key, unsigned repeatCount, unsigned flags)
{
    if (Lines.Size() == 0)
        return TWindow::EvKeyDown(key, repeatCount, flags);
    const bool ctrl = CtrlDown();
    switch (key) {
    case VK_BACK:
        if (HasSelection) {
            DeleteSelection();
        } else if (CaretRow != 0 || CaretCol != 0) {
            MoveLeft();
            DeleteSelection();
        }
        break;
    case VK_RETURN: {
        std::string text = "\n";
        if (AutoIndent) {
            const std::string_view row = Lines[CaretRow].View();
            text.append(row.substr(0, row.find_first_not_of(" \t")));
        }
        InsertText(text);
        break;
    }
    case VK_PRIOR: ctrl ? MoveDocumentHome() : MovePageUp(); break;
    case VK_NEXT: ctrl ? MoveDocumentEnd() : MovePageDown(); break;
    case VK_END: ctrl ? MoveDocumentEnd() : MoveRowEnd(); break;
    case VK_HOME: ctrl ? MoveDocumentHome() : MoveRowHome(); break;
    case VK_LEFT: ctrl ? MoveWordLeft() : MoveLeft(); break;
    case VK_UP: ctrl ? MovePrevLine() : MoveUp(); break;
    case VK_RIGHT: ctrl ? MoveWordRight() : MoveRight(); break;
    case VK_DOWN: ctrl ? MoveNextLine() : MoveDown(); break;
    case VK_INSERT:
        Overwrite = (GetKeyState(VK_INSERT) & 1) != 0;
        DestroyCaret();
        CreateCaretShape();
        UpdateCaret(false);
        ShowCaret();
        TWindow::EvKeyDown(key, repeatCount, flags);
        break;
    case VK_DELETE: DeleteSelection(); break;
    default: TWindow::EvKeyDown(key, repeatCount, flags); break;
    }
}

void THugeEdit::EvKeyUp(unsigned key, unsigned repeatCount, unsigned flags)
{
    if (IsNavigationKey(key) && Lines.Size() != 0) {
        UpdateScrollRange();
        UpdateCaret(true);
    }
    TWindow::EvKeyUp(key, repeatCount, flags);
}

void THugeEdit::EvChar(unsigned key, unsigned repeatCount, unsigned flags)
{
    TWindow::EvChar(key, repeatCount, flags);
    if ((key <= 31 && key != '\t') || key > 255 || Lines.Size() == 0)
        return;
    const std::string text(1, char(key));
    if (Overwrite)
        OverwriteText(text);
    else
        InsertText(text);
}
