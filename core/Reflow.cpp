#include "core/Reflow.h"

#include "core/DisplayColumn.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t None = size_t(-1);

bool IsBreakOrLineEnd(char c)
{
    return IsWrapBreak(c) || c == '\n';
}

size_t FindLineEnd(const TRow& row, size_t from)
{
    if (from >= row.size())
        return None;
    const void* found = std::memchr(row.data() + from, '\n', row.size() - from);
    return found ? size_t(static_cast<const char*>(found) - row.data()) : None;
}

// The smallest k with DisplayColumn(text, k) >= target (text.size() when
// even the whole text stays below it).
size_t PrefixReaching(std::string_view text, int64_t target, int tabSize)
{
    const int64_t tab = EffectiveTabSize(tabSize);
    int64_t width = 0;
    for (size_t k = 0; k < text.size(); ++k) {
        if (width >= target)
            return k;
        width = text[k] == '\t' ? (width + tab) / tab * tab : width + 1;
    }
    return text.size();
}

// What one pass did: its result, the first row after it that it did not
// examine, and how many rows it added (or, below 0, removed).
struct TPass {
    TReflowResult Result;
    TRowIndex Next = 0;
    TRowIndex Added = 0;
};

// Rows that a reflow or the loader made, none changed since, hold a line
// end only as their last character: a pass over all of them need not look
// for others.
bool Trusted(const THELineArray& lines, bool toEnd)
{
    return toEnd && lines.SettledFor() != 0 && lines.ChangedRanges().empty();
}

// --- the unwrapped pass -------------------------------------------------------

TPass UnwrappedPass(THELineArray& lines, TRowIndex row, size_t col, bool toEnd, TRowIndex stableFrom)
{
    TPass pass;
    TReflowResult& result = pass.Result;
    TRowIndex& firstChanged = result.FirstChanged;
    const TRowIndex before = lines.Size();
    const bool trusted = Trusted(lines, toEnd);
    THELineArray::TCursor cursor(lines, row);
    size_t from = col;
    // Whether the characters before `from` are known to hold no line end,
    // so that joining rows does not rescan what was searched already.
    bool clean = col == 0;
    while (cursor.Valid()) {
        ++result.RowsExamined;
        TRow& current = cursor.Row();
        size_t length = current.size();
        size_t lineEnd = trusted ? (length && current.back() == '\n' ? length - 1 : None)
                                 : FindLineEnd(current, std::min(from, length));
        if (lineEnd != None && lineEnd + 1 < length) {
            cursor.InsertNext(TRow::CutTail(current, lineEnd + 1));
            cursor.Advance();
            if (firstChanged < 0)
                firstChanged = cursor.Index();
        } else if (lineEnd != None) {
            if (!toEnd && cursor.NextIsOriginalFrom(stableFrom)) {
                pass.Next = cursor.Index() + 1;
                break;
            }
            cursor.Advance();
        } else if (cursor.HasNext()) {
            TRow::Join(current, cursor.Next());
            cursor.EraseNext();
            if (firstChanged < 0)
                firstChanged = cursor.Index() + 1;
            from = clean ? length : 0;
            clean = true;
            --result.RowsExamined;
            continue;
        } else {
            break;
        }
        from = 0;
        clean = true;
    }
    if (pass.Next == 0)
        pass.Next = cursor.Size();
    pass.Added = cursor.Size() - before;
    return pass;
}

// --- the wrapped pass ---------------------------------------------------------

class TWrappedPass {
public:
    TWrappedPass(THELineArray& lines, TRowIndex start, size_t col, bool toEnd, TRowIndex stableFrom,
                 const TReflowParams& params)
        : Before(lines.Size()),
          Trust(Trusted(lines, toEnd)),
          Cursor(lines, start),
          Width(std::max(1, params.WindowCols)),
          TabSize(params.TabSize),
          ToEnd(toEnd),
          StableFrom(stableFrom),
          Col(col)
    {
    }

    TPass Run()
    {
        while (Cursor.Valid() && !Stopped && Step()) {
        }
        TPass pass{{FirstChanged, RowsExamined}, Stopped ? Cursor.Index() : Cursor.Size(), Cursor.Size() - Before};
        Cursor.Finish();
        return pass;
    }

private:
    const TRowIndex Before;
    const bool Trust;
    THELineArray::TCursor Cursor;
    const int Width;
    const int TabSize;
    const bool ToEnd;
    // Rows of the array from this index on that the pass has not touched
    // are as it would leave them.
    const TRowIndex StableFrom;
    bool Stopped = false;
    size_t Col;
    // The characters of the current row from Col up to ScanFrom are known
    // to hold no line end, and NextScanFrom says the same of the next row:
    // cutting a very long row into many rows then stays linear.
    size_t ScanFrom = 0;
    size_t NextScanFrom = 0;
    TRowIndex FirstChanged = -1;
    TRowIndex RowsExamined = 1;

