// Documents at the limits the editor is built for: 150 million rows, a
// single line of 300 MB, and a text one character short of the longest a
// document may hold. Pixel positions there run past 32 bits; everything
// the window system gets must still land in or just beside the window.
//
// The suite reaches the same pixel distances with a huge font, in a few
// megabytes; VANTOR_NEAR_LIMIT=full (./bench.sh) runs the real sizes,
// gigabytes of memory and a minute of time.
#include "tests/support/EditorFixture.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool FullSize()
{
    const char* mode = std::getenv("VANTOR_NEAR_LIMIT");
    return mode && std::strcmp(mode, "full") == 0;
}

// A text of `length` bytes made of `line` repeated and ending with a line
// feed, read without a copy of the whole text in memory.
TTextInput Repeated(const std::string& line, int64_t length)
{
    std::string pattern = line;
    while (pattern.size() < (size_t(1) << 16))
        pattern += line;
    auto sent = std::make_shared<int64_t>(0);
    return TTextInput::FromReader(
        [pattern = std::move(pattern), period = int64_t(line.size()), length, sent](char* buffer, size_t n) -> long {
            const size_t count = size_t(std::min<int64_t>(int64_t(n), length - *sent));
            for (size_t done = 0; done < count;) {
                const size_t from = size_t((*sent + int64_t(done)) % period);
                const size_t piece = std::min(count - done, pattern.size() - from);
                std::memcpy(buffer + done, pattern.data() + from, piece);
                done += piece;
            }
            *sent += int64_t(count);
            if (count > 0 && *sent == length)
                buffer[count - 1] = '\n';
            return long(count);
        },
        length);
}

class NearLimit : public TEditorFixture {
protected:
    void SetUp() override
    {
        TEditorFixture::SetUp();
        if (!FullSize()) {
            // Cells of 240 by 800 pixels: 32 bits of pixels end after
            // 2.7 million rows or 9 million columns.
            TTextStyle huge;
            huge.Flags = TTextStyle::FontValid | TTextStyle::LineSpacingValid;
            huge.FaceName = "Courier New";
            huge.FontSize = 300;
            huge.LineSpacing = 300;
            Edit->ApplyStyle(huge);
        }
        SizeInCells(60, 20);
    }

    // The full size, or the size that reaches as many pixels in the suite.
    static int64_t Scaled(int64_t full, int64_t quick) { return FullSize() ? full : quick; }

    void LoadRepeated(const std::string& line, int64_t length)
    {
        TTextInput input = Repeated(line, length);
        ASSERT_EQ(Edit->ReadText(input), TLoadResult::Ok);
    }

    // The caret stands in the window, where its cell is.
    void ExpectCaretInView()
    {
        const TRect client = Edit->GetClientRect();
        const TPoint caret = Desktop.Caret().Pos();
        EXPECT_TRUE(Desktop.Caret().Visible());
        EXPECT_GE(caret.x, client.left);
        EXPECT_LE(caret.x, client.right - Edit->CharWidth);
        EXPECT_GE(caret.y, client.top);
        EXPECT_LE(caret.y, client.bottom - Edit->LineHeight);
        TRowIndex row, col;
        Edit->PointToPosition({caret.x + 1, caret.y + 1}, row, col);
        EXPECT_EQ((TPos{row, col}), Caret());
    }

    // What the last paint drew: each row's text at its place.
    std::vector<TDrawCall> PaintedText()
    {
        Peer().ClearLogs();
        Edit->Invalidate();
        Desktop.PaintInvalidWindows();
        std::vector<TDrawCall> texts;
        for (const TDrawCall& call : Peer().Drawing())
            if (call.Kind == TDrawCall::TKind::Text)
                texts.push_back(call);
        return texts;
    }
};

