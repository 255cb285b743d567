// A top-level window's placement and its last normal placement, the same
// on every platform layer.
#include "tests/conformance/ConformanceLayer.h"

#include "framework/Frame.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace Conformance;

TEST(NormalPlacement, FollowsMovesAndSizesInTheNormalStateOnly)
{
    const auto layer = StartLayer();
    TFrameWindow frame(nullptr, "placement", nullptr);
    ShowTopLevel(frame);
    frame.SetWindowPos(40, 30, 300, 200);
    Settle();
    EXPECT_EQ(frame.GetWindowRect(), (TRect{40, 30, 340, 230}));
    EXPECT_EQ(frame.GetNormalPlacement(), (TRect{40, 30, 340, 230}));

    UserMove(frame, 60, 50);
    Settle();
    EXPECT_EQ(frame.GetNormalPlacement(), (TRect{60, 50, 360, 250}));

    UserMaximize(frame);
    Settle();
    EXPECT_NE(frame.GetWindowRect(), (TRect{60, 50, 360, 250}));
    EXPECT_EQ(frame.GetNormalPlacement(), (TRect{60, 50, 360, 250}));

    UserRestore(frame);
    Settle();
    EXPECT_EQ(frame.GetWindowRect(), (TRect{60, 50, 360, 250}));
}

TEST(NormalPlacement, APlacementStaysWithinWhatTheWindowSystemCarries)
{
    const auto layer = StartLayer();
    TFrameWindow frame(nullptr, "placement", nullptr);
    ShowTopLevel(frame);
    frame.SetWindowPos(INT_MIN, INT_MAX, INT_MAX, INT_MIN);
    Settle();
    // Far off the screen, no larger than a desktop, at least a pixel.
    const TRect placed = frame.GetWindowRect();
    EXPECT_LE(placed.left, -29000);
    EXPECT_GE(placed.left, -30000);
    EXPECT_GE(placed.top, 29000);
    EXPECT_LE(placed.top, 30000);
    EXPECT_GE(placed.Width(), 1);
    EXPECT_LE(placed.Width(), 16384);
    EXPECT_GE(placed.Height(), 1);
    EXPECT_LE(placed.Height(), 100);
    EXPECT_EQ(frame.GetNormalPlacement(), placed);
}

}  // namespace
