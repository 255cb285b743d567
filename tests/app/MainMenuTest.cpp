#include "view/CommandIds.h"
#include "resources/MainMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TKind = TMenuItem::TKind;

// One row per drop-down entry, in order; a separator has no text.
struct TEntry {
    std::string Text;  // stored text: mnemonic "&", "\b", stored blanks, label
    unsigned Id;
    bool Grayed;
};
const TEntry Sep{"", 0, false};

struct TDropDown {
    std::string Title;
    std::vector<TEntry> Entries;
};

const std::vector<TDropDown> Expected{
    {"&File", {
        {"&New\bCtrl+N", CM_FILENEW, false},
        {"&Open...\bCtrl+O", CM_FILEOPEN, false},
        Sep,
        {"&Save\bCtrl+S", CM_FILESAVE, true},
        {"Save &As...", CM_FILESAVEAS, true},
        Sep,
        {"&Print\bCtrl+P", CM_FILEPRINT, false},
        {"Print Set&up", CM_FILEPRINTSETUP, false},
        Sep,
        {"&Mail", CM_FILEMAIL, false},
        Sep,
        {"E&xit\b       Alt+F4", CM_EXIT, false},
    }},
    {"&Edit", {
        {"&Undo\bAlt+BkSp", CM_EDITUNDO, true},
        {"&Redo\bCtrl+R", CM_EDITREDO, false},
        Sep,
        {"Cu&t\bCtrl+X", CM_EDITCUT, true},
        {"&Copy\bCtrl+C", CM_EDITCOPY, true},
        {"&Paste\bCtrl+V", CM_EDITPASTE, true},
        Sep,
        {"Clear &All\bCtrl+Del", CM_EDITCLEAR, true},
        {"&Delete\bDel", CM_EDITDELETE, true},
        Sep,
        {"&Word Wrap\b   Ctrl+W", CM_WORDWRAP, false},
        Sep,
        {"&Options", CM_OPTIONS, false},
    }},
    {"&Search", {
        {"&Find...", CM_EDITFIND, true},
        {"&Replace...", CM_EDITREPLACE, true},
        {"&Next\b    F3", CM_EDITFINDNEXT, true},
    }},
    {"&Help", {
        {"&Contents", CM_HELPCONTENTS, false},
        {"Web...", CM_WEBPAGE, false},
        {"&Using help", CM_HELPUSING, false},
        Sep,
        {"&About...", CM_HELPABOUT, false},
    }},
};

std::vector<const TMenuItem*> DropDowns(const TMenuResource& menu)
{
    std::vector<const TMenuItem*> popups;
    for (const TMenuItem& item : menu.Items)
        if (item.Kind == TKind::Popup)
            popups.push_back(&item);
    return popups;
}
// The pointers point into the menu: it must outlive them.
std::vector<const TMenuItem*> DropDowns(const TMenuResource&& menu) = delete;

TEST(MainMenu, IsResource1000)
{
    EXPECT_EQ(MainMenu().ResourceId, 1000);
}

TEST(MainMenu, FiveTopLevelSeparatorsMakeSixGroups)
{
    // File | Edit, Search | (container) | (object) | (window) | Help
    const std::vector<TKind> kinds{TKind::Popup, TKind::Separator, TKind::Popup, TKind::Popup, TKind::Separator,
                                   TKind::Separator, TKind::Separator, TKind::Separator, TKind::Popup};
    std::vector<TKind> got;
    for (const TMenuItem& item : MainMenu().Items)
        got.push_back(item.Kind);
    EXPECT_EQ(got, kinds);
}

TEST(MainMenu, DropDownsHoldTheStoredItems)
{
    const TMenuResource menu = MainMenu();
    const std::vector<const TMenuItem*> popups = DropDowns(menu);
    ASSERT_EQ(popups.size(), Expected.size());
    for (size_t p = 0; p < Expected.size(); ++p) {
        const TDropDown& want = Expected[p];
        const TMenuItem& popup = *popups[p];
        EXPECT_EQ(popup.Text, want.Title);
        ASSERT_EQ(popup.Items.size(), want.Entries.size()) << want.Title;
        for (size_t i = 0; i < want.Entries.size(); ++i) {
            const TEntry& entry = want.Entries[i];
            const TMenuItem& item = popup.Items[i];
            SCOPED_TRACE(want.Title + " item " + std::to_string(i));
            EXPECT_EQ(item.Kind, entry.Id ? TKind::Command : TKind::Separator);
            EXPECT_EQ(item.Text, entry.Text);
            EXPECT_EQ(item.Id, entry.Id);
            EXPECT_EQ(item.Grayed, entry.Grayed);
        }
    }
}

TEST(MainMenu, TheDosTextCommandHasNoItem)
{
    const TMenuResource menu = MainMenu();
    for (const TMenuItem* popup : DropDowns(menu))
        for (const TMenuItem& item : popup->Items)
            EXPECT_NE(item.Id, CM_DOSTEXT) << item.Text;
}

}  // namespace
