#include "core/Reflow.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace texttest;

constexpr TRowIndex AnyRow = -99;

struct ReflowCase {
    const char* name;
    std::vector<std::string> before;  // in the notation of the examples
    TRowIndex row;
    TRowIndex col;
    bool toEnd;
    int windowCols;
    std::vector<std::string> after;
    TRowIndex firstChanged = AnyRow;
    int tabSize = 3;
};

void RunCase(const ReflowCase& c, bool wordWrap)
{
    THELineArray lines;
    SetRows(lines, Plain(c.before));
    TReflowParams params{wordWrap, c.windowCols, c.tabSize};
    TRowIndex changed = ReflowRows(lines, c.row, c.col, c.toEnd, params).FirstChanged;
    EXPECT_EQ(RowsOf(lines), Plain(c.after)) << c.name;
    if (c.firstChanged != AnyRow) {
        EXPECT_EQ(changed, c.firstChanged) << c.name;
    }
}

TEST(ReflowWrappedTest, WorkedExamplesAndEdgeCases)
{
    const ReflowCase cases[] = {
        {"split after the second space", {"aaa·bbb·ccc·ddd¶"}, 0, 0, true, 10, {"aaa·bbb·", "ccc·ddd¶"}, 0},
        {"same split after typing at the end", {"aaa·bbb·ccc·ddd¶"}, 0, 15, false, 10, {"aaa·bbb·", "ccc·ddd¶"}, 0},
        {"a hyphen stays on the upper row", {"well-known·words¶"}, 0, 0, true, 10, {"well-", "known·", "words¶"}},
        {"a long word is not broken", {"abcdefghijklmno¶"}, 0, 0, true, 10, {"abcdefghijklmno¶"}, -1},
        {"a long word breaks after it", {"abcdefghijklmno·xyz¶"}, 0, 0, true, 10, {"abcdefghijklmno·", "xyz¶"}},
        {"room left takes words up", {"aaa··", "ccc·ddd¶"}, 0, 4, false, 10, {"aaa··ccc·", "ddd¶"}, 0},
        {"typing at the end moves the last word down", {"aaa·bbb·", "ccc·ddddxy¶"}, 1, 9, false, 10,
         {"aaa·bbb·", "ccc·", "ddddxy¶"}, 1},
        {"deleting takes the word back up", {"aaa·bbb·", "ccc·", "ddddx¶"}, 2, 5, false, 10,
         {"aaa·bbb·", "ccc·ddddx¶"}, 1},
        {"a paragraph end of width W is not split", {"abcdefghi¶"}, 0, 0, true, 10, {"abcdefghi¶"}, -1},
        {"a joined row is wrapped again", {"aaa·bbb", "ccc·ddd¶"}, 0, 7, false, 10, {"aaa·", "bbbccc·", "ddd¶"}, 0},
        {"a sole empty row stays", {""}, 0, 0, true, 10, {""}, -1},
        {"typing into a sole empty row", {"a"}, 0, 0, false, 10, {"a"}, -1},
        {"a tab reaches the next stop", {"abc→de·fg¶"}, 0, 0, true, 10, {"abc→", "de·fg¶"}, 0, 8},
        {"width 0 puts one word on each row", {"ab·cd·ef¶"}, 0, 0, true, 0, {"ab·", "cd·", "ef¶"}},
        {"negative width counts as 1", {"ab·cd·ef¶"}, 0, 0, true, -3, {"ab·", "cd·", "ef¶"}},
        {"width 1", {"ab·cd·ef¶"}, 0, 0, true, 1, {"ab·", "cd·", "ef¶"}},
        {"an edited first word may fit the row above", {"aaa·", "bbbb·cc¶"}, 1, 1, false, 10,
         {"aaa·bbbb·", "cc¶"}, 0},
        {"a paragraph end pushed down still stops the pass", {"aaa·bbb·", "ccc·ddddxy¶", "abcdefghijklm·x¶"}, 1, 9,
         false, 10, {"aaa·bbb·", "ccc·", "ddddxy¶", "abcdefghijklm·x¶"}, 1},
        {"beginning a row earlier still stops at the paragraph end", {"aaa·", "bbbb·cc¶", "abcdefghijklm·x¶"}, 1, 1,
         false, 10, {"aaa·bbbb·", "cc¶", "abcdefghijklm·x¶"}},
        {"a row after a line end does not begin earlier", {"aa¶", "b·cc¶"}, 1, 0, false, 10, {"aa¶", "b·cc¶"}, -1},
        {"the pass stops at the paragraph end", {"aaa·bXbb·", "ccc¶", "abcdefghijklm·x¶"}, 0, 5, false, 10,
         {"aaa·bXbb·", "ccc¶", "abcdefghijklm·x¶"}, -1},
        {"to the end every paragraph is wrapped", {"aaa·bXbb·", "ccc¶", "abcdefghijklm·x¶"}, 0, 5, true, 10,
         {"aaa·bXbb·", "ccc¶", "abcdefghijklm·", "x¶"}, 2},
        {"the last row without line end", {"aaa·bbb·ccc"}, 0, 0, true, 10, {"aaa·bbb·", "ccc"}},
        {"empty rows are erased", {"a¶", "", "b¶"}, 0, 0, true, 10, {"a¶", "b¶"}, 1},
        {"take up reaches a line end", {"aaa·", "bb¶"}, 0, 4, false, 10, {"aaa·bb¶"}, 0},
        {"a line end inside a row is split off", {"ab¶cd¶"}, 0, 0, false, 10, {"ab¶", "cd¶"}, 0},
        {"a paragraph end of exactly the width stops the pass", {"aaa·bbb·", "ccc·ddddd¶", "abcdefghijklm·x¶"}, 1,
         2, false, 10, {"aaa·bbb·", "ccc·ddddd¶", "abcdefghijklm·x¶"}, -1},
        {"a paragraph end too long to split stops the pass", {"aaa·", "bcdefghijklmno¶", "abcdefghijklm·x¶"}, 1, 14,
         false, 10, {"aaa·", "bcdefghijklmno¶", "abcdefghijklm·x¶"}, -1},
        {"a line end typed inside a paragraph: both halves are wrapped, then the pass stops",
         {"aaa·bbb¶ccc·", "dd·eee¶", "abcdefghijklm·x¶"}, 0, 7, false, 10,
         {"aaa·bbb¶", "ccc·dd·", "eee¶", "abcdefghijklm·x¶"}, 0},
        {"a deleted row lets the row above take up", {"aaa·", "", "bb·cc¶"}, 1, 0, false, 10, {"aaa·bb·cc¶"}, 0},
        {"the tail of a soft row goes to the next row", {"aaa·bbb·ccc·", "dd¶"}, 0, 9, false, 10,
         {"aaa·bbb·", "ccc·dd¶"}, 0},
    };
    for (const ReflowCase& c : cases)
        RunCase(c, true);
}

