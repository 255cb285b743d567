// A device context on a printer: the printable area's pixels at the
// printer's resolution, with its unprintable offsets, black text on white.
#pragma once

#include "framework/qt/PaintSurface.h"
#include "framework/qt/QtDC.h"

#include <QPrinter>

namespace PrinterDCDetail {
// Gives the surface a place before the context that draws on it.
struct SurfaceOwner {
    explicit SurfaceOwner(QPaintDevice& device) : Page(device) {}
    DeviceSurface Page;
};
}  // namespace PrinterDCDetail

class PrinterDC : private PrinterDCDetail::SurfaceOwner, public QtDC {
public:
    explicit PrinterDC(QPrinter& printer);

    int GetDeviceCaps(int index) const override;
    // Begins painting, which starts the printer's document; false when the
    // printer refuses.
    bool BeginDocument();
    // Ends painting, which sends the document.
    void EndDocument();

private:
    QPrinter& Printer;
};