TEST_F(NearLimit, RowsPast32BitsOfPixels)  // 150 million rows in full
{
    const TRowIndex rows = TRowIndex(Scaled(150'000'000, 3'000'000));
    LoadRepeated("x\n", int64_t(rows) * 2);
    ASSERT_EQ(Edit->GetNumLines(), rows);
    ASSERT_GT(int64_t(rows) * Edit->LineHeight, INT_MAX);

    Key(VK_END, THeadlessDesktop::ModCtrl);
    EXPECT_EQ(Caret(), (TPos{rows - 1, 1}));
    ExpectCaretInView();
    const std::vector<TDrawCall> texts = PaintedText();
    ASSERT_FALSE(texts.empty());
    for (const TDrawCall& text : texts) {
        EXPECT_GE(text.Y, -Edit->LineHeight);
        EXPECT_LT(text.Y, Edit->GetClientRect().bottom);
    }

    Key(VK_PRIOR);
    EXPECT_EQ(Caret().Row, rows - 1 - Edit->Scroller->YPage);
    ExpectCaretInView();
    Edit->SendMessage(WM_VSCROLL, SB_THUMBPOSITION | (16384u << 16));
    EXPECT_NEAR(double(Edit->Scroller->YPos), rows / 2.0, rows / 30000.0);
    TRowIndex row, col;
    Edit->PointToPosition(Cell(Edit->Scroller->YPos + 3, 0), row, col);
    EXPECT_EQ(row, Edit->Scroller->YPos + 3);
    Key(VK_HOME, THeadlessDesktop::ModCtrl);
    EXPECT_EQ(Edit->Scroller->YPos, 0);
}

TEST_F(NearLimit, ALinePast32BitsOfPixels)  // 300 MB in full
{
    const int64_t length = Scaled(300'000'000, 10'000'000);
    LoadRepeated(std::string(size_t(length) - 1, 'a') + "\n", length);
    ASSERT_EQ(Edit->GetNumLines(), 1);
    ASSERT_GT((length - 1) * Edit->CharWidth, INT_MAX);

    Key(VK_END);
    EXPECT_EQ(Caret(), (TPos{0, TRowIndex(length - 1)}));
    ExpectCaretInView();
    const std::vector<TDrawCall> texts = PaintedText();
    ASSERT_EQ(texts.size(), 1u);
    // Only the characters at the window are drawn, each where the row drawn
    // from its start, 2^31 pixels further left, would put it.
    const int64_t rowStart = Edit->LeftMargin - int64_t(Edit->Scroller->XPos) * Edit->CharWidth;
    EXPECT_LT(rowStart, INT_MIN);
    EXPECT_LE(texts[0].X, Edit->LeftMargin);
    EXPECT_GT(texts[0].X, Edit->LeftMargin - 3 * Edit->CharWidth);
    EXPECT_EQ((texts[0].X - rowStart) % Edit->CharWidth, 0);
    EXPECT_LE(int64_t(texts[0].Text.size()), int64_t(Edit->WindowCols) + 4);

    // The whole row selected from its end: only cells in and beside the
    // window are inverted.
    Peer().ClearLogs();
    Key(VK_HOME, THeadlessDesktop::ModShift);
    const TRect client = Edit->GetClientRect();
    for (const TRect& rect : Inversions()) {
        EXPECT_LE(rect.left, rect.right);
        EXPECT_GE(rect.left, client.left - client.Width() - 1);
        EXPECT_LE(rect.right, client.right + client.Width() + 1);
    }
    EXPECT_EQ(Edit->Scroller->XPos, 0);
    ExpectCaretInView();
}

TEST_F(NearLimit, ADocumentOneCharacterShortOfTheLongest)
{
    if (!FullSize())
        GTEST_SKIP() << "two gigabytes of text: run by ./bench.sh (VANTOR_NEAR_LIMIT=full)";
    // Lines of 32,000 characters; the last one shorter.
    const int64_t length = MaxDocumentLength - 1;
    std::string line(31'999, 'l');
    line += '\n';
    LoadRepeated(line, length);
    ASSERT_EQ(Edit->Lines.TextLength(), length);

    Key(VK_END, THeadlessDesktop::ModCtrl);
    const TPos end = Caret();
    EXPECT_EQ(Edit->OffsetOf(end.Row, end.Col), length - 1);  // before the last line feed
    ExpectCaretInView();
    Type("x");
    EXPECT_EQ(Edit->Lines.TextLength(), MaxDocumentLength);
    EXPECT_EQ(Edit->OffsetOf(Caret().Row, Caret().Col), length);
    TRowIndex row, col;
    Edit->PositionOf(EndOfDocument, row, col);
    EXPECT_EQ((TPos{row, col}), Caret());

    // One more does not fit: refused with a message, nothing changed.
    Type("y");
    EXPECT_EQ(Edit->Lines.TextLength(), MaxDocumentLength);
    ASSERT_EQ(Desktop.Dialogs().MessageBoxes().size(), 1u);
    Edit->Undo();
    EXPECT_EQ(Edit->Lines.TextLength(), length);
    EXPECT_EQ(Caret(), end);
}

}  // namespace
