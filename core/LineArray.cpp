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

void MakeEmptySlots(TRow* at, size_t n) noexcept
{
    for (size_t i = 0; i < n; ++i)
        new (at + i) TRow();
}

}  // namespace

THELineArray::THELineArray() = default;

THELineArray::~THELineArray()
{
    Clear();
}

TRow& THELineArray::Edit(TRowIndex i)
{
    Invalidate(i);
    return Rows[i];
}

void THELineArray::Reserve(size_t slotsNeeded)
{
    if (slotsNeeded <= Slots)
        return;
    size_t slots = size_t(Count) + std::max<size_t>(GrowthStep, slotsNeeded - size_t(Count));
    void* grown = std::realloc(static_cast<void*>(Rows), slots * sizeof(TRow));
    if (!grown)
        throw std::bad_alloc();
    Rows = static_cast<TRow*>(grown);
    Slots = slots;
}

void THELineArray::Insert(TRowIndex index, TRow row)
{
    index = std::clamp<TRowIndex>(index, 0, Count);
    Reserve(size_t(Count) + 1);
    MoveSlots(Rows + index + 1, Rows + index, size_t(Count - index));
    new (Rows + index) TRow(std::move(row));
    ++Count;
    Invalidate(index);
}

void THELineArray::InsertN(TRowIndex index, TRowIndex n, const TRow& row)
{
    if (n <= 0)
        return;
    index = std::clamp<TRowIndex>(index, 0, Count);
    // The copies are made first, so that running out of memory leaves the
    // array as it was.
    std::vector<TRow> copies(size_t(n), row);
    Reserve(size_t(Count) + size_t(n));
    MoveSlots(Rows + index + n, Rows + index, size_t(Count - index));
    for (TRowIndex i = 0; i < n; ++i)
        new (Rows + index + i) TRow(std::move(copies[size_t(i)]));
    Count += n;
    Invalidate(index);
}

void THELineArray::Append(TRow row)
{
    Reserve(size_t(Count) + 1);
    new (Rows + Count) TRow(std::move(row));
    Invalidate(Count);
    ++Count;
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
    for (TRowIndex i = first; i < last; ++i)
        Rows[i].~TRow();
    MoveSlots(Rows + first, Rows + last, size_t(Count - last));
    Count -= last - first;
    Invalidate(first);
}

void THELineArray::Clear()
{
    for (TRowIndex i = 0; i < Count; ++i)
        Rows[i].~TRow();
    std::free(static_cast<void*>(Rows));
    Rows = nullptr;
    Count = 0;
    Slots = 0;
    Blocks.Clear();
    Checkpoints.clear();
    ValidCheckpoints = 0;
}

void THELineArray::Split(TRowIndex row, size_t at)
{
    if (row < 0 || row >= Count)
        return;
    Reserve(size_t(Count) + 1);
    Insert(row + 1, TRow::CutTail(Rows[row], at));
    Invalidate(row);
}

void THELineArray::JoinNext(TRowIndex row)
{
    if (row < 0 || row + 1 >= Count)
        return;
    TRow::Join(Rows[row], Rows[row + 1]);
    Erase(row + 1);
    Invalidate(row);
}

void THELineArray::TakeUp(TRowIndex row, size_t n)
{
    if (row < 0 || row + 1 >= Count)
        return;
    TRow::MoveFront(Rows[row], Rows[row + 1], n);
    Invalidate(row);
}

void THELineArray::PushDown(TRowIndex row, size_t at)
{
    if (row < 0 || row >= Count)
        return;
    if (row + 1 == Count) {
        Split(row, at);
        return;
    }
    TRow::MoveTail(Rows[row], at, Rows[row + 1]);
    Invalidate(row);
}

// --- offsets ----------------------------------------------------------------

void THELineArray::Invalidate(TRowIndex fromRow) noexcept
{
    // A change in row r moves the starts of the rows after it only.
    size_t keep = fromRow < 0 ? 0 : size_t(fromRow) / CheckpointEvery + 1;
    ValidCheckpoints = std::min(ValidCheckpoints, keep);
}

void THELineArray::ExtendCheckpoints(size_t upTo) const
{
    if (Checkpoints.size() < upTo)
        Checkpoints.resize(std::max(upTo, Checkpoints.size() * 2));
    if (ValidCheckpoints == 0) {
        Checkpoints[0] = 0;
        ValidCheckpoints = 1;
    }
    while (ValidCheckpoints < upTo) {
        size_t j = ValidCheckpoints;
        int64_t start = Checkpoints[j - 1];
        for (TRowIndex r = TRowIndex((j - 1) * CheckpointEvery), end = TRowIndex(j * CheckpointEvery); r < end; ++r)
            start += int64_t(Rows[r].size());
        Checkpoints[j] = start;
        ValidCheckpoints = j + 1;
    }
}

