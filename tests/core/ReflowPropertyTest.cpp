// Random texts, widths and edits: after every reflow the text is unchanged
// and the row invariants hold; wrapping on and off gives the lines back.
#include "core/DisplayColumn.h"
#include "core/Reflow.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace texttest;

class TTextMaker {
public:
    explicit TTextMaker(uint32_t seed) : Random(seed) {}

    std::string Text(size_t length, bool tabs)
    {
        std::string text;
        while (text.size() < length)
            text += Piece(tabs);
        return text;
    }

    std::string Piece(bool tabs)
    {
        switch (Pick(12)) {
        case 0: return "\n";
        case 1: return "\n\n";
        case 2: return "-";
        case 3: return tabs ? "\t" : " ";
        case 4: return std::string(3 + Pick(25), 'L');  // a long word
        case 5: return "  ";
        default: return std::string(1 + Pick(6), char('a' + Pick(5))) + ' ';
        }
    }

    uint32_t Pick(uint32_t n) { return n ? Random() % n : 0; }

private:
    std::mt19937 Random;
};

void ExpectUnwrappedInvariants(const THELineArray& lines, const std::string& where)
{
    ASSERT_GE(lines.Size(), 1) << where;
    for (TRowIndex i = 0; i < lines.Size(); ++i) {
        std::string_view row = lines[i].View();
        size_t lineEnd = row.find('\n');
        ASSERT_TRUE(lineEnd == std::string_view::npos || lineEnd + 1 == row.size()) << where << " row " << i;
        if (i + 1 < lines.Size()) {
            ASSERT_TRUE(lines[i].EndsWithLineEnd()) << where << " row " << i;
        }
    }
}

void ExpectWrappedInvariants(const THELineArray& lines, int windowCols, int tabSize, const std::string& where)
{
    const int width = std::max(1, windowCols);
    ASSERT_GE(lines.Size(), 1) << where;
    for (TRowIndex i = 0; i < lines.Size(); ++i) {
        std::string_view row = lines[i].View();
        std::string at = where + " row " + std::to_string(i) + " \"" + std::string(row) + "\"";
        ASSERT_TRUE(!row.empty() || lines.Size() == 1) << at;
        if (row.empty())
            continue;
        size_t lineEnd = row.find('\n');
        ASSERT_TRUE(lineEnd == std::string_view::npos || lineEnd + 1 == row.size()) << at;
        if (i + 1 < lines.Size() && row.back() != '\n') {
            ASSERT_TRUE(IsWrapBreak(row.back())) << at;
        }
        // A row wider than the window holds a single word (tabs can widen
        // what was measured before they moved, so rows with tabs are left out).
        if (row.find('\t') == std::string_view::npos && DisplayColumn(row, row.size(), tabSize) > width) {
            std::string_view body = row.substr(0, row.size() - 1);
            ASSERT_EQ(std::find_if(body.begin(), body.end(), IsWrapBreak), body.end()) << at;
        }
    }
}

// A pass that stops at a paragraph's end leaves the rows as a pass run
// on to the end of the document would.
void ExpectSameAsPassToEnd(const THELineArray& lines, const std::vector<std::string>& edited, TRowIndex row,
                           size_t col, const TReflowParams& params, const std::string& where)
{
    THELineArray toEnd;
    SetRows(toEnd, edited);
    ReflowRows(toEnd, row, TRowIndex(col), true, params);
    const std::vector<std::string> expected = RowsOf(toEnd), actual = RowsOf(lines);
    if (expected == actual)
        return;
    size_t first = 0;
    while (first < expected.size() && first < actual.size() && expected[first] == actual[first])
        ++first;
    auto around = [first](const std::vector<std::string>& rows) {
        std::string out;
        for (size_t i = first > 3 ? first - 3 : 0; i < rows.size() && i < first + 4; ++i)
            out += std::to_string(i) + "[" + rows[i] + "]";
        return out;
    };
    FAIL() << where << "\nedited " << around(edited) << "\nto end " << around(expected) << "\nstopped " << around(actual);
}

