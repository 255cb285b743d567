// The platform's printing on Qt Print Support: one QPrinter (a CUPS
// printer, or a PDF file when none is installed) with the toolkit's print
// and page set-up dialogs. The printer's page margins are kept at the
// device's minimum, so a page's origin is the printable area's corner; the
// margins the user sets are the program's, kept in its set-up data.
#include "framework/AbortDialog.h"
#include "framework/PrinterPeer.h"
#include "framework/qt/DialogRunner.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/PrinterChooser.h"
#include "framework/qt/PrinterDC.h"
#include "framework/qt/QtPrinting.h"
#include "framework/qt/QtWindowPeer.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>

#include <cmath>
#include <stdexcept>

namespace {

constexpr double MillimetresPerInch = 25.4;

double ToMillimetres(int units) { return units * MillimetresPerInch / MarginUnitsPerInch; }
int ToUnits(double millimetres) { return int(std::lround(millimetres * MarginUnitsPerInch / MillimetresPerInch)); }

// A job's document: painting on the printer begins it and ending the
// painting sends it; a job destroyed before EndDoc is aborted.
class QtPrintJob : public TPrintJob {
public:
    QtPrintJob(QPrinter& printer, const std::string& title) : Printer(printer), Context(printer)
    {
        Printer.setDocName(QString::fromStdString(title));
        if (!Context.BeginDocument())
            throw std::runtime_error("The printer " + QtPrinting::DeviceName(printer) +
                                     " cannot be opened for printing.");
    }

    ~QtPrintJob() override
    {
        if (!Ended) {
            Printer.abort();
            Context.EndDocument();
        }
    }

    TDC& DC() override { return Context; }

    int StartPage() override
    {
        if (Pages++ > 0 && !Printer.newPage())
            return SP_ERROR;
        return State();
    }

    int EndPage() override { return State(); }

    int EndDoc() override
    {
        Ended = true;
        Context.EndDocument();
        return State();
    }

private:
    QPrinter& Printer;
    PrinterDC Context;
    int Pages = 0;
    bool Ended = false;

    int State() const
    {
        switch (Printer.printerState()) {
        case QPrinter::Error: return SP_ERROR;
        case QPrinter::Aborted: return SP_APPABORT;
        default: return 1;
        }
    }
};

class QtAbortView : public TAbortView {
public:
    explicit QtAbortView(TAbortDialog& dialog)
        : Runner((dialog.SetupWindow(), dialog), QtWindowPeer::TopLevelOf(dialog.GetOwner()))
    {
        // Cancel, Escape and the close box all end the box.
        QObject::connect(&Runner, &QDialog::finished, [this] { UserCancelled = true; });
        Runner.show();
    }

    bool Cancelled() const override { return UserCancelled; }

private:
    DialogRunner Runner;
    bool UserCancelled = false;
};

class QtPrinterPeer : public TPrinterPeer, public QtPrinting::PrinterAccess {
public:
    QtPrinterPeer() : Printer(QPrinter::HighResolution) { KeepPrintableOnly(); }

    QPrinter& Device() override { return Printer; }

    std::string DeviceName() const override { return QtPrinting::DeviceName(Printer); }

    std::unique_ptr<TDC> MakeInfoDC() override
    {
        KeepPrintableOnly();
        if (Printer.width() <= 0 || Printer.height() <= 0)
            throw std::runtime_error("The printer " + DeviceName() + " reports no printable area.");
        return std::make_unique<PrinterDC>(Printer);
    }

    bool RunPrintDialog(TWindow* owner, TPrintDialogData& data) override
    {
        QPrintDialog dialog(&Printer, QtWindowPeer::TopLevelOf(owner));
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setMinMax(data.MinPage, data.MaxPage);
        dialog.setFromTo(data.MinPage, data.MaxPage);
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        data.AllPages = Printer.printRange() != QPrinter::PageRange;
        if (!data.AllPages) {
            data.FromPage = Printer.fromPage();
            data.ToPage = Printer.toPage();
        }
        return true;
    }

