// Printing pages 1 to 3 of the wrapped paragraph file into a PDF file: the
// time until the print dialog shows (the reflow to the printed width),
// the time to send the three pages, and the restoring reflow.
#include "bench/BenchCases.h"

#include "bench/BenchEditor.h"
#include "bench/Measure.h"
#include "framework/qt/QtTestAccess.h"
#include "print/HugeEditPrinter.h"
#include "print/HugeEditPrintout.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>

namespace {

class TTimedPrintout : public THugeEditPrintout {
public:
    using THugeEditPrintout::THugeEditPrintout;
    int PagesPrinted = 0;
    double RestoreSeconds = -1;
    TRowIndex RestoreRows = 0;

    void PrintPage(int page, TRect& rect, unsigned flags) override
    {
        ++PagesPrinted;
        THugeEditPrintout::PrintPage(page, rect, flags);
    }
    void EndPrinting() override
    {
        TStopwatch watch;
        THugeEditPrintout::EndPrinting();
        RestoreSeconds = watch.Seconds();
        RestoreRows = Editor.LastReflowRows;
    }
};

// Chooses pages 1 to 3 in the toolkit's print dialog and prints.
bool ChooseFirstThreePages(QDialog& dialog)
{
    auto* range = dialog.findChild<QRadioButton*>("printRange");
    auto* from = dialog.findChild<QSpinBox*>("from");
    auto* to = dialog.findChild<QSpinBox*>("to");
    if (!range || !from || !to)
        return false;
    range->setChecked(true);
    from->setValue(1);
    to->setValue(3);
    dialog.accept();
    return true;
}

void Report(const char* key, double value) { std::printf("%s %.6f\n", key, value); }

}  // namespace

void MeasurePrint(TBenchEditor& edit, const std::string& scratchDir)
{
    edit.SetWordWrap(true);
    THugeEditPrinter printer;
    QPrinter& device = QtTestAccess::Printer(printer);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QString::fromStdString(scratchDir + "/printed.pdf"));
    TTimedPrintout printout(edit, "paragraphs");
    double shown = -1, accepted = -1;
    TStopwatch watch;
    QTimer::singleShot(0, [&] {
        shown = watch.Seconds();
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && !ChooseFirstThreePages(*dialog))
            dialog->reject();
        accepted = watch.Seconds();
    });
    const bool printed = printer.Print(&edit, printout, true);
    const double total = watch.Seconds();
    Report("print_ok", printed ? 1 : 0);
    Report("print_dialog_s", shown);
    Report("print_send_s", total - accepted - printout.RestoreSeconds);
    Report("print_pages", printout.PagesPrinted);
    Report("print_page_count", printout.PageCount);
    Report("print_restore_s", printout.RestoreSeconds);
    Report("print_restore_rows", printout.RestoreRows);
    Report("print_rows", edit.GetNumLines());
}
