// TORVEL.INI on the headless platform: read once after the frame is shown,
// written once when the frame goes, in a settings folder of the test's own.
#include "AppHarness.h"

#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

const char* const FirstRunFile =
    "[Position]\nx=50\ny=50\nr=450\nb=350\n"
    "[General]\nWrap=0\nDos=0\nInstalled=0\nAutoIndent=0\nUndoLimit=500\n"
    "[WinText]\nMargin=10\nTabSize=4\nFaceName=Courier New\nFontSize=12\nLineSpacing=4\n"
    "[DosText]\nMargin=10\nTabSize=4\nFaceName=Terminal\nFontSize=12\nLineSpacing=0\n";

TEST(SettingsFile, AFirstRunWritesEveryKeyInOrder)
{
    TConfigHome config;
    TAppHarness run({}, &config);
    run.Start();
    EXPECT_EQ(config.Settings(), "") << "nothing is written while the program runs";
    run.Stop();
    EXPECT_EQ(config.Settings(), FirstRunFile);

    // The next run reads the same and writes the same bytes.
    TAppHarness again({}, &config);
    again.Start();
    EXPECT_EQ(again.Frame().GetWindowRect(), (TRect{50, 50, 450, 350}));
    again.Stop();
    EXPECT_EQ(config.Settings(), FirstRunFile);
}

TEST(SettingsFile, StoredValuesReachTheRecordTheFrameAndTheEditor)
{
    TConfigHome config;
    config.WriteSettings(
        "[Position]\r\nx=120\r\ny=90\r\nr=620\r\nb=490\r\n"
        "[General]\r\nWrap=7\r\nDos=1\r\nInstalled=1\r\nAutoIndent=1\r\nUndoLimit=40\r\n"
        "[WinText]\r\nMargin=25\r\n"
        "[DosText]\r\nMargin=3\r\nTabSize=8\r\nFaceName=Fixed\r\nFontSize=9\r\nLineSpacing=2\r\n");
    TAppHarness run({}, &config);
    // Asked to start maximised, it opens a normal window at the stored place.
    run.App().CmdShow = SW_SHOWMAXIMIZED;
    TRecordingApp& app = run.Start();
    EXPECT_EQ(run.Desktop().Peer(run.Frame()).ShowState(), SW_SHOWNORMAL);
    EXPECT_EQ(run.Frame().GetWindowRect(), (TRect{120, 90, 620, 490}));
    const TIniInfo& s = app.Settings;
    EXPECT_TRUE(s.Wrap && s.Dos && s.Installed && s.AutoIndent);
    EXPECT_EQ(s.UndoLimit, 40);
    // One key gives both margins.
    EXPECT_EQ(s.WinText.MarginX, 25);
    EXPECT_EQ(s.WinText.MarginY, 25);
    EXPECT_EQ(s.WinText.FaceName, "Courier New");
    EXPECT_EQ(s.DosText.FaceName, "Fixed");
    EXPECT_EQ(s.DosText.Flags, 0x1Eu);

    THugeEdit& editor = run.Editor();
    EXPECT_TRUE(app.DosMode);
    EXPECT_TRUE(editor.WordWrap);
    EXPECT_TRUE(editor.AutoIndent);
    EXPECT_EQ(editor.UndoStack.Limit, 40);
    EXPECT_EQ(editor.FaceName, "Fixed");
    EXPECT_EQ(editor.TabSize, 8);
    EXPECT_EQ(editor.LeftMargin, 3);
    EXPECT_EQ(editor.FontHeight, 12);  // 9 points at 96 dots per inch
    run.Stop();

    // Booleans go back as 1 and the file keeps its CR LF line ends.
    EXPECT_EQ(config.Settings(),
              "[Position]\r\nx=120\r\ny=90\r\nr=620\r\nb=490\r\n"
              "[General]\r\nWrap=1\r\nDos=1\r\nInstalled=1\r\nAutoIndent=1\r\nUndoLimit=40\r\n"
              "[WinText]\r\nMargin=25\r\nTabSize=4\r\nFaceName=Courier New\r\nFontSize=12\r\nLineSpacing=4\r\n"
              "[DosText]\r\nMargin=3\r\nTabSize=8\r\nFaceName=Fixed\r\nFontSize=9\r\nLineSpacing=2\r\n");
}

