#include "framework/qt/BackBuffer.h"

#include <cmath>
#include <utility>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double InchesPerMetre = 1 / 0.0254;

}  // namespace

BackBuffer::BackBuffer(std::function<void(const QRect&)> show) : Show(std::move(show)) {}

BackBuffer::~BackBuffer() { EndPainting(); }

void BackBuffer::Resize(QSize size, int dotsPerInch)
{
    if (size == Pixels.size())
        return;
    EndPainting();
    QImage resized(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    resized.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dotsPerInch * InchesPerMetre));
    resized.setDotsPerMeterX(dotsPerMetre);
    resized.setDotsPerMeterY(dotsPerMetre);
    const int rows = std::min(size.height(), Pixels.height());
    const size_t bytes = size_t(std::min(size.width(), Pixels.width())) * 4;
    for (int y = 0; y < rows && bytes > 0; ++y)
        std::memcpy(resized.scanLine(y), Pixels.constScanLine(y), bytes);
    Pixels = std::move(resized);
    Invalidate(nullptr, true);
}

void BackBuffer::Invalidate(const QRect* rect, bool erase)
{
    const QRect area = rect ? rect->intersected(Bounds()) : Bounds();
    if (area.isEmpty())
        return;
    Invalid += area;
    Erase = Erase || erase;
}

QRegion BackBuffer::TakeInvalid(bool& erase)
{
    erase = Erase;
    Erase = false;
    return std::exchange(Invalid, QRegion());
}

void BackBuffer::Scroll(int dx, int dy)
{
    const QRect bounds = Bounds();
    EndPainting();
    MovePixels(dx, dy);
    Invalid.translate(dx, dy);
    Invalid &= bounds;
    QRegion uncovered(bounds);
    uncovered -= bounds.translated(dx, dy);
    for (const QRect& strip : uncovered)
        Invalidate(&strip, true);
    Show(bounds);
}

// Rows are copied in the order that never overwrites a row still to be
// read; memmove copes with the overlap inside a row.
void BackBuffer::MovePixels(int dx, int dy)
{
    const int w = Pixels.width(), h = Pixels.height();
    if (std::abs(dx) >= w || std::abs(dy) >= h || (dx == 0 && dy == 0))
        return;
    const int rows = h - std::abs(dy);
    const size_t bytes = size_t(w - std::abs(dx)) * 4;
    const int fromX = std::max(0, -dx), toX = std::max(0, dx);
    const int fromY = std::max(0, -dy), toY = std::max(0, dy);
    for (int i = 0; i < rows; ++i) {
        const int row = dy > 0 ? rows - 1 - i : i;
        uchar* to = Pixels.scanLine(toY + row) + toX * 4;
        const uchar* from = Pixels.constScanLine(fromY + row) + fromX * 4;
        std::memmove(to, from, bytes);
    }
}

void BackBuffer::Touched(const QRect& rect)
{
    if (!rect.isEmpty())
        Show(rect);
}
