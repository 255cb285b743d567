// Running the desktop's tools to their end: their output read whole, a
// failing, missing or hung tool giving nothing.
#include "framework/DesktopTool.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(DesktopTool, ReadsTheOutputOfAToolThatSucceeds)
{
    EXPECT_EQ(DesktopTool::Output("printf", {"%s|%s", "a b", "c\"d $x"}, 10000), "a b|c\"d $x");
    // Complaints on the error stream are not part of the answer.
    EXPECT_EQ(DesktopTool::Output("sh", {"-c", "echo out; echo err >&2"}, 10000), "out\n");
    const std::optional<std::string> big = DesktopTool::Output("head", {"-c", "1000000", "/dev/zero"}, 10000);
    ASSERT_TRUE(big);
    EXPECT_EQ(big->size(), DesktopTool::MaxOutput);
}

TEST(DesktopTool, AFailingMissingOrHungToolGivesNothing)
{
    EXPECT_FALSE(DesktopTool::Output("false", {}, 10000));
    EXPECT_FALSE(DesktopTool::Output("vantor-no-such-tool", {}, 10000));
    const auto start = std::chrono::steady_clock::now();
    // The tool's own child holds the output open: it is stopped as well.
    EXPECT_FALSE(DesktopTool::Output("sh", {"-c", "sleep 60 & sleep 60"}, 300));
    EXPECT_FALSE(DesktopTool::Run("sh", {"-c", "exec >&-; sleep 60"}, 300));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace
