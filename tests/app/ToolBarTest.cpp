// The main frame's tool bar on the headless platform: its gadgets in order,
// their enabling at idle time, the on/off buttons, hints and tool tips, and
// which edge and image a button shows.
#include "AppHarness.h"

#include "app/FancyControlBar.h"
#include "app/IEButtonGadget.h"
#include "framework/BitmapGadget.h"
#include "framework/StatusBar.h"
#include "framework/TextGadget.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

enum class TKind { Button, Toggle, Separator, Spacer, Emblem };

struct TExpected {
    TKind Kind;
    int Id;
    int Width;  // separators
};

const std::vector<TExpected> Layout = {
    {TKind::Button, 24331, 0}, {TKind::Button, 24332, 0}, {TKind::Button, 24333, 0}, {TKind::Button, 1, 0},
    {TKind::Separator, 0, 6},  {TKind::Button, 24322, 0}, {TKind::Button, 24323, 0}, {TKind::Button, 24324, 0},
    {TKind::Separator, 0, 6},  {TKind::Button, 24321, 0}, {TKind::Separator, 0, 6},  {TKind::Button, 24351, 0},
    {TKind::Button, 24352, 0}, {TKind::Separator, 0, 12}, {TKind::Toggle, 3, 0},     {TKind::Separator, 0, 12},
    {TKind::Toggle, 4, 0},     {TKind::Separator, 0, 12}, {TKind::Button, 2001, 0},  {TKind::Spacer, 0, 0},
    {TKind::Emblem, 206, 0},
};

TKind KindOf(TGadget& g)
{
    if (auto* b = dynamic_cast<TIEButtonGadget*>(&g))
        return b->GetButtonType() == TButtonGadget::NonExclusive ? TKind::Toggle : TKind::Button;
    if (dynamic_cast<TBitmapGadget*>(&g))
        return TKind::Emblem;
    if (dynamic_cast<TTextGadget*>(&g))
        return TKind::Spacer;
    return TKind::Separator;
}

class ToolBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        Run.Start();
        Run.Desktop().Resize(Run.Frame(), 640, 400);
        Bar = dynamic_cast<TFancyControlBar*>(Run.Frame().Decorations().at(0).first);
        ASSERT_NE(Bar, nullptr);
    }
    TIEButtonGadget& Button(unsigned id) const { return dynamic_cast<TIEButtonGadget&>(*Bar->GadgetWithId(int(id))); }
    TPoint Centre(unsigned id) const
    {
        const TRect& b = Button(id).GetBounds();
        return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }
    void Idle() { Run.App().IdleAction(0); }

    TAppHarness Run;
    TFancyControlBar* Bar = nullptr;
};

TEST_F(ToolBarTest, TheGadgetsStandInOrderWithTheEmblemAtTheRightEdge)
{
    const std::vector<TGadget*> gadgets = Bar->Gadgets();
    ASSERT_EQ(gadgets.size(), Layout.size());
    for (size_t i = 0; i < Layout.size(); ++i) {
        TGadget& g = *gadgets[i];
        EXPECT_EQ(KindOf(g), Layout[i].Kind) << i;
        EXPECT_EQ(g.GetId(), Layout[i].Id) << i;
        if (Layout[i].Kind == TKind::Separator)
            EXPECT_EQ(g.GetBounds().Width(), Layout[i].Width) << i;
        if (i > 0)
            EXPECT_EQ(g.GetBounds().left, gadgets[i - 1]->GetBounds().right) << i;
    }
    EXPECT_EQ(Bar->GetCaption(), "Toolbar");
    EXPECT_EQ(Bar->GetHintMode(), TGadgetWindow::EnterHints);
    EXPECT_TRUE(Bar->TooltipEnabled());
    EXPECT_EQ(gadgets.back()->GetBounds().right, 640 - Bar->Margins.Right);
    EXPECT_EQ(gadgets.back()->GetBounds().Width(), 28);
    EXPECT_EQ(Button(CM_FILENEW).GetBounds().Width(), 27 + 2 * TButtonGadget::EdgeWidth);
}

TEST_F(ToolBarTest, ButtonsStartDisabledAndTheFirstIdlePassAsksTheRoute)
{
    std::vector<unsigned> buttons;
    for (const TExpected& e : Layout)
        if (e.Kind == TKind::Button || e.Kind == TKind::Toggle)
            buttons.push_back(unsigned(e.Id));
    ASSERT_EQ(buttons.size(), 13u);
    for (unsigned id : buttons) {
        EXPECT_FALSE(Button(id).GetEnabled()) << id;
        EXPECT_EQ(Button(id).GetButtonState(), TButtonGadget::Up) << id;
    }
    Idle();
    for (unsigned id : buttons) {
        TCommandEnabler route(id);
        Run.App().RouteEnable(route);
        EXPECT_EQ(Button(id).GetEnabled(), route.IsEnabled()) << id;
    }
    for (unsigned id : {CM_FILENEW, CM_FILEOPEN, CM_WORDWRAP, CM_DOSTEXT, CM_FILEPRINT})
        EXPECT_TRUE(Button(id).GetEnabled()) << id;
    // No change, no selection and an empty clipboard.
    for (unsigned id : {CM_FILESAVE, CM_EDITCUT, CM_EDITCOPY, CM_EDITPASTE})
        EXPECT_FALSE(Button(id).GetEnabled()) << id;
    Run.Editor().InsertText("abc");
    Run.Editor().SetSelectionOffsets(0, 2);
    Idle();
    for (unsigned id : {CM_FILESAVE, CM_EDITCUT, CM_EDITCOPY, CM_EDITUNDO})
        EXPECT_TRUE(Button(id).GetEnabled()) << id;
}

