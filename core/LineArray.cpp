#include "core/LineArray.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

// Row handles own at most one heap block and hold no pointer to
// themselves, so moving their bytes moves the rows.
namespace {

void MoveSlots(TRow* to, TRow* from, size_t n) noexcept
{
    if (n)
        std::memmove(static_cast<void*>(to), static_cast<const void*>(from), n * sizeof(TRow));
}

void DestroyRows(TRow* rows, size_t n) noexcept
{
    for (size_t i = 0; i < n; ++i)
        rows[i].~TRow();
}

}  // namespace

THELineArray::~THELineArray()
{
    Clear();
}

TRow* THELineArray::NewSlots()
{
    void* slots = std::malloc(sizeof(TRow) * size_t(BlockRows));
    if (!slots)
        throw std::bad_alloc();
    return static_cast<TRow*>(slots);
}

void THELineArray::FreeSlots(TRow* rows) noexcept { std::free(static_cast<void*>(rows)); }

size_t THELineArray::BlockOf(TRowIndex i) const noexcept
{
    if (Blocks.empty())
        return 0;
    for (size_t b = Hint; b < Blocks.size() && b < Hint + 2; ++b) {
        if (i >= Blocks[b].Start && i - Blocks[b].Start < Blocks[b].Count) {
            Hint = b;
            return b;
        }
    }
    auto after = std::upper_bound(Blocks.begin(), Blocks.end(), i,
                                  [](TRowIndex value, const TBlock& block) { return value < block.Start; });
    Hint = after == Blocks.begin() ? 0 : size_t(after - Blocks.begin()) - 1;
    return Hint;
}

TRow& THELineArray::Slot(TRowIndex i) const noexcept
{
    const TBlock& block = Blocks[BlockOf(i)];
    return block.Rows[i - block.Start];
}

TRow& THELineArray::Edit(TRowIndex i)
{
    const size_t b = BlockOf(i);
    TextChanged(b);
    MarkChanged(i, i);
    return Blocks[b].Rows[i - Blocks[b].Start];
}

// --- blocks ---------------------------------------------------------------------

void THELineArray::Renumber(size_t from) noexcept
{
    for (size_t b = from; b < Blocks.size(); ++b)
        Blocks[b].Start = b == 0 ? 0 : Blocks[b - 1].Start + Blocks[b - 1].Count;
}

void THELineArray::TextChanged(size_t block) noexcept
{
    if (block < Blocks.size())
        Blocks[block].LengthKnown = false;
    ValidStarts = std::min(ValidStarts, block + 1);
}

int64_t THELineArray::LengthOf(const TBlock& block) const noexcept
{
    if (!block.LengthKnown) {
        int64_t length = 0;
        for (TRowIndex r = 0; r < block.Count; ++r)
            length += int64_t(block.Rows[r].size());
        block.Length = length;
        block.LengthKnown = true;
    }
    return block.Length;
}

void THELineArray::EnsureStarts(size_t upTo) const noexcept
{
    upTo = std::min(upTo, Blocks.size());
    for (size_t b = ValidStarts; b < upTo; ++b)
        Blocks[b].TextStart = b == 0 ? 0 : Blocks[b - 1].TextStart + LengthOf(Blocks[b - 1]);
    ValidStarts = std::max(ValidStarts, upTo);
}

size_t THELineArray::BreakAt(TRowIndex index)
{
    if (index >= Count)
        return Blocks.size();
    const size_t b = BlockOf(index);
    const TRowIndex at = index - Blocks[b].Start;
    if (at == 0)
        return b;
    TBlock tail;
    tail.Rows = NewSlots();
    tail.Start = index;
    tail.Count = Blocks[b].Count - at;
    tail.LengthKnown = false;
    try {
        Blocks.insert(Blocks.begin() + std::ptrdiff_t(b) + 1, tail);
    } catch (...) {
        FreeSlots(tail.Rows);
        throw;
    }
    TBlock& head = Blocks[b];
    MoveSlots(Blocks[b + 1].Rows, head.Rows + at, size_t(Blocks[b + 1].Count));
    head.Count = at;
    head.LengthKnown = false;
    ValidStarts = std::min(ValidStarts, b + 1);
    return b + 1;
}

