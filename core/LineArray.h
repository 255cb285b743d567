// THELineArray: the rows of the document. The row handles live in blocks of
// at most BlockRows rows, so that inserting or erasing a row anywhere moves
// one block's handles only, however long the document is; a row is found
// by its block's first index. Each block keeps the length of its text, so
// that offsets cost a walk over blocks, not over rows.
//
// The array also owns the text blocks that loaded rows view, and it keeps
// the bookkeeping of the reflow: which rows were changed since the last
// reflow, and for which wrap parameters all rows were last wrapped.
#pragma once

#include "core/Offset.h"
#include "core/Row.h"
#include "core/TextArena.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <cstdint>
#include <vector>

class THELineArray {
public:
    static constexpr TRowIndex BlockRows = 4096;

    THELineArray() = default;
    ~THELineArray();
    THELineArray(const THELineArray&) = delete;
    THELineArray& operator=(const THELineArray&) = delete;

    TRowIndex Size() const noexcept { return Count; }
    // Row slots allocated, used or not.
    size_t Capacity() const noexcept { return Blocks.size() * size_t(BlockRows); }
    const TRow& operator[](TRowIndex i) const noexcept
    {
        if (Hint < Blocks.size()) {
            const TBlock& block = Blocks[Hint];
            if (uint32_t(i - block.Start) < uint32_t(block.Count))
                return block.Rows[i - block.Start];
        }
        return Slot(i);
    }
    // Write access to one row; it counts as changed.
    TRow& Edit(TRowIndex i);

    void Insert(TRowIndex index, TRow row);
    void InsertN(TRowIndex index, TRowIndex n, const TRow& row);
    // Appended rows are taken as they are: they do not count as changed.
    void Append(TRow row)
    {
        if (Blocks.empty() || Blocks.back().Count == BlockRows) {
            AppendBlock(std::move(row));
            return;
        }
        TBlock& block = Blocks.back();
        block.Length += int64_t(row.size());
        new (block.Rows + block.Count++) TRow(std::move(row));
        ++Count;
    }
    void Erase(TRowIndex index);
    void Erase(TRowIndex first, TRowIndex last);  // [first, last)
    // Releases every row and every text block.
    void Clear();

    // Row surgery that keeps views as views when the text is contiguous.
    // Cuts row at index at: the characters from at on become a new row
    // after it.
    void Split(TRowIndex row, size_t at);
    // Appends row + 1 to row and erases row + 1.
    void JoinNext(TRowIndex row);
    // Moves the first n characters of row + 1 to the end of row (row + 1
    // may become empty; it is not erased).
    void TakeUp(TRowIndex row, size_t n);
    // Moves the characters of row from at on to the front of row + 1.
    void PushDown(TRowIndex row, size_t at);

    // The sum of the lengths of the rows before row (all rows when row is
    // past the end).
    int64_t StartOf(TRowIndex row) const;
    // The total length of the text.
    int64_t TextLength() const { return StartOf(Count); }
    // The first row whose end lies beyond offset, and the column in it;
    // an offset at or past the end gives the last row and col = its length
    // (the caller applies the line-end rule). Offsets below 0 count as past
    // the end (compared unsigned).
    void Locate(int64_t offset, TRowIndex& row, int64_t& col) const;

    // Calls f(rows, n) for the rows [first, last) in runs that are
    // contiguous in memory: the fast way to read many rows in order.
    template <class F>
    void ForEachRun(TRowIndex first, TRowIndex last, F&& f) const
    {
        if (first < 0)
            first = 0;
        if (last > Count)
            last = Count;
        for (size_t b = first < last ? BlockOf(first) : Blocks.size(); b < Blocks.size() && first < last; ++b) {
            const TBlock& block = Blocks[b];
            const TRowIndex from = first - block.Start;
            const TRowIndex to = std::min<TRowIndex>(block.Count, last - block.Start);
            f(block.Rows + from, size_t(to - from));
            first = block.Start + to;
        }
    }

    // The text blocks rows may view (used by the loader and large inserts).
    TTextArena& Arena() noexcept { return Text; }

    // Rows taken out whole, as their blocks: they can be put back at
    // constant cost per block (an undo record keeps them).
    class TDetachedRows {
    public:
        TDetachedRows() = default;
        TDetachedRows(TDetachedRows&& other) noexcept;
        TDetachedRows& operator=(TDetachedRows&& other) noexcept;
        ~TDetachedRows() { Release(); }
        TRowIndex Size() const noexcept { return Rows; }

    private:
        friend class THELineArray;
        std::vector<TRow*> Slots;
        std::vector<TRowIndex> Counts;
        std::vector<int64_t> Lengths;  // of each block's text, -1 when not known
        TRowIndex Rows = 0;
        void Release() noexcept;
    };
    // Takes the rows [first, last) out; the rows behind move up.
    TDetachedRows Detach(TRowIndex first, TRowIndex last);
    // Puts detached rows back before index. They do not count as changed.
    void Attach(TRowIndex index, TDetachedRows&& rows);

    // --- reflow bookkeeping --------------------------------------------------
    // The rows changed since ForgetChanges, as sorted ranges of rows (first
    // and last included): Edit, Insert, InsertN, Erase and the row surgery
    // add to them.
    struct TRowRange {
        TRowIndex First, Last;
    };
    const std::vector<TRowRange>& ChangedRanges() const noexcept { return Changed; }
    void ForgetChanges() noexcept { Changed.clear(); }
    // The wrap parameters all rows were last wrapped for (0: unknown);
    // Clear forgets them.
    uint64_t SettledFor() const noexcept { return Settled; }
    void SetSettledFor(uint64_t key) noexcept { Settled = key; }

