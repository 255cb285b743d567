// Help from the menu and from the keys: the message pre-processing with F1,
// Shift+F1 and Esc, the pop-up topics that replace a command in help mode,
// and which help viewer outlives the editor.
#include "HelpBookFixture.h"

#include "framework/headless/HeadlessDesktop.h"
#include "framework/Platform.h"
#include "resources/Cursors.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

class ContextHelp : public testing::Test {
protected:
    THelpBookFixture Book;
    TAppHarness Run;

    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(THelpBookFixture::BuiltBook() / "torvel.hlp")) << "the build copies the help book";
        Run.Start();
    }

    THeadlessServices& Services() { return Run.Desktop().Services(); }
    // A menu choice: the command goes through the pre-processing.
    void Choose(unsigned id) { Run.Desktop().Dispatch(TMsg{&Run.Frame(), WM_COMMAND, id, 0}); }
    std::string LastPopupPage() const
    {
        auto& popups = const_cast<TAppHarness&>(Run).Desktop().Services().Popups();
        return popups.empty() ? std::string() : std::filesystem::path(popups.back().Page).filename().string();
    }
    std::string ViewerPage()
    {
        const THeadlessHelpViewer* viewer = Services().Viewer(&Run.Frame());
        return viewer && viewer->Open ? std::filesystem::path(viewer->Page).filename().string() : std::string();
    }
};

TEST_F(ContextHelp, ShiftF1ThenSaveShowsTheSaveTopicAndSavesNothing)
{
    Run.Editor().InsertText("changed");
    Run.Desktop().SendKey(VK_F1, THeadlessDesktop::ModShift);
    EXPECT_TRUE(Run.App().HelpMode);
    EXPECT_EQ(Services().AppCursor, IDC_HELPCURSOR);

    Choose(CM_FILESAVE);
    EXPECT_EQ(LastPopupPage(), "file-save.html");
    EXPECT_NE(Services().Popups().back().Text.find("File, Save"), std::string::npos);
    EXPECT_TRUE(Run.Desktop().Dialogs().FileDialogs().empty()) << "the untitled document would ask for a name";
    EXPECT_TRUE(Run.Editor().Modified);
    EXPECT_FALSE(Run.App().HelpMode);
    EXPECT_EQ(Services().AppCursor, 0);

    // The mode is over: the next command runs.
    Choose(CM_EDITCLEAR);
    EXPECT_EQ(DocumentText(Run.Editor()), "\n");
    EXPECT_EQ(Services().Popups().size(), 1u);
}

TEST_F(ContextHelp, ShiftF1ThenEscLeavesHelpModeWithoutHelp)
{
    Run.Desktop().SendKey(VK_F1, THeadlessDesktop::ModShift);
    Run.Desktop().SendKey(VK_ESCAPE);
    EXPECT_FALSE(Run.App().HelpMode);
    EXPECT_FALSE(Run.App().HelpCursor);
    EXPECT_EQ(Services().AppCursor, 0);
    EXPECT_TRUE(Services().Popups().empty());
    EXPECT_TRUE(Services().Viewers().empty());
}

TEST_F(ContextHelp, MouseMovesInHelpModeKeepTheHelpCursorAndReachNoWindow)
{
    Run.Desktop().SendKey(VK_F1, THeadlessDesktop::ModShift);
    Services().AppCursor = 0;
    bool consumed = false;
    DispatchMsg(TMsg{Run.App().Editor, WM_MOUSEMOVE, 0, 0}, consumed);
    EXPECT_TRUE(consumed);
    EXPECT_EQ(Services().AppCursor, IDC_HELPCURSOR);
}

TEST_F(ContextHelp, F1HeldInAnOpenMenuShowsTheHighlightedItemsTopic)
{
    Run.Editor().InsertText("kept");
    Run.Desktop().Keyboard().Press(VK_F1);
    // The menu's loop is idle with F1 down: Enter is posted to choose the
    // highlighted item.
    Run.Desktop().Dispatch(TMsg{&Run.Frame(), WM_ENTERIDLE, MSGF_MENU, 0});
    EXPECT_TRUE(Run.App().HelpMode);
    EXPECT_EQ(Run.Desktop().QueuedCount(), 1u);
    Run.Desktop().Keyboard().Release(VK_F1);
    Choose(CM_EDITCLEAR);
    EXPECT_EQ(LastPopupPage(), "edit-clear.html");
    EXPECT_EQ(DocumentText(Run.Editor()), "kept\n");
}

