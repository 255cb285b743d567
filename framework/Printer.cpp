#include "framework/Printer.h"

#include "framework/AbortDialog.h"
#include "framework/Dialogs.h"
#include "framework/Platform.h"
#include "framework/Printout.h"

#include <new>

namespace {

const char* ReasonOf(int error)
{
    switch (error) {
    case SP_OUTOFMEMORY: return "Out of memory";
    case SP_OUTOFDISK: return "Out of disk space";
    case SP_USERABORT: return "Printing canceled";
    case SP_APPABORT: return "Printing aborted in Print Manager";
    default: return "Error encountered during print";
    }
}

}  // namespace

TPrinter::TPrinter() = default;
TPrinter::~TPrinter() = default;

TPrinterPeer& TPrinter::Peer()
{
    // Made at first use: the platform may not be up when the object is.
    if (!PeerObject)
        PeerObject = Platform::CreatePrinterPeer();
    return *PeerObject;
}

std::unique_ptr<TDC> TPrinter::MakeInfoDC() { return Peer().MakeInfoDC(); }

std::string TPrinter::GetDeviceName() { return Peer().DeviceName(); }

void TPrinter::SetPageSizes(const TDC& dc) { PageSize = {dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)}; }

void TPrinter::Setup(TWindow* owner) { Peer().RunPageSetupDialog(owner, SetupData); }

bool TPrinter::Print(TWindow* owner, TPrintout& printout, bool prompt)
{
    Error = 0;
    TPrintDialogData range;
    int selFrom = 0, selTo = 0;
    printout.GetDialogInfo(range.MinPage, range.MaxPage, selFrom, selTo);
    range.FromPage = range.MinPage;
    range.ToPage = range.MaxPage;
    if (prompt && !Peer().RunPrintDialog(owner, range))
        return false;
    const std::unique_ptr<TPrintJob> job = Peer().StartJob(printout.GetTitle());
    SetPageSizes(job->DC());
    printout.SetPrintParams(&job->DC(), PageSize);
    Error = SendPages(owner, printout, *job, range);
    if (Error >= 0)
        Error = job->EndDoc();
    printout.EndPrinting();
    if (Error < 0) {
        ReportError(owner, printout);
        return false;
    }
    return true;
}

// The pages asked for, each while the abort dialog shows its number; the
// user's Cancel is seen between pages.
int TPrinter::SendPages(TWindow* owner, TPrintout& printout, TPrintJob& job, const TPrintDialogData& range)
{
    TAbortDialog abortDialog(owner, printout.GetTitle(), GetDeviceName());
    const std::unique_ptr<TAbortView> shown = Peer().ShowAbortDialog(abortDialog);
    printout.BeginPrinting();
    printout.BeginDocument(range.FromPage, range.ToPage, 0);
    int result = 0;
    for (int page = range.FromPage; (range.AllPages || page <= range.ToPage) && printout.HasPage(page); ++page) {
        abortDialog.SetPage(page);
        Platform::PumpWaitingMessages();
        if (shown->Cancelled())
            return SP_USERABORT;
        if ((result = job.StartPage()) < 0)
            return result;
        TRect area{0, 0, PageSize.cx, PageSize.cy};
        try {
            printout.PrintPage(page, area, 0);
        } catch (const std::bad_alloc&) {
            return SP_OUTOFMEMORY;
        }
        if ((result = job.EndPage()) < 0)
            return result;
    }
    printout.EndDocument();
    Platform::PumpWaitingMessages();
    return shown->Cancelled() ? SP_USERABORT : result;
}

std::string TPrinter::ErrorText(const std::string& title, int error)
{
    return "'" + title + "' not printed. " + ReasonOf(error) + ".";
}

void TPrinter::ReportError(TWindow* owner, const TPrintout& printout)
{
    MessageBox(owner, ErrorText(printout.GetTitle(), Error), "Print Error", MB_OK | MB_ICONSTOP);
}
