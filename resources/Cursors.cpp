#include "resources/Cursors.h"

#include "framework/XpmImage.h"

#include <iterator>

namespace {

#include "resources/cursors/24000.xpm"

}  // namespace

std::optional<TCursorImage> LoadCursorResource(int id)
{
    if (id != IDC_HELPCURSOR)
        return std::nullopt;
    const std::optional<TXpmImage> xpm = ReadXpm(Cursor24000, std::size(Cursor24000));
    if (!xpm)
        return std::nullopt;
    return TCursorImage{id, xpm->Image, xpm->HotSpot.value_or(TPoint{})};
}
