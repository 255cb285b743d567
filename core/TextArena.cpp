#include "core/TextArena.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

size_t RoundToPages(size_t size)
{
    size_t page = size_t(sysconf(_SC_PAGESIZE));
    return (std::max<size_t>(size, 1) + page - 1) / page * page;
}

}  // namespace

TTextArena::TBlock::TBlock(size_t size) : Size(RoundToPages(size))
{
    // Pages are only made resident when the text reaches them, so a block
    // may be generously sized.
    void* base = mmap(nullptr, Size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (base == MAP_FAILED)
        throw std::bad_alloc();
    if (Size >= (size_t(2) << 20))
        madvise(base, Size, MADV_HUGEPAGE);
    Base = static_cast<char*>(base);
}

TTextArena::TBlock::TBlock(TBlock&& other) noexcept : Base(other.Base), Size(other.Size), Used(other.Used)
{
    other.Base = nullptr;
}

TTextArena::TBlock::~TBlock()
{
    if (Base)
        munmap(Base, Size);
}

char* TTextArena::Reserve(size_t n, size_t keep, size_t blockSizeHint)
{
    if (Fill && Fill->Size - Fill->Used >= keep + n)
        return FreeBegin();
    const char* carried = FreeBegin();
    size_t size = std::max(blockSizeHint ? blockSizeHint : DefaultBlockSize, keep + n);
    BlockList.emplace_back(size);  // moves the block records, never their text
    Fill = &BlockList.back();
    if (keep)
        std::memcpy(Fill->Base, carried, keep);
    return Fill->Base;
}

char* TTextArena::FreeBegin() const noexcept
{
    return Fill ? Fill->Base + Fill->Used : nullptr;
}

size_t TTextArena::FreeSize() const noexcept
{
    return Fill ? Fill->Size - Fill->Used : 0;
}

void TTextArena::Commit(size_t n) noexcept
{
    if (Fill)
        Fill->Used += std::min(n, Fill->Size - Fill->Used);
}

const char* TTextArena::Store(const char* text, size_t n)
{
    char* place = Reserve(n);
    std::memcpy(place, text, n);
    Commit(n);
    return place;
}

const char* TTextArena::StoreApart(const char* text, size_t n)
{
    size_t fillIndex = Fill ? size_t(Fill - BlockList.data()) : 0;
    bool hadFill = Fill != nullptr;
    BlockList.emplace_back(n);
    TBlock& block = BlockList.back();
    std::memcpy(block.Base, text, n);
    block.Used = n;
    // The vector may have moved its elements: find the fill block again.
    Fill = hadFill ? &BlockList[fillIndex] : nullptr;
    return block.Base;
}

void TTextArena::Clear() noexcept
{
    BlockList.clear();
    Files.clear();
    Fill = nullptr;
}

size_t TTextArena::BytesReserved() const noexcept
{
    size_t total = 0;
    for (const TBlock& block : BlockList)
        total += block.Size;
    return total;
}