// An edit as the editor makes it: characters inserted or deleted at a
// legal position of one row, a deletion across rows, or text of several
// lines spread over new rows.
struct TEdit {
    TRowIndex Row;
    size_t Col;
    bool ToEnd;
};

void DeleteAcrossRows(THELineArray& lines, TRowIndex row, size_t col, TRowIndex endRow, size_t endCol)
{
    const std::string tail(lines[endRow].View().substr(endCol));
    TRow& first = lines.Edit(row);
    first.Truncate(col);
    first.Append(tail);
    lines.Erase(row + 1, endRow + 1);
}

// What the editor does with a text of two or more line ends: the caret
// row's tail moves behind the last line, the lines between get new rows.
void InsertRowWise(THELineArray& lines, TRowIndex row, size_t col, const std::string& text)
{
    std::vector<std::string> pieces;
    for (size_t pos = 0; pos < text.size();) {
        const size_t end = std::min(text.find('\n', pos), text.size() - 1) + 1;
        pieces.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    const TRowIndex lineEnds = TRowIndex(std::count(text.begin(), text.end(), '\n'));
    lines.InsertN(row + 1, row == lines.Size() - 1 ? lineEnds : lineEnds - 1, TRow());
    const std::string tail(lines[row].View().substr(col));
    lines.Edit(row).Truncate(col);
    lines.Edit(row + lineEnds).Insert(0, tail);
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i == 0)
            lines.Edit(row).Append(pieces[0]);
        else
            lines.Edit(row + TRowIndex(i)).Insert(0, pieces[i]);
    }
}

TEdit MakeEdit(THELineArray& lines, std::string& model, TTextMaker& maker, bool tabs)
{
    TRowIndex row = TRowIndex(maker.Pick(uint32_t(lines.Size())));
    const TRow& current = lines[row];
    size_t last = current.EndsWithLineEnd() ? current.size() - 1 : current.size();
    size_t col = maker.Pick(uint32_t(last + 1));
    size_t offset = size_t(lines.StartOf(row)) + col;
    const uint32_t kind = maker.Pick(6);
    if (kind == 0 && row + 1 < lines.Size()) {
        const TRowIndex endRow = row + 1 + TRowIndex(maker.Pick(uint32_t(std::min(4, lines.Size() - row - 1))));
        const size_t endCol = maker.Pick(uint32_t(lines[endRow].size()));
        const size_t endOffset = size_t(lines.StartOf(endRow)) + endCol;
        DeleteAcrossRows(lines, row, col, endRow, endCol);
        model.erase(offset, endOffset - offset);
        return {row, col, false};
    }
    if (kind <= 2 && current.size() > col) {
        size_t count = 1 + maker.Pick(uint32_t(current.size() - col));
        lines.Edit(row).Erase(col, count);
        model.erase(offset, count);
        return {row, col, false};
    }
    std::string text = maker.Piece(tabs);
    if (maker.Pick(4) == 0)
        text += maker.Piece(tabs) + maker.Piece(tabs);
    model.insert(offset, text);
    if (std::count(text.begin(), text.end(), '\n') >= 2 && current.EndsWithLineEnd()) {
        InsertRowWise(lines, row, col, text);
        return {row, col, true};
    }
    lines.Edit(row).Insert(col, text);
    return {row, col, false};
}

// The rows a full rewrap of the text gives.
std::vector<std::string> FullRewrap(const std::string& model, const TReflowParams& params)
{
    THELineArray lines;
    SetViewRows(lines, LinesOf(model));
    ReflowRows(lines, 0, 0, true, params);
    return RowsOf(lines);
}