TEST(SettingsFile, WordWrapAndDosTextCommandsNeverChangeTheRecord)
{
    for (const char* wrap : {"0", "1"}) {
        TConfigHome config;
        config.WriteSettings(std::string("[General]\nWrap=") + wrap + "\nDos=0\n");
        TAppHarness run({}, &config);
        TRecordingApp& app = run.Start();
        run.Desktop().SendKey('W', THeadlessDesktop::ModCtrl);
        app.RouteCommand(CM_DOSTEXT);
        EXPECT_NE(run.Editor().WordWrap, *wrap == '1');
        EXPECT_TRUE(app.DosMode);
        run.Stop();
        EXPECT_NE(config.Settings().find(std::string("Wrap=") + wrap + "\nDos=0\n"), std::string::npos)
            << config.Settings();
    }
}

TEST(SettingsFile, TheLastNormalPlacementIsStored)
{
    struct TCase {
        const char* Name;
        void (*Act)(THeadlessDesktop&, TWindow&);
    };
    const TCase cases[] = {
        {"closed while maximised", [](THeadlessDesktop& d, TWindow& f) { d.Maximize(f); }},
        {"closed while minimised", [](THeadlessDesktop& d, TWindow& f) { d.Resize(f, 0, 0, SIZE_MINIMIZED); }},
        {"maximised, moved, restored and maximised again",
         [](THeadlessDesktop& d, TWindow& f) {
             d.Maximize(f);
             d.Move(f, 5, 5);
             d.Restore(f);
             d.Maximize(f);
         }},
    };
    for (const TCase& c : cases) {
        TConfigHome config;
        TAppHarness run({}, &config);
        run.Start();
        run.Desktop().Move(run.Frame(), 130, 70);
        run.Desktop().Resize(run.Frame(), 500, 410);
        c.Act(run.Desktop(), run.Frame());
        run.Stop();
        EXPECT_NE(config.Settings().find("[Position]\nx=130\ny=70\nr=630\nb=480\n"), std::string::npos)
            << c.Name << "\n" << config.Settings();
    }
}

