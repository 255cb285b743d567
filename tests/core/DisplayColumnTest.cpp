#include "core/DisplayColumn.h"

#include <gtest/gtest.h>

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

}  // namespace
