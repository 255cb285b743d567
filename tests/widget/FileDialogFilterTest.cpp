// The file dialogs' filter pairs and default extension in Qt's terms.
#include "framework/qt/FileDialogFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialogFilterTest, PairsBecomeNameFiltersAndStarDotStarMeansEveryFile)
{
    const QStringList filters =
        FileDialogFilter::NameFilters("Text Files (*.txt)|*.txt;*.ini|All Files (*.*)|*.*|");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QStringLiteral("Text Files (*.txt *.ini)"));
    EXPECT_EQ(filters[1], QStringLiteral("All Files (*)"));
    EXPECT_TRUE(FileDialogFilter::NameFilters("").isEmpty());
}

TEST(FileDialogFilterTest, TheDefaultExtensionIsAddedOnlyToANameWithoutOne)
{
    using FileDialogFilter::WithDefaultExtension;
    EXPECT_EQ(WithDefaultExtension("/tmp/notes", "txt"), "/tmp/notes.txt");
    EXPECT_EQ(WithDefaultExtension("/tmp/notes.md", "txt"), "/tmp/notes.md");
    EXPECT_EQ(WithDefaultExtension("/tmp/a.dir/notes", "txt"), "/tmp/a.dir/notes.txt");
    EXPECT_EQ(WithDefaultExtension("/tmp/notes", ""), "/tmp/notes");
    EXPECT_EQ(WithDefaultExtension("/tmp/notes", ".txt"), "/tmp/notes.txt");
}

}  // namespace