    bool RunPageSetupDialog(TWindow* owner, TPageSetupData& data) override
    {
        // Cancel drops a printer chosen meanwhile along with the paper.
        const QString printerBefore = Printer.printerName();
        const QPageLayout layoutBefore = Printer.pageLayout();
        if (data.Flags & PSD_MARGINS) {
            const TRect& m = data.Margins;
            Printer.setPageMargins(QMarginsF(ToMillimetres(m.left), ToMillimetres(m.top), ToMillimetres(m.right),
                                             ToMillimetres(m.bottom)),
                                   QPageLayout::Millimeter);
        }
        QWidget* parent = QtWindowPeer::TopLevelOf(owner);
        SetupAnswer answer;
        while ((answer = AskPageSetup(parent)) == SetupAnswer::ChoosePrinter)
            ChoosePrinter(parent);
        const bool accepted = answer == SetupAnswer::Ok;
        if (accepted && (data.Flags & PSD_MARGINS)) {
            const QMarginsF m = Printer.pageLayout().margins(QPageLayout::Millimeter);
            data.Margins = {ToUnits(m.left()), ToUnits(m.top()), ToUnits(m.right()), ToUnits(m.bottom())};
        }
        if (!accepted) {
            Printer.setPrinterName(printerBefore);
            Printer.setPageLayout(layoutBefore);
        }
        KeepPrintableOnly();
        return accepted;
    }

    std::unique_ptr<TPrintJob> StartJob(const std::string& title) override
    {
        KeepPrintableOnly();
        return std::make_unique<QtPrintJob>(Printer, title);
    }

    std::unique_ptr<TAbortView> ShowAbortDialog(TAbortDialog& dialog) override
    {
        return std::make_unique<QtAbortView>(dialog);
    }

private:
    enum class SetupAnswer { Cancel, Ok, ChoosePrinter };

    QPrinter Printer;

    SetupAnswer AskPageSetup(QWidget* parent)
    {
        QPageSetupDialog dialog(&Printer, parent);
        ShowMargins(dialog);
        bool printerWanted = false;
        auto* box = dialog.findChild<QDialogButtonBox*>();
        if (!box)
            throw std::logic_error("the page set-up dialog has no button box");
        QPushButton* button = box->addButton("P&rinter...", QDialogButtonBox::ActionRole);
        // With no print queue the one target is a PDF file, which the Print dialog names.
        button->setEnabled(!QPrinterInfo::availablePrinterNames().isEmpty());
        // Accepting applies the paper and margins shown, so the dialog reopens with them.
        QObject::connect(button, &QPushButton::clicked, &dialog, [&] {
            printerWanted = true;
            dialog.accept();
        });
        if (dialog.exec() != QDialog::Accepted)
            return SetupAnswer::Cancel;
        return printerWanted ? SetupAnswer::ChoosePrinter : SetupAnswer::Ok;
    }

    // Qt's set-up page shows the margins of a CUPS queue as 0 while the
    // printer keeps the real ones: its boxes are set from the printer again.
    void ShowMargins(QPageSetupDialog& dialog) const
    {
        const auto* units = dialog.findChild<QComboBox*>("unitCombo");
        if (!units)
            return;
        const QMarginsF m = Printer.pageLayout().margins(QPageLayout::Unit(units->currentData().toInt()));
        const std::pair<const char*, qreal> boxes[] = {
            {"leftMargin", m.left()}, {"topMargin", m.top()}, {"rightMargin", m.right()}, {"bottomMargin", m.bottom()}};
        for (const auto& [name, value] : boxes)
            if (auto* box = dialog.findChild<QDoubleSpinBox*>(name))
                box->setValue(value);
    }

    // The new device's layout may clamp the margins: the user's are put back.
    void ChoosePrinter(QWidget* parent)
    {
        const QMarginsF margins = Printer.pageLayout().margins(QPageLayout::Millimeter);
        const auto name = PrinterChooser::Choose(QPrinterInfo::availablePrinterNames(), Printer.printerName(), parent);
        if (!name)
            return;
        Printer.setPrinterName(*name);
        Printer.setPageMargins(margins, QPageLayout::Millimeter);
    }

    void KeepPrintableOnly()
    {
        QPageLayout layout = Printer.pageLayout();
        layout.setMargins(layout.minimumMargins());
        Printer.setPageLayout(layout);
    }
};

}  // namespace

namespace QtPrinting {

std::string DeviceName(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName().isEmpty() ? std::string("a PDF file")
                                                  : QFileInfo(printer.outputFileName()).fileName().toStdString();
    return printer.printerName().toStdString();
}

}  // namespace QtPrinting

namespace Platform {

std::unique_ptr<TPrinterPeer> CreatePrinterPeer()
{
    PlatformContext::Get();
    return std::make_unique<QtPrinterPeer>();
}

}  // namespace Platform
