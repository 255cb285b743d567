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

TEST_F(MenuHintTest, TheBarPaintsItsTextAndThenTheHintInItsPane)
{
    THeadlessPeer& peer = Desktop.Peer(Bar);
    Bar.UpdateWindow();
    peer.ClearLogs();
    Frame.EvMenuSelect(24332);
    Frame.IdleAction(0);
    Bar.UpdateWindow();

    const std::vector<TDrawCall> texts = TextsOf(peer.Drawing());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "Opens a document");
    EXPECT_EQ(texts[0].X, Bar.MessagePane().GetInnerRect().left);
    // The pane spans the bar between its margins.
    EXPECT_EQ(Bar.MessagePane().GetBounds().left, Bar.Margins.Left);
    EXPECT_EQ(Bar.MessagePane().GetBounds().right, peer.ClientSize().cx - Bar.Margins.Right);
}

TEST_F(MenuHintTest, AHintTooLongForThePaneIsCutAtItsEnd)
{
    THeadlessDesktop& desktop = Desktop;
    desktop.Resize(Frame, 200, 300);
    Bar.SetHintText(std::string(100, 'x'));
    THeadlessPeer& peer = desktop.Peer(Bar);
    peer.ClearLogs();
    Bar.Invalidate();
    Bar.UpdateWindow();
    const std::vector<TDrawCall> texts = TextsOf(peer.Drawing());
    ASSERT_EQ(texts.size(), 1u);
    const int charWidth = Bar.GetCharWidth();
    const int room = Bar.MessagePane().GetInnerRect().Width();
    EXPECT_EQ(int(texts[0].Text.size()), room / charWidth);
}

}  // namespace
