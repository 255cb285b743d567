// FindText: where the search starts, how candidates are compared, what the
// whole-word rule accepts, and what is selected.
#include "SearchFixture.h"

namespace {

constexpr TOffset NoAnchor = -1;

struct TFindCase {
    const char* Name;
    std::string Document;  // loaded as it stands (no line end is added)
    TOffset Caret;
    TOffset Anchor;  // NoAnchor: no selection
    TOffset Start;   // FindText's startOffset
    std::string Find;
    bool MatchCase;
    bool WholeWord;
    bool Backward;
    TOffset Expected;
};

void PrintTo(const TFindCase& c, std::ostream* os) { *os << c.Name; }

const TFindCase FindCases[] = {
    {"the selected match is skipped down", "foo foo foo\n", 0, 3, -1, "foo", false, false, false, 4},
    {"the selected match is skipped up", "foo foo foo\n", 8, 11, -1, "foo", false, false, true, 4},
    {"up from a match at a row's start", "foo\nfoo\n", 4, 7, -1, "foo", false, false, true, 0},
    {"the caret's own position is a candidate", "xfoo\n", 1, NoAnchor, -1, "foo", false, false, false, 1},
    {"a start offset replaces the caret", "foo foo\n", 0, NoAnchor, 1, "foo", false, false, false, 4},
    {"whole word between blanks", "xfoo foo y\n", 0, NoAnchor, -1, "foo", false, true, false, 5},
    {"whole word just before a line end", "xfoo foo\nbar\n", 0, NoAnchor, -1, "foo", false, true, false, 5},
    {"no whole word after a letter", "xfoo\n", 0, NoAnchor, -1, "foo", false, true, false, -1},
    {"no whole word before a letter", "foox\n", 0, NoAnchor, -1, "foo", false, true, false, -1},
    {"a digit after a word still bounds it", "foo1\n", 0, NoAnchor, -1, "foo", false, true, false, 0},
    {"underscores and high bytes are no letters", "_foo\xe9\n", 0, NoAnchor, -1, "foo", false, true, false, 1},
    {"a match at the very end of the last row", "ab foo", 0, NoAnchor, -1, "foo", false, false, false, 3},
    {"up from the end of a last row without line end", "ab foo", 6, NoAnchor, -1, "foo", false, false, true, 3},
    {"no match across a line end", "ab\ncd\n", 0, NoAnchor, -1, "b\nc", false, false, false, -1},
    {"a text ending with a line feed matches a line end", "ab\ncd\n", 0, NoAnchor, -1, "b\n", false, false, false, 1},
    {"case ignored for A-Z", "xFoO\n", 0, NoAnchor, -1, "fOo", false, false, false, 1},
    {"case kept with match case", "xFOO foo\n", 0, NoAnchor, -1, "foo", true, false, false, 5},
    {"only A-Z fold", "\xc9t\xe9\n", 0, NoAnchor, -1, "\xe9T\xe9", false, false, false, -1},
    {"nothing before the caret going down", "foo bar\n", 4, NoAnchor, -1, "foo", false, false, false, -1},
};

class FindText : public TSearchFixture, public testing::WithParamInterface<TFindCase> {};

TEST_P(FindText, FindsAndSelectsTheMatch)
{
    const TFindCase& c = GetParam();
    LoadExact(c.Document);
    Select(c.Caret, c.Anchor);
    const TOffset found = Search().FindText(c.Start, c.Find, c.MatchCase, c.WholeWord, c.Backward);
    EXPECT_EQ(found, c.Expected);
    if (found >= 0) {
        EXPECT_EQ(Selected(), Text().substr(size_t(found), c.Find.size()));
        EXPECT_EQ(CaretOffset(), found) << "the caret stands at the match's start";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FindText, testing::ValuesIn(FindCases), [](const auto& info) {
    std::string name = info.param.Name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

class FindTextSelection : public TSearchFixture {};

TEST_F(FindTextSelection, NotFoundLeavesTheSelectionCollapsed)
{
    Load("foo bar\n");
    Select(0, 3);
    EXPECT_EQ(Search().FindText(-1, "zzz", false, false, false), -1);
    EXPECT_FALSE(Edit->HasSelection);
    EXPECT_EQ(CaretOffset(), 3);
}

// A match that fills a wrapped row to its end is selected whole, so that a
// Replace takes all of it.
TEST_F(FindTextSelection, AMatchEndingAtAWrappedRowsEndIsSelectedWhole)
{
    SizeInCells(10, 10);
    Edit->SetWordWrap(true);
    Load("aaaa bbbb cccc dddd\n");
    ASSERT_EQ(Rows().front(), "aaaa bbbb ");
    EXPECT_EQ(Search().FindText(0, "bbbb ", false, false, false), 5);
    EXPECT_EQ(Selected(), "bbbb ");
    Edit->InsertText("x");
    EXPECT_EQ(Text(), "aaaa xcccc dddd\n");
}

}  // namespace
