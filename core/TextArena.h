// TTextArena: large blocks of immutable text that loaded rows view. Text is
// written at the end of the fill block and never moves or changes while
// the arena lives; blocks are released together by Clear.
#pragma once

#include "core/MappedFile.h"

#include <cstddef>
#include <memory>
#include <vector>

class TTextArena {
public:
    // The size of a new block when the caller gives no hint.
    static constexpr size_t DefaultBlockSize = size_t(16) << 20;

    TTextArena() = default;
    ~TTextArena() = default;
    TTextArena(const TTextArena&) = delete;
    TTextArena& operator=(const TTextArena&) = delete;

    // A writable area of at least keep + n bytes at the end of the fill
    // block, starting a new block (of at least blockSizeHint bytes) when the
    // fill block has less room. The first `keep` bytes written but not
    // committed at the end of the old block are carried over to the new
    // one, so a row being read never straddles two blocks. Returns the start
    // of the carried bytes (that is, FreeBegin()).
    char* Reserve(size_t n, size_t keep = 0, size_t blockSizeHint = 0);
    // The free area of the fill block (null and 0 before the first Reserve).
    char* FreeBegin() const noexcept;
    size_t FreeSize() const noexcept;
    // Marks n bytes at FreeBegin as used: their text is final.
    void Commit(size_t n) noexcept;

    // Copies text into the fill block and returns its permanent address;
    // bytes written there but not committed are overwritten.
    const char* Store(const char* text, size_t n);
    // Copies text into a block of its own, leaving the fill block as it is.
    const char* StoreApart(const char* text, size_t n);

    // Keeps a mapped file whose pages rows view, until Clear.
    void Keep(std::unique_ptr<TMappedFile> file) { Files.push_back(std::move(file)); }

    void Clear() noexcept;
    size_t BytesReserved() const noexcept;

private:
    // One mapped block; unmapped when destroyed.
    class TBlock {
    public:
        explicit TBlock(size_t size);
        TBlock(TBlock&& other) noexcept;
        TBlock& operator=(TBlock&&) = delete;
        ~TBlock();
        char* Base = nullptr;
        size_t Size = 0;
        size_t Used = 0;
    };
    std::vector<TBlock> BlockList;
    std::vector<std::unique_ptr<TMappedFile>> Files;
    // The block that Reserve and Commit work on.
    TBlock* Fill = nullptr;
};
