// The caret moves, with and without Shift, through the key table.
#include "tests/support/EditorFixture.h"

namespace {

class Navigation : public TEditorFixture {
protected:
    void From(TPos p) { Edit->SetCaret(p.Row, p.Col); }
};

struct TMoveCase {
    const char* name;
    std::string text;
    TEditorFixture::TPos from;
    unsigned key;
    unsigned modifiers;
    TEditorFixture::TPos to;
};

constexpr unsigned Ctrl = THeadlessDesktop::ModCtrl;

TEST_F(Navigation, KeyTable)
{
    const std::string doc = "one two\n\tx\n\nlast word";
    const TMoveCase cases[] = {
        {"left within a row", doc, {0, 3}, VK_LEFT, 0, {0, 2}},
        {"left at column 0 goes to the previous row's end", doc, {1, 0}, VK_LEFT, 0, {0, 7}},
        {"left at the start stays", doc, {0, 0}, VK_LEFT, 0, {0, 0}},
        {"right within a row", doc, {0, 3}, VK_RIGHT, 0, {0, 4}},
        {"right onto the line end", doc, {0, 6}, VK_RIGHT, 0, {0, 7}},
        {"right from the line end goes to the next row", doc, {0, 7}, VK_RIGHT, 0, {1, 0}},
        {"right on the last row stops after its last character", doc, {3, 8}, VK_RIGHT, 0, {3, 9}},
        {"up keeps the character index", doc, {1, 1}, VK_UP, 0, {0, 1}},
        {"down to a shorter row stops at its line end", doc, {0, 6}, VK_DOWN, 0, {1, 2}},
        {"down into an empty line", doc, {1, 2}, VK_DOWN, 0, {2, 0}},
        {"up on row 0 stays", doc, {0, 4}, VK_UP, 0, {0, 4}},
        {"down on the last row stays", doc, {3, 2}, VK_DOWN, 0, {3, 2}},
        {"end", doc, {0, 1}, VK_END, 0, {0, 7}},
        {"end of the last row without a line end", doc, {3, 1}, VK_END, 0, {3, 9}},
        {"home", doc, {1, 2}, VK_HOME, 0, {1, 0}},
        {"ctrl+end", doc, {0, 0}, VK_END, Ctrl, {3, 9}},
        {"ctrl+home", doc, {3, 4}, VK_HOME, Ctrl, {0, 0}},
        {"ctrl+page down", doc, {0, 0}, VK_NEXT, Ctrl, {3, 9}},
        {"ctrl+page up", doc, {3, 4}, VK_PRIOR, Ctrl, {0, 0}},
        {"ctrl+right to the next word", doc, {0, 0}, VK_RIGHT, Ctrl, {0, 4}},
        {"ctrl+right across a line end and a tab", doc, {0, 4}, VK_RIGHT, Ctrl, {1, 1}},
        {"ctrl+right passes empty lines", doc, {1, 1}, VK_RIGHT, Ctrl, {3, 0}},
        {"ctrl+right on the last word stops at the end", doc, {3, 5}, VK_RIGHT, Ctrl, {3, 8}},
        {"ctrl+left to the word start", doc, {0, 6}, VK_LEFT, Ctrl, {0, 4}},
        {"ctrl+left over the gap", doc, {0, 4}, VK_LEFT, Ctrl, {0, 0}},
        {"ctrl+left across rows", doc, {3, 0}, VK_LEFT, Ctrl, {1, 1}},
        {"ctrl+left at the start", doc, {0, 0}, VK_LEFT, Ctrl, {0, 0}},
        {"ctrl+down to the next line", doc, {0, 3}, VK_DOWN, Ctrl, {1, 0}},
        {"ctrl+down from the last line goes to the end", doc, {3, 2}, VK_DOWN, Ctrl, {3, 9}},
        {"ctrl+up inside the first line", doc, {0, 3}, VK_UP, Ctrl, {0, 0}},
        {"ctrl+up at a line start goes to the previous line", doc, {1, 0}, VK_UP, Ctrl, {0, 0}},
        {"word characters are letters and digits only", "a_b \xe9\xe9 c9\n", {0, 0}, VK_RIGHT, Ctrl, {0, 2}},
    };
    for (const TMoveCase& c : cases) {
        LoadExact(c.text);
        From(c.from);
        Key(c.key, c.modifiers);
        EXPECT_EQ(Caret(), c.to) << c.name;
        EXPECT_FALSE(Edit->HasSelection) << c.name;
    }
}

TEST_F(Navigation, PrevAndNextLineFollowHardLinesThroughSoftRows)
{
    SizeInCells(10, 10);
    Load("aaaa bbbb cccc dddd\nnext\n");
    Edit->SetWordWrap(true);
    ASSERT_EQ(Rows(), (std::vector<std::string>{"aaaa bbbb ", "cccc dddd\n", "next\n"}));
    From({1, 2});
    Key(VK_UP, Ctrl);
    EXPECT_EQ(Caret(), (TPos{0, 0}));
    From({0, 3});
    Key(VK_DOWN, Ctrl);
    EXPECT_EQ(Caret(), (TPos{2, 0}));
}

TEST_F(Navigation, ShiftExtendsAndAPlainMoveCollapses)
{
    Load("abcdef\nghij\n");
    From({0, 2});
    Key(VK_RIGHT, THeadlessDesktop::ModShift);
    Key(VK_RIGHT, THeadlessDesktop::ModShift);
    EXPECT_TRUE(Edit->HasSelection);
    EXPECT_EQ(Anchor(), (TPos{0, 2}));
    EXPECT_EQ(Caret(), (TPos{0, 4}));
    Key(VK_RIGHT);
    EXPECT_FALSE(Edit->HasSelection);
    EXPECT_EQ(Caret(), (TPos{0, 4})) << "right collapses to the later end";

    Key(VK_LEFT, THeadlessDesktop::ModShift);
    Key(VK_LEFT, THeadlessDesktop::ModShift);
    Key(VK_LEFT);
    EXPECT_EQ(Caret(), (TPos{0, 2})) << "left collapses to the earlier end";

    Key(VK_DOWN, THeadlessDesktop::ModShift);
    EXPECT_EQ(Anchor(), (TPos{0, 2}));
    EXPECT_EQ(Caret(), (TPos{1, 2}));
    Key(VK_END);
    EXPECT_FALSE(Edit->HasSelection);
    EXPECT_EQ(Caret(), (TPos{1, 4})) << "other moves go where they go";
}

TEST_F(Navigation, PageDownStopsAtTheRange)
{
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "row " + std::to_string(i) + "\n";
    Load(text);
    SizeInCells(20, 10);
    const long page = Edit->Scroller->YPage;
    Key(VK_NEXT);
    EXPECT_EQ(Caret().Row, page);
    EXPECT_EQ(Edit->Scroller->YPos, page);
    for (int i = 0; i < 5; ++i)
        Key(VK_NEXT);
    EXPECT_EQ(Caret().Row, 29);
    EXPECT_EQ(Edit->Scroller->YPos, Edit->Scroller->YRange);
    Key(VK_PRIOR);
    EXPECT_EQ(Caret().Row, 29 - page);
}

TEST_F(Navigation, TheCaretIsKeptInView)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += std::string(size_t(i % 7) * 20, 'x') + "\n";
    Load(text);
    SizeInCells(20, 10);
    Key(VK_END, Ctrl);
    const TRect client = Edit->GetClientRect();
    const TPoint caret = Desktop.Caret().Pos();
    EXPECT_GE(caret.y, client.top);
    EXPECT_LE(caret.y + Edit->LineHeight, client.bottom);
    Key(VK_HOME, Ctrl);
    EXPECT_EQ(Edit->Scroller->YPos, 0);
    EXPECT_EQ(Edit->Scroller->XPos, 0);
    Edit->SetCaret(6, 119);
    const TPoint far = Desktop.Caret().Pos();
    EXPECT_GE(far.x, client.left);
    EXPECT_LE(far.x + Edit->CharWidth, client.right);
}

TEST_F(Navigation, BackspaceWithShiftStillDeletesOneCharacter)
{
    Load("abc\n");
    From({0, 2});
    Key(VK_BACK, THeadlessDesktop::ModShift);
    EXPECT_EQ(Rows(), std::vector<std::string>{"ac\n"});
}

}  // namespace
