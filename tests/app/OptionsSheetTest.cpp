// Edit, Options on the headless desktop: the sheet's pages read and store
// the settings record, reject values out of range page by page, and the
// editor takes the settings once the sheet is confirmed.
#include "AppHarness.h"

#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/PropertyPage.h"
#include "framework/headless/HeadlessPropertySheet.h"
#include "resources/OptionsDialogs.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using TSheet = THeadlessPropertySheet;
using TButton = TPropertySheet::TButton;
constexpr size_t GeneralTab = 0, TextTab = 1, DosTextTab = 2;

class OptionsSheet : public ::testing::Test {
protected:
    explicit OptionsSheet(const std::string& settings = "") : Written(Config, settings), Run({}, &Config) {}

    TConfigHome Config;
    // The settings file is there before the program starts.
    struct TWritten {
        TWritten(const TConfigHome& config, const std::string& settings)
        {
            if (!settings.empty())
                config.WriteSettings(settings);
        }
    } Written;
    TAppHarness Run;
    TRecordingApp& App = Run.Start();

    // Edit, Options with what the user does in the sheet; then what the
    // sheet posted is dispatched.
    void Options(std::function<void(TSheet&)> user)
    {
        Run.Desktop().Dialogs().OnPropertySheet(std::move(user));
        ASSERT_TRUE(App.RouteCommand(CM_OPTIONS));
        Run.Desktop().PumpWaitingMessages();
    }
    const std::vector<THeadlessMessageBox>& Boxes() { return Run.Desktop().Dialogs().MessageBoxes(); }
};

// One field typed on the Text page, then OK.
struct TStyleCase {
    int Box;
    const char* Typed;
    const char* Message;  // empty: accepted
    int32_t TTextStyle::*Field;
    int32_t Stored;
};

TEST(OptionsSheetFields, TheTextPageStoresEachFieldInOrderAndRejectsTheFirstOutOfRange)
{
    const TStyleCase cases[] = {
        {IDC_FONTSIZE, "7", "The fontsize must be a value between 8 and 18 pts", &TTextStyle::FontSize, 12},
        {IDC_FONTSIZE, "abc", "The fontsize must be a value between 8 and 18 pts", &TTextStyle::FontSize, 12},
        {IDC_FONTSIZE, "0x10", "", &TTextStyle::FontSize, 16},
        {IDC_FONTSIZE, "010", "", &TTextStyle::FontSize, 8},
        {IDC_FONTSIZE, " +18pt", "", &TTextStyle::FontSize, 18},
        {IDC_TABSIZE, "11", "The tab spacing must be a value between 0 and 10 characters", &TTextStyle::TabSize, 4},
        {IDC_TABSIZE, "abc", "", &TTextStyle::TabSize, 0},
        {IDC_LINESPACING, "19", "The line spacing must be a value between 0 and 18 pts", &TTextStyle::LineSpacing, 4},
        {IDC_LINESPACING, "0x12", "", &TTextStyle::LineSpacing, 18},
        {IDC_MARGIN, "-1", "The margin must be a value between 0 and 18 pts", &TTextStyle::MarginX, 10},
        {IDC_MARGIN, "99999999999", "The margin must be a value between 0 and 18 pts", &TTextStyle::MarginX, 10},
        {IDC_MARGIN, "015", "", &TTextStyle::MarginY, 13},
    };
    for (const TStyleCase& c : cases) {
        SCOPED_TRACE(std::string(c.Typed) + " in box " + std::to_string(c.Box));
        TAppHarness run;
        TRecordingApp& app = run.Start();
        TTextStyle& style = app.Settings.WinText;
        bool open = false;
        size_t shown = 99;
        run.Desktop().Dialogs().OnPropertySheet([&](TSheet& sheet) {
            sheet.Click(IDC_AUTOINDENT);
            sheet.ClickTab(TextTab);
            auto& faces = dynamic_cast<TComboBox&>(sheet.Control(IDC_FONTFACE));
            sheet.Choose(IDC_FONTFACE, faces.FindStringExact("Courier"));
            sheet.Type(c.Box, c.Typed);
            sheet.Press(TButton::Ok);
            open = sheet.IsOpen();
            shown = sheet.ShownPage();
        });
        ASSERT_TRUE(app.RouteCommand(CM_OPTIONS));
        const auto& boxes = run.Desktop().Dialogs().MessageBoxes();
        EXPECT_EQ(open, *c.Message != 0);
        if (*c.Message) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].Text, c.Message);
            EXPECT_EQ(boxes[0].Caption, "Error");
            EXPECT_EQ(boxes[0].Flags, unsigned(MB_OK));
            EXPECT_EQ(shown, TextTab);
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        // The General page comes first and the face is the first field, so
        // both are stored whatever came after them.
        EXPECT_TRUE(app.Settings.AutoIndent);
        EXPECT_EQ(style.FaceName, "Courier");
        EXPECT_EQ(style.*c.Field, c.Stored);
    }
}