void RunProperty(uint32_t seed, bool tabs)
{
    TTextMaker maker(seed);
    const int widths[] = {0, 1, 2, 3, 5, 8, 10, 17, 40};
    const int tabSizes[] = {0, 1, 3, 4, 8};
    for (int round = 0; round < 40; ++round) {
        std::string model = maker.Text(maker.Pick(400), tabs);
        TReflowParams params;
        params.WordWrap = maker.Pick(3) != 0;
        params.WindowCols = widths[maker.Pick(9)];
        params.TabSize = tabSizes[maker.Pick(5)];
        THELineArray lines;
        SetViewRows(lines, LinesOf(model));
        lines.SetSettledFor(ReflowKey({false, 0, 0}));  // as the loader leaves its rows
        if (params.WordWrap)
            ReflowRows(lines, 0, 0, true, params);
        for (int step = 0; step < 60; ++step) {
            std::string where = "seed " + std::to_string(seed) + " round " + std::to_string(round) + " step " +
                                std::to_string(step) + " width " + std::to_string(params.WindowCols) + " wrap " +
                                std::to_string(params.WordWrap);
            // Half of the rounds edit a fully wrapped document, so that a
            // pass run on to the end has nothing to change but what the
            // edit disturbed.
            const bool settled = params.WordWrap && round % 2 == 1;
            if (settled)
                ReflowRows(lines, 0, 0, true, params);
            TEdit edit = MakeEdit(lines, model, maker, tabs);
            where += " edit at " + std::to_string(edit.Row) + "," + std::to_string(edit.Col);
            const std::vector<std::string> edited = RowsOf(lines);
            // The editor reflows its edits without going to the end, the
            // row-wise insertion of several lines included.
            ReflowRows(lines, edit.Row, TRowIndex(edit.Col), false, params);
            ASSERT_EQ(TextOf(lines), model) << where;
            ASSERT_EQ(lines.TextLength(), int64_t(model.size())) << where;
            if (params.WordWrap) {
                ExpectWrappedInvariants(lines, params.WindowCols, params.TabSize, where);
                if (settled)
                    ExpectSameAsPassToEnd(lines, edited, edit.Row, edit.Col, params, where);
                // Without tabs, whose width depends on where they stood when
                // they were measured, the rows are those of a full rewrap
                // (unless the text ends without a line end: a last word
                // without a break after it is never taken up).
                if (settled && !tabs && !model.empty() && model.back() == '\n')
                    ASSERT_EQ(RowsOf(lines), FullRewrap(model, params)) << where;
            } else {
                ExpectUnwrappedInvariants(lines, where);
                ASSERT_EQ(RowsOf(lines), LinesOf(model)) << where;
            }
            if (::testing::Test::HasFatalFailure())
                return;
        }
        TReflowParams on = params, off = params;
        on.WordWrap = true;
        off.WordWrap = false;
        // The rows a reflow made are taken at their word in a full pass
        // (no line end looked for inside them); the same rows taken as
        // unknown must come out the same.
        for (const TReflowParams& full : {on, off}) {
            THELineArray unknown;
            SetViewRows(unknown, RowsOf(lines));
            ReflowRows(unknown, 0, 0, true, full);
            ReflowRows(lines, 0, 0, true, full);
            ASSERT_EQ(RowsOf(lines), RowsOf(unknown)) << "seed " << seed << " round " << round;
        }
        ASSERT_EQ(RowsOf(lines), LinesOf(model)) << "seed " << seed << " round " << round;
        ReflowRows(lines, 0, 0, true, on);
        ExpectWrappedInvariants(lines, on.WindowCols, on.TabSize, "full wrap");
    }
}

TEST(ReflowPropertyTest, TextAndInvariantsSurviveRandomEditsWithoutTabs)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        RunProperty(seed, false);
        if (HasFatalFailure())
            return;
    }
}

TEST(ReflowPropertyTest, TextAndInvariantsSurviveRandomEditsWithTabs)
{
    for (uint32_t seed = 101; seed <= 112; ++seed) {
        RunProperty(seed, true);
        if (HasFatalFailure())
            return;
    }
}

}  // namespace
