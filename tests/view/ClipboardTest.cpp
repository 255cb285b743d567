// Copy, Cut and Paste against the headless clipboard, which keeps the
// block exactly as written: CR LF line ends, wrapped paragraphs as one
// line, a NUL at the end.
#include "tests/support/EditorFixture.h"

#include "framework/Clipboard.h"
#include "view/CommandIds.h"

namespace {

using namespace std::string_literals;

class Clipboard : public TEditorFixture {
protected:
    bool PasteEnabled()
    {
        TCommandEnabler enabler(CM_EDITPASTE);
        Edit->EvCommandEnable(enabler);
        return enabler.IsEnabled();
    }
};

TEST_F(Clipboard, CopyWritesTheSelectionAsOneBlock)
{
    struct {
        const char* name;
        std::string text;
        int wrapCols;  // 0: no word wrap
        TOffset anchor, caret;
        std::string block;
    } cases[] = {
        {"two half rows", "abc\ndef\n", 0, 1, 6, "bc\r\nde\0"s},
        {"backwards", "abc\ndef\n", 0, 6, 1, "bc\r\nde\0"s},
        {"ends after a line feed", "abc\ndef\n", 0, 1, 4, "bc\r\n\0"s},
        {"a whole line", "abc\ndef\n", 0, 4, 8, "def\r\n\0"s},
        {"inside one row", "abc\ndef\n", 0, 0, 2, "ab\0"s},
        {"rows in between", "a\nbb\n\nc\n", 0, 0, 7, "a\r\nbb\r\n\r\nc\0"s},
        {"a wrapped paragraph", "aaaa bbbb cccc dddd\nx\n", 10, 0, EndOfDocument, "aaaa bbbb cccc dddd\r\nx\0"s},
        {"high bytes and controls", "\x81\xe9\x7f\x01\n", 0, 0, 5, "\x81\xe9\x7f\x01\r\n\0"s},
    };
    for (const auto& c : cases) {
        MakeEditor();
        if (c.wrapCols)
            SizeInCells(c.wrapCols, 10);
        Load(c.text);
        const TRowIndex unwrapped = Edit->GetNumLines();
        Edit->SetWordWrap(c.wrapCols != 0);
        ASSERT_EQ(Edit->GetNumLines() > unwrapped, c.wrapCols != 0) << c.name;
        Edit->SetSelectionOffsets(c.caret, c.anchor);
        Edit->Copy();
        EXPECT_EQ(GetClipboardText(), c.block) << c.name;
        EXPECT_EQ(Text(), c.text) << c.name;
    }
}

TEST_F(Clipboard, CopyWithoutASelectionLeavesTheClipboardAlone)
{
    SetClipboardText("old\0"s);
    Load("abc\n");
    Edit->Copy();
    EXPECT_EQ(GetClipboardText(), "old\0"s);
}

TEST_F(Clipboard, PasteInsertsTheTextUpToItsNul)
{
    struct {
        const char* name;
        std::string block;
        TOffset anchor, caret;
        std::string text;
    } cases[] = {
        {"CR LF becomes one line feed", "one\r\ntwo\0"s, 6, 6, "hello one\ntwoworld\n"},
        {"over a selection", "one\r\ntwo\0"s, 6, 11, "hello one\ntwo\n"},
        {"lone CR dropped", "a\rb\0"s, 0, 0, "abhello world\n"},
        {"ends at the NUL", "ab\0cd\0"s, 0, 0, "abhello world\n"},
        {"block without NUL", "ab"s, 0, 0, "abhello world\n"},
    };
    for (const auto& c : cases) {
        MakeEditor();
        Load("hello world\n");
        SetClipboardText(std::string(c.block));
        Edit->SetSelectionOffsets(c.caret, c.anchor);
        Edit->Paste();
        EXPECT_EQ(Text(), c.text) << c.name;
        Edit->Undo();
        EXPECT_EQ(Text(), "hello world\n") << c.name;
    }
}

TEST_F(Clipboard, WithoutTextPasteIsGreyedAndDoesNothing)
{
    Load("x\n");
    SetClipboardText("t\0"s);
    EXPECT_TRUE(PasteEnabled());
    for (bool image : {false, true}) {
        image ? Desktop.PutClipboardOther() : Desktop.EmptyClipboard();
        EXPECT_FALSE(PasteEnabled()) << image;
        Edit->EvCommand(CM_EDITPASTE);
        EXPECT_EQ(Text(), "x\n") << image;
        EXPECT_FALSE(Edit->Modified) << image;
    }
}

TEST_F(Clipboard, CutCopiesThenDeletes)
{
    Load("abcdef\n");
    Edit->SetSelection(0, 4, 0, 1);
    Edit->Cut();
    EXPECT_EQ(GetClipboardText(), "bcd\0"s);
    EXPECT_EQ(Text(), "aef\n");
}

}  // namespace
