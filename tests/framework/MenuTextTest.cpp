#include "framework/Menu.h"

#include <gtest/gtest.h>

namespace {

struct TItemTextCase {
    const char* Text;
    const char* Label;
    const char* Shortcut;
};

class MenuItemTextTest : public ::testing::TestWithParam<TItemTextCase> {};

TEST_P(MenuItemTextTest, SplitsAtTheAlignmentMark)
{
    const TItemTextCase& c = GetParam();
    EXPECT_EQ(MenuItemLabel(c.Text), c.Label);
    EXPECT_EQ(MenuItemShortcut(c.Text), c.Shortcut);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuItemTextTest,
                         ::testing::Values(TItemTextCase{"&New\bCtrl+N", "&New", "Ctrl+N"},
                                           TItemTextCase{"E&xit\b       Alt+F4", "E&xit", "Alt+F4"},
                                           TItemTextCase{"&Word Wrap\b   Ctrl+W", "&Word Wrap", "Ctrl+W"},
                                           TItemTextCase{"&Next\b    F3", "&Next", "F3"},
                                           TItemTextCase{"&Open...\tCtrl+O", "&Open...", "Ctrl+O"},
                                           TItemTextCase{"Save &As...", "Save &As...", ""},
                                           TItemTextCase{"Odd\b", "Odd", ""},
                                           TItemTextCase{"Blank\b   ", "Blank", ""},
                                           TItemTextCase{"", "", ""}));

TMenuItem Command(unsigned id) { return {TMenuItem::TKind::Command, "x", id, false, {}}; }
TMenuItem Separator() { return {TMenuItem::TKind::Separator, "", 0, false, {}}; }
TMenuItem Popup(std::vector<TMenuItem> items) { return {TMenuItem::TKind::Popup, "p", 0, false, std::move(items)}; }

TEST(MenuSelectIdTest, CommandsReportTheirId) { EXPECT_EQ(MenuSelectId(Command(24331)), 24331u); }

TEST(MenuSelectIdTest, DropDownsReportOneBelowTheirFirstItem)
{
    EXPECT_EQ(MenuSelectId(Popup({Command(24321), Command(1682)})), 24320u);
}

TEST(MenuSelectIdTest, SeparatorsAndEmptyDropDownsReportNothing)
{
    EXPECT_EQ(MenuSelectId(Separator()), 0u);
    EXPECT_EQ(MenuSelectId(Popup({})), 0u);
    EXPECT_EQ(MenuSelectId(Popup({Separator(), Command(5)})), 0u);
}

}  // namespace