TEST_F(ToolBarTest, TheWordWrapButtonStaysDownWhileWrappingAndAClickTogglesIt)
{
    Idle();
    Run.Editor().SetWordWrap(true);
    Idle();
    EXPECT_EQ(Button(CM_WORDWRAP).GetButtonState(), TButtonGadget::Down);
    EXPECT_EQ(Button(CM_DOSTEXT).GetButtonState(), TButtonGadget::Up);

    THeadlessDesktop& desktop = Run.Desktop();
    desktop.MouseDown(*Bar, Centre(CM_WORDWRAP));
    desktop.MouseUp(*Bar, Centre(CM_WORDWRAP));
    desktop.PumpWaitingMessages();
    EXPECT_FALSE(Run.Editor().WordWrap);
    Idle();
    EXPECT_EQ(Button(CM_WORDWRAP).GetButtonState(), TButtonGadget::Up);

    desktop.MouseDown(*Bar, Centre(CM_DOSTEXT));
    desktop.MouseUp(*Bar, Centre(CM_DOSTEXT));
    desktop.PumpWaitingMessages();
    Idle();
    EXPECT_TRUE(Run.App().DosMode);
    EXPECT_EQ(Button(CM_DOSTEXT).GetButtonState(), TButtonGadget::Down);
}

struct TTexts {
    unsigned Id;
    const char* ToolTip;
    const char* Hint;
};

TEST_F(ToolBarTest, EachButtonHasTheMenusToolTipAndShowsItsHintWhenTheMouseEnters)
{
    const TTexts texts[] = {
        {CM_FILENEW, "New", "Create a new document"},
        {CM_FILEOPEN, "Open", "Opens a document"},
        {CM_FILESAVE, "Save", "Saves the document"},
        {CM_FILEPRINT, "Print", "Prints the document"},
        {CM_EDITCUT, "Cut", "Cuts the selection and puts it on the Clipboard"},
        {CM_EDITCOPY, "Copy", "Copies the selection and puts it on the Clipboard"},
        {CM_EDITPASTE, "Paste", "Inserts the Clipboard contents at the insertion point"},
        {CM_EDITUNDO, "Undo", "Reverses the last operation"},
        {CM_EDITFIND, "Find", "Finds the specified text"},
        {CM_EDITREPLACE, "Replace", "Finds the specified text and changes it"},
        {CM_WORDWRAP, "Word Wrap", "Turn word wrap on or off"},
        {CM_DOSTEXT, "DOS Text", "Change between Windows (normal) text, and Dos ANSII text display"},
        {CM_HELPCONTENTS, "Contents", "Help table of contents"},
    };
    TStatusBar& status = dynamic_cast<TStatusBar&>(*Run.Frame().GetHintWindow());
    for (const TTexts& t : texts) {
        std::string tip;
        TRect area;
        EXPECT_TRUE(Bar->GetToolTip(Centre(t.Id), tip, area)) << t.Id;
        EXPECT_EQ(tip, t.ToolTip);
        EXPECT_EQ(area, Button(t.Id).GetBounds());
        Run.Desktop().MouseMove(*Bar, Centre(t.Id));
        EXPECT_EQ(status.ShownText(), t.Hint);
    }
    Run.Desktop().MouseMove(Run.Editor(), {10, 10});
    EXPECT_EQ(status.ShownText(), "");
    // The emblem stands for no command.
    const TRect& emblem = Bar->GadgetWithId(206)->GetBounds();
    std::string tip;
    TRect area;
    EXPECT_FALSE(Bar->GetToolTip({emblem.left + 5, emblem.top + 5}, tip, area));
}

// --- which edge and image a button shows --------------------------------------------

struct TLookCase {
    const char* Name;
    bool Enabled;
    TButtonGadget::TState State;
    bool Hot;
    bool Pressed;
    TButtonGadget::TBorder Border;
    TUIFace::TState Face;
    bool FacePressed;
    bool Cold;
};

using TB = TButtonGadget::TBorder;
constexpr auto Up = TButtonGadget::Up, Down = TButtonGadget::Down, Indet = TButtonGadget::Indeterminate;

