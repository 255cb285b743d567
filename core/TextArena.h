// TTextArena: large blocks of immutable text that loaded rows view. Text is
// written at the end of the newest block and never moves or changes while
// the arena lives; blocks are released together by Clear.
#pragma once

#include <cstddef>
#include <vector>

class TTextArena {
public:
    TTextArena() = default;
    ~TTextArena();
    TTextArena(const TTextArena&) = delete;
    TTextArena& operator=(const TTextArena&) = delete;

    // A writable area of at least n bytes at the end of the newest block,
    // starting a new block (of at least blockSizeHint bytes) when the newest
    // has less room. The first `keep` bytes written but not committed at
    // the end of the old block are carried over to the new one, so a row
    // being read never straddles two blocks. Returns the start of the
    // carried bytes (or of the free area when keep is 0).
    char* Reserve(size_t n, size_t keep = 0, size_t blockSizeHint = 0);
    // The free area of the newest block (after Reserve).
    char* FreeBegin() const noexcept;
    size_t FreeSize() const noexcept;
    // Marks n bytes at FreeBegin as used: their text is final.
    void Commit(size_t n) noexcept;

    // Copies text into the arena and returns its permanent address.
    const char* Store(const char* text, size_t n);

    void Clear() noexcept;
    size_t BytesReserved() const noexcept;

private:
    struct TBlock {
        char* Base;
        size_t Size;
        size_t Used;
    };
    std::vector<TBlock> BlockList;
};
