#include "core/Row.h"
#include "core/DisplayColumn.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace std::string_literals;

// Text that views can point into; it outlives every row of a test.
struct RowTest : ::testing::Test {
    std::string Block = "hello world\nsecond line\n";
    TRow View(size_t pos, size_t n) { return TRow::ViewOf(Block.data() + pos, n); }
};

TEST_F(RowTest, CopiesAreIndependentAndOwned)
{
    TRow a("abc");
    TRow b = a;
    b.Append("d");
    EXPECT_EQ(a.View(), "abc");
    EXPECT_EQ(b.View(), "abcd");

    TRow view = View(0, 5);
    TRow copy = view;
    EXPECT_TRUE(view.IsView());
    EXPECT_FALSE(copy.IsView());
    EXPECT_EQ(copy.View(), "hello");
    EXPECT_NE(copy.data(), view.data());

    TRow assigned;
    assigned = view;
    EXPECT_FALSE(assigned.IsView());
    assigned = assigned;  // self-assignment keeps the text
    EXPECT_EQ(assigned.View(), "hello");
}

TEST_F(RowTest, EditingAViewCopiesItOutAndLeavesTheBlockAlone)
{
    const std::string before = Block;
    struct Case {
        const char* name;
        void (*edit)(TRow&);
        const char* expected;
    };
    const Case cases[] = {
        {"append", [](TRow& r) { r.Append("!"); }, "hello!"},
        {"insert", [](TRow& r) { r.Insert(1, "XY"); }, "hXYello"},
        {"replace", [](TRow& r) { r.Replace(1, 3, "i"); }, "hio"},
        {"erase middle", [](TRow& r) { r.Erase(1, 2); }, "hlo"},
        {"assign", [](TRow& r) { r.Assign("new"); }, "new"},
    };
    for (const Case& c : cases) {
        TRow row = View(0, 5);
        c.edit(row);
        EXPECT_FALSE(row.IsView()) << c.name;
        EXPECT_EQ(row.View(), c.expected) << c.name;
    }
    EXPECT_EQ(Block, before);
}

TEST_F(RowTest, CuttingAViewAtEitherEndKeepsItAView)
{
    struct Case {
        const char* name;
        void (*edit)(TRow&);
        const char* expected;
        size_t offset;  // where the result starts in the block
    };
    const Case cases[] = {
        {"truncate", [](TRow& r) { r.Truncate(3); }, "hel", 0},
        {"erase front", [](TRow& r) { r.EraseFront(2); }, "llo", 2},
        {"erase to end", [](TRow& r) { r.Erase(4); }, "hell", 0},
        {"erase from start", [](TRow& r) { r.Erase(0, 1); }, "ello", 1},
    };
    for (const Case& c : cases) {
        TRow row = View(0, 5);
        c.edit(row);
        EXPECT_TRUE(row.IsView()) << c.name;
        EXPECT_EQ(row.View(), c.expected) << c.name;
        EXPECT_EQ(row.data(), Block.data() + c.offset) << c.name;
    }
    TRow row = View(0, 5);
    row.Truncate(0);
    EXPECT_TRUE(row.empty());
    row = View(0, 5);
    row.EraseFront(99);
    EXPECT_TRUE(row.empty());
}

TEST_F(RowTest, OutOfRangeEditsAreClamped)
{
    TRow row("abc");
    row.Insert(99, "d");
    row.Erase(99, 1);
    row.Replace(2, 99, "Z");
    EXPECT_EQ(row.View(), "abZ");
    row.Truncate(99);
    EXPECT_EQ(row.View(), "abZ");
}

TEST_F(RowTest, AdjacentNeedsTwoViewsInOrderWithoutGap)
{
    EXPECT_TRUE(TRow::Adjacent(View(0, 6), View(6, 6)));
    EXPECT_FALSE(TRow::Adjacent(View(6, 6), View(0, 6)));
    EXPECT_FALSE(TRow::Adjacent(View(0, 5), View(6, 6)));
    EXPECT_FALSE(TRow::Adjacent(TRow("hello "), View(6, 6)));
    EXPECT_FALSE(TRow::Adjacent(View(0, 6), TRow()));
}

