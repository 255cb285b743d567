// A started program's end reaches the program from the message loop, with
// its exit code, on either platform layer.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/ChildProcess.h"
#include "framework/Platform.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct TEnding {
    const char* Script;
    int ExitCode;
};

class ChildWatch : public testing::TestWithParam<TEnding> {};

TEST_P(ChildWatch, ReportsHowTheChildEnded)
{
    TLayerUnderTest layer;
    const int pid = ChildProcess::Start("/bin/sh", {"-c", GetParam().Script});
    ASSERT_GT(pid, 0);
    std::optional<int> code;
    Platform::WatchChild(pid, [&code](int exitCode) { code = exitCode; });
    ASSERT_TRUE(layer.RunUntil([&code] { return code.has_value(); }));
    EXPECT_EQ(*code, GetParam().ExitCode);
}

INSTANTIATE_TEST_SUITE_P(Endings, ChildWatch,
                         testing::Values(TEnding{"exit 0", 0}, TEnding{"exit 7", 7}, TEnding{"read x; exit $?", 1},
                                         TEnding{"kill -9 $$", -1}));

}  // namespace
