// THELineArray: the rows of the document in one contiguous, growable array.
// Growth adds 16,384 slots (or the inserted count, if larger); row handles
// are trivially relocatable, so growing moves them with realloc, which the
// C library maps instead of copying. The array never shrinks on erase.
//
// The array also owns the text blocks that loaded rows view, and a sparse
// cache of row start offsets that every change invalidates from the first
// changed row on.
#pragma once

#include "core/Offset.h"
#include "core/Row.h"
#include "core/TextArena.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

class THELineArray {
public:
    static constexpr TRowIndex GrowthStep = 16384;

    THELineArray();
    ~THELineArray();
    THELineArray(const THELineArray&) = delete;
    THELineArray& operator=(const THELineArray&) = delete;

    TRowIndex Size() const noexcept { return Count; }
    size_t Capacity() const noexcept { return Slots; }
    const TRow& operator[](TRowIndex i) const noexcept { return Rows[i]; }
    // Write access to one row; the offset cache is invalidated from it on.
    TRow& Edit(TRowIndex i);

    void Insert(TRowIndex index, TRow row);
    void InsertN(TRowIndex index, TRowIndex n, const TRow& row);
    void Append(TRow row);
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

    // The text blocks rows may view (used by the loader and large inserts).
    TTextArena& Arena() noexcept { return Blocks; }

    // A forward pass over the rows from one row on, as the reflow passes
    // make it: the current row and the next can be changed, split, joined,
    // erased and inserted at constant cost however long the document is
    // (the rows behind the pass are moved once, when it finishes). While a
    // cursor is open only the cursor may be used; the array is whole again
    // after Finish or the cursor's destruction.
    class TCursor {
    public:
        TCursor(THELineArray& lines, TRowIndex first);
        ~TCursor() { Finish(); }
        TCursor(const TCursor&) = delete;
        TCursor& operator=(const TCursor&) = delete;

        // False once the pass has gone past the last row.
        bool Valid() const noexcept { return HasCurrent; }
        TRowIndex Index() const noexcept { return Written + TRowIndex(Overflow.size()); }
        TRow& Row() noexcept { return Current; }
        bool HasNext() const noexcept { return !Ahead.empty() || ReadPos < Lines.Count; }
        TRow& Next() noexcept { return Ahead.empty() ? Lines.Rows[ReadPos] : Ahead.back(); }
        // The number of rows of the document.
        TRowIndex Size() const noexcept;

        // The current row is final; the next one becomes current.
        void Advance();
        // Drops the current row; the next one becomes current.
        void EraseRow();
        void EraseNext();
        // The row becomes the next row.
        void InsertNext(TRow row);
        void Finish();

    private:
        THELineArray& Lines;
        TRowIndex First;
        // Rows before Written are final and in place; rows from ReadPos on
        // are still to come; the slots between hold empty rows.
        TRowIndex Written;
        TRowIndex ReadPos;
        // Final rows that found no free slot yet, in order.
        std::deque<TRow> Overflow;
        TRow Current;
        bool HasCurrent = false;
        bool Finished = false;
        // Inserted rows still to come, the next one last.
        std::vector<TRow> Ahead;

        void TakeNext();
        void Output(TRow row);
        void FillSlots();
    };

private:
    TRow* Rows = nullptr;
    TRowIndex Count = 0;
    size_t Slots = 0;
    TTextArena Blocks;

    // Start offsets of every CheckpointEvery-th row; entries below
    // ValidCheckpoints are correct.
    static constexpr TRowIndex CheckpointEvery = 64;
    mutable std::vector<int64_t> Checkpoints;
    mutable size_t ValidCheckpoints = 0;

    void Invalidate(TRowIndex fromRow) noexcept;
    void Reserve(size_t slotsNeeded);
    void ExtendCheckpoints(size_t upTo) const;
};
