#include "framework/qt/PrinterDC.h"

#include <QPageLayout>

PrinterDC::PrinterDC(QPrinter& printer) : SurfaceOwner(printer), QtDC(Page, std::nullopt, false), Printer(printer)
{
    SetTextColor(MakeRGB(0, 0, 0));
    SetBkColor(MakeRGB(255, 255, 255));
}

int PrinterDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case PHYSICALOFFSETX:
        return Printer.pageLayout().paintRectPixels(Printer.resolution()).left();
    case PHYSICALOFFSETY:
        return Printer.pageLayout().paintRectPixels(Printer.resolution()).top();
    default:
        return QtDC::GetDeviceCaps(index);
    }
}

bool PrinterDC::BeginDocument()
{
    bool fresh = false;
    return Page.PainterFor(static_cast<const QtDC*>(this), fresh) != nullptr;
}

void PrinterDC::EndDocument() { Page.EndPainting(); }
