// TRow: one row of the document, a string of 8-bit characters with value
// semantics, eight bytes wide. A row is either its own heap storage or a
// view into a text block owned by the row array (THELineArray); the loader
// makes views, so a loaded file costs one handle per row on top of its
// text. A view becomes its own storage the first time it is edited, and a
// copy of a row is always its own storage.
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
    TRow& operator=(TRow&& other) noexcept;
    ~TRow();

    // A view of text that lives in a block of the row array. Views longer
    // than MaxViewLength are not possible: such text is copied instead.
    static TRow ViewOf(const char* text, size_t length);
    static constexpr size_t MaxViewLength = 0x7FFF;

    size_t size() const noexcept;
    size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return size() == 0; }
    const char* data() const noexcept;
    char operator[](size_t i) const noexcept { return data()[i]; }
    char back() const noexcept { return data()[size() - 1]; }
    std::string_view View() const noexcept { return {data(), size()}; }
    std::string str() const { return std::string(View()); }
    bool EndsWithLineEnd() const noexcept { return !empty() && back() == '\n'; }
    bool IsView() const noexcept { return (Bits & ViewTag) != 0; }

    // Editing; a view is copied into its own storage first, except where
    // the result is still a part of the viewed text (Truncate, EraseFront).
    void Append(std::string_view text);
    void Insert(size_t pos, std::string_view text);
    void Erase(size_t pos, size_t count = npos);
    void Replace(size_t pos, size_t count, std::string_view text);
    void Assign(std::string_view text);
    // Keeps the first n characters.
    void Truncate(size_t n);
    // Drops the first n characters.
    void EraseFront(size_t n);

    // True when b's text follows a's directly in the same block, so that
    // the two can be joined as one view.
    static bool Adjacent(const TRow& a, const TRow& b) noexcept;

    friend bool operator==(const TRow& a, const TRow& b) noexcept { return a.View() == b.View(); }

private:
    // Bit 63 set: a view, bits 0-47 the address, bits 48-62 the length.
    // Otherwise a pointer to the heap storage, or 0 for the empty row.
    static constexpr uint64_t ViewTag = uint64_t(1) << 63;
    uint64_t Bits = 0;

    void MakeOwned(size_t extraCapacity);
    void Release() noexcept;
};

static_assert(sizeof(TRow) == 8, "row handles stay eight bytes");
