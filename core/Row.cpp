#include "core/Row.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

// memchr must not be given the null pointer of an empty text.
bool HoldsTab(std::string_view text)
{
    return !text.empty() && std::memchr(text.data(), '\t', text.size()) != nullptr;
}

// Room for a row that is being edited: half as much again, so that typing
// into a row reallocates it only now and then.
size_t GrownCapacity(size_t size)
{
    return std::min<size_t>(size + size / 2 + 8, TRow::MaxLength);
}

void CheckLength(size_t size)
{
    if (size > TRow::MaxLength)
        throw std::length_error("row too long");
}

}  // namespace

TRow::THeap* TRow::Allocate(size_t capacity)
{
    CheckLength(capacity);
    auto* heap = static_cast<THeap*>(std::malloc(sizeof(THeap) + capacity));
    if (!heap)
        throw std::bad_alloc();
    heap->Size = 0;
    heap->Capacity = uint32_t(capacity);
    heap->Front = 0;
    heap->TabFree = 0;
    return heap;
}

bool TRow::HasTabs() const noexcept
{
    if (Bits && !IsView() && Heap()->TabFree)
        return false;
    const bool tabs = HoldsTab(View());
    if (Bits && !IsView())
        Heap()->TabFree = tabs ? 0 : 1;
    return tabs;
}

TRow::TRow(std::string_view text)
{
    if (text.empty())
        return;
    THeap* heap = Allocate(text.size());
    std::memcpy(heap->Base(), text.data(), text.size());
    heap->Size = uint32_t(text.size());
    Bits = reinterpret_cast<uint64_t>(heap);
}

TRow::TRow(const TRow& other) : TRow(other.View()) {}

