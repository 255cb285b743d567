// Finding and starting the desktop's programs without a shell.
#include "framework/ChildProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

class ChildProcessPath : public testing::Test {
protected:
    std::filesystem::path Dir = std::filesystem::temp_directory_path() / ("vantor-path-" + std::to_string(getpid()));
    std::string OldPath = std::getenv("PATH") ? std::getenv("PATH") : "";

    void SetUp() override
    {
        std::filesystem::create_directories(Dir / "a");
        std::filesystem::create_directories(Dir / "b");
        std::filesystem::create_directories(Dir / "b" / "dir-named-tool");
        Make(Dir / "a" / "tool", 0644);  // not executable
        Make(Dir / "b" / "tool", 0755);
    }
    void TearDown() override
    {
        setenv("PATH", OldPath.c_str(), 1);
        std::filesystem::remove_all(Dir);
    }
    static void Make(const std::filesystem::path& path, mode_t mode)
    {
        std::ofstream(path) << "#!/bin/sh\n";
        chmod(path.c_str(), mode);
    }
};

TEST_F(ChildProcessPath, FindsTheFirstExecutableFileThePathNames)
{
    const std::string a = (Dir / "a").string(), b = (Dir / "b").string();
    setenv("PATH", (a + "::" + b).c_str(), 1);
    EXPECT_EQ(ChildProcess::FindOnPath("tool"), b + "/tool");
    EXPECT_EQ(ChildProcess::FindOnPath("dir-named-tool"), "");
    EXPECT_EQ(ChildProcess::FindOnPath("missing"), "");
    EXPECT_EQ(ChildProcess::FindOnPath(""), "");
    EXPECT_EQ(ChildProcess::FindOnPath(b + "/tool"), b + "/tool") << "a path is taken as it stands";
    EXPECT_EQ(ChildProcess::FindOnPath(a + "/tool"), "");
    setenv("PATH", a.c_str(), 1);
    EXPECT_EQ(ChildProcess::FindOnPath("tool"), "");
}

TEST(ChildProcess, ArgumentsMustFitTheKernelsLimits)
{
    const size_t oneArgument = size_t(sysconf(_SC_PAGESIZE)) * 32;
    EXPECT_TRUE(ChildProcess::ArgumentsFit({"--body", std::string(oneArgument - 1, 'x')}));
    EXPECT_FALSE(ChildProcess::ArgumentsFit({"--body", std::string(oneArgument, 'x')}));
    EXPECT_FALSE(ChildProcess::ArgumentsFit({std::string("a\0b", 3)}));
    EXPECT_TRUE(ChildProcess::ArgumentsFit({}));
}

// Arguments arrive as they were given, and a program that cannot start is
// reported at once.
TEST(ChildProcess, StartsWithTheArgumentsAsGiven)
{
    const std::string out = (std::filesystem::temp_directory_path() / ("vantor-args-" + std::to_string(getpid()))).string();
    const int pid = ChildProcess::Start("/bin/sh", {"-c", "printf '%s|' \"$@\" > \"$0\"", out, "$(x)", "a b", ";"});
    ASSERT_GT(pid, 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_EQ(ChildProcess::ExitCodeOf(status), 0);
    std::ifstream in(out);
    std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, "$(x)|a b|;|");
    std::filesystem::remove(out);
    EXPECT_EQ(ChildProcess::Start("/nonexistent/program", {}), -1);
}

}  // namespace
