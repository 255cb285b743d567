#include "resources/Bitmaps.h"

#include <cstddef>

namespace {

#include "resources/bitmaps/1.xpm"
#include "resources/bitmaps/3.xpm"
#include "resources/bitmaps/4.xpm"
#include "resources/bitmaps/206.xpm"
#include "resources/bitmaps/1001.xpm"
#include "resources/bitmaps/1003.xpm"
#include "resources/bitmaps/1004.xpm"
#include "resources/bitmaps/2001.xpm"
#include "resources/bitmaps/2200.xpm"
#include "resources/bitmaps/3001.xpm"
#include "resources/bitmaps/24321.xpm"
#include "resources/bitmaps/24322.xpm"
#include "resources/bitmaps/24323.xpm"
#include "resources/bitmaps/24324.xpm"
#include "resources/bitmaps/24331.xpm"
#include "resources/bitmaps/24332.xpm"
#include "resources/bitmaps/24333.xpm"
#include "resources/bitmaps/24351.xpm"
#include "resources/bitmaps/24352.xpm"
#include "resources/bitmaps/25321.xpm"
#include "resources/bitmaps/25322.xpm"
#include "resources/bitmaps/25323.xpm"
#include "resources/bitmaps/25324.xpm"
#include "resources/bitmaps/25331.xpm"
#include "resources/bitmaps/25332.xpm"
#include "resources/bitmaps/25333.xpm"
#include "resources/bitmaps/25351.xpm"
#include "resources/bitmaps/25352.xpm"

struct TBitmapEntry {
    int Id;
    const char* const* Lines;
    size_t Count;
};

template <size_t N>
constexpr TBitmapEntry Entry(int id, const char* const (&lines)[N])
{
    return {id, lines, N};
}

constexpr TBitmapEntry Bitmaps[] = {
    Entry(1, bitmap_1),
    Entry(3, bitmap_3),
    Entry(4, bitmap_4),
    Entry(206, bitmap_206),
    Entry(1001, bitmap_1001),
    Entry(1003, bitmap_1003),
    Entry(1004, bitmap_1004),
    Entry(2001, bitmap_2001),
    Entry(2200, bitmap_2200),
    Entry(3001, bitmap_3001),
    Entry(24321, bitmap_24321),
    Entry(24322, bitmap_24322),
    Entry(24323, bitmap_24323),
    Entry(24324, bitmap_24324),
    Entry(24331, bitmap_24331),
    Entry(24332, bitmap_24332),
    Entry(24333, bitmap_24333),
    Entry(24351, bitmap_24351),
    Entry(24352, bitmap_24352),
    Entry(25321, bitmap_25321),
    Entry(25322, bitmap_25322),
    Entry(25323, bitmap_25323),
    Entry(25324, bitmap_25324),
    Entry(25331, bitmap_25331),
    Entry(25332, bitmap_25332),
    Entry(25333, bitmap_25333),
    Entry(25351, bitmap_25351),
    Entry(25352, bitmap_25352),
};

}  // namespace

std::optional<TDib> LoadBitmapResource(int id)
{
    for (const TBitmapEntry& entry : Bitmaps)
        if (entry.Id == id)
            return TDib::FromXpm(entry.Lines, entry.Count, id);
    return std::nullopt;
}

const TIconImage* LoadBitmapPicture(int id)
{
    // Only the emblem is shown in a dialog; it is made once.
    if (id != IDB_LOGO)
        return nullptr;
    static const std::optional<TIconImage> logo = [] {
        const std::optional<TDib> dib = LoadBitmapResource(IDB_LOGO);
        return dib ? std::optional<TIconImage>(dib->ToIconImage()) : std::nullopt;
    }();
    return logo ? &*logo : nullptr;
}