void THELineArray::PutBlocks(size_t at, const std::vector<TRow*>& rows, const std::vector<TRowIndex>& counts,
                             const std::vector<int64_t>* lengths)
{
    std::vector<TBlock> added(rows.size());
    TRowIndex total = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        added[i].Rows = rows[i];
        added[i].Count = counts[i];
        added[i].LengthKnown = lengths && (*lengths)[i] >= 0;
        added[i].Length = lengths ? (*lengths)[i] : 0;
        total += counts[i];
    }
    Blocks.insert(Blocks.begin() + std::ptrdiff_t(at), added.begin(), added.end());
    Count += total;
    Renumber(at);
    ValidStarts = std::min(ValidStarts, at);
}

void THELineArray::MergeAround(size_t at)
{
    for (size_t b : {at, at - 1}) {
        // Blocks b and b + 1 become one when they fit together.
        if (b + 1 >= Blocks.size() || b + 1 == 0)
            continue;
        TBlock& left = Blocks[b];
        TBlock& right = Blocks[b + 1];
        if (left.Count + right.Count > BlockRows)
            continue;
        MoveSlots(left.Rows + left.Count, right.Rows, size_t(right.Count));
        left.Count += right.Count;
        left.Length += right.Length;
        left.LengthKnown = left.LengthKnown && right.LengthKnown;
        FreeSlots(right.Rows);
        Blocks.erase(Blocks.begin() + std::ptrdiff_t(b) + 1);
        ValidStarts = std::min(ValidStarts, b + 1);
    }
    Hint = 0;
}

// --- insertion and erasure ------------------------------------------------------------

void THELineArray::Insert(TRowIndex index, TRow row)
{
    index = std::clamp<TRowIndex>(index, 0, Count);
    if (Blocks.empty() || (index == Count && Blocks.back().Count == BlockRows)) {
        TBlock block;
        block.Rows = NewSlots();
        block.Start = Count;
        try {
            Blocks.push_back(block);
        } catch (...) {
            FreeSlots(block.Rows);
            throw;
        }
    }
    size_t b = index == Count ? Blocks.size() - 1 : BlockOf(index);
    if (Blocks[b].Count == BlockRows) {
        BreakAt(Blocks[b].Start + BlockRows / 2);
        b = BlockOf(index);
    }
    TBlock& block = Blocks[b];
    const TRowIndex at = index - block.Start;
    MoveSlots(block.Rows + at + 1, block.Rows + at, size_t(block.Count - at));
    new (block.Rows + at) TRow(std::move(row));
    ++block.Count;
    ++Count;
    Renumber(b + 1);
    TextChanged(b);
    ShiftChanged(index, 1);
    MarkChanged(index, index);
}

void THELineArray::AppendBlock(TRow row)
{
    TBlock block;
    block.Rows = NewSlots();
    block.Start = Count;
    block.Count = 1;
    block.Length = int64_t(row.size());
    try {
        Blocks.push_back(block);
    } catch (...) {
        FreeSlots(block.Rows);
        throw;
    }
    new (block.Rows) TRow(std::move(row));
    ++Count;
}

void THELineArray::InsertN(TRowIndex index, TRowIndex n, const TRow& row)
{
    if (n <= 0)
        return;
    index = std::clamp<TRowIndex>(index, 0, Count);
    // The copies are made first, so that running out of memory leaves the
    // array as it was.
    std::vector<TRow*> slots;
    std::vector<TRowIndex> counts;
    try {
        for (TRowIndex made = 0; made < n;) {
            slots.push_back(NewSlots());
            counts.push_back(0);
            const TRowIndex take = std::min(BlockRows, n - made);
            for (; counts.back() < take; ++counts.back())
                new (slots.back() + counts.back()) TRow(row);
            made += take;
        }
    } catch (...) {
        for (size_t i = 0; i < slots.size(); ++i) {
            DestroyRows(slots[i], size_t(i < counts.size() ? counts[i] : 0));
            FreeSlots(slots[i]);
        }
        throw;
    }
    const size_t at = BreakAt(index);
    PutBlocks(at, slots, counts);
    MergeAround(at + slots.size());
    MergeAround(at);
    ShiftChanged(index, n);
    MarkChanged(index, index + n - 1);
}

