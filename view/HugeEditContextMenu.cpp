// The editor's context menu: made with the window, shown at the mouse or,
// when the keyboard asks for it, at the caret.
#include "core/HugeEdit.h"

#include "framework/PopupMenu.h"
#include "view/ContextMenuItems.h"

#include <algorithm>

void THugeEdit::MakeContextMenu() { AssignContextMenu(std::make_unique<TPopupMenu>(EditorContextMenuItems())); }

// The caret's client point, kept inside the client area when the caret is
// scrolled out of view.
TPoint THugeEdit::CaretMenuPoint() const
{
    const TRect client = GetClientRect();
    const auto x = int(std::clamp<int64_t>(CaretX(), client.left, client.right));
    const auto y = int(std::clamp<int64_t>(CaretY(), client.top, client.bottom));
    return ClientToScreen({x, y});
}

// (-1, -1) comes from the menu key or Shift+F10.
void THugeEdit::EvContextMenu(const TPoint& screenPoint)
{
    const bool fromKeyboard = screenPoint.x == -1 && screenPoint.y == -1;
    if (const TPopupMenu* menu = GetContextMenu())
        menu->TrackPopupMenu(TPM_RIGHTBUTTON, fromKeyboard ? CaretMenuPoint() : screenPoint, *this);
}