TEST_F(RowTest, LongTextIsNeverAView)
{
    std::string big(TRow::MaxViewLength + 1, 'x');
    TRow row = TRow::ViewOf(big.data(), big.size());
    EXPECT_FALSE(row.IsView());
    EXPECT_EQ(row.View(), big);
    TRow longest = TRow::ViewOf(big.data(), TRow::MaxViewLength);
    EXPECT_TRUE(longest.IsView());
    EXPECT_EQ(longest.size(), TRow::MaxViewLength);
}

TEST_F(RowTest, NulCharactersAreOrdinaryCharacters)
{
    TRow row("a\0b"s);
    EXPECT_EQ(row.size(), 3u);
    row.Append("\0\n"s);
    row.Insert(0, "\0"s);
    EXPECT_EQ(row.View(), "\0a\0b\0\n"s);
    TRow copy = row;
    EXPECT_EQ(copy, row);
    EXPECT_TRUE(copy.EndsWithLineEnd());
}

TEST_F(RowTest, LongRowsGrowAndShrinkCorrectly)
{
    TRow row;
    std::string model;
    for (int i = 0; i < 20000; ++i) {
        std::string piece = std::to_string(i) + ",";
        row.Append(piece);
        model += piece;
    }
    EXPECT_EQ(row.View(), model);
    row.EraseFront(1000);
    model.erase(0, 1000);
    row.Insert(0, "head:");  // uses the room left in front
    model.insert(0, "head:");
    row.Insert(row.size() / 2, "mid");
    model.insert(model.size() / 2, "mid");
    EXPECT_EQ(row.View(), model);
    row.Append(row.View());  // text from the row itself
    model += model;
    EXPECT_EQ(row.View(), model);
    row.Replace(0, 10, row.View().substr(20, 5));
    model.replace(0, 10, model.substr(20, 5));
    EXPECT_EQ(row.View(), model);
}

TEST_F(RowTest, CutTailKeepsViewsAndCopiesOnlyTheShorterPart)
{
    TRow view = View(0, 12);
    TRow tail = TRow::CutTail(view, 6);
    EXPECT_EQ(view.View(), "hello ");
    EXPECT_EQ(tail.View(), "world\n");
    EXPECT_TRUE(view.IsView() && tail.IsView());
    EXPECT_TRUE(TRow::Adjacent(view, tail));

    std::string text(100000, 'a');
    text[3] = 'B';
    for (size_t at : {size_t(4), size_t(50000), size_t(99990)}) {
        TRow owned(text);
        TRow rest = TRow::CutTail(owned, at);
        EXPECT_EQ(owned.View(), std::string_view(text).substr(0, at)) << at;
        EXPECT_EQ(rest.View(), std::string_view(text).substr(at)) << at;
    }
    TRow whole("abc");
    EXPECT_TRUE(TRow::CutTail(whole, 3).empty());
    EXPECT_EQ(whole.View(), "abc");
}