void THELineArray::Erase(TRowIndex index)
{
    Erase(index, index + 1);
}

void THELineArray::Erase(TRowIndex first, TRowIndex last)
{
    first = std::clamp<TRowIndex>(first, 0, Count);
    last = std::clamp<TRowIndex>(last, first, Count);
    if (first == last)
        return;
    const size_t from = BreakAt(first);
    const size_t to = BreakAt(last);
    for (size_t b = from; b < to; ++b) {
        DestroyRows(Blocks[b].Rows, size_t(Blocks[b].Count));
        FreeSlots(Blocks[b].Rows);
    }
    Blocks.erase(Blocks.begin() + std::ptrdiff_t(from), Blocks.begin() + std::ptrdiff_t(to));
    Count -= last - first;
    Renumber(from);
    ValidStarts = std::min(ValidStarts, from);
    MergeAround(from);
    ShiftChanged(first, first - last);
    if (Count > 0)
        MarkChanged(std::min(first, Count - 1), std::min(first, Count - 1));
}

void THELineArray::Clear()
{
    for (TBlock& block : Blocks) {
        DestroyRows(block.Rows, size_t(block.Count));
        FreeSlots(block.Rows);
    }
    Blocks.clear();
    Blocks.shrink_to_fit();
    Count = 0;
    Hint = 0;
    ValidStarts = 0;
    Text.Clear();
    ForgetChanges();
    Settled = 0;
}

// --- row surgery ----------------------------------------------------------------

void THELineArray::Split(TRowIndex row, size_t at)
{
    if (row < 0 || row >= Count)
        return;
    TRow& head = Edit(row);
    TRow tail = TRow::CutTail(head, at);
    try {
        Insert(row + 1, std::move(tail));
    } catch (...) {
        TRow::Join(Edit(row), tail);
        throw;
    }
}

void THELineArray::JoinNext(TRowIndex row)
{
    if (row < 0 || row + 1 >= Count)
        return;
    TRow::Join(Edit(row), Edit(row + 1));
    Erase(row + 1);
    MarkChanged(row, row);
}

void THELineArray::TakeUp(TRowIndex row, size_t n)
{
    if (row < 0 || row + 1 >= Count)
        return;
    TRow& next = Edit(row + 1);
    TRow::MoveFront(Edit(row), next, n);
}

void THELineArray::PushDown(TRowIndex row, size_t at)
{
    if (row < 0 || row >= Count)
        return;
    if (row + 1 == Count) {
        Split(row, at);
        return;
    }
    TRow& next = Edit(row + 1);
    TRow::MoveTail(Edit(row), at, next);
}

// --- offsets ----------------------------------------------------------------

int64_t THELineArray::StartOf(TRowIndex row) const
{
    if (row <= 0 || Count == 0)
        return 0;
    if (row >= Count) {
        EnsureStarts(Blocks.size());
        return Blocks.back().TextStart + LengthOf(Blocks.back());
    }
    const size_t b = BlockOf(row);
    EnsureStarts(b + 1);
    const TBlock& block = Blocks[b];
    const TRowIndex at = row - block.Start;
    // From the nearer end of the block.
    if (at > block.Count / 2) {
        int64_t start = block.TextStart + LengthOf(block);
        for (TRowIndex r = block.Count; r-- > at;)
            start -= int64_t(block.Rows[r].size());
        return start;
    }
    int64_t start = block.TextStart;
    for (TRowIndex r = 0; r < at; ++r)
        start += int64_t(block.Rows[r].size());
    return start;
}

