// The help book that ships with the program, and how an index is read.
#include "HelpBookFixture.h"

#include "framework/HelpBook.h"
#include "framework/Menu.h"
#include "resources/MainMenu.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

void CollectCommands(const std::vector<TMenuItem>& items, std::vector<unsigned>& ids)
{
    for (const TMenuItem& item : items) {
        if (item.Kind == TMenuItem::TKind::Command)
            ids.push_back(item.Id);
        CollectCommands(item.Items, ids);
    }
}

// Every menu command, and the tool bar's DOS Text, has a topic of its own
// that a reader can find from the contents.
TEST(HelpBook, EveryCommandHasATopicReachableFromTheContents)
{
    THelpBookFixture fixture;
    const auto book = THelpBook::Find("torvel.hlp");
    ASSERT_TRUE(book);
    std::vector<unsigned> ids{CM_DOSTEXT};
    CollectCommands(MainMenu().Items, ids);
    const std::string contents = HelpPageText(book->ContentsPage());
    std::ifstream in(book->ContentsPage());
    const std::string contentsHtml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const unsigned id : ids) {
        const std::string page = book->TopicPage(id);
        ASSERT_FALSE(page.empty()) << "no topic for command " << id;
        EXPECT_GT(HelpPageText(page).size(), 40u) << page;
        EXPECT_NE(contentsHtml.find("href=\"" + std::filesystem::path(page).filename().string() + "\""), std::string::npos) << page;
    }
    EXPECT_EQ(book->Topics().size(), ids.size()) << "a topic for something that is no command";
    for (const char* subject : {"keys.html", "word-wrap.html", "settings.html", "command-line.html", "large-files.html", "context-menu.html"})
        EXPECT_NE(contentsHtml.find(subject), std::string::npos) << subject;
    EXPECT_NE(HelpPageText(book->HelpOnHelpPage()).find("Shift+F1"), std::string::npos);
}

TEST(HelpBook, AnIndexNamesItsPagesAndNumbersBesideItsOwnFolder)
{
    TScratchDir dir;
    const std::string index = dir.Write("book.hlp", "# comment\n\ncontents  start.html\nhelponhelp help.html\n7 seven.html\n"
                                                    "4294967296 too-big.html\n-1 negative.html\n12x bad.html\nlonely\n");
    const auto book = THelpBook::Load(index);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->ContentsPage(), dir.PathOf("start.html"));
    EXPECT_EQ(book->HelpOnHelpPage(), dir.PathOf("help.html"));
    EXPECT_EQ(book->TopicPage(7), dir.PathOf("seven.html"));
    EXPECT_EQ(book->Topics().size(), 1u);
    EXPECT_FALSE(THelpBook::Load(dir.Write("empty.hlp", "7 seven.html\n"))) << "a book needs a contents page";
    EXPECT_FALSE(THelpBook::Load(dir.PathOf("missing.hlp")));
}

TEST(HelpBook, PageTextDropsTheHeadAndTheMarkUp)
{
    TScratchDir dir;
    const std::string page = dir.Write("p.html", "<html><head><title>T</title></head>\n<body><h1>Save</h1>\n<p>A &amp; B &lt;c&gt;\n  d</p></body></html>");
    EXPECT_EQ(HelpPageText(page), "Save A & B <c> d");
}

}  // namespace
