#include "view/ContextMenuItems.h"

#include "view/CommandIds.h"

namespace {

TMenuItem Command(const char* text, unsigned id) { return {TMenuItem::TKind::Command, text, id, false, {}}; }
TMenuItem Separator() { return {TMenuItem::TKind::Separator, {}, 0, false, {}}; }

}  // namespace

// "Cut" has no mnemonic here, unlike the menu bar's "Cu&t".
const std::vector<TMenuItem>& EditorContextMenuItems()
{
    static const std::vector<TMenuItem> items{
        Command("&Undo", CM_EDITUNDO),
        Command("&Redo", CM_EDITREDO),
        Separator(),
        Command("Cut", CM_EDITCUT),
        Command("&Copy", CM_EDITCOPY),
        Command("&Paste", CM_EDITPASTE),
        Command("&Delete", CM_EDITDELETE),
        Separator(),
        Command("&Word Wrap", CM_WORDWRAP),
    };
    return items;
}
