// Gadget windows on the headless desktop: the row's layout, the mouse
// reaching gadgets (enter, leave, capture, the click's command), idle-time
// enabling through the command route, hints and tool tips.
#include "FrameworkProbes.h"

#include "framework/ButtonGadget.h"
#include "framework/ControlBar.h"
#include "framework/StatusBar.h"

#include <gtest/gtest.h>

namespace {

// A gadget of a fixed size that notes the mouse events it gets.
class TNotingGadget : public TGadget {
public:
    TNotingGadget(int id, int width, int height) : TGadget(id), Size{width, height} {}
    void GetDesiredSize(TSize& size) override { size = Size; }
    void MouseEnter(unsigned, const TPoint&) override { Events.push_back("enter " + std::to_string(GetId())); }
    void MouseLeave(unsigned, const TPoint&) override { Events.push_back("leave " + std::to_string(GetId())); }
    static std::vector<std::string> Events;

private:
    TSize Size;
};
std::vector<std::string> TNotingGadget::Events;

TDib Glyph() { return TDib(8, 6, {MakeRGB(192, 192, 192), MakeRGB(0, 0, 0)}); }

class THintingFrame : public TProbeFrame {
public:
    THintingFrame(TWindow* client) : TProbeFrame(nullptr, "Frame", client, true) {}
    std::string LoadHint(unsigned id) const override
    {
        switch (id) {
        case 11: return "Does eleven";
        case 12: return "Does twelve\nTwelve";
        default: return {};
        }
    }
};

class GadgetWindowTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TProbeApp App;
    TProbeWindow Client;
    THintingFrame* Frame = nullptr;
    TControlBar Bar{nullptr};
    TMessageBar Hints{nullptr};

    void SetUp() override
    {
        TNotingGadget::Events.clear();
        auto frame = std::make_unique<THintingFrame>(&Client);
        Frame = frame.get();
        App.SetMainWindow(std::move(frame));
        Frame->Insert(Bar, TDecoratedFrame::TLocation::Top);
        Frame->Insert(Hints, TDecoratedFrame::TLocation::Bottom);
        Frame->SetHintWindow(&Hints);
        Frame->Attr.W = 300;
        Frame->Attr.H = 200;
    }
    void TearDown() override { App.DestroyMainWindow(); }

    TButtonGadget& AddButton(int id, TButtonGadget::TType type = TButtonGadget::Command)
    {
        return static_cast<TButtonGadget&>(Bar.Insert(std::make_unique<TButtonGadget>(Glyph(), id, type)));
    }
    void Create() { Frame->Create(); }
    TPoint Centre(const TGadget& g) const
    {
        const TRect& b = g.GetBounds();
        return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }
};

TEST_F(GadgetWindowTest, GadgetsKeepTheirWidthsAndTheWideOnesShareWhatIsLeft)
{
    auto& a = Bar.Insert(std::make_unique<TNotingGadget>(1, 20, 10));
    auto wide1 = std::make_unique<TNotingGadget>(2, 5, 10);
    auto wide2 = std::make_unique<TNotingGadget>(3, 5, 16);
    wide1->WideAsPossible = wide2->WideAsPossible = true;
    auto& w1 = Bar.Insert(std::move(wide1));
    auto& w2 = Bar.Insert(std::move(wide2));
    auto& last = Bar.Insert(std::make_unique<TNotingGadget>(4, 30, 10));
    Bar.Spacing = 1;
    EXPECT_EQ(Bar.Attr.H, Bar.Margins.Top + 16 + Bar.Margins.Bottom);
    Create();
    Bar.LayoutSession();

    // 300 wide less the margins (2 + 2), the fixed 50 and three gaps: 243.
    EXPECT_EQ(a.GetBounds(), (TRect{2, 6, 22, 16}));
    EXPECT_EQ(w1.GetBounds().Width(), 121);
    EXPECT_EQ(w2.GetBounds().Width(), 122);
    EXPECT_EQ(w2.GetBounds().top, 3);  // the tallest fills the height
    EXPECT_EQ(last.GetBounds(), (TRect{268, 6, 298, 16}));
}

