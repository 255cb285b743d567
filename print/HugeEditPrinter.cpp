#include "print/HugeEditPrinter.h"

#include "print/HugeEditPrintout.h"

void THugeEditPrinter::Setup(TWindow* owner)
{
    GetSetupData().Flags |= PSD_MARGINS;
    TPrinter::Setup(owner);
    GetSetupData().Flags &= ~PSD_MARGINS;
}

bool THugeEditPrinter::Print(TWindow* owner, TPrintout& printout, bool prompt)
{
    if (auto* editorPrintout = dynamic_cast<THugeEditPrintout*>(&printout)) {
        const std::unique_ptr<TDC> dc = MakeInfoDC();
        SetPageSizes(*dc);
        editorPrintout->SetMargins(GetSetupData().Margins, *dc);
        editorPrintout->SetPrintParams(dc.get(), GetPageSize());
    }
    return TPrinter::Print(owner, printout, prompt);
}
