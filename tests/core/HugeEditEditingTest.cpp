// Typing, Enter with auto indent, Backspace, Delete, overwrite mode,
// Clear All, pasting many lines and the double-click word selection.
#include "tests/support/EditorFixture.h"

namespace {

using TRows = std::vector<std::string>;

class Editing : public TEditorFixture {};

TEST_F(Editing, TypingInsertsAtTheCaret)
{
    Load("ab\n");
    Edit->SetCaret(0, 1);
    Type("x");
    EXPECT_EQ(Rows(), TRows{"axb\n"});
    EXPECT_EQ(Caret(), (TPos{0, 2}));
    EXPECT_TRUE(Edit->Modified);
    Edit->Undo();
    EXPECT_EQ(Rows(), TRows{"ab\n"});
    EXPECT_EQ(Caret(), (TPos{0, 1}));
}

TEST_F(Editing, ControlCharactersAreIgnoredButTabAndDeleteCharAreTyped)
{
    Load("\n");
    for (unsigned char c : {1, 7, 13, 27, 31})
        Desktop.SendChar(c);
    EXPECT_EQ(Rows(), TRows{"\n"});
    EXPECT_FALSE(Edit->Modified);
    Desktop.SendChar('\t');
    Desktop.SendChar(127);
    Desktop.SendChar(0xE9);
    EXPECT_EQ(Rows(), TRows{"\t\x7f\xe9\n"});
}

TEST_F(Editing, EnterSplitsAndAutoIndentRepeatsLeadingBlanks)
{
    Load("ab\n");
    Edit->SetCaret(0, 1);
    Key(VK_RETURN);
    EXPECT_EQ(Rows(), (TRows{"a\n", "b\n"}));
    EXPECT_EQ(Caret(), (TPos{1, 0}));

    Load(" \tab\n");
    Edit->AutoIndent = true;
    Edit->SetCaret(0, 4);
    Key(VK_RETURN);
    EXPECT_EQ(Rows(), (TRows{" \tab\n", " \t\n"}));
    EXPECT_EQ(Caret(), (TPos{1, 2}));
}

TEST_F(Editing, EnterInsertsEvenInOverwriteMode)
{
    Load("ab\n");
    Edit->Overwrite = true;
    Edit->SetCaret(0, 1);
    Key(VK_RETURN);
    EXPECT_EQ(Rows(), (TRows{"a\n", "b\n"}));
}

TEST_F(Editing, BackspaceJoinsLinesAndDoesNothingAtTheStart)
{
    Load("a\nb\n");
    Edit->SetCaret(1, 0);
    Key(VK_BACK);
    EXPECT_EQ(Rows(), TRows{"ab\n"});
    EXPECT_EQ(Caret(), (TPos{0, 1}));
    Edit->SetCaret(0, 0);
    Edit->Modified = false;
    Key(VK_BACK);
    EXPECT_EQ(Rows(), TRows{"ab\n"});
    EXPECT_FALSE(Edit->Modified);
}

TEST_F(Editing, DeletingTheLastLineEndLeavesTextWithoutOne)
{
    Load("ab\n");
    Edit->SetCaret(0, 2);
    Key(VK_DELETE);
    EXPECT_EQ(Rows(), TRows{"ab"});
    EXPECT_EQ(Caret(), (TPos{0, 2}));
    Edit->Modified = false;
    Key(VK_DELETE);  // nothing left to delete: still a record and Modified
    EXPECT_EQ(Rows(), TRows{"ab"});
    EXPECT_TRUE(Edit->Modified);
}

TEST_F(Editing, ClearAllLeavesOneLineEnd)
{
    Load("ab\ncd\n");
    Edit->SetSelectionOffsets(0, EndOfDocument);
    Edit->DeleteSelection();
    EXPECT_EQ(Rows(), TRows{"\n"});
    Edit->Undo();
    EXPECT_EQ(Rows(), (TRows{"ab\n", "cd\n"}));

    Edit->Modified = false;
    Edit->NewDocument();
    EXPECT_FALSE(Edit->Modified);
    Edit->SetSelectionOffsets(0, EndOfDocument);
    Edit->DeleteSelection();
    EXPECT_EQ(Rows(), TRows{"\n"});
    EXPECT_TRUE(Edit->Modified);
}

TEST_F(Editing, PastingSeveralLinesDistributesThemOverRows)
{
    struct {
        std::string initial;
        TPos at;
        std::string pasted;
        TRows rows;
        TPos caret;
    } cases[] = {
        {"ab\n", {0, 1}, "x\ny\nz", {"ax\n", "y\n", "zb\n"}, {2, 1}},
        {"ab\ncd\n", {0, 1}, "x\ny\nz", {"ax\n", "y\n", "zb\n", "cd\n"}, {2, 1}},
        {"ab\ncd\n", {1, 2}, "1\n2\n", {"ab\n", "cd1\n", "2\n", "\n"}, {3, 0}},
        {"ab\n", {0, 0}, "1\r\n2\r\n3\r\n", {"1\n", "2\n", "3\n", "ab\n"}, {3, 0}},
        {"ab", {0, 2}, "\n\n", {"ab\n", "\n"}, {1, 1}},  // after the final line end
    };
    for (const auto& c : cases) {
        Load(c.initial);
        if (c.initial.back() != '\n') {  // a document without a final line end
            Edit->SetCaret(0, 2);
            Edit->DeleteSelection();
        }
        Edit->SetCaret(c.at.Row, c.at.Col);
        Edit->InsertText(c.pasted);
        EXPECT_EQ(Rows(), c.rows) << "pasting into " << c.initial;
        EXPECT_EQ(Caret(), c.caret) << "pasting into " << c.initial;
    }
}

TEST_F(Editing, OverwriteReplacesAndJoinsAcrossTheLineEnd)
{
    Load("ab\ncd\n");
    Edit->Overwrite = true;
    Edit->SetCaret(0, 2);
    Type("x");
    EXPECT_EQ(Rows(), TRows{"abxcd\n"});
    EXPECT_EQ(Caret(), (TPos{0, 3}));

    Load("abc\n");
    Edit->Overwrite = true;
    Edit->SetCaret(0, 1);
    Type("x");
    EXPECT_EQ(Rows(), TRows{"axc\n"});
    Edit->Undo();
    EXPECT_EQ(Rows(), TRows{"abc\n"});
    EXPECT_EQ(Caret(), (TPos{0, 1}));
}

TEST_F(Editing, TypingReplacesTheSelectionAndUndoRestoresIt)
{
    Load("abc\n");
    Edit->SetSelection(0, 2, 0, 1);
    Type("x");
    EXPECT_EQ(Rows(), TRows{"axc\n"});
    Edit->Undo();
    EXPECT_EQ(Rows(), TRows{"abc\n"});
    EXPECT_TRUE(Edit->HasSelection);
    EXPECT_EQ(Caret(), (TPos{0, 2}));
    EXPECT_EQ(Anchor(), (TPos{0, 1}));
}

TEST_F(Editing, CarriageReturnsNeverEnterTheDocument)
{
    Load("ab\n");
    Edit->SetCaret(0, 1);
    Edit->InsertText("x\ry");
    EXPECT_EQ(Rows(), TRows{"axyb\n"});
    Edit->Modified = false;
    const size_t records = Edit->UndoStack.Count();
    Edit->InsertText("\r");
    EXPECT_EQ(Rows(), TRows{"axyb\n"});
    EXPECT_TRUE(Edit->Modified);
    EXPECT_GT(Edit->UndoStack.Count(), records) << "a lone carriage return still makes an insertion record";
}

TEST_F(Editing, EditLockedRefusesEveryChange)
{
    Load("ab\n");
    Edit->EditLocked = true;
    Edit->SetCaret(0, 1);
    Type("x");
    Key(VK_DELETE);
    Key(VK_RETURN);
    Edit->OverwriteText("zz");
    Edit->SetSelectionOffsets(0, EndOfDocument);
    Edit->DeleteSelection();
    EXPECT_EQ(Rows(), TRows{"ab\n"});
    EXPECT_FALSE(Edit->Modified);
    EXPECT_TRUE(Edit->HasSelection) << "Clear All still selects everything";
}

TEST_F(Editing, DoubleClickSelectsLettersAndDigitsOnly)
{
    Load("foo_bar 42x \xe9t\xe9\n");
    struct {
        int col;
        TPos caret;
        TPos anchor;
        bool selected;
    } cases[] = {
        {0, {0, 0}, {0, 3}, true},  {2, {0, 0}, {0, 3}, true},   {3, {0, 0}, {0, 3}, true},
        {4, {0, 4}, {0, 7}, true},  {6, {0, 4}, {0, 7}, true},   {8, {0, 8}, {0, 11}, true},
        {12, {0, 12}, {0, 12}, false}, {13, {0, 13}, {0, 14}, true},
    };
    for (const auto& c : cases) {
        Desktop.DoubleClick(*Edit, Cell(0, c.col));
        EXPECT_EQ(Edit->HasSelection, c.selected) << "column " << c.col;
        if (c.selected) {
            EXPECT_EQ(Caret(), c.caret) << "column " << c.col;
            EXPECT_EQ(Anchor(), c.anchor) << "column " << c.col;
        }
    }
}

}  // namespace