class ButtonLookTest : public ToolBarTest, public testing::WithParamInterface<TLookCase> {};

TEST_P(ButtonLookTest, FollowsThePaintRules)
{
    const TLookCase& c = GetParam();
    TIEButtonGadget& button = Button(CM_EDITCUT);
    button.SetEnabled(c.Enabled);
    button.SetButtonState(c.State);
    if (c.Hot)
        Run.Desktop().MouseMove(*Bar, Centre(CM_EDITCUT));
    if (c.Pressed) {
        button.SetEnabled(true);
        Run.Desktop().MouseDown(*Bar, Centre(CM_EDITCUT));
        button.SetEnabled(c.Enabled);
    }
    EXPECT_EQ(button.Hot, c.Hot);
    EXPECT_EQ(button.IsPressed(), c.Pressed);
    const TIEButtonGadget::TLook look = button.Look();
    EXPECT_EQ(look.Border, c.Border);
    EXPECT_EQ(look.Face, c.Face);
    EXPECT_EQ(look.Pressed, c.FacePressed);
    EXPECT_EQ(look.Image, c.Cold ? &button.ColdImage : &button.GetGlyph());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ButtonLookTest,
    testing::Values(TLookCase{"ColdAndFlat", true, Up, false, false, TB::None, TUIFace::Normal, false, true},
                    TLookCase{"HotRaisedInColour", true, Up, true, false, TB::Up, TUIFace::Normal, false, false},
                    TLookCase{"PressedIn", true, Up, true, true, TB::Down, TUIFace::Normal, true, false},
                    TLookCase{"DisabledUnderTheMouseHasNoEdge", false, Up, true, false, TB::None, TUIFace::Disabled,
                              false, false},
                    TLookCase{"DisabledAway", false, Up, false, false, TB::None, TUIFace::Disabled, false, false},
                    TLookCase{"DownAway", true, Down, false, false, TB::Down, TUIFace::Down, false, false},
                    TLookCase{"DownAndPressed", true, Down, true, true, TB::Down, TUIFace::Normal, true, false},
                    TLookCase{"Indeterminate", true, Indet, false, false, TB::None, TUIFace::Indeterm, false, false},
                    TLookCase{"IndeterminatePressed", true, Indet, true, true, TB::Down, TUIFace::Indeterm, true,
                              false}),
    [](const testing::TestParamInfo<TLookCase>& info) { return std::string(info.param.Name); });

TEST_F(ToolBarTest, PaintingDrawsTheChosenImageAndWipesTheEdgeWhenItHasNone)
{
    TIEButtonGadget& cut = Button(CM_EDITCUT);
    cut.SetEnabled(true);
    THeadlessPeer& peer = Run.Desktop().Peer(*Bar);
    auto paintCut = [&] {
        Bar->UpdateWindow();
        peer.ClearLogs();
        Bar->InvalidateRect(cut.GetBounds());
        Bar->UpdateWindow();
        std::vector<TDrawCall> calls;
        for (const TDrawCall& call : peer.Drawing())
            if (call.Kind == TDrawCall::TKind::Dib || call.Kind == TDrawCall::TKind::FillRect)
                calls.push_back(call);
        return calls;
    };
    auto imageIds = [](const std::vector<TDrawCall>& calls) {
        std::vector<int> ids;
        for (const TDrawCall& c : calls)
            if (c.Kind == TDrawCall::TKind::Dib && c.DibId >= 24000)
                ids.push_back(c.DibId);
        return ids;
    };
    auto edgeColour = [&](const std::vector<TDrawCall>& calls) {
        // The colour of the one-pixel line along the button's top edge.
        const TRect& b = cut.GetBounds();
        TColor colour = 0;
        for (const TDrawCall& c : calls)
            if (c.Kind == TDrawCall::TKind::FillRect && c.Rect.top == b.top && c.Rect.Height() == 1 &&
                c.Rect.left == b.left)
                colour = c.Colour;
        return colour;
    };

    const std::vector<TDrawCall> cold = paintCut();
    EXPECT_EQ(imageIds(cold), (std::vector<int>{25322}));
    EXPECT_EQ(edgeColour(cold), SysColor(COLOR_BTNFACE));

    Run.Desktop().MouseMove(*Bar, Centre(CM_EDITCUT));
    const std::vector<TDrawCall> hot = paintCut();
    EXPECT_EQ(imageIds(hot), (std::vector<int>{24322}));
    EXPECT_EQ(edgeColour(hot), SysColor(COLOR_BTNHIGHLIGHT));

    cut.SetEnabled(false);
    const std::vector<TDrawCall> disabled = paintCut();
    EXPECT_EQ(imageIds(disabled), (std::vector<int>{24322, 24322}));  // embossed: highlight, then shadow
    EXPECT_EQ(edgeColour(disabled), SysColor(COLOR_BTNFACE));
}

}  // namespace
