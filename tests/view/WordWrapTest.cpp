// Word wrap in the editor window: the toggle, resizes and style changes
// keep the caret and the selection on the same text; typing repaints the
// start area and the rows below the first changed one; a keystroke inside
// a paragraph of a long document reflows that paragraph only.
#include "tests/support/EditorFixture.h"

#include "core/TextStyle.h"

namespace {

using TRows = std::vector<std::string>;

class WordWrap : public TEditorFixture {
protected:
    TOffset CaretOffset() const { return Edit->OffsetOf(Edit->CaretRow, Edit->CaretCol); }
    TOffset AnchorOffset() const { return Edit->OffsetOf(Edit->AnchorRow, Edit->AnchorCol); }

    // A selection on the word "sixth" of the sentence below.
    void SelectSixth()
    {
        const TOffset at = TOffset(Text().find("sixth"));
        Edit->SetSelectionOffsets(at + 5, at);
    }

    std::string Selected() const
    {
        const TOffset from = std::min(CaretOffset(), AnchorOffset()), to = std::max(CaretOffset(), AnchorOffset());
        return Text().substr(size_t(from), size_t(to - from));
    }

    static constexpr const char* Sentence = "first second third fourth fifth sixth seventh eighth ninth tenth\n";
};

TEST_F(WordWrap, ToggleRewrapsTheDocumentAndKeepsTheSelection)
{
    SizeInCells(20, 10);
    Load(Sentence);
    SelectSixth();
    Edit->SetWordWrap(true);
    EXPECT_EQ(Rows(), (TRows{"first second third ", "fourth fifth sixth ", "seventh eighth ", "ninth tenth\n"}));
    EXPECT_TRUE(Edit->HasSelection);
    EXPECT_EQ(Selected(), "sixth");
    EXPECT_EQ(Caret(), (TPos{1, 18}));
    Edit->SetWordWrap(false);
    EXPECT_EQ(Rows(), TRows{Sentence});
    EXPECT_EQ(Selected(), "sixth");
}

TEST_F(WordWrap, ResizingRewrapsOnlyWhenTheWidthChanges)
{
    SizeInCells(20, 10);
    Load(Sentence);
    Edit->SetWordWrap(true);
    SelectSixth();
    SizeInCells(12, 10);
    EXPECT_EQ(Rows(), (TRows{"first ", "second ", "third ", "fourth ", "fifth sixth ", "seventh ", "eighth ",
                             "ninth tenth\n"}));
    EXPECT_EQ(Selected(), "sixth");
    EXPECT_EQ(Caret(), (TPos{4, 11}));

    Edit->LastReflowRows = -1;
    SizeInCells(12, 4);
    EXPECT_EQ(Edit->LastReflowRows, -1) << "a change of height alone does not rewrap";
    SizeInCells(40, 4);
    EXPECT_EQ(Rows(), (TRows{"first second third fourth fifth sixth ", "seventh eighth ninth tenth\n"}));
    EXPECT_EQ(Selected(), "sixth");
}

TEST_F(WordWrap, AStyleChangeRewrapsEvenAtTheSameWidth)
{
    SizeInCells(20, 10);
    Load(Sentence);
    Edit->SetWordWrap(true);
    Edit->SetCaretOffset(TOffset(Text().find("eighth")));
    TTextStyle style;
    Edit->GetStyle(style);
    style.Flags = TTextStyle::TabSizeValid;
    style.TabSize = 4;
    Edit->LastReflowRows = -1;
    Edit->ApplyStyle(style);
    EXPECT_GT(Edit->LastReflowRows, 0);
    EXPECT_EQ(CaretOffset(), TOffset(std::string(Sentence).find("eighth")));
    EXPECT_FALSE(Edit->HasSelection);
}

TEST_F(WordWrap, TypingRepaintsTheStartAreaAndTheRowsBelowTheFirstChange)
{
    SizeInCells(20, 10);
    Load(Sentence);
    Edit->SetWordWrap(true);
    Desktop.PumpWaitingMessages();
    // "fourth fifth sixth " fills the row: a second letter typed into
    // "fifth" pushes "sixth " down.
    Edit->SetCaretOffset(TOffset(Text().find("fifth") + 2));
    Type("x");
    Peer().ClearLogs();
    Type("x");
    EXPECT_EQ(Rows(), (TRows{"first second third ", "fourth fixxfth ", "sixth seventh ", "eighth ninth tenth\n"}));
    const TRect client = Edit->GetClientRect();
    const int rowTop = Edit->TopMargin + Edit->LineHeight;
    bool startArea = false, below = false;
    for (const TInvalidation& inv : Peer().Invalidations()) {
        EXPECT_FALSE(inv.Whole);
        startArea |= inv.Rect.top == rowTop && inv.Rect.bottom == rowTop + Edit->LineHeight &&
                     inv.Rect.left == Edit->LeftMargin + 10 * Edit->CharWidth && inv.Rect.right == client.right;
        below |= inv.Rect.top == rowTop && inv.Rect.bottom == client.bottom && inv.Erase;
    }
    EXPECT_TRUE(startArea);
    EXPECT_TRUE(below);
}

TEST_F(WordWrap, EditsAtTheEdgesOfRows)
{
    SizeInCells(10, 10);
    Load("aaa bbb ccc ddd\n");
    Edit->SetWordWrap(true);
    ASSERT_EQ(Rows(), (TRows{"aaa bbb ", "ccc ddd\n"}));
    // Backspace at the start of a soft row takes the space above it: the
    // rows join and are wrapped again.
    Edit->SetCaret(1, 0);
    Key(VK_BACK);
    EXPECT_EQ(Rows(), (TRows{"aaa ", "bbbccc ", "ddd\n"}));
    EXPECT_EQ(Text(), "aaa bbbccc ddd\n");
    Edit->Undo();
    EXPECT_EQ(Rows(), (TRows{"aaa bbb ", "ccc ddd\n"}));
    // Typing at the end of the last row moves its last word down, and
    // deleting the letter takes the word back up.
    Edit->SetCaret(1, 7);
    Type("xyz");
    EXPECT_EQ(Rows(), (TRows{"aaa bbb ", "ccc ", "dddxyz\n"}));
    Key(VK_BACK);
    Key(VK_BACK);
    Key(VK_BACK);
    EXPECT_EQ(Rows(), (TRows{"aaa bbb ", "ccc ddd\n"}));
}

TEST_F(WordWrap, DeletingTheOnlyLineEndLeavesARowToTypeInto)
{
    Load("\n");
    Edit->SetWordWrap(true);
    Key(VK_DELETE);
    EXPECT_EQ(Rows(), TRows{""});
    Type("typed");
    EXPECT_EQ(Rows(), TRows{"typed"});
}

TEST_F(WordWrap, AKeystrokeInsideAParagraphReflowsThatParagraphOnly)
{
    SizeInCells(30, 10);
    std::string text;
    for (int p = 0; p < 2000; ++p)
        for (int w = 0; w < 60; ++w)
            text += std::string("word") + (w == 59 ? "\n" : " ");
    Load(text);
    Edit->SetWordWrap(true);
    const TRowIndex rows = Edit->Lines.Size();
    ASSERT_EQ(rows, 2000 * 10);
    Edit->SetCaretOffset(TOffset(text.size() / 2 + 7));
    const TRowIndex paragraphRows = rows / 2000;
    for (unsigned key : {unsigned('x'), unsigned(' '), unsigned('-')}) {
        Desktop.SendChar(key);
        EXPECT_LE(Edit->LastReflowRows, paragraphRows + 1) << char(key);
    }
    Key(VK_RETURN);
    EXPECT_LE(Edit->LastReflowRows, paragraphRows + 2) << "Enter";
    Key(VK_BACK);
    EXPECT_LE(Edit->LastReflowRows, paragraphRows + 2) << "Backspace";
    for (int typed = 0; typed < 3; ++typed)
        Key(VK_BACK);
    EXPECT_TRUE(Text() == text);
    EXPECT_EQ(Edit->Lines.Size(), rows);
}

}  // namespace
