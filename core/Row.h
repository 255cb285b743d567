// TRow: one row of the document, a string of 8-bit characters with value
// semantics, eight bytes wide. A row is either its own heap storage or a
// view into a text block owned by the row array (THELineArray); the loader
// makes views, so a loaded file costs one handle per row on top of its
// text. A view becomes its own storage the first time it is edited, and a
// copy of a row is always its own storage. Rows may hold NUL characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TRow {
public:
    static constexpr size_t npos = size_t(-1);

    TRow() noexcept = default;
    explicit TRow(std::string_view text);
    TRow(const TRow& other);
    TRow(TRow&& other) noexcept : Bits(other.Bits) { other.Bits = 0; }
    TRow& operator=(const TRow& other);
    TRow& operator=(TRow&& other) noexcept
    {
        if (this != &other) {
            Release();
            Bits = other.Bits;
            other.Bits = 0;
        }
        return *this;
    }
    ~TRow() { Release(); }

    // A view of text that lives in a block of the row array. Views longer
    // than MaxViewLength are not possible: such text is copied instead.
    static TRow ViewOf(const char* text, size_t length)
    {
        const auto address = reinterpret_cast<uint64_t>(text);
        if (length - 1 >= MaxViewLength || address > AddressMask)
            return length ? TRow(std::string_view(text, length)) : TRow();
        TRow row;
        row.Bits = ViewTag | (uint64_t(length) << LengthShift) | address;
        return row;
    }
    static constexpr size_t MaxViewLength = 0x7FFF;
    // The longest row; longer edits throw std::length_error.
    static constexpr size_t MaxLength = 0xFFFFFFF0u;

    size_t size() const noexcept
    {
        if (IsView())
            return size_t(Bits >> LengthShift) & MaxViewLength;
        return Bits ? Heap()->Size : 0;
    }
    size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return size() == 0; }
    const char* data() const noexcept
    {
        if (IsView())
            return reinterpret_cast<const char*>(Bits & AddressMask);
        return Bits ? Heap()->Text() : "";
    }
    char operator[](size_t i) const noexcept { return data()[i]; }
    char back() const noexcept { return data()[size() - 1]; }
    std::string_view View() const noexcept { return {data(), size()}; }
    std::string str() const { return std::string(View()); }
    bool EndsWithLineEnd() const noexcept { return !empty() && back() == '\n'; }
    bool IsView() const noexcept { return (Bits & ViewTag) != 0; }
    // Whether the text holds a tab. A row kept in storage of its own
    // remembers that it has none until text with a tab is put in, so that
    // columns in a very long row cost nothing per keystroke.
    bool HasTabs() const noexcept;
    bool KnownTabFree() const noexcept { return Bits && !IsView() && Heap()->TabFree; }

    // Editing; a view is copied into its own storage first, except where
    // the result is still a part of the viewed text (Truncate, EraseFront,
    // and Erase at either end).
    void Append(std::string_view text) { Replace(size(), 0, text); }
    void Insert(size_t pos, std::string_view text) { Replace(pos, 0, text); }
    void Erase(size_t pos, size_t count = npos);
    void Replace(size_t pos, size_t count, std::string_view text);
    void Assign(std::string_view text);
    // Keeps the first n characters.
    void Truncate(size_t n) noexcept;
    // Drops the first n characters (constant time, also for heap rows).
    void EraseFront(size_t n) noexcept;

    // True when b's text follows a's directly in the same block, so that
    // the two can be joined as one view.
    static bool Adjacent(const TRow& a, const TRow& b) noexcept;

    // Row surgery that keeps views as views where the text allows it. Each
    // costs about the length of the shorter part, so cutting a very long
    // row into many pieces stays linear.
    // Cuts row at `at` and returns the characters from `at` on.
    static TRow CutTail(TRow& row, size_t at);
    // Appends b to a and leaves b empty.
    static void Join(TRow& a, TRow& b)
    {
        // Rows of contiguous text stay a view.
        if (a.IsView() && b.IsView() && a.data() + a.size() == b.data() && a.size() + b.size() <= MaxViewLength) {
            a.Bits += b.Bits & (uint64_t(MaxViewLength) << LengthShift);
            b.Bits = 0;
            return;
        }
        JoinApart(a, b);
    }
    // Moves the first n characters of from to the end of to.
    static void MoveFront(TRow& to, TRow& from, size_t n);
    // Moves the characters of from from `at` on to the front of to.
    static void MoveTail(TRow& from, size_t at, TRow& to);

    friend bool operator==(const TRow& a, const TRow& b) noexcept { return a.View() == b.View(); }

private:
    // Bit 63 set: a view, bits 0-47 the address, bits 48-62 the length.
    // Otherwise a pointer to the heap storage, or 0 for the empty row.
    static constexpr uint64_t ViewTag = uint64_t(1) << 63;
    static constexpr int LengthShift = 48;
    static constexpr uint64_t AddressMask = (uint64_t(1) << LengthShift) - 1;
    uint64_t Bits = 0;

    // Heap storage: this header, then Capacity characters of which the
    // text occupies Size from Front on (Front makes EraseFront cheap).
    struct THeap {
        uint32_t Size;
        uint32_t Capacity;
        uint32_t Front;
        mutable uint32_t TabFree;  // 1: known to hold no tab; 0: not known
        char* Base() noexcept { return reinterpret_cast<char*>(this + 1); }
        char* Text() noexcept { return Base() + Front; }
    };
    THeap* Heap() const noexcept { return reinterpret_cast<THeap*>(Bits); }

    static THeap* Allocate(size_t capacity);
    // Ensures heap storage with room for newSize characters from Front on.
    void Reserve(size_t newSize);
    void Release() noexcept
    {
        if (Bits && !IsView())
            FreeHeap();
        Bits = 0;
    }
    void FreeHeap() noexcept;
    static void JoinApart(TRow& a, TRow& b);
    bool Overlaps(std::string_view text) const noexcept;
};

static_assert(sizeof(TRow) == 8, "row handles stay eight bytes");
