#include "framework/Types.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct TMulDivCase {
    int A, B, C, Expected;
};

class MulDivTest : public ::testing::TestWithParam<TMulDivCase> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero)
{
    const TMulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.A, c.B, c.C), c.Expected) << c.A << " * " << c.B << " / " << c.C;
}

INSTANTIATE_TEST_SUITE_P(Cases, MulDivTest,
                         ::testing::Values(TMulDivCase{12, 96, 72, 16},     // points to pixels
                                           TMulDivCase{1, 1, 2, 1},         // a half rounds up
                                           TMulDivCase{-1, 1, 2, -1},       // and down below zero
                                           TMulDivCase{1, -1, 2, -1},
                                           TMulDivCase{-1, -1, 2, 1},
                                           TMulDivCase{1, 1, -2, -1},       // the divisor's sign counts too
                                           TMulDivCase{1, 1, 3, 0},         // a third rounds down
                                           TMulDivCase{2, 1, 3, 1},         // two thirds round up
                                           TMulDivCase{-2, 1, 3, -1},
                                           TMulDivCase{5, 7, 0, -1},        // no divisor
                                           TMulDivCase{0, 7, 0, -1},
                                           TMulDivCase{0, 5, 3, 0},
                                           // The product needs 64 bits.
                                           TMulDivCase{100000, 100000, 100000, 100000},
                                           TMulDivCase{INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                                           TMulDivCase{INT_MIN, 1, 1, INT_MIN},
                                           // A quotient beyond 32 bits is the overflow answer.
                                           TMulDivCase{INT_MAX, 2, 1, -1},
                                           TMulDivCase{10, 7200, 245, 294}));

}  // namespace
