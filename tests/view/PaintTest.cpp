// Painting rows with tabs and margins, and the selection highlight that
// changes by inverting only the cells that change.
#include "tests/support/EditorFixture.h"

#include <algorithm>
#include <set>

namespace {

class Painting : public TEditorFixture {
protected:
    std::vector<TDrawCall> PaintedText()
    {
        Peer().ClearLogs();
        Edit->Invalidate();
        Edit->UpdateWindow();
        std::vector<TDrawCall> texts;
        for (const TDrawCall& call : Peer().Drawing())
            if (call.Kind == TDrawCall::TKind::Text)
                texts.push_back(call);
        return texts;
    }
    TRect CellRect(int row, int fromCol, int toCol) const
    {
        const int y = row * Edit->LineHeight + Edit->TopMargin;
        return {fromCol * Edit->CharWidth + Edit->LeftMargin, y, toCol * Edit->CharWidth + Edit->LeftMargin,
                y + Edit->LineHeight};
    }
};

TEST_F(Painting, RowsAreDrawnWithoutLineEndsAndWithTabStops)
{
    Edit->TabSize = 4;
    Load("\tx\n\nabc\n");
    const auto texts = PaintedText();
    ASSERT_EQ(texts.size(), 2u) << "a row holding only a line end draws nothing";
    EXPECT_EQ(texts[0].Text, "\tx");
    EXPECT_EQ(texts[0].X, Edit->LeftMargin);
    EXPECT_EQ(texts[0].Y, Edit->TopMargin);
    EXPECT_EQ(texts[0].TabDistance, 4 * Edit->CharWidth);
    EXPECT_EQ(texts[0].TabOrigin, Edit->LeftMargin);
    EXPECT_EQ(texts[1].Text, "abc");
    EXPECT_EQ(texts[1].Y, Edit->TopMargin + 2 * Edit->LineHeight);
}

// Where each character's cell starts, in 64 bits, for characters whose cell
// falls inside [left, right): a tab moves the pen to the next stop strictly
// right of it and draws nothing itself.
struct TGlyph {
    int64_t X, Y;
    char C;
    auto operator<=>(const TGlyph&) const = default;
};
using TPicture = std::set<TGlyph>;

void Lay(TPicture& picture, int64_t x, int64_t y, std::string_view text, int64_t charWidth, int64_t tabDistance,
         int64_t tabOrigin, int64_t left, int64_t right)
{
    for (char c : text) {
        if (c == '\t') {
            const int64_t offset = x - tabOrigin;
            x = tabOrigin + (offset >= 0 ? offset / tabDistance + 1 : -((-offset - 1) / tabDistance)) * tabDistance;
            continue;
        }
        if (x + charWidth > left && x < right)
            picture.insert({x, y, c});
        x += charWidth;
    }
}

// A long line scrolled sideways shows, inside the painted rectangle, the
// characters where drawing each row whole from its start puts them,
// whatever the tabs before, the tab size and the part painted.
TEST_F(Painting, ScrolledSidewaysTheRowsLookAsIfDrawnFromTheirStart)
{
    std::string letters, tabbed, tabs(300, '\t');
    for (int i = 0; i < 3000; ++i) {
        letters += char('a' + i % 26);
        tabbed += i % 17 == 3 || i % 29 == 0 || i % 101 == 100 ? '\t' : char('A' + i % 26);
    }
    Load(letters + "\n" + tabbed + "\n" + tabs + "x\n" + "\tshort\n");
    const TRect client = Edit->GetClientRect();
    const int cw = Edit->CharWidth;
    const TRect part{5 * cw + 3, 0, 17 * cw + 1, client.bottom};
    for (int tabSize : {1, 3, 8}) {
        Edit->TabSize = tabSize;
        for (int64_t xPos : {0, 1, 2, 7, 33, 1000, 2345, 2990}) {
            Edit->Scroller->ScrollTo(xPos, 0);
            for (const TRect& rect : {client, part}) {
                Peer().ClearLogs();
                Edit->InvalidateRect(rect);
                Edit->UpdateWindow();
                TPicture painted, expected;
                for (const TDrawCall& call : Peer().Drawing())
                    if (call.Kind == TDrawCall::TKind::Text)
                        Lay(painted, call.X, call.Y, call.Text, cw, call.TabDistance, call.TabOrigin, rect.left,
                            rect.right);
                const int64_t x0 = Edit->LeftMargin - Edit->Scroller->XPos * cw;
                for (TRowIndex row = 0; row < Edit->Lines.Size(); ++row) {
                    std::string_view text = Edit->Lines[row].View();
                    Lay(expected, x0, Edit->TopMargin + row * Edit->LineHeight, text.substr(0, text.size() - 1), cw,
                        int64_t(tabSize) * cw, x0, rect.left, rect.right);
                }
                ASSERT_FALSE(expected.empty());
                ASSERT_EQ(painted, expected) << "tab size " << tabSize << ", scrolled " << Edit->Scroller->XPos
                                             << ", rect from " << rect.left;
            }
        }
    }
}

// A row of tabs may reach further than 2^31 columns: at its end the
// caret, the view and the drawing must still meet at its last letters.
TEST_F(Painting, TheEndOfARowWiderThanTwoBillionColumnsIsShown)
{
    Edit->TabSize = THugeEdit::MaxTabSize;
    const size_t tabs = size_t(INT32_MAX) / THugeEdit::MaxTabSize + 2;
    Load("ab" + std::string(tabs, '\t') + "END\n");
    Key(VK_END);
    const TRect client = Edit->GetClientRect();
    TPicture painted;
    for (const TDrawCall& call : PaintedText())
        Lay(painted, call.X, call.Y, call.Text, Edit->CharWidth, call.TabDistance, call.TabOrigin, client.left,
            client.right);
    std::string shown;
    for (const TGlyph& glyph : painted)
        shown += glyph.C;
    EXPECT_EQ(shown, "END");
    const TPoint caret = Desktop.Caret().Pos();
    EXPECT_EQ(caret.x, Edit->LeftMargin + (3 - (Edit->Scroller->XPos - int64_t(tabs) * THugeEdit::MaxTabSize)) *
                                               Edit->CharWidth)
        << "after the D";
}

TEST_F(Painting, SelectionGrowsAndShrinksByTheChangedCellsOnly)
{
    Load("abcdef\nghijkl\n");
    Edit->SetCaret(0, 1);
    Peer().ClearLogs();
    Key(VK_RIGHT, THeadlessDesktop::ModShift);
    EXPECT_EQ(Inversions(), std::vector<TRect>{CellRect(0, 1, 2)});
    Peer().ClearLogs();
    Key(VK_RIGHT, THeadlessDesktop::ModShift);
    EXPECT_EQ(Inversions(), std::vector<TRect>{CellRect(0, 2, 3)});
    Peer().ClearLogs();
    Key(VK_LEFT, THeadlessDesktop::ModShift);
    EXPECT_EQ(Inversions(), std::vector<TRect>{CellRect(0, 2, 3)}) << "shrinking inverts the cell back";
    Peer().ClearLogs();
    Key(VK_DOWN, THeadlessDesktop::ModShift);
    EXPECT_EQ(Inversions(), (std::vector<TRect>{CellRect(0, 2, 7), CellRect(1, 0, 2)}))
        << "a selected line end shows as one cell";
    EXPECT_TRUE(Peer().Invalidations().empty()) << "no repaint was needed";
}

TEST_F(Painting, PaintRedrawsTheSelectionInverted)
{
    Load("abcdef\n");
    Edit->SetSelection(0, 4, 0, 1);
    Peer().ClearLogs();
    Edit->Invalidate();
    Edit->UpdateWindow();
    std::vector<TRect> inverted;
    for (const TDrawCall& call : Peer().Drawing())
        if (call.Kind == TDrawCall::TKind::InvertRect && call.Painting)
            inverted.push_back(call.Rect);
    EXPECT_EQ(inverted, std::vector<TRect>{CellRect(0, 1, 4)});
}

TEST_F(Painting, LineSpacingAndStylesApply)
{
    TTextStyle style;
    style.Flags = TTextStyle::AllValid;
    style.TextColor = MakeRGB(1, 2, 3);
    style.BackColor = MakeRGB(4, 5, 6);
    style.MarginX = 7;
    style.MarginY = 9;
    style.TabSize = 5;
    style.FaceName = "Courier New";
    style.FontSize = 9;
    style.LineSpacing = 3;
    Edit->ApplyStyle(style);
    EXPECT_EQ(Edit->FontHeight, 12);
    EXPECT_EQ(Edit->LineHeight, 16);
    EXPECT_EQ(Edit->LeftMargin, 7);
    EXPECT_EQ(Edit->TabSize, 5);
    TTextStyle back;
    Edit->GetStyle(back);
    EXPECT_EQ(back.Flags, 31u);
    EXPECT_EQ(back.FontSize, 9);
    EXPECT_EQ(back.LineSpacing, 3);
    EXPECT_EQ(back.MarginY, 9);

    style.Flags = TTextStyle::FontValid;
    Edit->ApplyStyle(style);
    EXPECT_EQ(Edit->LineHeight, Edit->FontHeight) << "a style without the spacing group has none";
    EXPECT_EQ(Edit->TextColor, MakeRGB(1, 2, 3)) << "groups that are not valid stay";
}

// Any 32-bit value in any member of a style (or a tab size set directly)
// leaves metrics within their bounds and a window that paints, moves the
// caret into view and types.
TEST_F(Painting, EveryValueOfEveryStyleMemberLeavesAUsableWindow)
{
    using TSetter = void (*)(THugeEdit&, int32_t);
    const std::pair<const char*, TSetter> members[] = {
        {"MarginX", [](THugeEdit& e, int32_t v) { TTextStyle s; s.Flags = TTextStyle::MarginsValid; s.MarginX = v; e.ApplyStyle(s); }},
        {"MarginY", [](THugeEdit& e, int32_t v) { TTextStyle s; s.Flags = TTextStyle::MarginsValid; s.MarginY = v; e.ApplyStyle(s); }},
        {"TabSize", [](THugeEdit& e, int32_t v) { TTextStyle s; s.Flags = TTextStyle::TabSizeValid; s.TabSize = v; e.ApplyStyle(s); }},
        {"FontSize", [](THugeEdit& e, int32_t v) {
             TTextStyle s;
             s.Flags = TTextStyle::FontValid;
             s.FaceName = "Courier New";
             s.FontSize = v;
             e.ApplyStyle(s);
         }},
        {"LineSpacing", [](THugeEdit& e, int32_t v) { TTextStyle s; s.Flags = TTextStyle::LineSpacingValid; s.LineSpacing = v; e.ApplyStyle(s); }},
        {"TabSize field", [](THugeEdit& e, int32_t v) { e.TabSize = v; }},
    };
    const int32_t values[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, 214748364, INT32_MAX - 1, INT32_MAX};
    for (const auto& [name, set] : members) {
        for (const int32_t value : values) {
            SCOPED_TRACE(std::string(name) + " = " + std::to_string(value));
            MakeEditor();
            Load("\tone\t\ttwo\n" + std::string(500, 'w') + "\tend\n");
            set(*Edit, value);
            EXPECT_GE(Edit->FontHeight, THugeEdit::MinFontHeight);
            EXPECT_LE(Edit->FontHeight, THugeEdit::MaxFontHeight);
            EXPECT_GE(Edit->LineHeight, 1);
            EXPECT_GE(Edit->LeftMargin, 0);
            EXPECT_LE(Edit->TopMargin, THugeEdit::MaxMargin);
            const auto texts = PaintedText();
            ASSERT_FALSE(texts.empty());
            // The tab stops are as far apart as the tab size says, even
            // when that is billions of pixels.
            EXPECT_EQ(texts[0].TabDistance, int64_t(std::max(Edit->TabSize, 1)) * Edit->CharWidth);
            Key(VK_END, THeadlessDesktop::ModCtrl);
            Type("!");
            EXPECT_EQ(Rows()[1], std::string(500, 'w') + "\tend!\n");
            PaintedText();
            const TPoint caret = Desktop.Caret().Pos();
            const TRect client = Edit->GetClientRect();
            EXPECT_GE(caret.x, client.left);
            EXPECT_LE(caret.x, std::max(client.left, client.right - Edit->CharWidth));
            EXPECT_GE(caret.y, client.top);
        }
    }
}

TEST_F(Painting, AFontThatCannotBeMeasuredKeepsTheOldOne)
{
    Desktop.FailFontMetrics("Broken Face");
    TTextStyle style;
    style.Flags = TTextStyle::FontValid;
    style.FaceName = "Broken Face";
    style.FontSize = 20;
    const int width = Edit->CharWidth;
    EXPECT_THROW(
        {
            try {
                Edit->ApplyStyle(style);
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "Unable to get font metrics");
                throw;
            }
        },
        std::runtime_error);
    EXPECT_EQ(Edit->CharWidth, width);
    ASSERT_NE(Edit->Font, nullptr);
    EXPECT_EQ(Edit->Font->FaceName(), "Courier New");
    EXPECT_EQ(Edit->FaceName, "Courier New");
}

}  // namespace