    void Changed()
    {
        if (FirstChanged < 0)
            FirstChanged = Cursor.Index();
    }

    // The current row is final. When the next one is a row the pass has not
    // touched, the rows from there on stay as they are, and the pass stops.
    void MoveOn()
    {
        Stopped = !ToEnd && Cursor.NextIsOriginalFrom(StableFrom);
        if (!Stopped)
            ++RowsExamined;
        Cursor.Advance();
        Col = 0;
        ScanFrom = NextScanFrom;
        NextScanFrom = 0;
    }

    bool Step();
    bool CutParagraph(const TRow& row);
    bool EraseEmptyRow();
    bool SplitTooWide(TRow& row, size_t lineEnd);
    bool TakeUp(TRow& row, int rowWidth);
};

// Examines the current row once; false ends the pass.
bool TWrappedPass::Step()
{
    TRow& row = Cursor.Row();
    if (row.empty())
        return EraseEmptyRow();
    if (Trust && Col == 0 && row.IsView() && row.back() == '\n' && CutParagraph(row))
        return true;
    const size_t length = row.size();
    const size_t lineEnd = FindLineEnd(row, std::max(Col, ScanFrom));
    if (lineEnd != None && lineEnd + 1 < length) {
        Changed();
        Cursor.InsertNext(TRow::CutTail(row, lineEnd + 1));
        ScanFrom = Col == 0 ? lineEnd : 0;
        Col = 0;
        return true;
    }
    // Only comparisons with the width follow, so a long row is measured
    // no further than one column past it.
    const int width = DisplayColumn(row.View(), std::min(length, size_t(Width) + 1), TabSize);
    const char last = row.back();
    if (last == '\n' && width <= Width) {
        MoveOn();
        return true;
    }
    if (!IsBreakOrLineEnd(last) && Cursor.HasNext()) {
        Changed();
        ScanFrom = length;
        TRow::Join(row, Cursor.Next());
        Cursor.EraseNext();
        return true;
    }
    // A paragraph end too wide to be split stays as it is.
    if (width > Width && !SplitTooWide(row, lineEnd) && last == '\n') {
        MoveOn();
        return true;
    }
    if (width < Width)
        return TakeUp(row, width);
    MoveOn();
    return true;
}

// A whole line without tabs, as rows view it after loading or unwrapping:
// its rows are those that splitting it row by row gives (see
// SplitTooWide), found without measuring it again for each of them.
// False when the line holds a tab.
bool TWrappedPass::CutParagraph(const TRow& row)
{
    const char* text = row.data();
    const size_t length = row.size();
    const size_t width = size_t(Width);
    if (length != 0 && std::memchr(text, '\t', length))
        return false;
    size_t pos = 0;
    while (length - pos > width) {
        const size_t rest = length - pos;
        const size_t k = std::min(width - 1, rest - 1);
        size_t found = None;
        for (size_t i = k + 1; i-- > 0;) {
            if (IsWrapBreak(text[pos + i])) {
                found = i;
                break;
            }
        }
        for (size_t i = k + 1; found == None && i < rest; ++i) {
            if (IsWrapBreak(text[pos + i]))
                found = i;
        }
        if (found == None || found + 1 >= rest)
            break;
        Changed();
        Cursor.Emit(TRow::ViewOf(text + pos, found + 1));
        ++RowsExamined;
        pos += found + 1;
    }
    if (pos > 0)
        Cursor.Row() = TRow::ViewOf(text + pos, length - pos);
    MoveOn();
    return true;
}

bool TWrappedPass::EraseEmptyRow()
{
    if (Cursor.Size() == 1)
        return false;
    Changed();
    Cursor.EraseRow();
    Col = 0;
    ScanFrom = NextScanFrom;
    NextScanFrom = 0;
    return true;
}

// False when the row holds no break character to split it at.
bool TWrappedPass::SplitTooWide(TRow& row, size_t lineEnd)
{
    const size_t length = row.size();
    const size_t k = std::min(PrefixReaching(row.View(), int64_t(Width) - 1, TabSize), length - 1);
    size_t found = None;
    for (size_t i = k + 1; i-- > 0;) {
        if (IsWrapBreak(row[i])) {
            found = i;
            break;
        }
    }
    for (size_t i = k + 1; found == None && i < length; ++i) {
        if (IsWrapBreak(row[i]))
            found = i;
    }
    if (found == None || found + 1 >= length)
        return false;
    const size_t cut = found + 1;
    Changed();
    if (length - cut > size_t(Width) || row.back() == '\n') {
        // What is known of this row's line ends holds for its tail.
        size_t knownClean = (lineEnd == None ? length : lineEnd);
        Cursor.InsertNext(TRow::CutTail(row, cut));
        NextScanFrom = cut >= Col ? knownClean - cut : 0;
    } else {
        if (!Cursor.HasNext())
            Cursor.InsertNext(TRow());
        TRow::MoveTail(row, cut, Cursor.Next());
    }
    return true;
}