TEST_F(OptionsSheet, ApplyIsGreyUntilAChangeAndAPageNeverShownKeepsItsStyle)
{
    const TTextStyle dos = App.Settings.DosText;
    std::vector<size_t> created;
    std::vector<bool> applyOn;
    Options([&](TSheet& sheet) {
        applyOn.push_back(sheet.ApplyEnabled());
        sheet.Press(TButton::Apply);  // greyed: nothing is asked
        sheet.ClickTab(TextTab);
        sheet.Type(IDC_FONTSIZE, "14");
        applyOn.push_back(sheet.ApplyEnabled());
        sheet.Press(TButton::Apply);
        applyOn.push_back(sheet.ApplyEnabled());
        sheet.Type(IDC_FONTSIZE, "9");
        sheet.Press(TButton::Cancel);
        created = sheet.CreatedPages();
    });
    EXPECT_EQ(applyOn, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(created, (std::vector<size_t>{GeneralTab, TextTab}));
    // Apply stored 14; Cancel dropped the 9.
    EXPECT_EQ(App.Settings.WinText.FontSize, 14);
    EXPECT_EQ(App.Settings.DosText.FaceName, dos.FaceName);
    EXPECT_EQ(App.Settings.DosText.FontSize, dos.FontSize);
    EXPECT_EQ(App.Settings.DosText.LineSpacing, dos.LineSpacing);
    // Apply posted the notification: the editor took the new size.
    EXPECT_EQ(Run.Editor().FontHeight, MulDiv(14, 96, 72));
}

class InstalledOptions : public OptionsSheet {
protected:
    InstalledOptions() : OptionsSheet("[General]\nInstalled=1\nWrap=0\n") {}
};

TEST_F(InstalledOptions, TheGeneralPageStoresItsFlagsAndRegistersOnlyOnAChange)
{
    Options([](TSheet& sheet) {
        sheet.Click(IDC_DEFAULTEDITOR);
        sheet.Click(IDC_WORDWRAP);
        sheet.Click(IDC_AUTOINDENT);
        sheet.Type(IDC_UNDOLIMIT, "abc");
        sheet.Press(TButton::Ok);
    });
    EXPECT_EQ(App.Registrations, (std::vector<bool>{false}));
    EXPECT_FALSE(App.Settings.Installed);
    EXPECT_TRUE(App.Settings.Wrap);
    EXPECT_TRUE(App.Settings.AutoIndent);
    EXPECT_EQ(App.Settings.UndoLimit, 0);
    // Word wrap is for the next start; auto indent is taken at once.
    EXPECT_FALSE(Run.Editor().WordWrap);
    EXPECT_TRUE(Run.Editor().AutoIndent);

    // The boxes show the stored state; OK without a change registers nothing.
    std::vector<bool> ticks;
    Options([&](TSheet& sheet) {
        for (int id : {IDC_WORDWRAP, IDC_DOSTEXT, IDC_DEFAULTEDITOR, IDC_AUTOINDENT})
            ticks.push_back(dynamic_cast<TCheckBox&>(sheet.Control(id)).GetCheck() == BST_CHECKED);
        EXPECT_EQ(dynamic_cast<TEdit&>(sheet.Control(IDC_UNDOLIMIT)).Shown(), "0");
        sheet.Press(TButton::Ok);
    });
    EXPECT_EQ(ticks, (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(App.Registrations.size(), 1u);
}

TEST_F(OptionsSheet, ADosTextChangeWaitsForTheDosTextCommand)
{
    const int height = Run.Editor().FontHeight;
    Options([](TSheet& sheet) {
        sheet.ClickTab(DosTextTab);
        sheet.Type(IDC_FONTSIZE, "18");
        sheet.Type(IDC_TABSIZE, "8");
        sheet.Press(TButton::Ok);
    });
    EXPECT_EQ(App.Settings.DosText.FontSize, 18);
    EXPECT_EQ(Run.Editor().FontHeight, height);
    EXPECT_EQ(Run.Editor().TabSize, App.Settings.WinText.TabSize);
    ASSERT_TRUE(App.RouteCommand(CM_DOSTEXT));
    EXPECT_EQ(Run.Editor().FontHeight, MulDiv(18, 96, 72));
    EXPECT_EQ(Run.Editor().TabSize, 8);
}

TEST_F(OptionsSheet, TheFontBoxListsThePrintersFixedFamiliesAndDrawsTheirMarks)
{
    std::vector<std::pair<std::string, int32_t>> listed;
    int height = 0;
    TDrawLog trueType, device;
    std::string selected;
    Options([&](TSheet& sheet) {
        sheet.ClickTab(TextTab);
        auto& faces = dynamic_cast<TComboBox&>(sheet.Control(IDC_FONTFACE));
        selected = faces.GetText(255);
        for (int i = 0; i < faces.GetCount(); ++i)
            listed.emplace_back(faces.GetString(i), int32_t(faces.GetItemData(i)));
        height = sheet.MeasureItem(IDC_FONTFACE, -1);
        trueType = sheet.DrawItem(IDC_FONTFACE, faces.GetSelIndex(), false);
        device = sheet.DrawItem(IDC_FONTFACE, faces.FindStringExact("Courier"), true);
    });
    // Arial is proportional; Courier New comes as a TrueType and as a
    // printer font, in the order found (item values index that order).
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0], (std::pair<std::string, int32_t>{"Courier", 1}));
    EXPECT_EQ(listed[1].first, "Courier New");
    EXPECT_EQ(listed[2].first, "Courier New");
    EXPECT_EQ(selected, "Courier New");
    EXPECT_EQ(height, MulDiv(14, 96, 72) + 2);

    const auto dibs = [](const TDrawLog& log) {
        std::vector<const TDrawCall*> found;
        for (const TDrawCall& call : log)
            if (call.Kind == TDrawCall::TKind::Dib)
                found.push_back(&call);
        return found;
    };
    const auto tt = dibs(trueType);
    ASSERT_EQ(tt.size(), 2u);
    EXPECT_EQ(tt[0]->Rect, (TRect{0, 0, 16, 16}));
    EXPECT_EQ(tt[1]->Rect, (TRect{16, 0, 32, 16}));
    EXPECT_EQ(tt[1]->Rop, TRasterOp::And);
    EXPECT_EQ(tt[0]->X, 2);
    const auto printer = dibs(device);
    ASSERT_EQ(printer.size(), 1u);
    EXPECT_EQ(printer[0]->Rect, (TRect{48, 0, 64, 16}));
    bool faceWritten = false;
    for (const TDrawCall& call : device)
        faceWritten |= call.Kind == TDrawCall::TKind::Text && call.Text == "Courier" && call.X == 20 && call.Y == 1;
    EXPECT_TRUE(faceWritten);
}

TEST_F(OptionsSheet, AFailureWhileBuildingThePageIsShownAsError)
{
    Run.Desktop().Printing().Device.CanMakeDC = false;
    Options([](TSheet& sheet) {
        sheet.Click(IDC_AUTOINDENT);
        sheet.Press(TButton::Apply);
        sheet.ClickTab(TextTab);
    });
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Caption, "Error");
    EXPECT_FALSE(Boxes()[0].Text.empty());
    EXPECT_TRUE(App.Settings.AutoIndent);
}

}  // namespace
