// The menu's commands as the route enables and checks them: the editor's
// own, the application's, and those whose features do not exist yet.
#include "AppHarness.h"

#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

struct TState {
    bool Enabled;
    bool Checked;
};

TState Query(TApplication& app, unsigned id)
{
    TCommandEnabler enabler(id);
    app.RouteEnable(enabler);
    return {enabler.IsEnabled(), enabler.IsChecked()};
}

bool Enabled(TApplication& app, unsigned id) { return Query(app, id).Enabled; }

void Command(TAppHarness& run, unsigned id) { run.Frame().SendMessage(WM_COMMAND, id); }

class CommandEnabling : public testing::Test {
protected:
    void SetUp() override { Run.Start(); }
    TAppHarness Run;
    TScratchDir Dir;
};

TEST_F(CommandEnabling, CommandsWithAHandlerAndNoEnablerAreEnabled)
{
    // Save As, Clear All and Delete are greyed in the template only.
    for (unsigned id : {CM_FILENEW, CM_FILEOPEN, CM_FILESAVEAS, CM_EXIT, CM_EDITCLEAR, CM_EDITDELETE, CM_FILEMAIL,
                        CM_HELPCONTENTS, CM_WEBPAGE, CM_HELPUSING, CM_HELPABOUT, CM_FILEPRINT, CM_FILEPRINTSETUP, CM_OPTIONS})
        EXPECT_TRUE(Enabled(Run.App(), id)) << id;
}

TEST_F(CommandEnabling, TheFileMenusStatesFollowTheItems)
{
    const TMenuItem& fileMenu = Run.Frame().GetMenu()->Items.front();
    std::vector<TCommandEnabler> states;
    Run.Frame().QueryPopupState(fileMenu, states);
    std::vector<std::pair<unsigned, bool>> got;
    for (const TCommandEnabler& s : states)
        got.emplace_back(s.GetId(), s.IsEnabled());
    const std::vector<std::pair<unsigned, bool>> expected{
        {CM_FILENEW, true},    {CM_FILEOPEN, true},        {CM_FILESAVE, false}, {CM_FILESAVEAS, true},
        {CM_FILEPRINT, true},  {CM_FILEPRINTSETUP, true},  {CM_FILEMAIL, true},  {CM_EXIT, true},
    };
    EXPECT_EQ(got, expected);
}

TEST_F(CommandEnabling, SaveIsGreyedUntilAChangeAndAgainAfterASave)
{
    THugeEdit& editor = Run.Editor();
    editor.Open(Dir.Write("s.txt", "abc\n"));
    EXPECT_FALSE(Enabled(Run.App(), CM_FILESAVE));
    editor.InsertText("x");
    EXPECT_TRUE(Enabled(Run.App(), CM_FILESAVE));
    Command(Run, CM_FILESAVE);
    EXPECT_FALSE(editor.Modified);
    EXPECT_FALSE(Enabled(Run.App(), CM_FILESAVE));
}

// Commands the load dispatches find Save and Save As greyed and refuse
// them: the rows read so far are only part of the file. New and Open
// wait for the load, so they are greyed as well.
TEST_F(CommandEnabling, SaveAndSaveAsAreRefusedWhileAFileLoads)
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "line " + std::to_string(i) + "\n";
    const std::string path = Dir.Write("big.txt", text);
    Run.Editor().Modified = true;
    Run.Desktop().Dialogs().AnswerMessageBox(IDNO);  // the earlier changes
    Run.Desktop().Dialogs().ChooseFile(Dir.PathOf("copy.txt"));
    Run.Frame().PostMessage(WM_COMMAND, CM_FILESAVEAS);
    Run.Frame().PostMessage(WM_COMMAND, CM_FILESAVE);
    // New and Open, which a load ignores, are greyed too.
    std::vector<unsigned> enabledDuringLoad;
    Run.App().OnIdle = [&] {
        if (Run.Editor().IsLoading())
            for (unsigned id : {CM_FILENEW, CM_FILEOPEN, CM_FILESAVE, CM_FILESAVEAS})
                if (Enabled(Run.App(), id))
                    enabledDuringLoad.push_back(id);
    };
    Run.Editor().Open(path);
    Run.App().OnIdle = nullptr;
    EXPECT_GT(Run.App().IdleCalls, 0);
    EXPECT_EQ(enabledDuringLoad, std::vector<unsigned>{});
    EXPECT_TRUE(Run.Desktop().Dialogs().FileDialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(Dir.PathOf("copy.txt")));
    EXPECT_EQ(DocumentText(Run.Editor()), text);
    for (unsigned id : {CM_FILENEW, CM_FILEOPEN, CM_FILESAVEAS})
        EXPECT_TRUE(Enabled(Run.App(), id)) << id;
}