void THELineArray::Locate(int64_t offset, TRowIndex& row, int64_t& col) const
{
    if (Count == 0) {
        row = 0;
        col = 0;
        return;
    }
    EnsureStarts(Blocks.size());
    const int64_t total = Blocks.back().TextStart + LengthOf(Blocks.back());
    if (uint64_t(offset) >= uint64_t(total)) {
        row = Count - 1;
        col = int64_t((*this)[row].size());
        return;
    }
    auto after = std::upper_bound(Blocks.begin(), Blocks.end(), offset,
                                  [](int64_t value, const TBlock& block) { return value < block.TextStart; });
    const size_t b = size_t(after - Blocks.begin()) - 1;
    const TBlock& block = Blocks[b];
    int64_t start = block.TextStart;
    for (TRowIndex r = 0; r < block.Count; ++r) {
        const int64_t end = start + int64_t(block.Rows[r].size());
        if (offset < end) {
            Hint = b;
            row = block.Start + r;
            col = offset - start;
            return;
        }
        start = end;
    }
    row = Count - 1;
    col = int64_t((*this)[row].size());
}

// --- the changed range ----------------------------------------------------------------

void THELineArray::MarkChanged(TRowIndex first, TRowIndex last) noexcept
{
    // Ranges that touch or overlap become one; beyond a few, the closest
    // ones are joined, which only makes a reflow look at more rows.
    constexpr size_t MaxRanges = 16;
    TRowRange added{first, last};
    auto at = std::lower_bound(Changed.begin(), Changed.end(), added,
                               [](const TRowRange& a, const TRowRange& b) { return a.First < b.First; });
    at = Changed.insert(at, added);
    Normalize();
    while (Changed.size() > MaxRanges) {
        size_t closest = 0;
        for (size_t i = 1; i + 1 < Changed.size(); ++i)
            if (Changed[i + 1].First - Changed[i].Last < Changed[closest + 1].First - Changed[closest].Last)
                closest = i;
        Changed[closest].Last = Changed[closest + 1].Last;
        Changed.erase(Changed.begin() + std::ptrdiff_t(closest) + 1);
    }
}

void THELineArray::Normalize() noexcept
{
    size_t out = 0;
    for (size_t i = 0; i < Changed.size(); ++i) {
        if (Changed[i].Last < Changed[i].First)
            continue;
        if (out > 0 && Changed[i].First <= Changed[out - 1].Last + 1)
            Changed[out - 1].Last = std::max(Changed[out - 1].Last, Changed[i].Last);
        else
            Changed[out++] = Changed[i];
    }
    Changed.resize(out);
}

void THELineArray::ShiftChanged(TRowIndex at, TRowIndex by) noexcept
{
    auto shift = [&](TRowIndex& index) {
        if (by >= 0) {
            if (index >= at)
                index += by;
        } else if (index >= at - by) {
            index += by;
        } else if (index >= at) {
            index = at;
        }
    };
    for (TRowRange& range : Changed) {
        shift(range.First);
        shift(range.Last);
    }
    Normalize();
}

// --- detached rows ----------------------------------------------------------------

THELineArray::TDetachedRows::TDetachedRows(TDetachedRows&& other) noexcept
    : Slots(std::move(other.Slots)), Counts(std::move(other.Counts)), Lengths(std::move(other.Lengths)), Rows(other.Rows)
{
    other.Slots.clear();
    other.Counts.clear();
    other.Lengths.clear();
    other.Rows = 0;
}

THELineArray::TDetachedRows& THELineArray::TDetachedRows::operator=(TDetachedRows&& other) noexcept
{
    if (this != &other) {
        Release();
        Slots = std::move(other.Slots);
        Counts = std::move(other.Counts);
        Lengths = std::move(other.Lengths);
        Rows = other.Rows;
        other.Slots.clear();
        other.Counts.clear();
        other.Lengths.clear();
        other.Rows = 0;
    }
    return *this;
}

void THELineArray::TDetachedRows::Release() noexcept
{
    for (size_t i = 0; i < Slots.size(); ++i) {
        DestroyRows(Slots[i], size_t(Counts[i]));
        FreeSlots(Slots[i]);
    }
    Slots.clear();
    Counts.clear();
    Lengths.clear();
    Rows = 0;
}