TEST(ReflowUnwrappedTest, SplitsAtLineEndsAndJoinsSoftRows)
{
    const ReflowCase cases[] = {
        {"line ends inside a row", {"ab¶cd¶ef¶"}, 0, 0, false, 10, {"ab¶", "cd¶", "ef¶"}, 1},
        {"a row without line end is joined", {"ab", "cd¶", "ef"}, 0, 1, false, 10, {"abcd¶", "ef"}, 1},
        {"to the end", {"a¶", "b", "c¶", "d"}, 0, 0, true, 10, {"a¶", "bc¶", "d"}, 2},
        {"stops at the first row ending with its line end", {"ab¶", "c", "d¶"}, 0, 0, false, 10,
         {"ab¶", "c", "d¶"}, -1},
        {"an empty row takes the next one", {"", "ab¶"}, 0, 0, false, 10, {"ab¶"}, 1},
        {"a sole empty row stays", {""}, 0, 0, true, 10, {""}, -1},
        {"only line ends from col on are looked at", {"a¶b¶"}, 0, 2, false, 10, {"a¶b¶"}, -1},
        {"wrapped rows are joined back", {"aaa·bbb·", "ccc·", "ddd¶", "e"}, 0, 0, true, 10,
         {"aaa·bbb·ccc·ddd¶", "e"}, 1},
    };
    for (const ReflowCase& c : cases)
        RunCase(c, false);
}

TEST(ReflowTest, RowsOutOfRangeAreClamped)
{
    THELineArray lines;
    SetRows(lines, {"ab\ncd\n"});
    ReflowRows(lines, 7, -4, false, TReflowParams{false, 10, 3});
    EXPECT_EQ(RowsOf(lines), (std::vector<std::string>{"ab\n", "cd\n"}));
    THELineArray none;
    EXPECT_EQ(ReflowRows(none, 0, 0, true, TReflowParams{true, 10, 3}).FirstChanged, -1);
}