// Values no Options sheet would store: the program starts, the editor
// applies them within its bounds, and the file keeps them as they were.
TEST(SettingsFile, HostileValuesAreBoundedWhereTheyAreAppliedAndKeptInTheFile)
{
    struct TCase {
        std::string WinText;
        std::string Written;  // expected in the rewritten [WinText] or [General]
        void (*Check)(const THugeEdit&);
    };
    const TCase cases[] = {
        {"FontSize=0", "FontSize=0", [](const THugeEdit& e) { EXPECT_EQ(e.FontHeight, THugeEdit::MinFontHeight); }},
        {"FontSize=-5", "FontSize=-5", [](const THugeEdit& e) { EXPECT_EQ(e.FontHeight, THugeEdit::MinFontHeight); }},
        {"FontSize=100000", "FontSize=100000",
         [](const THugeEdit& e) { EXPECT_EQ(e.FontHeight, THugeEdit::MaxFontHeight); }},
        {"FontSize=99999999999", "FontSize=2147483647",  // read clamped to 32 bits
         [](const THugeEdit& e) { EXPECT_EQ(e.FontHeight, THugeEdit::MaxFontHeight); }},
        {"TabSize=0", "TabSize=0", [](const THugeEdit& e) { EXPECT_EQ(e.TabSize, 0); }},
        {"TabSize=2000000000", "TabSize=2000000000",
         [](const THugeEdit& e) { EXPECT_EQ(e.TabSize, THugeEdit::MaxTabSize); }},
        {"LineSpacing=-50", "LineSpacing=-50", [](const THugeEdit& e) { EXPECT_EQ(e.LineHeight, 1); }},
        {"LineSpacing=1000000", "LineSpacing=1000000",
         [](const THugeEdit& e) { EXPECT_EQ(e.LineHeight, e.FontHeight + THugeEdit::MaxFontHeight); }},
        {"Margin=1000000000", "Margin=1000000000", [](const THugeEdit& e) {
             EXPECT_EQ(e.LeftMargin, THugeEdit::MaxMargin);
             EXPECT_EQ(e.TopMargin, THugeEdit::MaxMargin);
         }},
        {"Margin=-40", "Margin=-40", [](const THugeEdit& e) { EXPECT_EQ(e.LeftMargin, 0); }},
        // At most 255 characters are read, and so written back.
        {"FaceName=" + std::string(10000, 'F'), "FaceName=" + std::string(255, 'F') + "\n",
         [](const THugeEdit& e) { EXPECT_EQ(e.FaceName, std::string(127, 'F')); }},
        {"FaceName=\x01\xFF\x7F\tx", "FaceName=\x01\xFF\x7F\tx",
         [](const THugeEdit& e) { EXPECT_EQ(e.FaceName, "\x01\xFF\x7F\tx"); }},
        {"FontSize=20\n[WinText]\nFontSize=30", "FontSize=20\n",  // a repeated section
         [](const THugeEdit& e) { EXPECT_EQ(e.FontHeight, 27); }},
        {"TabSize\nFontSize 30\n=\n[\n]\n", "TabSize\nFontSize 30\n=\n",  // lines without "="
         [](const THugeEdit& e) { EXPECT_EQ(e.TabSize, 4); }},
        {std::string("\0\xFF\xFE\r\r\n\x1A[[]]==\x80", 14) + "\nTabSize=6", "TabSize=6",  // binary garbage
         [](const THugeEdit& e) { EXPECT_EQ(e.TabSize, 6); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.WinText.substr(0, 40));
        TConfigHome config;
        config.WriteSettings("[General]\nUndoLimit=-1\n[WinText]\n" + c.WinText + "\n");
        TAppHarness run({}, &config);
        run.Start();
        c.Check(run.Editor());
        EXPECT_EQ(run.Editor().UndoStack.Limit, THugeEdit::MaxUndoLimit);
        // The editor still paints and types.
        run.Desktop().TypeText("abc\tdef\n");
        run.Desktop().PaintInvalidWindows();
        EXPECT_EQ(DocumentText(run.Editor()), "abc\tdef\n\n");
        run.Stop();
        const std::string written = config.Settings();
        EXPECT_NE(written.find("UndoLimit=-1\n"), std::string::npos);
        EXPECT_NE(written.find(c.Written), std::string::npos) << written;
    }
}

TEST(SettingsFile, PlacementsBeyondTheScreenOrThe32BitRangeDoNotBreakTheStart)
{
    TConfigHome config;
    config.WriteSettings("[Position]\nx=-2147483648\ny=99999999999\nr=2147483647\nb=-5\n");
    TAppHarness run({}, &config);
    run.Start();
    // As the window system does, the window keeps within what it can carry.
    EXPECT_EQ(run.Frame().GetWindowRect(), (TRect{-30000, 30000, -30000 + 1024, 30001}));
    run.Stop();
    EXPECT_NE(config.Settings().find("x=-30000\ny=30000\nr=-28976\nb=30001\n"), std::string::npos)
        << config.Settings();
}

TEST(SettingsFile, AFolderThatCannotBeMadeLosesTheSettingsSilently)
{
    TConfigHome config;
    config.WriteSettings("");
    std::filesystem::remove(config.SettingsPath());
    std::filesystem::remove(std::filesystem::path(config.SettingsPath()).parent_path());
    std::ofstream(std::filesystem::path(config.SettingsPath()).parent_path()) << "in the way";
    TAppHarness run({}, &config);
    run.Start();
    run.Stop();  // neither throws nor shows a message
    EXPECT_TRUE(run.Desktop().Dialogs().MessageBoxes().empty());
}

}  // namespace
