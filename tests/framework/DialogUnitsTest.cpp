// Dialog units to pixels as the window system converts them.
#include "framework/DialogUnits.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogUnits, FollowTheFontsAverageWidthAndHeight)
{
    // The average width of the 52 letters is rounded to the nearest pixel.
    EXPECT_EQ(DialogBaseUnits(312, 13), (TSize{6, 13}));
    EXPECT_EQ(DialogBaseUnits(286, 13), (TSize{6, 13}));  // 5.5
    EXPECT_EQ(DialogBaseUnits(285, 13), (TSize{5, 13}));
    EXPECT_EQ(DialogBaseUnits(0, 0), (TSize{1, 1}));

    struct TCase {
        TDialogUnits Units;
        TSize Base;
        TRect Pixels;
    };
    const TCase cases[] = {
        {{12, 9, 96, 12}, {6, 13}, {18, 15, 162, 35}},  // 14.6 and 19.5 round up
        {{0, 0, 179, 89}, {6, 13}, {0, 0, 269, 145}},
        {{124, 8, 50, 58}, {7, 16}, {217, 16, 305, 132}},
        {{1, 1, 1, 1}, {5, 13}, {1, 2, 2, 4}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(DialogUnitsToPixels(c.Units, c.Base), c.Pixels);
}

}  // namespace