TRow& TRow::operator=(const TRow& other)
{
    if (this != &other) {
        TRow copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void TRow::FreeHeap() noexcept { std::free(Heap()); }

bool TRow::Adjacent(const TRow& a, const TRow& b) noexcept
{
    return a.IsView() && b.IsView() && a.data() + a.size() == b.data();
}

bool TRow::Overlaps(std::string_view text) const noexcept
{
    if (!Bits || IsView() || text.empty())
        return false;
    auto begin = reinterpret_cast<uintptr_t>(Heap()->Base());
    auto end = begin + Heap()->Capacity;
    auto p = reinterpret_cast<uintptr_t>(text.data());
    return p < end && p + text.size() > begin;
}

void TRow::Reserve(size_t newSize)
{
    CheckLength(newSize);
    if (!Bits || IsView()) {
        std::string_view old = View();
        THeap* heap = Allocate(GrownCapacity(std::max(newSize, old.size())));
        std::memcpy(heap->Base(), old.data(), old.size());
        heap->Size = uint32_t(old.size());
        Bits = reinterpret_cast<uint64_t>(heap);
        return;
    }
    THeap* heap = Heap();
    if (heap->Front + newSize <= heap->Capacity)
        return;
    if (heap->Front) {
        std::memmove(heap->Base(), heap->Text(), heap->Size);
        heap->Front = 0;
    }
    if (newSize <= heap->Capacity)
        return;
    size_t capacity = std::max(GrownCapacity(newSize), std::min<size_t>(size_t(heap->Capacity) * 2, MaxLength));
    auto* grown = static_cast<THeap*>(std::realloc(heap, sizeof(THeap) + capacity));
    if (!grown)
        throw std::bad_alloc();
    grown->Capacity = uint32_t(capacity);
    Bits = reinterpret_cast<uint64_t>(grown);
}

void TRow::Replace(size_t pos, size_t count, std::string_view text)
{
    if (Overlaps(text)) {
        std::string copy(text);
        Replace(pos, count, copy);
        return;
    }
    size_t n = size();
    pos = std::min(pos, n);
    count = std::min(count, n - pos);
    if (count == 0 && text.empty())
        return;
    size_t newSize = n - count + text.size();
    if (pos == 0 && count == 0 && Bits && !IsView() && text.size() <= Heap()->Front) {
        // Room was left in front by EraseFront: prepend there.
        THeap* heap = Heap();
        heap->Front -= uint32_t(text.size());
        heap->Size += uint32_t(text.size());
        std::memcpy(heap->Text(), text.data(), text.size());
        if (HoldsTab(text))
            heap->TabFree = 0;
        return;
    }
    Reserve(newSize);
    THeap* heap = Heap();
    char* t = heap->Text();
    std::memmove(t + pos + text.size(), t + pos + count, n - pos - count);
    if (!text.empty())
        std::memcpy(t + pos, text.data(), text.size());
    if (HoldsTab(text))
        heap->TabFree = 0;
    heap->Size = uint32_t(newSize);
}

void TRow::Erase(size_t pos, size_t count)
{
    size_t n = size();
    if (pos >= n)
        return;
    count = std::min(count, n - pos);
    if (pos + count == n)
        Truncate(pos);
    else if (pos == 0)
        EraseFront(count);
    else
        Replace(pos, count, {});
}

void TRow::Assign(std::string_view text)
{
    if (text.empty()) {
        Release();
        return;
    }
    if (Overlaps(text) || !Bits || IsView()) {
        TRow copy(text);
        *this = std::move(copy);
        return;
    }
    Replace(0, size(), text);
}

void TRow::Truncate(size_t n) noexcept
{
    size_t length = size();
    if (n >= length)
        return;
    if (IsView()) {
        *this = ViewOf(data(), n);
        return;
    }
    Heap()->Size = uint32_t(n);
    if (n == 0)
        Heap()->Front = 0;
}

void TRow::EraseFront(size_t n) noexcept
{
    size_t length = size();
    if (n == 0 || length == 0)
        return;
    n = std::min(n, length);
    if (IsView()) {
        *this = ViewOf(data() + n, length - n);
        return;
    }
    THeap* heap = Heap();
    heap->Size -= uint32_t(n);
    heap->Front = heap->Size ? heap->Front + uint32_t(n) : 0;
}

TRow TRow::CutTail(TRow& row, size_t at)
{
    size_t n = row.size();
    if (at >= n)
        return TRow();
    if (row.IsView()) {
        TRow tail = ViewOf(row.data() + at, n - at);
        row.Truncate(at);
        return tail;
    }
    if (n - at > at) {
        // The head is the shorter part: copy it and let the tail keep the
        // storage.
        TRow head(row.View().substr(0, at));
        TRow tail = std::move(row);
        tail.EraseFront(at);
        row = std::move(head);
        return tail;
    }
    TRow tail(row.View().substr(at));
    row.Truncate(at);
    return tail;
}

void TRow::JoinApart(TRow& a, TRow& b)
{
    if (b.empty())
        return;
    if (a.empty()) {
        a = std::move(b);
        return;
    }
    if (Adjacent(a, b) && a.size() + b.size() <= MaxViewLength)
        a = ViewOf(a.data(), a.size() + b.size());
    else
        a.Append(b.View());
    b = TRow();
}

void TRow::MoveFront(TRow& to, TRow& from, size_t n)
{
    n = std::min(n, from.size());
    if (n == 0)
        return;
    if (to.empty() && from.IsView())
        to = ViewOf(from.data(), n);
    else if (Adjacent(to, from) && to.size() + n <= MaxViewLength)
        to = ViewOf(to.data(), to.size() + n);
    else
        to.Append(from.View().substr(0, n));
    from.EraseFront(n);
}

void TRow::MoveTail(TRow& from, size_t at, TRow& to)
{
    size_t n = from.size();
    if (at >= n)
        return;
    if (to.empty()) {
        to = CutTail(from, at);
        return;
    }
    if (Adjacent(from, to) && n - at + to.size() <= MaxViewLength)
        to = ViewOf(from.data() + at, n - at + to.size());
    else
        to.Insert(0, from.View().substr(at));
    from.Truncate(at);
}
