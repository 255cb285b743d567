// Start-up on the headless platform: the frame that InitMainWindow builds,
// the settings applied, and what the command line makes happen.
#include "AppHarness.h"

#include "view/CommandIds.h"
#include "app/ShowState.h"
#include "app/SettingsDefaults.h"
#include "framework/Platform.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, BuildsTheDecoratedFrameAroundTheEditor)
{
    TAppHarness run;
    run.Start();
    TDecoratedFrame& frame = run.Frame();
    EXPECT_EQ(frame.GetCaption(), "Vantor");
    EXPECT_EQ(frame.GetClientWindow(), run.App().Editor);
    EXPECT_TRUE(frame.Attr.ExStyle & WS_EX_ACCEPTFILES);
    ASSERT_NE(frame.GetMenu(), nullptr);
    EXPECT_EQ(frame.GetMenu()->ResourceId, 1000);
    ASSERT_NE(frame.GetAccelerators(), nullptr);
    EXPECT_EQ(frame.GetAccelerators()->Entries.size(), 12u);
    ASSERT_EQ(frame.Decorations().size(), 2u);
    EXPECT_EQ(frame.Decorations()[0].second, TDecoratedFrame::TLocation::Top);
    EXPECT_STREQ(frame.Decorations()[0].first->GetClassName(), "TFancyControlBar");
    EXPECT_EQ(frame.Decorations()[1].second, TDecoratedFrame::TLocation::Bottom);
    EXPECT_STREQ(frame.Decorations()[1].first->GetClassName(), "TStatusBar");
    EXPECT_EQ(frame.GetHintWindow(), frame.Decorations()[1].first);
    EXPECT_TRUE(frame.IsCreated());
    EXPECT_TRUE(run.Editor().IsCreated());
}

TEST(StartUp, AFirstRunPlacesTheFrameAndAppliesTheDefaults)
{
    TAppHarness run;
    TRecordingApp& app = run.Start();
    EXPECT_EQ(run.Frame().GetWindowRect(), (TRect{50, 50, 450, 350}));

    EXPECT_FALSE(app.DosMode);
    THugeEdit& editor = run.Editor();
    EXPECT_FALSE(editor.WordWrap);
    EXPECT_FALSE(editor.AutoIndent);
    EXPECT_EQ(editor.UndoStack.Limit, 500);
    EXPECT_EQ(editor.FaceName, "Courier New");
    EXPECT_EQ(editor.TabSize, 4);
    EXPECT_EQ(editor.LeftMargin, 10);
    EXPECT_EQ(editor.TopMargin, 10);
}

TEST(StartUp, StylesReadKeepTheEditorsColours)
{
    TAppHarness run;
    TRecordingApp& app = run.Start();
    for (const TTextStyle* style : {&app.Settings.WinText, &app.Settings.DosText}) {
        EXPECT_EQ(style->Flags, 0x1Eu);
        EXPECT_EQ(style->TextColor, 0u);
        EXPECT_EQ(style->BackColor, 0u);
    }
    EXPECT_EQ(app.Settings.DosText.FaceName, DosTextDefaults.FaceName);
    EXPECT_EQ(app.Settings.DosText.LineSpacing, 0);
    EXPECT_EQ(app.Settings.WinText.LineSpacing, 4);
}

TEST(StartUp, ShowStatesAreNormalised)
{
    struct TCase {
        int Asked, Shown;
    };
    for (TCase c : {TCase{SW_HIDE, SW_HIDE}, TCase{SW_SHOWMINNOACTIVE, SW_SHOWMINNOACTIVE},
                    TCase{SW_SHOWNORMAL, SW_SHOWNORMAL}, TCase{SW_SHOWMINIMIZED, SW_SHOWNORMAL},
                    TCase{SW_SHOWMAXIMIZED, SW_SHOWNORMAL}, TCase{5, SW_SHOWNORMAL}})
        EXPECT_EQ(NormaliseShowState(c.Asked), c.Shown) << c.Asked;

    // A maximised start opens a normal window at the stored placement.
    TAppHarness run;
    run.App().CmdShow = SW_SHOWMAXIMIZED;
    run.Start();
    EXPECT_EQ(run.App().CmdShow, SW_SHOWNORMAL);
    EXPECT_EQ(run.Frame().GetWindowRect(), (TRect{50, 50, 450, 350}));
}

// --- the command line --------------------------------------------------------

TEST(CommandLine, AnEmptyLineStartsWithAnEmptyUntitledDocument)
{
    TAppHarness run;
    TRecordingApp& app = run.Start();
    EXPECT_EQ(DocumentText(run.Editor()), "\n");
    EXPECT_TRUE(run.Editor().FileData.FileName.empty());
    EXPECT_TRUE(app.Registrations.empty());
    EXPECT_EQ(app.Prints, 0);
    EXPECT_NE(app.GetMainWindow(), nullptr);
}

TEST(CommandLine, APathWithBlanksOpensQuotedOrNot)
{
    TScratchDir dir;
    const std::string path = dir.Write("my notes.txt", "one\ntwo\n");
    for (const std::string& arg : {'"' + path + '"', path}) {
        TAppHarness run({arg});
        run.Start();
        EXPECT_EQ(run.Editor().FileData.FileName, path) << arg;
        EXPECT_EQ(DocumentText(run.Editor()), "one\ntwo\n") << arg;
        EXPECT_EQ(run.Frame().GetCaption(), "my notes.txt - Vantor") << arg;
    }
}