    // A forward pass over the rows from one row on, as the reflow passes
    // make it: the current row and the next can be changed, split, joined,
    // erased and inserted at constant cost however long the document is.
    // The rows the pass leaves behind are collected in new blocks that take
    // the place of the rows it went over when it finishes. While a cursor is
    // open only the cursor may be used; the array is whole again after
    // Finish or the cursor's destruction.
    class TCursor {
    public:
        TCursor(THELineArray& lines, TRowIndex first);
        ~TCursor() { Finish(); }
        TCursor(const TCursor&) = delete;
        TCursor& operator=(const TCursor&) = delete;

        // False once the pass has gone past the last row.
        bool Valid() const noexcept { return HasCurrent; }
        TRowIndex Index() const noexcept { return First + Written; }
        TRow& Row() noexcept { return Current; }
        bool HasNext() const noexcept { return !Ahead.empty() || ReadPos < Lines.Count; }
        // The next row, to be changed: it no longer counts as untouched.
        TRow& Next() noexcept
        {
            if (!Ahead.empty())
                return Ahead.back();
            NextTouched = true;
            return Source(ReadPos);
        }
        const TRow& PeekNext() noexcept { return Ahead.empty() ? Source(ReadPos) : Ahead.back(); }
        // True when the next row is a row of the array as it was before the
        // pass, untouched so far, and its index then was at least `from`.
        bool NextIsOriginalFrom(TRowIndex from) const noexcept
        {
            return Ahead.empty() && !NextTouched && ReadPos < Lines.Count && ReadPos >= from;
        }
        // The number of rows of the document.
        TRowIndex Size() const noexcept;

        // The current row is final; the next one becomes current.
        void Advance()
        {
            Output(std::move(Current));
            TakeNext();
        }
        // A final row before the current one.
        void Emit(TRow row) { Output(std::move(row)); }
        // Drops the current row; the next one becomes current.
        void EraseRow();
        void EraseNext()
        {
            if (!Ahead.empty()) {
                Ahead.pop_back();
                return;
            }
            Source(ReadPos++) = TRow();
            NextTouched = false;
        }
        // The row becomes the next row.
        void InsertNext(TRow row);
        void Finish();

    private:
        THELineArray& Lines;
        TRowIndex First;
        // The rows before ReadPos have been taken from the array.
        TRowIndex ReadPos;
        TRowIndex Written = 0;
        TRow Current;
        bool HasCurrent = false;
        bool Finished = false;
        bool NextTouched = false;
        // Inserted rows still to come, the next one last.
        std::vector<TRow> Ahead;
        // The rows the pass has finished, in blocks of their own; the last
        // one has OutFill rows.
        std::vector<TRow*> Out;
        TRowIndex OutFill = BlockRows;
        // The block rows are read from: rows [ReadBegin, ReadEnd) at ReadRows.
        TRow* ReadRows = nullptr;
        TRowIndex ReadBegin = 0, ReadEnd = 0;

        TRow& Source(TRowIndex i) noexcept
        {
            if (i < ReadBegin || i >= ReadEnd)
                FindSource(i);
            return ReadRows[i - ReadBegin];
        }
        void FindSource(TRowIndex i) noexcept;
        void TakeNext()
        {
            HasCurrent = true;
            if (!Ahead.empty()) {
                Current = std::move(Ahead.back());
                Ahead.pop_back();
            } else if (ReadPos < Lines.Count) {
                Current = std::move(Source(ReadPos++));
                NextTouched = false;
            } else {
                HasCurrent = false;
            }
        }
        void Output(TRow row)
        {
            if (OutFill == BlockRows)
                NewOutBlock();
            new (Out.back() + OutFill++) TRow(std::move(row));
            ++Written;
        }
        void NewOutBlock();
    };

private:
    struct TBlock {
        TRow* Rows = nullptr;  // BlockRows slots
        TRowIndex Start = 0;   // the index of its first row
        TRowIndex Count = 0;
        mutable int64_t TextStart = 0;  // valid for the blocks below ValidStarts
        mutable int64_t Length = 0;     // valid when LengthKnown
        mutable bool LengthKnown = true;
    };
    std::vector<TBlock> Blocks;
    TRowIndex Count = 0;
    // The block the last look-up found: rows are mostly read in order.
    mutable size_t Hint = 0;
    mutable size_t ValidStarts = 0;
    TTextArena Text;
    std::vector<TRowRange> Changed;
    uint64_t Settled = 0;

    void AppendBlock(TRow row);
    static TRow* NewSlots();
    static void FreeSlots(TRow* rows) noexcept;
    size_t BlockOf(TRowIndex i) const noexcept;
    TRow& Slot(TRowIndex i) const noexcept;
    // Makes a block start at index; returns that block (Blocks.size() at the
    // end).
    size_t BreakAt(TRowIndex index);
    // Puts blocks of rows in at block position at, renumbering after them.
    void PutBlocks(size_t at, const std::vector<TRow*>& rows, const std::vector<TRowIndex>& counts,
                   const std::vector<int64_t>* lengths = nullptr);
    // Joins small neighbouring blocks around position at.
    void MergeAround(size_t at);
    void Renumber(size_t from) noexcept;
    void TextChanged(size_t block) noexcept;
    int64_t LengthOf(const TBlock& block) const noexcept;
    void EnsureStarts(size_t upTo) const noexcept;
    void MarkChanged(TRowIndex first, TRowIndex last) noexcept;
    void ShiftChanged(TRowIndex at, TRowIndex by) noexcept;
    void Normalize() noexcept;
};
