// The retained image of a window's client area. Painting and client device
// contexts draw into it; the widget only copies it to the screen. It keeps
// the window's invalid region, which painting empties.
#pragma once

#include "framework/qt/PaintSurface.h"

#include <QImage>
#include <QRegion>

#include <functional>

class BackBuffer : public PaintSurface {
public:
    // show is asked to bring a rectangle of the image to the screen.
    explicit BackBuffer(std::function<void(const QRect&)> show);
    ~BackBuffer() override;

    QPaintDevice& Device() override { return Pixels; }
    const QImage& Image() const { return Pixels; }
    QRect Bounds() const { return Pixels.rect(); }

    // A new size keeps the pixels both sizes share; all is invalid then.
    void Resize(QSize size, int dotsPerInch);

    void Invalidate(const QRect* rect, bool erase);  // null: all
    bool HasInvalid() const { return !Invalid.isEmpty(); }
    // Hands the invalid region over for painting and empties it.
    QRegion TakeInvalid(bool& erase);

    // Moves the pixels and the invalid region by (dx, dy); the uncovered
    // strips become invalid.
    void Scroll(int dx, int dy);

    void Touched(const QRect& rect) override;

private:
    QImage Pixels;
    QRegion Invalid;
    bool Erase = false;
    std::function<void(const QRect&)> Show;

    void MovePixels(int dx, int dy);
};
