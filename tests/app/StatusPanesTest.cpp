// The status bar of the main frame: its panes in order, the row count and
// caret position the application answers at idle time, and the lock and
// overtype indicators.
#include "AppHarness.h"

#include "app/NTextGadget.h"
#include "app/StatusPaneText.h"
#include "framework/StatusBar.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

class StatusPanesTest : public testing::Test {
protected:
    void SetUp() override
    {
        Run.Start();
        Status = dynamic_cast<TStatusBar*>(Run.Frame().GetHintWindow());
        ASSERT_NE(Status, nullptr);
    }
    std::string Pane(unsigned id) const { return dynamic_cast<TNTextGadget&>(*Status->GadgetWithId(int(id))).GetText(); }
    std::pair<std::string, std::string> Panes()
    {
        Run.App().IdleAction(0);
        return {Pane(IDS_LINECOUNT_PANE), Pane(IDS_CARETPOS_PANE)};
    }

    TAppHarness Run;
    TStatusBar* Status = nullptr;
};

TEST_F(StatusPanesTest, ThePanesStandBeforeTheHintPaneAndTheIndicators)
{
    std::vector<int> ids;
    for (const TGadget* g : Status->Gadgets())
        ids.push_back(g->GetId());
    const int ext = TStatusBar::IDG_STATUS_EXT;
    EXPECT_EQ(ids, (std::vector<int>{901, 900, TMessageBar::IDG_MESSAGE, ext + 1, ext + 2, ext + 4}));
    for (unsigned id : {IDS_LINECOUNT_PANE, IDS_CARETPOS_PANE}) {
        const auto& pane = dynamic_cast<const TNTextGadget&>(*Status->GadgetWithId(int(id)));
        EXPECT_EQ(pane.GetNumChars(), 10u);
        EXPECT_EQ(pane.GetBorderStyle(), TGadget::Recessed);
        EXPECT_EQ(pane.GetAlign(), TTextGadget::Left);
        EXPECT_GE(pane.GetInnerRect().Width(), 10 * Status->GetCharWidth());
    }
    EXPECT_TRUE(Status->MessagePane().WideAsPossible);
}

TEST_F(StatusPanesTest, TheTextsFollowTheRowsAndTheCaretAtIdleTime)
{
    THugeEdit& editor = Run.Editor();
    EXPECT_EQ(Pane(IDS_LINECOUNT_PANE), "");  // nothing before the first idle pass
    EXPECT_EQ(Panes(), std::make_pair(std::string("1 line"), std::string("row: 0; col: 0")));
    editor.InsertText("first\r\nsecond");
    EXPECT_EQ(Pane(IDS_LINECOUNT_PANE), "1 line");  // not before the program is idle
    EXPECT_EQ(Panes(), std::make_pair(std::string("2 lines"), std::string("row: 1; col: 6")));
    editor.SetCaretOffset(2);
    EXPECT_EQ(Panes().second, "row: 0; col: 2");
}

TEST_F(StatusPanesTest, WordWrapRaisesTheCountWithoutAnEdit)
{
    Run.Desktop().Resize(Run.Frame(), 300, 300);
    Run.Editor().InsertText(std::string(60, 'x') + " " + std::string(60, 'y') + " " + std::string(60, 'z'));
    EXPECT_EQ(Panes().first, "1 line");
    Run.Editor().SetWordWrap(true);
    const TRowIndex rows = Run.Editor().GetNumLines();
    ASSERT_GT(rows, 1);
    EXPECT_EQ(Panes().first, std::to_string(rows) + " lines");
}

TEST_F(StatusPanesTest, TheIndicatorsShowTheKeysStates)
{
    THeadlessDesktop& desktop = Run.Desktop();
    desktop.SendKey(VK_CAPITAL);
    desktop.SendKey(VK_INSERT);
    Run.App().IdleAction(0);
    EXPECT_EQ(Status->IndicatorPane(TStatusBar::CapsLock)->GetText(), "CAPS");
    EXPECT_EQ(Status->IndicatorPane(TStatusBar::NumLock)->GetText(), "");
    EXPECT_EQ(Status->IndicatorPane(TStatusBar::Overtype)->GetText(), "OVR");
    EXPECT_TRUE(Run.Editor().Overwrite);
    desktop.SendKey(VK_CAPITAL);
    Run.App().IdleAction(0);
    EXPECT_EQ(Status->IndicatorPane(TStatusBar::CapsLock)->GetText(), "");
}

TEST(StatusPaneTextTest, CountsAndPositionsReadAsTheFormatsSay)
{
    EXPECT_EQ(LineCountText(0), "0 line");
    EXPECT_EQ(LineCountText(1), "1 line");
    EXPECT_EQ(LineCountText(2), "2 lines");
    EXPECT_EQ(LineCountText(27000000), "27000000 lines");
    EXPECT_EQ(CaretPositionText(0, 0), "row: 0; col: 0");
    EXPECT_EQ(CaretPositionText(2147483647, 12), "row: 2147483647; col: 12");
}

TEST_F(StatusPanesTest, AWideNumberWidensItsPaneInsteadOfBeingCut)
{
    auto& pane = dynamic_cast<TNTextGadget&>(*Status->GadgetWithId(int(IDS_CARETPOS_PANE)));
    pane.SetText(CaretPositionText(123456789, 123456));
    EXPECT_GE(pane.GetInnerRect().Width(), TextExtent(Status->GetFont(), pane.GetText()));
    EXPECT_LT(pane.GetBounds().right, Status->MessagePane().GetBounds().left);
}

}  // namespace
