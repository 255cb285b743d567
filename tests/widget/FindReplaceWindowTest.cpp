// The Find and Replace dialogs on Qt: their captions and the texts of their
// controls, and that they stay modeless over their owner's window.
#include "framework/FindReplaceDialog.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using TKind = TFindReplaceDialog::TKind;

struct TTextsCase {
    TKind Kind;
    std::string Title;
    std::vector<std::string> Texts;
};

void PrintTo(const TTextsCase& c, std::ostream* os) { *os << c.Title; }

std::vector<std::string> TextsOf(const QWidget& window)
{
    std::vector<std::string> texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.push_back(label->text().toStdString());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts.push_back(button->text().toStdString());
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        texts.push_back(group->title().toStdString());
    std::sort(texts.begin(), texts.end());
    return texts;
}

class FindReplaceWindow : public testing::TestWithParam<TTextsCase> {};

TEST_P(FindReplaceWindow, ShowsTheStandardTextsModelessOverItsOwner)
{
    const TTextsCase& c = GetParam();
    TRecordingWindow owner;
    ShowWindow(owner);
    TFindReplaceDialog::TData data;
    std::unique_ptr<TFindReplaceDialog> dialog;
    if (c.Kind == TKind::Find)
        dialog = std::make_unique<TFindDialog>(&owner, data);
    else
        dialog = std::make_unique<TReplaceDialog>(&owner, data);
    dialog->Create();
    Settle();
    QWidget* window = QtTestAccess::FindReplaceWidget(*dialog);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), c.Title);
    std::vector<std::string> expected = c.Texts;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(TextsOf(*window), expected);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->parentWidget(), QtTestAccess::TopLevelWidget(owner));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FindReplaceWindow,
    testing::Values(TTextsCase{TKind::Find,
                               "Find",
                               {"Fi&nd what:", "Match &whole word only", "Match &case", "Direction", "&Up", "&Down",
                                "&Find Next", "Cancel"}},
                    TTextsCase{TKind::Replace,
                               "Replace",
                               {"Fi&nd what:", "Re&place with:", "Match &whole word only", "Match &case",
                                "&Find Next", "&Replace", "Replace &All", "Cancel"}}),
    [](const auto& info) { return info.param.Title; });

}  // namespace
