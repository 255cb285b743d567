#include "resources/MainMenu.h"

#include "view/CommandIds.h"
#include "resources/ResourceIds.h"

#include <utility>

namespace {

// Item text: "&" marks the mnemonic, "\b" starts the right-aligned shortcut
// label (some labels keep stored leading blanks, which are not shown).
TMenuItem Item(const char* text, unsigned id, bool grayed = false)
{
    return {TMenuItem::TKind::Command, text, id, grayed, {}};
}

TMenuItem Separator() { return {TMenuItem::TKind::Separator, {}, 0, false, {}}; }

TMenuItem Popup(const char* text, std::vector<TMenuItem> items)
{
    return {TMenuItem::TKind::Popup, text, 0, false, std::move(items)};
}

constexpr bool Grayed = true;

TMenuItem FileMenu()
{
    return Popup("&File", {
        Item("&New\bCtrl+N", CM_FILENEW),
        Item("&Open...\bCtrl+O", CM_FILEOPEN),
        Separator(),
        Item("&Save\bCtrl+S", CM_FILESAVE, Grayed),
        Item("Save &As...", CM_FILESAVEAS, Grayed),
        Separator(),
        Item("&Print\bCtrl+P", CM_FILEPRINT),
        Item("Print Set&up", CM_FILEPRINTSETUP),
        Separator(),
        Item("&Mail", CM_FILEMAIL),
        Separator(),
        Item("E&xit\b       Alt+F4", CM_EXIT),
    });
}

TMenuItem EditMenu()
{
    return Popup("&Edit", {
        Item("&Undo\bAlt+BkSp", CM_EDITUNDO, Grayed),
        Item("&Redo\bCtrl+R", CM_EDITREDO),
        Separator(),
        Item("Cu&t\bCtrl+X", CM_EDITCUT, Grayed),
        Item("&Copy\bCtrl+C", CM_EDITCOPY, Grayed),
        Item("&Paste\bCtrl+V", CM_EDITPASTE, Grayed),
        Separator(),
        Item("Clear &All\bCtrl+Del", CM_EDITCLEAR, Grayed),
        Item("&Delete\bDel", CM_EDITDELETE, Grayed),
        Separator(),
        Item("&Word Wrap\b   Ctrl+W", CM_WORDWRAP),
        Separator(),
        Item("&Options", CM_OPTIONS),
    });
}

TMenuItem SearchMenu()
{
    return Popup("&Search", {
        Item("&Find...", CM_EDITFIND, Grayed),
        Item("&Replace...", CM_EDITREPLACE, Grayed),
        Item("&Next\b    F3", CM_EDITFINDNEXT, Grayed),
    });
}

TMenuItem HelpMenu()
{
    return Popup("&Help", {
        Item("&Contents", CM_HELPCONTENTS),
        Item("Web...", CM_WEBPAGE),
        Item("&Using help", CM_HELPUSING),
        Separator(),
        Item("&About...", CM_HELPABOUT),
    });
}

}  // namespace

TMenuResource MainMenu()
{
    // The five top-level separators split the bar into the six menu groups:
    // File | Edit, Search | container | object | window | Help.
    return {IDM_MAIN, {
        FileMenu(),
        Separator(),
        EditMenu(),
        SearchMenu(),
        Separator(),
        Separator(),
        Separator(),
        Separator(),
        HelpMenu(),
    }};
}
