#include "app/DocCaption.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TCaptionCase {
    std::string DocName;
    std::string Expected;
};

class DocCaptionRule : public testing::TestWithParam<TCaptionCase> {};

TEST_P(DocCaptionRule, ShowsTheBaseNameAndTheApplication)
{
    EXPECT_EQ(DocCaption(GetParam().DocName, "Vantor"), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Names, DocCaptionRule, testing::Values(
    TCaptionCase{"/home/u/docs/a.txt", "a.txt - Vantor"},
    TCaptionCase{"a.txt", "a.txt - Vantor"},
    TCaptionCase{"", " - Vantor"},
    TCaptionCase{"/home/u/docs/", " - Vantor"},
    // Only "/" separates: a backslash is part of a Linux file name.
    TCaptionCase{"C:\\docs\\a.txt", "C:\\docs\\a.txt - Vantor"},
    TCaptionCase{"/home/u/my file - copy.txt", "my file - copy.txt - Vantor"}));

TEST(DocCaption, ALongBaseNameIsCutSoTheCaptionKeepsTheApplication)
{
    const std::string longName(300, 'x');
    const std::string caption = DocCaption("/tmp/" + longName, "Vantor");
    EXPECT_EQ(caption.size(), MaxCaptionLength);
    EXPECT_EQ(caption, std::string(MaxCaptionLength - 9, 'x') + " - Vantor");
}

TEST(DocCaption, ABaseNameThatJustFitsIsKeptWhole)
{
    const std::string name(MaxCaptionLength - 9, 'y');
    EXPECT_EQ(DocCaption(name, "Vantor"), name + " - Vantor");
}

}  // namespace
