#include "view/CommandIds.h"
#include "app/HintText.h"
#include "resources/HintStrings.h"
#include "resources/MainMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TToolTipCase {
    unsigned Id;
    const char* Expected;
};

class ToolTip : public testing::TestWithParam<TToolTipCase> {};

TEST_P(ToolTip, FollowsTheMenuItemOrTheHint)
{
    EXPECT_EQ(ToolTipText(MainMenu(), GetParam().Id), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, ToolTip, testing::Values(
    // Cut at the shortcut mark, dots and the first "&" removed.
    TToolTipCase{CM_FILEOPEN, "Open"},
    TToolTipCase{CM_FILENEW, "New"},
    TToolTipCase{CM_FILESAVEAS, "Save As"},
    TToolTipCase{CM_EDITCUT, "Cut"},
    TToolTipCase{CM_WORDWRAP, "Word Wrap"},
    TToolTipCase{CM_EDITFINDNEXT, "Next"},
    TToolTipCase{CM_WEBPAGE, "Web"},
    TToolTipCase{CM_EXIT, "Exit"},
    // No menu item: the hint's part after its newline, if any.
    TToolTipCase{CM_DOSTEXT, "DOS Text"},
    TToolTipCase{24320, ""},
    TToolTipCase{12345, ""}));

TEST(ToolTip, CutsAtATabAsAtTheAlignmentMark)
{
    TMenuResource menu;
    menu.Items.push_back({TMenuItem::TKind::Popup, "&File", 0, false,
                          {{TMenuItem::TKind::Command, "Pr&int...\tCtrl+P", 7, false, {}}}});
    EXPECT_EQ(ToolTipText(menu, 7), "Print");
}

struct THintCase {
    unsigned Id;
    const char* Expected;
};

class StatusBarHint : public testing::TestWithParam<THintCase> {};

TEST_P(StatusBarHint, IsTheStringBeforeItsNewline)
{
    EXPECT_EQ(StatusHint(GetParam().Id), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Strings, StatusBarHint, testing::Values(
    THintCase{CM_FILEPRINT, "Prints the document"},
    THintCase{CM_FILEPRINTSETUP, "Set up the printer for printing"},
    THintCase{CM_WORDWRAP, "Turn word wrap on or off"},
    THintCase{CM_DOSTEXT, "Change between Windows (normal) text, and Dos ANSII text display"},
    THintCase{CM_OPTIONS, "Set the default display options"},
    THintCase{CM_EDITREDO, "Redo the last action"},
    THintCase{2000, "Access online help"},
    THintCase{CM_HELPCONTENTS, "Help table of contents"},
    THintCase{CM_HELPUSING, "Help on using online Help"},
    THintCase{CM_HELPABOUT, "About the Wend application"},
    THintCase{CM_WEBPAGE, "Go to Vantor's Web Page."},
    THintCase{CM_FILEMAIL, "Send the text as mail."},
    THintCase{CM_EXIT, "Quits Vantor and prompts to save the document if required"},
    THintCase{24320, "Edit operations"},
    THintCase{CM_EDITUNDO, "Reverses the last operation"},
    THintCase{CM_EDITCUT, "Cuts the selection and puts it on the Clipboard"},
    THintCase{CM_EDITCOPY, "Copies the selection and puts it on the Clipboard"},
    THintCase{CM_EDITPASTE, "Inserts the Clipboard contents at the insertion point"},
    THintCase{CM_EDITDELETE, "Deletes the selection"},
    THintCase{CM_EDITCLEAR, "Clears the active document"},
    THintCase{CM_FILENEW, "Create a new document"},
    THintCase{CM_FILEOPEN, "Opens a document"},
    THintCase{CM_FILESAVE, "Saves the document"},
    THintCase{CM_FILESAVEAS, "Saves the document with a new name"},
    THintCase{24350, "Search/replace operations"},
    THintCase{CM_EDITFIND, "Finds the specified text"},
    THintCase{CM_EDITREPLACE, "Finds the specified text and changes it"},
    THintCase{CM_EDITFINDNEXT, "Finds the next match"},
    THintCase{61440, "Changes the size of the window"},
    THintCase{61456, "Moves the window to another position"},
    THintCase{61472, "Reduces the window to an icon"},
    THintCase{61488, "Enlarges the window to it maximum size"},
    THintCase{61504, "Switches to next window"},
    THintCase{61536, "Closes the window"},
    THintCase{61728, "Restores the window to its previous size"},
    THintCase{61744, "Opens task list"},
    // The File menu title has no hint of its own.
    THintCase{CM_FILENEW - 1, ""},
    THintCase{0, ""}));

TEST(HintStrings, OnlyTheDosTextCommandCarriesAToolTipPart)
{
    EXPECT_EQ(FindHintString(CM_DOSTEXT).value_or(""),
              "Change between Windows (normal) text, and Dos ANSII text display\nDOS Text");
    for (unsigned id : {CM_FILEPRINT, CM_WORDWRAP, CM_FILEOPEN, CM_EDITFINDNEXT, 61744u})
        EXPECT_EQ(FindHintString(id).value_or("").find('\n'), std::string_view::npos) << id;
}

}  // namespace
