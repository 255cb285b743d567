#include "framework/qt/PaintSurface.h"

PaintSurface::~PaintSurface() = default;

QPainter* PaintSurface::PainterFor(const void* user, bool& fresh)
{
    fresh = User != user || !Painter.isActive();
    if (!fresh)
        return &Painter;
    EndPainting();
    QPaintDevice& device = Device();
    if (device.width() <= 0 || device.height() <= 0 || !Painter.begin(&device))
        return nullptr;
    User = user;
    return &Painter;
}

void PaintSurface::Release(const void* user)
{
    if (User == user)
        EndPainting();
}

void PaintSurface::EndPainting()
{
    if (Painter.isActive())
        Painter.end();
    User = nullptr;
}
