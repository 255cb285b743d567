#include "resources/Bitmaps.h"

#include "framework/XpmImage.h"

#include <iterator>

namespace {

#include "resources/bitmaps/206.xpm"

}  // namespace

const TIconImage* LoadBitmapResource(int id)
{
    if (id != IDB_LOGO)
        return nullptr;
    static const std::optional<TXpmImage> logo = ReadXpm(Bitmap206, std::size(Bitmap206));
    return logo ? &logo->Image : nullptr;
}