THELineArray::TDetachedRows THELineArray::Detach(TRowIndex first, TRowIndex last)
{
    first = std::clamp<TRowIndex>(first, 0, Count);
    last = std::clamp<TRowIndex>(last, first, Count);
    TDetachedRows rows;
    if (first == last)
        return rows;
    const size_t from = BreakAt(first);
    const size_t to = BreakAt(last);
    rows.Slots.reserve(to - from);
    rows.Counts.reserve(to - from);
    for (size_t b = from; b < to; ++b) {
        rows.Slots.push_back(Blocks[b].Rows);
        rows.Counts.push_back(Blocks[b].Count);
        rows.Lengths.push_back(Blocks[b].LengthKnown ? Blocks[b].Length : -1);
    }
    rows.Rows = last - first;
    Blocks.erase(Blocks.begin() + std::ptrdiff_t(from), Blocks.begin() + std::ptrdiff_t(to));
    Count -= rows.Rows;
    Renumber(from);
    ValidStarts = std::min(ValidStarts, from);
    MergeAround(from);
    ShiftChanged(first, -rows.Rows);
    if (Count > 0)
        MarkChanged(std::min(first, Count - 1), std::min(first, Count - 1));
    return rows;
}

void THELineArray::Attach(TRowIndex index, TDetachedRows&& rows)
{
    if (rows.Rows == 0)
        return;
    index = std::clamp<TRowIndex>(index, 0, Count);
    const size_t at = BreakAt(index);
    PutBlocks(at, rows.Slots, rows.Counts, &rows.Lengths);
    const size_t added = rows.Slots.size();
    ShiftChanged(index, rows.Rows);
    rows.Slots.clear();
    rows.Counts.clear();
    rows.Lengths.clear();
    rows.Rows = 0;
    MergeAround(at + added);
    MergeAround(at);
}

// --- the forward cursor -------------------------------------------------------

THELineArray::TCursor::TCursor(THELineArray& lines, TRowIndex first)
    : Lines(lines), First(std::clamp<TRowIndex>(first, 0, lines.Count)), ReadPos(First)
{
    TakeNext();
}

TRowIndex THELineArray::TCursor::Size() const noexcept
{
    return First + Written + (HasCurrent ? 1 : 0) + TRowIndex(Ahead.size()) + (Lines.Count - ReadPos);
}

void THELineArray::TCursor::FindSource(TRowIndex i) noexcept
{
    const TBlock& block = Lines.Blocks[Lines.BlockOf(i)];
    ReadRows = block.Rows;
    ReadBegin = block.Start;
    ReadEnd = block.Start + block.Count;
}

void THELineArray::TCursor::NewOutBlock()
{
    TRow* slots = NewSlots();
    try {
        Out.push_back(slots);
    } catch (...) {
        FreeSlots(slots);
        throw;
    }
    OutFill = 0;
}

void THELineArray::TCursor::EraseRow()
{
    Current = TRow();
    TakeNext();
}

void THELineArray::TCursor::InsertNext(TRow row)
{
    Ahead.push_back(std::move(row));
}

void THELineArray::TCursor::Finish()
{
    if (Finished)
        return;
    Finished = true;
    if (HasCurrent)
        Output(std::move(Current));
    HasCurrent = false;
    while (!Ahead.empty()) {
        Output(std::move(Ahead.back()));
        Ahead.pop_back();
    }
    // The rows taken, [First, ReadPos), are empty now: the finished rows
    // take their place.
    const size_t from = Lines.BreakAt(First);
    const size_t to = Lines.BreakAt(ReadPos);
    for (size_t b = from; b < to; ++b) {
        DestroyRows(Lines.Blocks[b].Rows, size_t(Lines.Blocks[b].Count));
        FreeSlots(Lines.Blocks[b].Rows);
    }
    Lines.Blocks.erase(Lines.Blocks.begin() + std::ptrdiff_t(from), Lines.Blocks.begin() + std::ptrdiff_t(to));
    Lines.Count -= ReadPos - First;
    std::vector<TRowIndex> counts(Out.size(), BlockRows);
    if (!counts.empty())
        counts.back() = OutFill;
    Lines.PutBlocks(from, Out, counts);
    Lines.MergeAround(from + Out.size());
    Lines.MergeAround(from);
    Out.clear();
}
