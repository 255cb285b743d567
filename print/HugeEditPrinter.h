// THugeEditPrinter: the application's printer object. Its page set-up
// dialog shows and returns the margins; a job measures the printer chosen
// before the print dialog, so the dialog offers that printer's page count.
#pragma once

#include "framework/Printer.h"

class THugeEditPrinter : public TPrinter {
public:
    void Setup(TWindow* owner) override;
    bool Print(TWindow* owner, TPrintout& printout, bool prompt) override;
};
