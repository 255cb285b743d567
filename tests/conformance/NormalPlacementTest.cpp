// A top-level window's placement and its last normal placement, the same
// on every platform layer.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/Frame.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(NormalPlacement, FollowsMovesAndSizesInTheNormalStateOnly)
{
    TLayerUnderTest layer;
    TFrameWindow frame(nullptr, "placement", nullptr);
    layer.ShowTopLevel(frame);
    frame.SetWindowPos(40, 30, 300, 200);
    layer.Settle();
    EXPECT_EQ(frame.GetWindowRect(), (TRect{40, 30, 340, 230}));
    EXPECT_EQ(frame.GetNormalPlacement(), (TRect{40, 30, 340, 230}));

    layer.UserMove(frame, 60, 50);
    layer.Settle();
    EXPECT_EQ(frame.GetNormalPlacement(), (TRect{60, 50, 360, 250}));

    layer.UserMaximize(frame);
    layer.Settle();
    EXPECT_NE(frame.GetWindowRect(), (TRect{60, 50, 360, 250}));
    EXPECT_EQ(frame.GetNormalPlacement(), (TRect{60, 50, 360, 250}));

    layer.UserRestore(frame);
    layer.Settle();
    EXPECT_EQ(frame.GetWindowRect(), (TRect{60, 50, 360, 250}));
}

TEST(NormalPlacement, APlacementStaysWithinWhatTheWindowSystemCarries)
{
    TLayerUnderTest layer;
    TFrameWindow frame(nullptr, "placement", nullptr);
    layer.ShowTopLevel(frame);
    frame.SetWindowPos(INT_MIN, INT_MAX, INT_MAX, INT_MIN);
    layer.Settle();
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
