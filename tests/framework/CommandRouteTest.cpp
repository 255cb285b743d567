#include "FrameworkProbes.h"

#include "framework/Platform.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned CmCut = 24322;
constexpr unsigned CmWrap = 3;

// The main frame around a client that holds one inner window, shown (so the
// client has the focus) by the application.
class CommandRouteTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TProbeWindow Client;
    TProbeWindow Inner{&Client};
    TProbeApp App;
    TProbeFrame* Frame = nullptr;

    void SetUp() override
    {
        auto frame = std::make_unique<TProbeFrame>(nullptr, "Frame", &Client, true);
        Frame = frame.get();
        App.SetMainWindow(std::move(frame));
        App.InitInstance();
    }

    TCommandEnabler Query(unsigned id)
    {
        TCommandEnabler ce(id);
        App.RouteEnable(ce);
        return ce;
    }
};

TEST_F(CommandRouteTest, ShowingTheFrameGivesItsClientTheFocus) { EXPECT_TRUE(Client.HasFocus()); }

struct THandlerCase {
    bool Client, Frame, App;
    const char* Runs;  // "client", "frame", "app" or "" for nobody
};

class RouteRunTest : public CommandRouteTest, public ::testing::WithParamInterface<THandlerCase> {};

TEST_P(RouteRunTest, TheFirstObjectWithAHandlerRunsIt)
{
    const THandlerCase& c = GetParam();
    if (c.Client)
        Client.Commands.Handles.insert(CmCut);
    if (c.Frame)
        Frame->Commands.Handles.insert(CmCut);
    if (c.App)
        App.Commands.Handles.insert(CmCut);

    const bool handled = App.RouteCommand(CmCut);

    const std::string runs = c.Runs;
    EXPECT_EQ(handled, !runs.empty());
    EXPECT_EQ(Client.Commands.Ran.size(), runs == "client" ? 1u : 0u);
    EXPECT_EQ(Frame->Commands.Ran.size(), runs == "frame" ? 1u : 0u);
    EXPECT_EQ(App.Commands.Ran.size(), runs == "app" ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Handlers, RouteRunTest,
                         ::testing::Values(THandlerCase{true, true, true, "client"}, THandlerCase{false, true, true, "frame"},
                                           THandlerCase{false, false, true, "app"}, THandlerCase{true, false, true, "client"},
                                           THandlerCase{false, false, false, ""}));

TEST_F(CommandRouteTest, TheRouteStartsAtTheFocusedWindowInsideTheMainWindow)
{
    Inner.Commands.Handles.insert(CmCut);
    Inner.SetFocus();
    App.RouteCommand(CmCut);
    EXPECT_EQ(Inner.Commands.Ran.size(), 1u);
}

TEST_F(CommandRouteTest, WithTheFocusElsewhereTheRouteStartsAtTheClient)
{
    TProbeWindow elsewhere;
    elsewhere.Commands.Handles.insert(CmCut);
    Inner.Commands.Handles.insert(CmCut);
    elsewhere.Create();
    elsewhere.SetFocus();

    App.RouteCommand(CmCut);

    EXPECT_TRUE(elsewhere.Commands.Ran.empty());
    EXPECT_TRUE(Inner.Commands.Ran.empty());  // not on the client's way up
    Client.Commands.Handles.insert(CmCut);
    App.RouteCommand(CmCut);
    EXPECT_EQ(Client.Commands.Ran.size(), 1u);
}

TEST_F(CommandRouteTest, ExitClosesTheMainWindowAndEndsTheLoop)
{
    EXPECT_TRUE(App.RouteCommand(CM_EXIT));
    EXPECT_EQ(App.GetMainWindow(), nullptr);
    EXPECT_EQ(Desktop.QuitCode(), 0);
    EXPECT_FALSE(Client.IsCreated());
}

TEST_F(CommandRouteTest, ExitDoesNothingWhenAWindowRefusesToClose)
{
    Inner.AllowClose = false;
    App.RouteCommand(CM_EXIT);
    EXPECT_NE(App.GetMainWindow(), nullptr);
    EXPECT_FALSE(Desktop.QuitCode().has_value());
}

TEST_F(CommandRouteTest, CommandsTheApplicationDoesNotPassOnStillReachTheFramework)
{
    struct TOwnTableApp : TApplication {
        TOwnTableApp(int& argc, char** argv) : TApplication("Own", argc, argv) {}
        bool EvCommand(unsigned) override { return false; }
        bool HasCommandHandler(unsigned) const override { return false; }
    };
    App.DestroyMainWindow();
    TProbeArgs args({});
    TOwnTableApp app(args.Count, args.Pointers.data());
    TProbeWindow client;
    app.SetMainWindow(std::make_unique<TFrameWindow>(nullptr, "Own", &client));
    app.InitInstance();

    TCommandEnabler ce(CM_EXIT);
    app.RouteEnable(ce);
    EXPECT_TRUE(ce.IsEnabled());
    EXPECT_TRUE(app.RouteCommand(CM_EXIT));
    EXPECT_EQ(app.GetMainWindow(), nullptr);
}

// --- automatic enabling ------------------------------------------------------------------

// An enabler answer: none (no enabler), check only, or Enable(value).
enum class TAnswer { None, CheckOnly, Enabled, Disabled };

struct TEnableCase {
    const char* Name;
    bool ClientHandles, AppHandles;
    TAnswer ClientEnabler, AppEnabler;
    bool ExpectEnabled;
};

void Give(TCommandScript& script, bool handles, TAnswer answer, unsigned id)
{
    if (handles)
        script.Handles.insert(id);
    if (answer == TAnswer::CheckOnly)
        script.Enablers[id] = std::nullopt;
    else if (answer != TAnswer::None)
        script.Enablers[id] = answer == TAnswer::Enabled;
}

class RouteEnableTest : public CommandRouteTest, public ::testing::WithParamInterface<TEnableCase> {};

TEST_P(RouteEnableTest, AnswersFollowTheRoute)
{
    const TEnableCase& c = GetParam();
    Give(Client.Commands, c.ClientHandles, c.ClientEnabler, CmWrap);
    Give(App.Commands, c.AppHandles, c.AppEnabler, CmWrap);
    EXPECT_EQ(Query(CmWrap).IsEnabled(), c.ExpectEnabled) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RouteEnableTest,
    ::testing::Values(TEnableCase{"handler on the window, no enabler", true, false, TAnswer::None, TAnswer::None, true},
                      TEnableCase{"handler at the end of the route", false, true, TAnswer::None, TAnswer::None, true},
                      TEnableCase{"nobody handles it", false, false, TAnswer::None, TAnswer::None, false},
                      TEnableCase{"an answer beats the handler", false, true, TAnswer::Disabled, TAnswer::None, false},
                      TEnableCase{"an answer needs no handler", false, false, TAnswer::Enabled, TAnswer::None, true},
                      TEnableCase{"the first answer stands", false, true, TAnswer::Disabled, TAnswer::Enabled, false},
                      TEnableCase{"a check mark is no answer", false, true, TAnswer::None, TAnswer::CheckOnly, true},
                      TEnableCase{"a check mark without handler", false, false, TAnswer::CheckOnly, TAnswer::None, false},
                      // The first object with an enabler ends the asking; then the handler rule decides.
                      TEnableCase{"a check mark ends the asking", false, true, TAnswer::CheckOnly, TAnswer::Disabled, true}));

TEST_F(CommandRouteTest, ExitIsEnabled) { EXPECT_TRUE(Query(CM_EXIT).IsEnabled()); }

TEST_F(CommandRouteTest, ACheckOnlyEnablerStillSetsTheMark)
{
    Give(App.Commands, true, TAnswer::CheckOnly, CmWrap);
    const TCommandEnabler ce = Query(CmWrap);
    EXPECT_TRUE(ce.IsEnabled());
    EXPECT_TRUE(ce.IsChecked());
}

// --- commands as messages ------------------------------------------------------------------

TEST_F(CommandRouteTest, ACommandMessageToTheFrameStartsAtTheFocusedWindow)
{
    Client.Commands.Handles.insert(CmCut);
    DispatchMsg(TMsg{Frame, WM_COMMAND, CmCut, 0});
    EXPECT_EQ(Client.Commands.Ran.size(), 1u);
}

TEST_F(CommandRouteTest, ACommandMessageToAWindowGoesOnUpTheRoute)
{
    // As the context menu's commands do.
    App.Commands.Handles.insert(CmWrap);
    DispatchMsg(TMsg{&Client, WM_COMMAND, CmWrap, 0});
    EXPECT_EQ(App.Commands.Ran.size(), 1u);
}

// --- drop-down menus ---------------------------------------------------------------------------

TMenuItem Command(unsigned id) { return {TMenuItem::TKind::Command, "x", id, true, {}}; }
TMenuItem Separator() { return {TMenuItem::TKind::Separator, "", 0, false, {}}; }

TEST_F(CommandRouteTest, APopupAsksEveryCommandItemThroughTheRoute)
{
    Client.Commands.Handles.insert(CmCut);
    Give(App.Commands, true, TAnswer::Disabled, CmWrap);
    const TMenuItem popup{TMenuItem::TKind::Popup, "&Edit", 0, false, {Command(CmCut), Separator(), Command(999), Command(CmWrap)}};

    std::vector<TCommandEnabler> states;
    Frame->QueryPopupState(popup, states);

    ASSERT_EQ(states.size(), 3u);
    EXPECT_EQ(states[0].GetId(), CmCut);
    EXPECT_TRUE(states[0].IsEnabled());
    EXPECT_EQ(states[1].GetId(), 999u);
    EXPECT_FALSE(states[1].IsEnabled());
    EXPECT_EQ(states[2].GetId(), CmWrap);
    EXPECT_FALSE(states[2].IsEnabled());
}

TEST(CommandRouteWithoutApplicationTest, APopupUsesTheFramesOwnRoute)
{
    THeadlessDesktop desktop;
    TProbeWindow client;
    client.Commands.Handles.insert(CmCut);
    TProbeFrame frame(nullptr, "Frame", &client, true);
    frame.Create();
    const TMenuItem popup{TMenuItem::TKind::Popup, "&Edit", 0, false, {Command(CmCut), Command(CM_EXIT)}};

    std::vector<TCommandEnabler> states;
    frame.QueryPopupState(popup, states);

    ASSERT_EQ(states.size(), 2u);
    EXPECT_TRUE(states[0].IsEnabled());
    EXPECT_FALSE(states[1].IsEnabled());  // no application to close
}

}  // namespace
