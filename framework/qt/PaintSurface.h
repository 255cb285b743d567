// A device that device contexts draw on. Only one QPainter may work on a
// device at a time, so the surface keeps one painter and lends it to
// whichever of its contexts draws next; that context then applies its own
// state (clip, font, pen) again.
#pragma once

#include <QPainter>
#include <QRect>
#include <QRegion>

class PaintSurface {
public:
    PaintSurface() = default;
    virtual ~PaintSurface();
    PaintSurface(const PaintSurface&) = delete;
    PaintSurface& operator=(const PaintSurface&) = delete;

    virtual QPaintDevice& Device() = 0;

    // The painter for the context user; fresh is set when the painter was
    // begun or taken over from another context. Null when the device cannot
    // be painted (an empty image).
    QPainter* PainterFor(const void* user, bool& fresh);
    // Ends the painter if user holds it.
    void Release(const void* user);
    // Ends whichever context holds the painter (before the pixels are touched
    // directly or the device changes).
    void EndPainting();

    // A context drew here (device coordinates); a window shows it.
    virtual void Touched(const QRect& rect) {}

private:
    QPainter Painter;
    const void* User = nullptr;
};

// A surface on a device that lives elsewhere (a printer page).
class DeviceSurface : public PaintSurface {
public:
    explicit DeviceSurface(QPaintDevice& device) : Target(device) {}
    ~DeviceSurface() override { EndPainting(); }
    QPaintDevice& Device() override { return Target; }

private:
    QPaintDevice& Target;
};
