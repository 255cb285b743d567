#include "core/DisplayColumn.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

struct ColumnCase {
    const char* text;
    size_t count;
    int tabSize;
    int expected;
};

class DisplayColumnTest : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(DisplayColumnTest, CountsTabsToTheNextStop)
{
    const ColumnCase& c = GetParam();
    EXPECT_EQ(DisplayColumn(c.text, c.count, c.tabSize), c.expected) << '"' << c.text << "\" " << c.count;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayColumnTest,
    ::testing::Values(ColumnCase{"\t", 1, 4, 4}, ColumnCase{"a\t", 2, 4, 4}, ColumnCase{"abcd\t", 5, 4, 8},
                      ColumnCase{"\ta", 2, 4, 5}, ColumnCase{"abc\t", 4, 4, 4}, ColumnCase{"\t\t", 2, 4, 8},
                      ColumnCase{"ab\tcd\te", 7, 3, 7}, ColumnCase{"abc\t", 3, 8, 3},
                      ColumnCase{"abc\n", 4, 8, 4},        // the line end counts one
                      ColumnCase{"ab\t", 99, 4, 4},        // count is cut to the text
                      ColumnCase{"", 5, 4, 0}, ColumnCase{"abc", 0, 4, 0},
                      ColumnCase{"a\tb\t", 4, 1, 4},      // tab size 1: a tab is one column
                      ColumnCase{"a\tb\t", 4, 0, 4},      // below 1 counts as 1
                      ColumnCase{"a\tb\t", 4, -5, 4}));

// Every column of random texts is covered by the character whose span
// DisplayColumn puts around it, and columns past the end give the end.
TEST(CharAtColumnTest, AgreesWithDisplayColumnEverywhere)
{
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (size_t i = random() % 40; i > 0; --i)
            text += random() % 4 ? 'a' : '\t';
        const int tabSize = int(random() % 6);
        const int width = DisplayColumn(text, text.size(), tabSize);
        for (int64_t column = -1; column <= width + 2; ++column) {
            int64_t start = -7;
            const size_t at = CharAtColumn(text, column, tabSize, start);
            const std::string where = "\"" + text + "\" tab " + std::to_string(tabSize) + " column " + std::to_string(column);
            if (std::max<int64_t>(0, column) >= width) {
                EXPECT_EQ(at, text.size()) << where;
                EXPECT_EQ(start, width) << where;
                continue;
            }
            ASSERT_LT(at, text.size()) << where;
            EXPECT_EQ(start, DisplayColumn(text, at, tabSize)) << where;
            EXPECT_LE(start, std::max<int64_t>(0, column)) << where;
            EXPECT_GT(DisplayColumn(text, at + 1, tabSize), std::max<int64_t>(0, column)) << where;
        }
    }
}

}  // namespace