bool TWrappedPass::TakeUp(TRow& row, int rowWidth)
{
    if (!Cursor.HasNext())
        return false;
    const TRow& next = Cursor.PeekNext();
    if (next.empty()) {
        // What a deletion emptied goes, and this row takes up from the row
        // that follows it.
        Changed();
        Cursor.EraseNext();
        return true;
    }
    const int room = Width - rowWidth - 1;
    size_t k = std::min(PrefixReaching(next.View(), room, TabSize), next.size() - 1);
    // An edit can leave line ends inside the next row; none is taken up
    // with characters after it, or this row would hold a line end inside.
    if (const void* lineEnd = std::memchr(next.data(), '\n', k + 1))
        k = size_t(static_cast<const char*>(lineEnd) - next.data());
    size_t found = None;
    for (size_t i = k + 1; i-- > 0;) {
        if (IsBreakOrLineEnd(next[i])) {
            found = i;
            break;
        }
    }
    if (found == None) {
        MoveOn();
        return true;
    }
    Changed();
    ScanFrom = row.size();
    TRow& taken = Cursor.Next();
    TRow::MoveFront(row, taken, found + 1);
    if (taken.empty())
        Cursor.EraseNext();
    else
        MoveOn();
    return true;
}

}  // namespace

uint64_t ReflowKey(const TReflowParams& params)
{
    if (!params.WordWrap)
        return 1;
    return (uint64_t(1) << 63) | (uint64_t(uint32_t(std::max(1, params.WindowCols))) << 24) |
           uint64_t(EffectiveTabSize(params.TabSize) & 0xFFFFFF);
}

namespace {

// One pass from (row, column); in wrapped mode it begins one row earlier
// when the edit lies in the row's first word, which may now fit on the row
// above (only a soft row above belongs to the same paragraph).
TPass RunPass(THELineArray& lines, TRowIndex row, size_t column, bool toEnd, TRowIndex stableFrom,
              const TReflowParams& params)
{
    if (!params.WordWrap)
        return UnwrappedPass(lines, row, column, toEnd, stableFrom);
    std::string_view text = lines[row].View();
    auto firstBreak = std::find_if(text.begin(), text.end(), IsBreakOrLineEnd);
    if ((firstBreak == text.end() || size_t(firstBreak - text.begin()) >= column) && row != 0 &&
        !lines[row - 1].EndsWithLineEnd()) {
        --row;
        column = 0;
    }
    return TWrappedPass(lines, row, column, toEnd, stableFrom, params).Run();
}

}  // namespace

TReflowResult ReflowRows(THELineArray& lines, TRowIndex row, TRowIndex col, bool toEnd, const TReflowParams& params)
{
    if (lines.Size() == 0)
        return {};
    row = std::clamp<TRowIndex>(row, 0, lines.Size() - 1);
    const size_t column = col < 0 ? 0 : size_t(col);
    TReflowResult result;
    if (toEnd) {
        result = RunPass(lines, row, column, true, 0, params).Result;
        if (row == 0)
            lines.SetSettledFor(ReflowKey(params));
    } else {
        // A pass over each run of changed rows (the edited row among them),
        // each stopping once it is past them and the rows are stable again.
        std::vector<THELineArray::TRowRange> ranges = lines.ChangedRanges();
        ranges.push_back({row, row});
        std::sort(ranges.begin(), ranges.end(), [](const auto& a, const auto& b) { return a.First < b.First; });
        TRowIndex added = 0, next = 0;
        const TRowIndex editRow = row;
        for (const THELineArray::TRowRange& range : ranges) {
            const TRowIndex last = std::min(range.Last + added, lines.Size() - 1);
            if (last < next)
                continue;
            const TRowIndex start = std::clamp<TRowIndex>(std::max(range.First + added, next), 0, lines.Size() - 1);
            const size_t from = start == editRow + added ? column : 0;
            const TPass pass = RunPass(lines, start, from, false, last + 1, params);
            if (pass.Result.FirstChanged >= 0 &&
                (result.FirstChanged < 0 || pass.Result.FirstChanged < result.FirstChanged))
                result.FirstChanged = pass.Result.FirstChanged;
            result.RowsExamined += pass.Result.RowsExamined;
            added += pass.Added;
            next = pass.Next;
        }
    }
    if (!params.WordWrap) {
        // An empty last row behind a line end holds no text: the position
        // after the final line end exists in neither mode, so caret offsets
        // and undo records mean the same place whatever the wrap mode.
        const TRowIndex last = lines.Size() - 1;
        if (last > 0 && lines[last].empty()) {
            lines.Erase(last);
            if (result.FirstChanged < 0 || result.FirstChanged > last)
                result.FirstChanged = last;
        }
    }
    lines.ForgetChanges();
    return result;
}
