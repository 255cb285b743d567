#include "resources/AppIcon.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Opaque(uint32_t pixel) { return (pixel >> 24) == 0xFF; }

class AppIconSizes : public testing::TestWithParam<int> {};

TEST_P(AppIconSizes, IsASquareImageWithTransparentCornersAndAnOpaqueMiddle)
{
    const int size = GetParam();
    const TIconImage icon = AppIcon(size);
    ASSERT_EQ(icon.Width, size);
    ASSERT_EQ(icon.Height, size);
    ASSERT_EQ(icon.Pixels.size(), size_t(size) * size);
    auto at = [&](int x, int y) { return icon.Pixels[size_t(y) * size + x]; };
    EXPECT_FALSE(Opaque(at(0, 0)));
    EXPECT_FALSE(Opaque(at(size - 1, 0)));  // the folded corner
    EXPECT_FALSE(Opaque(at(0, size - 1)));
    EXPECT_TRUE(Opaque(at(size / 2, size / 2)));
    // Every pixel is either fully clear or fully opaque: no stray alpha.
    EXPECT_TRUE(std::all_of(icon.Pixels.begin(), icon.Pixels.end(),
                            [](uint32_t p) { return (p >> 24) == 0 || (p >> 24) == 0xFF; }));
}

INSTANTIATE_TEST_SUITE_P(DesktopSizes, AppIconSizes, testing::Values(16, 32, 48));

}  // namespace
