// Desktop entries: any program path survives the value escapes and the Exec
// quoting, read back by the format's rules, and the desktop's validator
// accepts what is written.
#include "framework/ChildProcess.h"
#include "framework/DesktopEntry.h"
#include "framework/DesktopTool.h"
#include "tests/support/DesktopEntryReader.h"
#include "tests/support/ScratchDir.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> ProgramPaths = {
    "/usr/bin/vantor",
    "/opt/my tools/vantor",
    "/home/ann/\"quoted\" dir/vantor",
    "/home/ann/it's/vantor",
    "/srv/back\\slash/vantor",
    "/srv/$HOME/`cmd`/vantor",
    "/srv/100% sure/%f/vantor",
    "/srv/tab\there/new\nline/vantor",
    " /leading blank",
    "/srv/<>~|&;*?#()/vantor",
    "/srv/caf\xC3\xA9/vantor",
};

TDesktopEntry EntryFor(const std::string& program)
{
    TDesktopEntry entry;
    entry.Name = "Vantor";
    entry.Icon = "vantor";
    entry.Exec = {{program}, "%f"};
    entry.MimeTypes = {"text/plain", "application/x-setupscript"};
    entry.Categories = {"Utility", "TextEditor"};
    entry.Actions = {{"Print", "Print", {{program, "-p"}, "%f"}}};
    return entry;
}

TEST(DesktopEntry, EveryProgramPathReadsBackFromExecAndTryExec)
{
    for (const std::string& path : ProgramPaths) {
        SCOPED_TRACE(path);
        const std::string text = EntryFor(path).Text();
        const std::optional<std::string> exec = EntryValue(text, "Desktop Entry", "Exec");
        const std::optional<std::string> print = EntryValue(text, "Desktop Action Print", "Exec");
        ASSERT_TRUE(exec && print);
        EXPECT_EQ(SplitExec(*exec), std::optional<std::vector<std::string>>({path, "%f"}));
        EXPECT_EQ(SplitExec(*print), std::optional<std::vector<std::string>>({path, "-p", "%f"}));
        EXPECT_EQ(EntryValue(text, "Desktop Entry", "TryExec"), path);
        EXPECT_EQ(EntryValue(text, "Desktop Entry", "MimeType"), "text/plain;application/x-setupscript;");
        EXPECT_EQ(EntryValue(text, "Desktop Entry", "Actions"), "Print;");
    }
}

TEST(DesktopEntry, TheDesktopsValidatorAcceptsEveryEntry)
{
    if (ChildProcess::FindOnPath("desktop-file-validate").empty())
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) is not installed";
    TScratchDir dir;
    for (const std::string& path : ProgramPaths) {
        const std::string file = dir.Write("vantor.desktop", EntryFor(path).Text());
        const std::optional<std::string> complaints = DesktopTool::Output("desktop-file-validate", {file}, 10000);
        EXPECT_TRUE(complaints && complaints->empty()) << path << ": " << complaints.value_or("(failed)");
    }
}

}  // namespace