TEST_F(GadgetWindowTest, InsertPlacesBeforeOrAfterASiblingOrAtEitherEnd)
{
    auto& middle = Bar.Insert(std::make_unique<TNotingGadget>(2, 1, 1));
    Bar.Insert(std::make_unique<TNotingGadget>(4, 1, 1));
    Bar.Insert(std::make_unique<TNotingGadget>(1, 1, 1), TGadgetWindow::Before);
    Bar.Insert(std::make_unique<TNotingGadget>(3, 1, 1), TGadgetWindow::After, &middle);
    Bar.Insert(std::make_unique<TNotingGadget>(0, 1, 1), TGadgetWindow::Before, Bar.GadgetWithId(1));
    std::vector<int> ids;
    for (const TGadget* g : Bar.Gadgets())
        ids.push_back(g->GetId());
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(GadgetWindowTest, TheMouseEntersAndLeavesGadgetsAndTheWindow)
{
    auto& a = Bar.Insert(std::make_unique<TNotingGadget>(1, 20, 10));
    Bar.Insert(std::make_unique<TSeparatorGadget>(10));
    auto& b = Bar.Insert(std::make_unique<TNotingGadget>(2, 20, 10));
    Create();
    Desktop.MouseMove(Bar, Centre(a));
    Desktop.MouseMove(Bar, {Centre(a).x + 1, Centre(a).y});
    Desktop.MouseMove(Bar, Centre(b));
    Desktop.MouseMove(Client, {5, 5});  // the pointer leaves the bar
    EXPECT_EQ(TNotingGadget::Events, (std::vector<std::string>{"enter 1", "leave 1", "enter 2", "leave 2"}));
    EXPECT_EQ(Bar.GadgetUnderMouse(), nullptr);
}

TEST_F(GadgetWindowTest, AClickSendsTheCommandOnlyWhenReleasedOnTheButton)
{
    TButtonGadget& button = AddButton(7);
    button.SetEnabled(true);
    App.Commands.Handles = {7};
    Create();
    const TPoint on = Centre(button);

    Desktop.MouseDown(Bar, on);
    EXPECT_TRUE(button.IsPressed());
    EXPECT_EQ(Desktop.Capture(), &Bar);
    Desktop.MouseMove(Bar, {on.x, 100});  // off the button, still held
    EXPECT_FALSE(button.IsPressed());
    Desktop.MouseUp(Bar, {on.x, 100});
    Desktop.PumpWaitingMessages();
    EXPECT_TRUE(App.Commands.Ran.empty());
    EXPECT_EQ(Desktop.Capture(), nullptr);

    Desktop.MouseDown(Bar, on);
    Desktop.MouseUp(Bar, on);
    EXPECT_TRUE(App.Commands.Ran.empty());  // posted, not yet run
    Desktop.PumpWaitingMessages();
    EXPECT_EQ(App.Commands.Ran, (std::vector<unsigned>{7}));
    EXPECT_FALSE(button.IsPressed());
}

TEST_F(GadgetWindowTest, ADisabledButtonTakesNoClick)
{
    TButtonGadget& button = AddButton(7);
    App.Commands.Handles = {7};
    Create();
    Desktop.MouseDown(Bar, Centre(button));
    Desktop.MouseUp(Bar, Centre(button));
    Desktop.PumpWaitingMessages();
    EXPECT_FALSE(button.IsPressed());
    EXPECT_TRUE(App.Commands.Ran.empty());
}

TEST_F(GadgetWindowTest, TheFirstIdleCallEnablesAndChecksTheButtonsThroughTheRoute)
{
    TButtonGadget& handled = AddButton(1);
    TButtonGadget& unhandled = AddButton(2);
    TButtonGadget& byClient = AddButton(3);
    TButtonGadget& toggle = AddButton(4, TButtonGadget::NonExclusive);
    App.Commands.Handles = {1, 4};
    App.Commands.Enablers = {{4, std::nullopt}};  // a check mark only
    Client.Commands.Enablers = {{3, true}};        // the client answers first
    Create();
    for (const TButtonGadget* b : {&handled, &unhandled, &byClient, &toggle}) {
        EXPECT_FALSE(b->GetEnabled());
        EXPECT_EQ(b->GetButtonState(), TButtonGadget::Up);
    }
    Frame->IdleAction(1);  // a later call of the same idle time does nothing
    EXPECT_FALSE(handled.GetEnabled());

    App.IdleAction(0);
    EXPECT_TRUE(handled.GetEnabled());
    EXPECT_FALSE(unhandled.GetEnabled());
    EXPECT_TRUE(byClient.GetEnabled());
    EXPECT_TRUE(toggle.GetEnabled());
    EXPECT_EQ(toggle.GetButtonState(), TButtonGadget::Down);
}

TEST_F(GadgetWindowTest, EnterHintsShowTheHintUpToItsNewlineAndTakeItAwayOnLeaving)
{
    Hints.SetText("Ready");
    TButtonGadget& eleven = AddButton(11);
    TButtonGadget& twelve = AddButton(12);
    Create();
    Desktop.MouseMove(Bar, Centre(eleven));
    EXPECT_EQ(Hints.ShownText(), "Ready");  // no hints asked for
    Desktop.MouseMove(Client, {1, 1});

    Bar.SetHintMode(TGadgetWindow::EnterHints);
    Desktop.MouseMove(Bar, Centre(twelve));
    EXPECT_EQ(Hints.ShownText(), "Does twelve");
    EXPECT_EQ(Frame->GetHintText(), "Does twelve");
    Desktop.MouseMove(Bar, Centre(eleven));
    EXPECT_EQ(Hints.ShownText(), "Does eleven");
    Desktop.MouseMove(Client, {1, 1});
    EXPECT_EQ(Hints.ShownText(), "Ready");
}

TEST_F(GadgetWindowTest, AToolTipIsTheFramesTextForTheGadgetsCommand)
{
    TButtonGadget& eleven = AddButton(11);
    TButtonGadget& twelve = AddButton(12);
    auto& gap = Bar.Insert(std::make_unique<TNotingGadget>(0, 10, 10));
    Create();
    std::string text;
    TRect area;
    EXPECT_TRUE(Bar.GetToolTip(Centre(twelve), text, area));
    EXPECT_EQ(text, "Twelve");
    EXPECT_EQ(area, twelve.GetBounds());
    EXPECT_FALSE(Bar.GetToolTip(Centre(eleven), text, area));  // a hint without a tool-tip part
    EXPECT_FALSE(Bar.GetToolTip(Centre(gap), text, area));
    Bar.EnableTooltip(false);
    EXPECT_FALSE(Bar.GetToolTip(Centre(twelve), text, area));
}

// --- the status bar's mode indicators ----------------------------------------------------

TEST(StatusBarTest, IndicatorsShowTheirLabelsWhileTheirKeysAreToggled)
{
    THeadlessDesktop desktop;
    TStatusBar bar(nullptr, TGadget::Recessed, TStatusBar::CapsLock | TStatusBar::NumLock | TStatusBar::Overtype);
    bar.Create();
    std::vector<std::string> labels;
    for (const TGadget* g : bar.Gadgets())
        if (g != &bar.MessagePane())
            labels.push_back(static_cast<const TTextGadget*>(g)->GetText());
    EXPECT_EQ(labels, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(bar.Gadgets().front(), &bar.MessagePane());

    struct TCase {
        int Key;
        TStatusBar::TModeIndicator Indicator;
        const char* Label;
    };
    for (const TCase& c : {TCase{VK_CAPITAL, TStatusBar::CapsLock, "CAPS"}, TCase{VK_NUMLOCK, TStatusBar::NumLock, "NUM"},
                           TCase{VK_INSERT, TStatusBar::Overtype, "OVR"}}) {
        desktop.Keyboard().SetToggled(c.Key, true);
        bar.IdleAction(0);
        EXPECT_EQ(bar.IndicatorPane(c.Indicator)->GetText(), c.Label);
        EXPECT_TRUE(bar.GetModeIndicator(c.Indicator));
        desktop.Keyboard().SetToggled(c.Key, false);
        bar.IdleAction(0);
        EXPECT_EQ(bar.IndicatorPane(c.Indicator)->GetText(), "");
    }
    EXPECT_EQ(bar.IndicatorPane(TStatusBar::ScrollLock), nullptr);
    // A pane is as wide as its label even while it shows nothing.
    EXPECT_GE(bar.IndicatorPane(TStatusBar::CapsLock)->GetInnerRect().Width(),
              TextExtent(bar.GetFont(), "CAPS"));
}

TEST(StatusBarTest, LabelsComeFromTheIndicatorString)
{
    EXPECT_EQ(TStatusBar::IndicatorLabel(TStatusBar::ExtendSelection), "EXT");
    EXPECT_EQ(TStatusBar::IndicatorLabel(TStatusBar::ScrollLock), "SCRL");
    EXPECT_EQ(TStatusBar::IndicatorLabel(TStatusBar::RecordingMacro), "REC");
}

TEST(TextGadgetTest, APaneThatFitsItsTextGrowsForALongerOne)
{
    THeadlessDesktop desktop;
    TMessageBar bar(nullptr);
    auto& fitting = static_cast<TTextGadget&>(bar.Insert(std::make_unique<TTextGadget>(1, TGadget::Recessed, TTextGadget::Left, 4)));
    auto& fixed = static_cast<TTextGadget&>(bar.Insert(std::make_unique<TTextGadget>(2, TGadget::Recessed, TTextGadget::Left, 4)));
    fitting.SetFitText(true);
    bar.Attr.W = 400;
    bar.Create();
    const int narrow = fitting.GetInnerRect().Width();
    EXPECT_EQ(narrow, 4 * bar.GetCharWidth());
    fitting.SetText("123456789");
    fixed.SetText("123456789");
    EXPECT_EQ(fitting.GetInnerRect().Width(), 9 * bar.GetCharWidth());
    EXPECT_EQ(fixed.GetInnerRect().Width(), narrow);
}

}  // namespace