TEST_F(CommandEnabling, CutAndCopyNeedASelection)
{
    THugeEdit& editor = Run.Editor();
    editor.InsertText("hello");
    EXPECT_FALSE(Enabled(Run.App(), CM_EDITCUT));
    EXPECT_FALSE(Enabled(Run.App(), CM_EDITCOPY));
    EXPECT_TRUE(Enabled(Run.App(), CM_EDITDELETE));
    editor.SetSelectionOffsets(0, 3);
    EXPECT_TRUE(Enabled(Run.App(), CM_EDITCUT));
    EXPECT_TRUE(Enabled(Run.App(), CM_EDITCOPY));
}

TEST_F(CommandEnabling, UndoAndRedoFollowTheirHistories)
{
    THugeEdit& editor = Run.Editor();
    editor.InsertText("a");
    EXPECT_TRUE(Enabled(Run.App(), CM_EDITUNDO));
    EXPECT_FALSE(Enabled(Run.App(), CM_EDITREDO));
    Command(Run, CM_EDITUNDO);
    EXPECT_EQ(DocumentText(editor), "\n");
    EXPECT_TRUE(Enabled(Run.App(), CM_EDITREDO));
    // Undone to the start of the history (a caret position may remain).
    for (int i = 0; i < 10 && !editor.UndoStack.Empty(); ++i)
        Command(Run, CM_EDITUNDO);
    EXPECT_FALSE(Enabled(Run.App(), CM_EDITUNDO));
    Command(Run, CM_EDITREDO);
    EXPECT_TRUE(Enabled(Run.App(), CM_EDITUNDO));
    // A new edit empties the redo history.
    editor.InsertText("b");
    EXPECT_FALSE(Enabled(Run.App(), CM_EDITREDO));
}

TEST_F(CommandEnabling, WordWrapsCheckMarkFollowsTheEditor)
{
    EXPECT_TRUE(Enabled(Run.App(), CM_WORDWRAP));
    EXPECT_FALSE(Query(Run.App(), CM_WORDWRAP).Checked);
    Command(Run, CM_WORDWRAP);
    EXPECT_TRUE(Run.Editor().WordWrap);
    EXPECT_TRUE(Query(Run.App(), CM_WORDWRAP).Checked);
    Run.Editor().SetWordWrap(false);
    EXPECT_FALSE(Query(Run.App(), CM_WORDWRAP).Checked);
    // The command never changes the settings record.
    EXPECT_FALSE(Run.App().Settings.Wrap);
}

TEST_F(CommandEnabling, DosTextSwitchesTheStyleAndShowsItsCheck)
{
    TRecordingApp& app = Run.App();
    EXPECT_EQ(Query(app, CM_DOSTEXT).Enabled, true);
    EXPECT_FALSE(Query(app, CM_DOSTEXT).Checked);
    Command(Run, CM_DOSTEXT);
    EXPECT_TRUE(app.DosMode);
    EXPECT_EQ(Run.Editor().FaceName, "Terminal");
    EXPECT_TRUE(Query(app, CM_DOSTEXT).Checked);
    Command(Run, CM_DOSTEXT);
    EXPECT_FALSE(app.DosMode);
    EXPECT_EQ(Run.Editor().FaceName, "Courier New");
    EXPECT_FALSE(app.Settings.Dos);
}

TEST_F(CommandEnabling, ClearAllDeletesEverythingAsOneEdit)
{
    THugeEdit& editor = Run.Editor();
    editor.Open(Dir.Write("c.txt", "one\ntwo\nthree\n"));
    Command(Run, CM_EDITCLEAR);
    EXPECT_EQ(DocumentText(editor), "\n");
    EXPECT_TRUE(editor.Modified);
    Command(Run, CM_EDITUNDO);
    EXPECT_EQ(DocumentText(editor), "one\ntwo\nthree\n");
}

TEST_F(CommandEnabling, NewStartsAnEmptyUntitledDocument)
{
    THugeEdit& editor = Run.Editor();
    const std::string path = Dir.Write("n.txt", "text\n");
    editor.Open(path);
    Command(Run, CM_FILENEW);
    EXPECT_EQ(DocumentText(editor), "\n");
    EXPECT_TRUE(editor.FileData.FileName.empty());
}

}  // namespace
