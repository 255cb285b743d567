// File, Mail and Help, Web hand their work to the desktop's programs: the
// arguments those get, and the messages when they are missing or fail.
#include "StandIn.h"

#include "framework/headless/HeadlessDesktop.h"
#include "resources/Author.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

#include <fcntl.h>

namespace {

std::vector<std::string> BoxTexts(TAppHarness& run)
{
    std::vector<std::string> texts;
    for (const THeadlessMessageBox& box : run.Desktop().Dialogs().MessageBoxes()) {
        EXPECT_EQ(box.Caption, "Vantor");
        EXPECT_EQ(box.Owner, run.App().Editor);
        texts.push_back(box.Text);
    }
    return texts;
}

void RunCommand(TAppHarness& run, unsigned command)
{
    run.Frame().SendMessage(WM_COMMAND, command);
    run.Desktop().Services().WaitForChildren();
}

// What a shell would make of these if it ever read them.
const std::string Hostile = "a $(touch PWNED) `touch PWNED` ; touch PWNED | & > PWNED 'q' \"q\" \\ * ~ \n";

struct TMailCase {
    const char* Name;
    std::optional<int> ExitCode;  // none: no mail program on PATH
    std::string Text;             // typed into the document
    std::optional<std::string> Body;  // what the mail program gets; none: it never runs
    std::vector<std::string> Boxes;
};

class MailCommand : public testing::TestWithParam<TMailCase> {};

TEST_P(MailCommand, HandsTheTextToTheMailProgram)
{
    const TMailCase& c = GetParam();
    TStandIns desktop;
    if (c.ExitCode)
        desktop.Install("xdg-email", *c.ExitCode);
    // A shell reading the text would run this.
    desktop.Install("touch", 0);
    TAppHarness run;
    run.Start();
    run.Editor().InsertText(c.Text);
    RunCommand(run, CM_FILEMAIL);

    const auto args = desktop.Arguments("xdg-email");
    if (c.Body) {
        ASSERT_TRUE(args);
        EXPECT_EQ(*args, (std::vector<std::string>{"--utf8", "--body", *c.Body}));
    } else {
        EXPECT_FALSE(args);
    }
    EXPECT_EQ(BoxTexts(run), c.Boxes);
    EXPECT_FALSE(desktop.Arguments("touch"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MailCommand,
    testing::Values(
        TMailCase{"EmptyDocumentIsOneLineFeed", 0, "", "\n", {}},
        TMailCase{"TextInUtf8", 0, "caf\xE9 \x80\n", "caf\xC3\xA9 \xE2\x82\xAC\n\n", {}},
        TMailCase{"NothingIsInterpreted", 0, Hostile, Hostile + "\n", {}},
        TMailCase{"NoMailProgram", std::nullopt, "x", std::nullopt, {"Messaging API unavailable"}},
        TMailCase{"MailProgramFails", 3, "x", "x\n", {"Unable to send message"}},
        TMailCase{"TooLongForOneArgument", 0, std::string(200000, 'x'), std::nullopt, {"Unable to send message"}}),
    [](const testing::TestParamInfo<TMailCase>& info) { return std::string(info.param.Name); });

TEST(MailCommand, ATextWithANullCharacterIsRefused)
{
    TStandIns desktop;
    desktop.Install("xdg-email", 0);
    TAppHarness run;
    run.Start();
    run.Editor().InsertText(std::string("a\0b", 3));
    RunCommand(run, CM_FILEMAIL);
    EXPECT_FALSE(desktop.Arguments("xdg-email"));
    EXPECT_EQ(BoxTexts(run), std::vector<std::string>{"Unable to send message"});
}

struct TWebCase {
    const char* Name;
    std::optional<int> ExitCode;
    bool Runs;
    std::vector<std::string> Boxes;
};

class WebCommand : public testing::TestWithParam<TWebCase> {};

TEST_P(WebCommand, OpensTheHomePage)
{
    const TWebCase& c = GetParam();
    TStandIns desktop;
    if (c.ExitCode)
        desktop.Install("xdg-open", *c.ExitCode);
    TAppHarness run;
    run.Start();
    RunCommand(run, CM_WEBPAGE);
    const auto args = desktop.Arguments("xdg-open");
    if (c.Runs)
        EXPECT_EQ(args, (std::vector<std::string>{Author::HomePage}));
    else
        EXPECT_FALSE(args);
    EXPECT_EQ(BoxTexts(run), c.Boxes);
}

INSTANTIATE_TEST_SUITE_P(Cases, WebCommand,
                         testing::Values(TWebCase{"Opened", 0, true, {}},
                                         TWebCase{"NoOpener", std::nullopt, false, {"Unable to locate Web Browser"}},
                                         TWebCase{"OpenerFails", 4, true, {"Unable to locate Web Browser"}}),
                         [](const testing::TestParamInfo<TWebCase>& info) { return std::string(info.param.Name); });

// The failure arrives when the program ends; by then the editor may be
// closed, and nothing is shown.
TEST(MailCommand, AFailureAfterTheEditorClosedShowsNothing)
{
    TStandIns desktop;
    desktop.Install("xdg-email", 1);
    TAppHarness run;
    run.Start();
    run.Frame().SendMessage(WM_COMMAND, CM_FILEMAIL);
    run.App().CloseMainWindow();
    run.Desktop().Services().WaitForChildren();
    EXPECT_TRUE(run.Desktop().Dialogs().MessageBoxes().empty());
}

// The whole chain with the desktop's own xdg-email: it finds the mail
// program through the user's mimeapps.list, here a script that records the
// mailto address it is given.
TEST(MailCommand, TheDesktopsXdgEmailReachesTheMailtoHandler)
{
    const std::string real = "/usr/bin/xdg-email";
    if (access(real.c_str(), X_OK) != 0)
        GTEST_SKIP() << "xdg-email (package xdg-utils) is not installed";
    TScratchDir home;
    std::filesystem::create_directories(home.PathOf("config"));
    std::filesystem::create_directories(home.PathOf("data/applications"));
    const std::string recorder = home.Write("record", "#!/bin/sh\nprintf '%s' \"$1\" > '" + home.PathOf("got") + "'\n");
    chmod(recorder.c_str(), 0755);
    home.Write("config/mimeapps.list", "[Default Applications]\nx-scheme-handler/mailto=vantor-test-mail.desktop\n");
    home.Write("data/applications/vantor-test-mail.desktop",
               "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + recorder + " %u\nMimeType=x-scheme-handler/mailto;\n");
    // A bare desktop: no desktop environment to ask, a display to open on.
    TEnvSetting path("PATH", "/usr/bin:/bin"), display("DISPLAY", ":249"), config("XDG_CONFIG_HOME", home.PathOf("config")),
        data("XDG_DATA_HOME", home.PathOf("data")), dirs("XDG_DATA_DIRS", home.PathOf("data")), desk("XDG_CURRENT_DESKTOP", std::nullopt),
        session("DESKTOP_SESSION", std::nullopt), kde("KDE_FULL_SESSION", std::nullopt), mailer("MAILER", std::nullopt),
        browser("BROWSER", std::nullopt), homeDir("HOME", home.PathOf(""));
    TAppHarness run;
    run.Start();
    run.Editor().InsertText("Dear $USER & co,\nsee you");
    RunCommand(run, CM_FILEMAIL);
    std::ifstream got(home.PathOf("got"));
    std::string address;
    std::getline(got, address);
    EXPECT_EQ(address, "mailto:?body=Dear%20%24USER%20%26%20co%2C%0D%0Asee%20you");
    EXPECT_TRUE(run.Desktop().Dialogs().MessageBoxes().empty());
}

}  // namespace
