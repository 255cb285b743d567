#include "core/DisplayColumn.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

int64_t DisplayWidth(std::string_view text, size_t count, int tabSize)
{
    count = std::min(count, text.size());
    if (count == 0)
        return 0;
    const char* p = text.data();
    const char* end = p + count;
    const char* tab = static_cast<const char*>(std::memchr(p, '\t', count));
    if (!tab)
        return int64_t(count);
    const int64_t size = EffectiveTabSize(tabSize);
    int64_t column = tab - p;
    // From each tab to the next: the tab rounds up, the letters count one.
    while (tab) {
        column = (column + 1 + size - 1) / size * size;
        const char* next = static_cast<const char*>(std::memchr(tab + 1, '\t', size_t(end - tab - 1)));
        column += (next ? next : end) - (tab + 1);
        tab = next;
    }
    return column;
}

size_t CharAtColumn(std::string_view text, int64_t column, int tabSize, int64_t& startColumn)
{
    const int64_t size = EffectiveTabSize(tabSize);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* at = begin;
    int64_t atColumn = 0;
    column = std::max<int64_t>(0, column);
    while (at < end) {
        // No further than the column itself: letters alone reach it there.
        const size_t reach = size_t(std::min<int64_t>(end - at, column - atColumn + 1));
        const char* tab = static_cast<const char*>(std::memchr(at, '\t', reach));
        const char* letters = tab ? tab : at + reach;
        if (atColumn + (letters - at) > column) {
            startColumn = column;
            return size_t(at - begin + (column - atColumn));
        }
        atColumn += letters - at;
        at = letters;
        if (!tab)
            break;
        const int64_t stop = (atColumn + size) / size * size;
        if (stop > column) {
            startColumn = atColumn;
            return size_t(at - begin);
        }
        atColumn = stop;
        ++at;
    }
    startColumn = atColumn;
    return text.size();
}
