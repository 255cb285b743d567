// Registering with the desktop's real tools: after registering, xdg-mime
// names Vantor for text, .ini and .inf files, and handing back restores its
// earlier answer. The user's folders are scratch folders.
#include "app/FileTypeRegistration.h"
#include "framework/ChildProcess.h"
#include "framework/DesktopTool.h"
#include "framework/ProgramFile.h"
#include "tests/app/StandIn.h"
#include "tests/support/DesktopEntryReader.h"
#include "tests/support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// $XDG_DATA_HOME and $XDG_CONFIG_HOME in a scratch folder while this lives,
// and a system folder of entries there ahead of the machine's own, so the
// desktop's answers do not depend on what the machine has installed.
struct TXdgHomes {
    TScratchDir Dir;
    TEnvSetting Data{"XDG_DATA_HOME", Dir.PathOf("data")};
    TEnvSetting Config{"XDG_CONFIG_HOME", Dir.PathOf("config")};
    TEnvSetting System{"XDG_DATA_DIRS", Dir.PathOf("system") + ":/usr/local/share:/usr/share"};

    std::string Write(const std::string& name, const std::string& bytes) { return Dir.Write(name, bytes); }
    std::string Read(const std::string& name) const { return Dir.Read(name); }
};

std::string Ask(const std::vector<std::string>& args)
{
    const std::string answer = DesktopTool::Output("xdg-mime", args, 10000).value_or("");
    return answer.substr(0, answer.find('\n'));
}

std::string DefaultFor(const std::string& type) { return Ask({"query", "default", type}); }

// An installed program that opens text files: the desktop's own choice.
void InstallSystemEditor(TXdgHomes& homes)
{
    homes.Write("system/applications/plain.desktop",
                "[Desktop Entry]\nType=Application\nName=Plain\nExec=cat %f\nMimeType=text/plain;\n");
    DesktopTool::Run("update-desktop-database", {homes.Dir.PathOf("system/applications")}, 10000);
}

class FileTypeRegistration : public testing::Test {
protected:
    std::string Program = ProgramFile();

    void SetUp() override
    {
        for (const char* tool : {"xdg-mime", "desktop-file-validate", "update-desktop-database"})
            if (ChildProcess::FindOnPath(tool).empty())
                GTEST_SKIP() << tool << " is not installed (xdg-utils, desktop-file-utils)";
    }
};

// Whether every line of before is in after, in the same order.
bool KeepsLines(const std::string& before, const std::string& after)
{
    std::istringstream old(before), now(after);
    std::string line, other;
    while (std::getline(old, line)) {
        do
            if (!std::getline(now, other))
                return false;
        while (other != line);
    }
    return true;
}

TEST_F(FileTypeRegistration, OpensAndPrintsTextIniAndInfFilesUntilHandedBack)
{
    TXdgHomes homes;
    const std::string oldList =
        "# chosen by hand\n[Default Applications]\nimage/png=eog.desktop\n\n[Added Associations]\ntext/x-c=kate.desktop;\n";
    homes.Write("config/mimeapps.list", oldList);
    InstallSystemEditor(homes);
    ASSERT_EQ(DefaultFor("text/plain"), "plain.desktop");

    RegisterFileTypes(true, Program);

    const std::string samples[] = {homes.Write("notes.txt", "Dear Ann,\nthe minutes follow.\n"),
                                 homes.Write("setup.ini", "[Paths]\nHome=/home/ann\n"),
                                 homes.Write("driver.inf", "[Version]\nSignature=\"$Chicago$\"\nClass=Display\n")};
    for (const std::string& file : samples) {
        const std::string type = Ask({"query", "filetype", file});
        EXPECT_EQ(DefaultFor(type), EditorDesktopId) << file << " is " << type;
    }
    const std::string entryFile = UserEntryFile();
    const std::optional<std::string> complaints = DesktopTool::Output("desktop-file-validate", {entryFile}, 10000);
    EXPECT_TRUE(complaints && complaints->empty()) << complaints.value_or("(rejected)");
    const std::string entry = homes.Read("data/applications/vantor.desktop");
    EXPECT_EQ(SplitExec(EntryValue(entry, "Desktop Entry", "Exec").value_or("")),
              std::optional<std::vector<std::string>>({Program, "%f"}));
    EXPECT_EQ(SplitExec(EntryValue(entry, "Desktop Action Print", "Exec").value_or("")),
              std::optional<std::vector<std::string>>({Program, "-p", "%f"}));
    EXPECT_TRUE(KeepsLines(oldList, homes.Read("config/mimeapps.list"))) << homes.Read("config/mimeapps.list");

    const std::string files[] = {"data/applications/vantor.desktop", "data/applications/mimeinfo.cache",
                                 "config/mimeapps.list"};
    std::vector<std::string> registered;
    for (const std::string& name : files)
        registered.push_back(homes.Read(name));
    RegisterFileTypes(true, Program);
    for (size_t i = 0; i < registered.size(); ++i)
        EXPECT_EQ(homes.Read(files[i]), registered[i]) << files[i];

    // The desktop's own choice applies again; Vantor stays among the
    // programs a text file can be opened with.
    RegisterFileTypes(false, Program);
    EXPECT_EQ(DefaultFor("text/plain"), "plain.desktop");
    EXPECT_TRUE(fs::exists(entryFile));
}

TEST_F(FileTypeRegistration, HandingBackWhatWasNeverRegisteredChangesNothing)
{
    TXdgHomes homes;
    RegisterFileTypes(false, Program);
    EXPECT_FALSE(fs::exists(homes.Dir.PathOf("data")) || fs::exists(homes.Dir.PathOf("config")));

    const std::string list = homes.Write("config/mimeapps.list", "[Default Applications]\ntext/plain=gedit.desktop\n");
    struct stat before {}, after {};
    stat(list.c_str(), &before);
    RegisterFileTypes(false, Program);
    stat(list.c_str(), &after);
    EXPECT_EQ(homes.Read("config/mimeapps.list"), "[Default Applications]\ntext/plain=gedit.desktop\n");
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
}

TEST(EditorIcon, IsTheLargestIconBesideTheProgramOrTheThemeName)
{
    TScratchDir dir;
    const std::string icon = "hicolor/256x256/apps/vantor.png";
    const std::string installed = dir.Write("usr/share/icons/" + icon, "png");
    const std::string built = dir.Write("build/icons/" + icon, "png");
    EXPECT_EQ(EditorIcon(dir.PathOf("usr/bin/vantor")), installed);
    EXPECT_EQ(EditorIcon(dir.PathOf("build/vantor")), built);
    EXPECT_EQ(EditorIcon(dir.PathOf("elsewhere/vantor")), "vantor");
}

}  // namespace