int64_t THELineArray::StartOf(TRowIndex row) const
{
    if (row <= 0)
        return 0;
    row = std::min(row, Count);
    size_t j = size_t(row) / CheckpointEvery;
    ExtendCheckpoints(j + 1);
    int64_t start = Checkpoints[j];
    for (TRowIndex r = TRowIndex(j * CheckpointEvery); r < row; ++r)
        start += int64_t(Rows[r].size());
    return start;
}

void THELineArray::Locate(int64_t offset, TRowIndex& row, int64_t& col) const
{
    if (Count == 0) {
        row = 0;
        col = 0;
        return;
    }
    ExtendCheckpoints(1);
    const uint64_t target = uint64_t(offset);
    // The last checkpoint at or before the offset; rows before it end
    // at or before the offset.
    auto valid = Checkpoints.begin() + std::ptrdiff_t(ValidCheckpoints);
    size_t j = 0;
    if (offset >= 0)
        j = size_t(std::upper_bound(Checkpoints.begin(), valid, offset) - Checkpoints.begin()) - 1;
    else
        j = ValidCheckpoints - 1;
    int64_t start = Checkpoints[j];
    for (TRowIndex r = TRowIndex(j * CheckpointEvery); r < Count; ++r) {
        int64_t end = start + int64_t(Rows[r].size());
        if (target < uint64_t(end)) {
            row = r;
            col = offset - start;
            return;
        }
        start = end;
        // Record the checkpoints the walk passes, so the next call is short.
        if ((r + 1) % CheckpointEvery == 0 && size_t(r + 1) / CheckpointEvery == ValidCheckpoints) {
            if (Checkpoints.size() <= ValidCheckpoints)
                Checkpoints.resize(Checkpoints.size() * 2 + 1);
            Checkpoints[ValidCheckpoints++] = start;
        }
    }
    row = Count - 1;
    col = int64_t(Rows[row].size());
}

// --- the forward cursor -------------------------------------------------------

THELineArray::TCursor::TCursor(THELineArray& lines, TRowIndex first)
    : Lines(lines), First(std::clamp<TRowIndex>(first, 0, lines.Count)), Written(First), ReadPos(First)
{
    Lines.Invalidate(First);
    TakeNext();
}

TRowIndex THELineArray::TCursor::Size() const noexcept
{
    return Written + TRowIndex(Overflow.size()) + (HasCurrent ? 1 : 0) + TRowIndex(Ahead.size()) +
           (Lines.Count - ReadPos);
}

void THELineArray::TCursor::FillSlots()
{
    while (!Overflow.empty() && Written < ReadPos) {
        Lines.Rows[Written++] = std::move(Overflow.front());
        Overflow.pop_front();
    }
}

void THELineArray::TCursor::Output(TRow row)
{
    if (Overflow.empty() && Written < ReadPos)
        Lines.Rows[Written++] = std::move(row);
    else
        Overflow.push_back(std::move(row));
}

void THELineArray::TCursor::TakeNext()
{
    HasCurrent = true;
    if (!Ahead.empty()) {
        Current = std::move(Ahead.back());
        Ahead.pop_back();
    } else if (ReadPos < Lines.Count) {
        Current = std::move(Lines.Rows[ReadPos++]);
        FillSlots();
    } else {
        HasCurrent = false;
    }
}

void THELineArray::TCursor::Advance()
{
    Output(std::move(Current));
    TakeNext();
}

void THELineArray::TCursor::EraseRow()
{
    Current = TRow();
    TakeNext();
}

void THELineArray::TCursor::EraseNext()
{
    if (!Ahead.empty()) {
        Ahead.pop_back();
        return;
    }
    Lines.Rows[ReadPos++] = TRow();
    FillSlots();
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
    size_t waiting = Overflow.size();
    size_t free = size_t(ReadPos - Written);
    TRowIndex rest = Lines.Count - ReadPos;
    if (waiting > free) {
        // Open room for the rows that found no slot, in one move.
        size_t extra = waiting - free;
        Lines.Reserve(size_t(Lines.Count) + extra);
        MoveSlots(Lines.Rows + ReadPos + extra, Lines.Rows + ReadPos, size_t(rest));
        MakeEmptySlots(Lines.Rows + ReadPos, extra);
        ReadPos += TRowIndex(extra);
        Lines.Count += TRowIndex(extra);
    }
    FillSlots();
    if (Written < ReadPos) {
        MoveSlots(Lines.Rows + Written, Lines.Rows + ReadPos, size_t(rest));
        Lines.Count = Written + rest;
    }
    Lines.Invalidate(First);
}
