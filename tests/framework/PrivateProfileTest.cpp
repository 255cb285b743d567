// The private profile functions on real files, and where the per-user
// settings folder is.
#include "framework/ConfigFolder.h"
#include "framework/PrivateProfile.h"
#include "framework/Profile.h"
#include "tests/support/ScratchDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(PrivateProfile, AMissingFileSectionOrKeyGivesTheDefault)
{
    TScratchDir dir;
    const std::string missing = dir.PathOf("none/TORVEL.INI");
    EXPECT_EQ(GetPrivateProfileInt("General", "UndoLimit", 500, missing), 500);
    EXPECT_EQ(GetPrivateProfileString("WinText", "FaceName", "Courier New", 256, missing), "Courier New");

    const std::string file = dir.Write("a.ini", "[General]\nUndoLimit=\nWrap=abc\nDos=-3x\n");
    const TProfile general("general", file);
    EXPECT_EQ(general.GetInt("UndoLimit", 500), 500);  // an empty value
    EXPECT_EQ(general.GetInt("Wrap", 9), 0);           // no digits
    EXPECT_EQ(general.GetInt("Dos", 9), -3);
    EXPECT_EQ(general.GetInt("AutoIndent", 9), 9);
    EXPECT_EQ(TProfile("Other", file).GetInt("Wrap", 9), 9);
    EXPECT_FALSE(fs::exists(dir.PathOf("none"))) << "reading creates nothing";
}

TEST(PrivateProfile, StringsAreCutToTheBuffer)
{
    TScratchDir dir;
    const std::string file = dir.Write("a.ini", "[S]\nFace=" + std::string(10000, 'x') + "\n");
    const TProfile s("S", file);
    EXPECT_EQ(s.GetString("Face", "", 256), std::string(255, 'x'));
    EXPECT_EQ(s.GetString("Missing", "Terminal", 4), "Ter");
    EXPECT_EQ(s.GetString("Face", "d", 0), "");
}

TEST(PrivateProfile, TheFirstWriteMakesTheFoldersForTheOwnerOnly)
{
    TScratchDir dir;
    const std::string file = dir.PathOf("config/vantor/TORVEL.INI");
    TProfile position("Position", file);
    position.WriteInt("x", -7);
    position.WriteInt("y", 3);
    EXPECT_FALSE(fs::exists(file)) << "writes wait for the flush";
    ASSERT_TRUE(position.Flush());
    TProfile("General", file).WriteString("Wrap", "1");
    EXPECT_EQ(dir.Read("config/vantor/TORVEL.INI"), "[Position]\nx=-7\ny=3\n[General]\nWrap=1\n");
    EXPECT_EQ(position.GetInt("x", 0), -7);
    for (const char* folder : {"config", "config/vantor"})
        EXPECT_EQ(fs::status(dir.PathOf(folder)).permissions() & fs::perms::all, fs::perms::owner_all) << folder;
}

TEST(PrivateProfile, ARewriteKeepsTheFilesPermissionsAndLinksAndLeavesNoTemporaryFile)
{
    TScratchDir dir;
    const std::string real = dir.Write("real/TORVEL.INI", "; mine\r\n[General]\r\nWrap=0\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_directories(dir.PathOf("config"));
    fs::create_symlink(real, dir.PathOf("config/TORVEL.INI"));

    ASSERT_TRUE(WritePrivateProfileString("General", "Wrap", "1", dir.PathOf("config/TORVEL.INI")));
    EXPECT_TRUE(fs::is_symlink(dir.PathOf("config/TORVEL.INI")));
    EXPECT_EQ(dir.Read("real/TORVEL.INI"), "; mine\r\n[General]\r\nWrap=1\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.PathOf("real")), fs::directory_iterator{}), 1);
}

TEST(PrivateProfile, AFileTooLargeForSettingsIsNeitherReadNorRewritten)
{
    TScratchDir dir;
    const std::string bytes = "[General]\nWrap=1\n" + std::string(MaxProfileBytes, ';') + "\n";
    const std::string file = dir.Write("big.ini", bytes);
    EXPECT_EQ(GetPrivateProfileInt("General", "Wrap", 5, file), 5);
    EXPECT_FALSE(WritePrivateProfileString("General", "Wrap", "0", file));
    EXPECT_EQ(dir.Read("big.ini"), bytes);
}

TEST(PrivateProfile, ANamedPipeInTheFilesPlaceGivesTheDefaultAtOnce)
{
    TScratchDir dir;
    const std::string pipe = dir.PathOf("TORVEL.INI");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    auto read = std::async(std::launch::async, [&] { return GetPrivateProfileInt("General", "UndoLimit", 500, pipe); });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // A writer that comes and goes lets the waiting reader end.
        close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        read.get();
        FAIL() << "reading waits for something to write to the pipe";
    }
    EXPECT_EQ(read.get(), 500);
    EXPECT_FALSE(WritePrivateProfileString("General", "Wrap", "1", pipe));
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
}

TEST(PrivateProfile, AWriteThatCannotBeDoneReportsFalse)
{
    TScratchDir dir;
    dir.Write("plain", "a file where a folder should be");
    EXPECT_FALSE(WritePrivateProfileString("General", "Wrap", "1", dir.PathOf("plain/vantor/TORVEL.INI")));
    EXPECT_FALSE(WritePrivateProfileString("General", "Wrap", "1", ""));
}

// Restores an environment variable when it goes.
class TEnvironment {
public:
    void Set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        Saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~TEnvironment()
    {
        for (auto it = Saved.rbegin(); it != Saved.rend(); ++it)
            it->second ? setenv(it->first.c_str(), it->second->c_str(), 1) : unsetenv(it->first.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> Saved;
};

TEST(ConfigFolder, FollowsTheBaseDirectoryRule)
{
    struct TCase {
        const char* ConfigHome;
        const char* Home;
        const char* Expected;
    };
    for (const TCase& c : {TCase{"/x/conf", "/h", "/x/conf/vantor"}, TCase{nullptr, "/h", "/h/.config/vantor"},
                           TCase{"", "/h", "/h/.config/vantor"},
                           TCase{"relative/conf", "/h", "/h/.config/vantor"}}) {
        TEnvironment env;
        env.Set("XDG_CONFIG_HOME", c.ConfigHome);
        env.Set("HOME", c.Home);
        EXPECT_EQ(UserConfigFolder("vantor"), c.Expected) << (c.ConfigHome ? c.ConfigHome : "(unset)");
    }
}

}  // namespace