TEST(CommandLine, SeparateArgumentsMakeOneNameAndAnOptionAfterItIsPartOfIt)
{
    TScratchDir dir;
    const std::string path = dir.Write("a.txt -p", "x\n");
    TAppHarness run({dir.PathOf("a.txt"), "-p"});
    TRecordingApp& app = run.Start();
    EXPECT_EQ(run.Editor().FileData.FileName, path);
    EXPECT_EQ(DocumentText(run.Editor()), "x\n");
    EXPECT_EQ(app.Prints, 0);
}

TEST(CommandLine, PrintOpensPrintsThenClosesThroughTheLoop)
{
    TScratchDir dir;
    const std::string path = dir.Write("a.txt", "abc\r\nd\n");
    TAppHarness run({"-p", path});
    run.App().PrintForReal = true;
    TRecordingApp& app = run.Start();
    EXPECT_EQ(run.Editor().FileData.FileName, path);
    EXPECT_EQ(app.Prints, 1);
    // The file is printed once it is loaded, under its name.
    const std::vector<THeadlessPrintJob>& jobs = run.Desktop().Printing().Jobs;
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].Title, path);
    ASSERT_EQ(jobs[0].Pages.size(), 1u);
    std::string printed;
    for (const TDrawCall& call : jobs[0].Pages[0])
        if (call.Kind == TDrawCall::TKind::Text)
            printed += call.Text + "|";
    EXPECT_EQ(printed, "abc|d|");
    // The close request waits for the message loop.
    ASSERT_NE(app.GetMainWindow(), nullptr);
    app.PumpWaitingMessages();
    EXPECT_EQ(app.GetMainWindow(), nullptr);
}

TEST(CommandLine, RegistrationEndsProcessingAtOnce)
{
    struct TCase {
        std::vector<std::string> Args;
        bool Install;
    };
    TScratchDir dir;
    const std::string path = dir.Write("a.txt", "abc\n");
    for (const TCase& c : {TCase{{"-reg", "-p", path}, true}, TCase{{"/UNREG", path}, false},
                           TCase{{"-"}, false}, TCase{{"-p", "-r"}, true}}) {
        TAppHarness run(c.Args);
        TRecordingApp& app = run.Start();
        SCOPED_TRACE(app.GetCmdLine());
        EXPECT_EQ(app.Registrations, std::vector<bool>{c.Install});
        EXPECT_EQ(app.Prints, 0);
        EXPECT_TRUE(run.Editor().FileData.FileName.empty());
        app.PumpWaitingMessages();
        EXPECT_NE(app.GetMainWindow(), nullptr) << "registration leaves the program running";
    }
}

// --- caption ---------------------------------------------------------------

TEST(Caption, NamesTheDocumentAfterOpenAndNew)
{
    TScratchDir dir;
    const std::string path = dir.Write("b.txt", "b\n");
    TAppHarness run;
    run.Start();
    run.Editor().Open(path);
    EXPECT_EQ(run.Frame().GetCaption(), "b.txt - Vantor");
    run.Editor().NewDocument();
    EXPECT_EQ(run.Frame().GetCaption(), " - Vantor");
}

// --- messages of the main window -------------------------------------------------

TEST(MainWindowMessages, DroppingFilesOpensOnlyTheFirst)
{
    TScratchDir dir;
    const TDropInfo drop{{dir.Write("1.txt", "first\n"), dir.Write("2.txt", "second\n"), dir.Write("3.txt", "third\n")}, {}};
    TAppHarness run;
    run.Start();
    // Dropped on the editor, they go to the frame, which accepts files.
    run.Desktop().DropFiles(run.Editor(), drop.Files, {5, 5});
    EXPECT_EQ(run.Editor().FileData.FileName, drop.Files[0]);
    EXPECT_EQ(DocumentText(run.Editor()), "first\n");
}

TEST(MainWindowMessages, TheApplySettingsNoticePushesTheSettingsAndAnswersOne)
{
    TAppHarness run;
    TRecordingApp& app = run.Start();
    app.Settings.UndoLimit = 7;
    app.Settings.AutoIndent = true;
    app.Settings.WinText.TabSize = 8;
    EXPECT_EQ(run.Frame().SendMessage(0x401), 1);
    EXPECT_EQ(run.Editor().UndoStack.Limit, 7);
    EXPECT_TRUE(run.Editor().AutoIndent);
    EXPECT_EQ(run.Editor().TabSize, 8);
    // Word wrap and DOS mode in the record only matter at the next start.
    app.Settings.Wrap = true;
    run.Frame().SendMessage(0x401);
    EXPECT_FALSE(run.Editor().WordWrap);
}

}  // namespace

namespace {

// A style whose font cannot be measured must not end the program: the
// error is shown and the editor goes on with what it had.
TEST(MainWindowMessages, AStyleErrorIsShownAndTheProgramGoesOn)
{
    TAppHarness run;
    TRecordingApp& app = run.Start();
    run.Desktop().FailFontMetrics("Terminal");
    run.Desktop().Dispatch({&run.Frame(), WM_COMMAND, CM_DOSTEXT, 0});
    run.Desktop().Post({&run.Frame(), 0x401, 0, 0});
    app.PumpWaitingMessages();

    const auto& boxes = run.Desktop().Dialogs().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const THeadlessMessageBox& box : boxes) {
        EXPECT_EQ(box.Text, "Unable to get font metrics");
        EXPECT_EQ(box.Caption, "Vantor");
    }
    ASSERT_NE(app.GetMainWindow(), nullptr);
    run.Desktop().FailFontMetrics("Terminal", false);
    run.Desktop().Dispatch({&run.Frame(), WM_COMMAND, CM_DOSTEXT, 0});
    EXPECT_FALSE(app.DosMode);
    EXPECT_EQ(run.Editor().FaceName, "Courier New");
}

}  // namespace
