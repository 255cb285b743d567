#include "FrameworkProbes.h"

#include "framework/Platform.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class THintFrame : public TDecoratedFrame {
public:
    THintFrame(TWindow* client, bool track) : TDecoratedFrame(nullptr, "Frame", client, track) {}
    std::map<unsigned, std::string> Hints = {{24332, "Opens a document"},
                                             {4, "Change between Windows text and DOS text\nDOS Text"},
                                             {24320, "Edit operations"}};
    std::string LoadHint(unsigned id) const override
    {
        const auto it = Hints.find(id);
        return it == Hints.end() ? std::string() : it->second;
    }
};

class MenuHintTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TWindow Client;
    THintFrame Frame{&Client, true};
    TMessageBar Bar{nullptr};

    void SetUp() override
    {
        Frame.Insert(Bar, TDecoratedFrame::TLocation::Bottom);
        Frame.SetHintWindow(&Bar);
        Bar.SetText("Ready");
        Frame.Create();
    }
};

TEST_F(MenuHintTest, TheHintWaitsForTheNextIdleMoment)
{
    Frame.EvMenuSelect(24332);
    EXPECT_EQ(Bar.ShownText(), "Ready");
    Frame.IdleAction(0);
    EXPECT_EQ(Frame.GetHintText(), "Opens a document");
    EXPECT_EQ(Bar.ShownText(), "Opens a document");
    EXPECT_EQ(Bar.GetText(), "Ready");
}

struct THintCase {
    unsigned Id;
    const char* Shown;
};

class MenuHintTextTest : public MenuHintTest, public ::testing::WithParamInterface<THintCase> {};

TEST_P(MenuHintTextTest, ShowsTheHintUpToItsNewline)
{
    Frame.EvMenuSelect(GetParam().Id);
    Frame.IdleAction(0);
    EXPECT_EQ(Bar.ShownText(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(Hints, MenuHintTextTest,
                         ::testing::Values(THintCase{24332, "Opens a document"},
                                           THintCase{4, "Change between Windows text and DOS text"},
                                           THintCase{24320, "Edit operations"},
                                           THintCase{24330, ""},  // no string: an empty hint
                                           THintCase{0, ""}));    // a separator

TEST_F(MenuHintTest, ClosingTheMenuRestoresTheTextAtOnce)
{
    Frame.EvMenuSelect(24332);
    Frame.IdleAction(0);
    Frame.EvMenuSelect(0xFFFF);
    EXPECT_EQ(Bar.ShownText(), "Ready");
    EXPECT_EQ(Frame.GetHintText(), "");
}

TEST_F(MenuHintTest, AMenuClosedBeforeTheIdleMomentShowsNoHint)
{
    Frame.EvMenuSelect(24332);
    Frame.EvMenuSelect(0xFFFF);
    Frame.IdleAction(0);
    EXPECT_EQ(Bar.ShownText(), "Ready");
}

TEST_F(MenuHintTest, TheLastHighlightedItemWins)
{
    Frame.EvMenuSelect(24320);
    Frame.EvMenuSelect(24332);
    Frame.IdleAction(0);
    EXPECT_EQ(Bar.ShownText(), "Opens a document");
}

TEST_F(MenuHintTest, ItArrivesAsMessagesToo)
{
    DispatchMsg(TMsg{&Frame, WM_MENUSELECT, 24332, 0});
    DispatchMsg(TMsg{&Frame, WM_ENTERIDLE, 0, 0});
    EXPECT_EQ(Bar.ShownText(), "Opens a document");
}

TEST_F(MenuHintTest, TheApplicationsIdleTimeShowsIt)
{
    TProbeApp app;
    TWindow client;
    auto frame = std::make_unique<THintFrame>(&client, true);
    TMessageBar bar(nullptr);
    frame->Insert(bar, TDecoratedFrame::TLocation::Bottom);
    frame->SetHintWindow(&bar);
    THintFrame& hintFrame = *frame;
    app.SetMainWindow(std::move(frame));
    app.InitInstance();

    hintFrame.EvMenuSelect(24332);
    app.IdleAction(0);
    EXPECT_EQ(bar.ShownText(), "Opens a document");
    app.DestroyMainWindow();
}

TEST(MenuHintWithoutTrackingTest, NoHintIsShown)
{
    THeadlessDesktop desktop;
    TWindow client;
    THintFrame frame(&client, false);
    TMessageBar bar(nullptr);
    frame.Insert(bar, TDecoratedFrame::TLocation::Bottom);
    frame.SetHintWindow(&bar);
    frame.EvMenuSelect(24332);
    frame.IdleAction(0);
    EXPECT_EQ(bar.ShownText(), "");
}

// --- the bar's painting --------------------------------------------------------------

std::vector<TDrawCall> TextsOf(const TDrawLog& log)
{
    std::vector<TDrawCall> texts;
    for (const TDrawCall& call : log)
        if (call.Kind == TDrawCall::TKind::Text)
            texts.push_back(call);
    return texts;
}

TEST_F(MenuHintTest, TheBarPaintsItsTextAndThenTheHint)
{
    THeadlessPeer& peer = Desktop.Peer(Bar);
    peer.ClearLogs();
    Bar.UpdateWindow();
    Frame.EvMenuSelect(24332);
    Frame.IdleAction(0);
    Bar.UpdateWindow();

    const std::vector<TDrawCall> texts = TextsOf(peer.Drawing());
    ASSERT_EQ(texts.size(), 1u);  // nothing was invalid before the hint came
    EXPECT_EQ(texts[0].Text, "Opens a document");
    EXPECT_EQ(texts[0].X, TMessageBar::TextMargin);
}

TEST_F(MenuHintTest, TheBarFillsItsBackgroundAndUsesItsFont)
{
    Bar.SetText("Ready");
    THeadlessPeer& peer = Desktop.Peer(Bar);
    peer.ClearLogs();
    Bar.UpdateWindow();

    const TDrawLog& log = peer.Drawing();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0].Kind, TDrawCall::TKind::BeginPaint);
    EXPECT_EQ(log[1].Kind, TDrawCall::TKind::FillRect);
    EXPECT_EQ(log[1].Rect, (TRect{0, 0, peer.ClientSize().cx, TMessageBar::BarHeight}));
    EXPECT_EQ(log[1].Colour, TMessageBar::Background);
    EXPECT_EQ(log[2].Kind, TDrawCall::TKind::SelectFont);
    EXPECT_EQ(log[2].Face, "Liberation Sans");
    EXPECT_EQ(log[2].Height, TMessageBar::FontHeight);
    ASSERT_EQ(TextsOf(log).size(), 1u);
    EXPECT_EQ(TextsOf(log)[0].Text, "Ready");
}

}  // namespace
