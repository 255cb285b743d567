// Copy, Cut and Paste: CR LF line ends on the clipboard, single line feeds
// in the document, wrapped paragraphs copied as one line.
#include "tests/support/EditorFixture.h"

#include "framework/Clipboard.h"

namespace {

class Clipboard : public TEditorFixture {};

TEST_F(Clipboard, CopyTurnsLineEndsIntoCrLf)
{
    Load("abc\ndef\n");
    struct {
        TPos anchor, caret;
        std::string expected;
    } cases[] = {
        {{0, 1}, {1, 2}, "bc\r\nde"},
        {{0, 1}, {1, 0}, "bc\r\n"},
        {{1, 2}, {0, 1}, "bc\r\nde"},
        {{0, 0}, {0, 2}, "ab"},
    };
    for (const auto& c : cases) {
        Edit->SetSelection(c.caret.Row, c.caret.Col, c.anchor.Row, c.anchor.Col);
        Edit->Copy();
        EXPECT_EQ(GetClipboardText(), c.expected);
    }
}

TEST_F(Clipboard, AWrappedParagraphCopiesAsOneLine)
{
    SizeInCells(10, 10);
    Load("aaaa bbbb cccc dddd\n");
    Edit->SetWordWrap(true);
    ASSERT_GT(Edit->GetNumLines(), 1);
    Edit->SetSelectionOffsets(0, EndOfDocument);
    Edit->Copy();
    EXPECT_EQ(GetClipboardText(), "aaaa bbbb cccc dddd");
}

TEST_F(Clipboard, PasteDropsCarriageReturnsAndReplacesTheSelection)
{
    Load("hello world\n");
    SetClipboardText("one\r\ntwo");
    Edit->SetSelection(0, 11, 0, 6);
    Edit->Paste();
    EXPECT_EQ(Text(), "hello one\ntwo\n");
    Edit->Undo();
    EXPECT_EQ(Text(), "hello world\n");
}

TEST_F(Clipboard, CutCopiesThenDeletes)
{
    Load("abcdef\n");
    Edit->SetSelection(0, 4, 0, 1);
    Edit->Cut();
    EXPECT_EQ(GetClipboardText(), "bcd");
    EXPECT_EQ(Text(), "aef\n");
}

TEST_F(Clipboard, PasteWithoutTextDoesNothing)
{
    Desktop.EmptyClipboard();
    Load("x\n");
    Edit->Paste();
    EXPECT_EQ(Text(), "x\n");
    EXPECT_FALSE(Edit->Modified);
}

}  // namespace