// Idle notices: from a menu they matter only with F1 down; from a dialog
// box (or a loading file) they run the application's idle processing.
TEST_F(ContextHelp, IdleNoticesOfMenusAndDialogBoxes)
{
    const int before = Run.App().IdleCalls;
    bool consumed = true;
    DispatchMsg(TMsg{&Run.Frame(), WM_ENTERIDLE, MSGF_MENU, 0}, consumed);
    EXPECT_FALSE(consumed);
    EXPECT_FALSE(Run.App().HelpMode);
    EXPECT_EQ(Run.App().IdleCalls, before);
    EXPECT_EQ(Run.Desktop().QueuedCount(), 0u);
    DispatchMsg(TMsg{&Run.Frame(), WM_ENTERIDLE, MSGF_DIALOGBOX, 0}, consumed);
    EXPECT_FALSE(consumed);
    EXPECT_EQ(Run.App().IdleCalls, before + 1);
}

TEST_F(ContextHelp, ACommandWhileF1IsDownShowsItsTopic)
{
    Run.Desktop().Keyboard().Press(VK_F1);
    Choose(CM_WORDWRAP);
    Run.Desktop().Keyboard().Release(VK_F1);
    EXPECT_EQ(LastPopupPage(), "edit-wordwrap.html");
    EXPECT_FALSE(Run.Editor().WordWrap);
}

TEST_F(ContextHelp, F1AloneOpensTheContentsAndTheViewerOutlivesTheEditor)
{
    Run.Desktop().SendKey(VK_F1);
    EXPECT_EQ(ViewerPage(), "index.html");
    EXPECT_FALSE(Run.App().HelpUsed);
    const TWindow* frame = &Run.Frame();
    Run.App().CloseMainWindow();
    ASSERT_NE(Services().Viewer(frame), nullptr);
    EXPECT_TRUE(Services().Viewer(frame)->Open);
}

TEST_F(ContextHelp, TheViewerOpenedFromTheHelpMenuClosesWithTheEditor)
{
    Choose(CM_HELPUSING);
    EXPECT_EQ(ViewerPage(), "using-help.html");
    Choose(CM_HELPCONTENTS);
    EXPECT_EQ(ViewerPage(), "index.html");
    EXPECT_EQ(Services().Viewers().size(), 1u) << "one viewer per editor";
    EXPECT_TRUE(Run.App().HelpUsed);
    const TWindow* frame = &Run.Frame();
    Run.App().CloseMainWindow();
    EXPECT_FALSE(Services().Viewer(frame)->Open);
}

TEST_F(ContextHelp, AViewerThatCannotStartClearsHelpUsedSilently)
{
    Choose(CM_HELPCONTENTS);
    Services().CloseViewer(Run.Frame());
    Services().FailViewerStart = true;
    Choose(CM_HELPCONTENTS);
    EXPECT_FALSE(Run.App().HelpUsed);
    EXPECT_TRUE(Run.Desktop().Dialogs().MessageBoxes().empty());
}

TEST(ContextHelpWithoutBook, AMissingBookClearsHelpUsedSilently)
{
    THelpBookFixture noBook(false);
    TAppHarness run;
    run.Start();
    run.App().HelpUsed = true;
    run.Desktop().Dispatch(TMsg{&run.Frame(), WM_COMMAND, CM_HELPCONTENTS, 0});
    EXPECT_FALSE(run.App().HelpUsed);
    run.Desktop().SendKey(VK_F1, THeadlessDesktop::ModShift);
    run.Desktop().Dispatch(TMsg{&run.Frame(), WM_COMMAND, CM_FILESAVE, 0});
    EXPECT_TRUE(run.Desktop().Services().Viewers().empty());
    EXPECT_TRUE(run.Desktop().Services().Popups().empty());
    EXPECT_TRUE(run.Desktop().Dialogs().MessageBoxes().empty());
}

}  // namespace