// A document of many wrapped paragraphs and one edit in the middle one: the
// pass goes over that paragraph (and the one it was joined to) only, and
// leaves the rows as a pass run on to the end would.
TEST(ReflowTest, AnEditInsideAParagraphReflowsThatParagraphOnly)
{
    const TReflowParams params{true, 30, 4};
    std::vector<std::string> paragraphs;
    for (int i = 0; i < 300; ++i) {
        std::string text;
        for (int w = 0; text.size() < 400; ++w)
            text += std::string(size_t(1 + (i * 7 + w * 3) % 9), char('a' + w % 26)) + (w % 11 == 5 ? "-" : " ");
        paragraphs.push_back(text + "\n");
    }
    THELineArray wrapped;
    SetViewRows(wrapped, paragraphs);
    ReflowRows(wrapped, 0, 0, true, params);
    const std::vector<std::string> rows = RowsOf(wrapped);
    // The middle paragraph's rows.
    TRowIndex first = 0, ends = 0;
    while (ends < 150)
        ends += rows[size_t(first++)].back() == '\n';
    TRowIndex last = first;
    while (rows[size_t(last)].back() != '\n')
        ++last;
    const TRowIndex middle = (first + last) / 2, paragraphRows = last - first + 1;
    ASSERT_GT(paragraphRows, 10);

    struct TEditCase {
        const char* name;
        TRowIndex row;
        size_t col;
        size_t erase;
        std::string insert;
        TRowIndex maxRows;  // rows the pass may go over
    };
    const size_t mid = rows[size_t(middle)].size() / 2;
    const TEditCase cases[] = {
        {"a letter", middle, mid, 0, "x", paragraphRows},
        {"a space", middle, mid, 0, " ", paragraphRows},
        {"a hyphen", middle, mid, 0, "-", paragraphRows},
        {"a long word", middle, mid, 0, std::string(45, 'L'), paragraphRows + 2},
        {"a deleted letter", middle, mid, 1, "", paragraphRows},
        {"a deleted break at a soft row's end", middle, rows[size_t(middle)].size() - 1, 1, "", paragraphRows},
        {"a letter at a row's start", middle, 0, 0, "x", paragraphRows},
        {"a line end", middle, mid, 0, "\n", paragraphRows + 2},
        {"a letter in the last row", last, 1, 0, "x", 2},
        {"the paragraph end deleted", last, rows[size_t(last)].size() - 1, 1, "", 2 * paragraphRows + 2},
    };
    for (const TEditCase& c : cases) {
        std::vector<std::string> edited = rows;
        edited[size_t(c.row)].erase(c.col, c.erase);
        edited[size_t(c.row)].insert(c.col, c.insert);
        THELineArray local, toEnd;
        SetRows(local, edited);
        SetRows(toEnd, edited);
        const TReflowResult result = ReflowRows(local, c.row, TRowIndex(c.col), false, params);
        ReflowRows(toEnd, c.row, TRowIndex(c.col), true, params);
        EXPECT_LE(result.RowsExamined, c.maxRows) << c.name;
        EXPECT_EQ(RowsOf(local), RowsOf(toEnd)) << c.name;
    }
}

TEST(ReflowTest, RewrappingLoadedTextKeepsRowsAsViews)
{
    std::vector<std::string> original;
    for (int i = 0; i < 3000; ++i)
        original.push_back(std::string(size_t(i % 23), 'w') + " word-" + std::to_string(i) + " and more words\n");
    THELineArray lines;
    SetViewRows(lines, original);
    ReflowRows(lines, 0, 0, true, TReflowParams{true, 12, 4});
    EXPECT_GT(lines.Size(), 3000);
    for (TRowIndex i = 0; i < lines.Size(); ++i)
        ASSERT_TRUE(lines[i].IsView()) << i;
    ReflowRows(lines, 0, 0, true, TReflowParams{false, 12, 4});
    EXPECT_EQ(RowsOf(lines), original);
    for (TRowIndex i = 0; i < lines.Size(); ++i)
        ASSERT_TRUE(lines[i].IsView()) << i;
}

TEST(ReflowTest, AVeryLongLineIsWrappedIntoManyRows)
{
    // One line of a million characters: wrapping it must neither lose text
    // nor leave a row wider than the window.
    std::string line;
    for (int i = 0; line.size() < 1000000; ++i)
        line += "word" + std::to_string(i % 100) + ' ';
    line += '\n';
    THELineArray lines;
    SetRows(lines, {line});
    ReflowRows(lines, 0, 0, true, TReflowParams{true, 40, 4});
    EXPECT_EQ(TextOf(lines), line);
    EXPECT_GT(lines.Size(), 1000000 / 40);
    for (TRowIndex i = 0; i < lines.Size(); ++i)
        ASSERT_LE(lines[i].size(), 40u) << i;
    ReflowRows(lines, 0, 0, true, TReflowParams{false, 40, 4});
    ASSERT_EQ(lines.Size(), 1);
    EXPECT_EQ(lines[0].View(), line);
}

}  // namespace