TEST_F(RowTest, JoinMakesOneViewOnlyFromAdjacentViews)
{
    TRow a = View(0, 6), b = View(6, 6);
    TRow::Join(a, b);
    EXPECT_TRUE(a.IsView());
    EXPECT_EQ(a.View(), "hello world\n");
    EXPECT_TRUE(b.empty());

    TRow c = View(6, 6), d = View(0, 6);
    TRow::Join(c, d);
    EXPECT_FALSE(c.IsView());
    EXPECT_EQ(c.View(), "world\nhello ");

    TRow empty, e = View(0, 5);
    TRow::Join(empty, e);
    EXPECT_TRUE(empty.IsView());
    EXPECT_EQ(empty.View(), "hello");

    std::string big(TRow::MaxViewLength, 'x');
    TRow f = TRow::ViewOf(big.data(), big.size() - 1), g = TRow::ViewOf(big.data() + big.size() - 1, 1);
    TRow::Join(f, g);
    EXPECT_TRUE(f.IsView());  // exactly the longest view
    std::string k(TRow::MaxViewLength + 1, 'x');
    TRow m = TRow::ViewOf(k.data(), TRow::MaxViewLength), n = TRow::ViewOf(k.data() + TRow::MaxViewLength, 1);
    TRow::Join(m, n);
    EXPECT_FALSE(m.IsView());
    EXPECT_EQ(m.View(), k);
}

TEST_F(RowTest, MovingCharactersBetweenRowsKeepsContiguousViews)
{
    TRow a = View(0, 6), b = View(6, 6);
    TRow::MoveFront(a, b, 3);
    EXPECT_EQ(a.View(), "hello wor");
    EXPECT_EQ(b.View(), "ld\n");
    EXPECT_TRUE(a.IsView() && b.IsView());

    TRow::MoveTail(a, 2, b);
    EXPECT_EQ(a.View(), "he");
    EXPECT_EQ(b.View(), "llo world\n");
    EXPECT_TRUE(a.IsView() && b.IsView());

    TRow owned("xy"), view = View(12, 6);
    TRow::MoveFront(owned, view, 2);
    EXPECT_EQ(owned.View(), "xyse");
    EXPECT_EQ(view.View(), "cond");
    TRow::MoveTail(owned, 1, view);
    EXPECT_EQ(owned.View(), "x");
    EXPECT_EQ(view.View(), "ysecond");

    TRow empty, source = View(0, 5);
    TRow::MoveFront(empty, source, 2);
    EXPECT_TRUE(empty.IsView());
    EXPECT_EQ(empty.View(), "he");
}

// Whatever is done to rows, a row that knows it holds no tab holds none,
// and the columns counted without a look at it are the columns of its text.
TEST_F(RowTest, ARowKnownToHoldNoTabHoldsNone)
{
    std::mt19937 random(9);
    auto text = [&] {
        std::string t(random() % 40, 'a');
        if (random() % 4 == 0 && !t.empty())
            t[random() % t.size()] = '\t';
        return t;
    };
    for (int round = 0; round < 300; ++round) {
        TRow a(text() + "a"), b(text() + "b");
        for (int step = 0; step < 20; ++step) {
            const size_t at = random() % (a.size() + 1);
            switch (random() % 8) {
            case 0: a.Insert(at, text()); break;
            case 1: a.Erase(at, random() % 5); break;
            case 2: a.Truncate(at); break;
            case 3: a.EraseFront(random() % 4); break;
            case 4: TRow::MoveTail(a, at, b); break;
            case 5: TRow::MoveFront(a, b, random() % 6); break;
            case 6: TRow::Join(a, b); break;
            default: a.Assign(text()); break;
            }
            for (const TRow* row : {&a, &b}) {
                const bool tabs = row->View().find('\t') != std::string_view::npos;
                ASSERT_FALSE(row->KnownTabFree() && tabs) << "round " << round << " step " << step;
                for (int tabSize : {1, 4}) {
                    const size_t count = random() % (row->size() + 2);
                    int64_t start = 0, viewStart = 0;
                    const int64_t column = int64_t(random() % (row->size() + 3));
                    ASSERT_EQ(DisplayColumn(*row, count, tabSize), DisplayColumn(row->View(), count, tabSize));
                    ASSERT_EQ(CharAtColumn(*row, column, tabSize, start),
                              CharAtColumn(row->View(), column, tabSize, viewStart));
                    ASSERT_EQ(start, viewStart);
                }
                ASSERT_EQ(row->HasTabs(), tabs);
            }
        }
    }
}

}  // namespace
