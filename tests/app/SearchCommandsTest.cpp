// The Search menu's commands in the running application: their enabling,
// the dialogs they open, and F3.
#include "AppHarness.h"

#include "search/HugeEditSearch.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

using TAction = TFindReplaceDialog::TAction;

class SearchCommands : public testing::Test {
protected:
    void SetUp() override { Run.Start(); }

    bool Enabled(unsigned id)
    {
        TCommandEnabler enabler(id);
        Run.App().RouteEnable(enabler);
        return enabler.IsEnabled();
    }
    std::vector<bool> States() { return {Enabled(CM_EDITFIND), Enabled(CM_EDITREPLACE), Enabled(CM_EDITFINDNEXT)}; }
    THeadlessFindReplace& Open(unsigned command)
    {
        Run.Frame().SendMessage(WM_COMMAND, command);
        THeadlessFindReplace* dialog = Run.Desktop().FindReplace();
        if (!dialog)
            throw std::logic_error("no dialog");
        return *dialog;
    }
    std::string Text()
    {
        std::string text;
        for (TRowIndex r = 0; r < Run.Editor().Lines.Size(); ++r)
            text.append(Run.Editor().Lines[r].View());
        return text;
    }

    TAppHarness Run;
};

TEST_F(SearchCommands, FindAndReplaceAreGreyedWhileADialogIsOpenNextOnceThereIsAText)
{
    Run.Editor().InsertText("a foo\n");
    Run.Editor().SetCaretOffset(0);
    EXPECT_EQ(States(), (std::vector<bool>{true, true, false}));
    THeadlessFindReplace& dialog = Open(CM_EDITFIND);
    EXPECT_EQ(dialog.Kind(), TFindReplaceDialog::TKind::Find);
    EXPECT_EQ(States(), (std::vector<bool>{false, false, false}));
    dialog.TypeFind("foo");
    dialog.PressKey(VK_RETURN);
    EXPECT_EQ(Run.Editor().CaretCol, 2) << "Enter found the word";
    EXPECT_EQ(States(), (std::vector<bool>{false, false, true}));
    dialog.PressKey(VK_ESCAPE);
    EXPECT_EQ(States(), (std::vector<bool>{true, true, true}));
}

// Find Next repeats what the dialog did last: after Replace All it replaces
// all again, and then asks like a find next.
TEST_F(SearchCommands, F3RepeatsTheLastActionOfTheOpenDialog)
{
    THugeEdit& editor = Run.Editor();
    editor.InsertText("foo foo");
    editor.SetCaretOffset(0);
    THeadlessFindReplace& dialog = Open(CM_EDITREPLACE);
    dialog.TypeFind("foo");
    dialog.TypeReplace("bar");
    dialog.Click(TAction::ReplaceAll);
    ASSERT_EQ(Text(), "bar bar\n");
    EXPECT_TRUE(Run.Desktop().Dialogs().MessageBoxes().empty());
    editor.SetCaretOffset(0);
    editor.InsertText("foo ");
    editor.SetCaretOffset(0);
    Run.Desktop().Dialogs().AnswerMessageBox(IDNO);
    Run.Desktop().SendKey(VK_F3);
    EXPECT_EQ(Text(), "bar bar bar\n");
    EXPECT_EQ(Run.Desktop().Dialogs().MessageBoxes().size(), 1u);
}

}  // namespace
