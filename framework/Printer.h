// TPrinter: the application's printer object. It keeps the printer chosen
// and the page set-up data, runs the page set-up dialog, and runs a print
// job: the print dialog, the pages of a printout, the abort dialog, and
// the report of a job the spooler did not finish.
#pragma once

#include "framework/PrinterPeer.h"

#include <memory>
#include <string>

class TPrintout;

class TPrinter {
public:
    TPrinter();
    virtual ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The page set-up dialog; the set-up data keeps what was accepted.
    virtual void Setup(TWindow* owner);
    // Runs the job (see Printout.h for the order of the calls). False when
    // nothing was printed: the dialog was cancelled (silently) or the
    // spooler stopped the job (reported to the user). What the printout or
    // the platform throws goes to the caller, the job abandoned.
    virtual bool Print(TWindow* owner, TPrintout& printout, bool prompt);

    // A context measuring the printer now chosen (std::runtime_error when
    // none can be made).
    std::unique_ptr<TDC> MakeInfoDC();
    // The page size becomes the context's printable size (HORZRES, VERTRES).
    void SetPageSizes(const TDC& dc);
    TSize GetPageSize() const { return PageSize; }
    TPageSetupData& GetSetupData() { return SetupData; }
    std::string GetDeviceName();
    // The spooler's answer for the last job: 0 or more went well, SP_...
    int GetError() const { return Error; }

    // "'title' not printed. reason." for a spooler error.
    static std::string ErrorText(const std::string& title, int error);

    // The platform's printer behind the object.
    TPrinterPeer& Peer();

protected:
    // Shows the last job's spooler error, caption "Print Error".
    virtual void ReportError(TWindow* owner, const TPrintout& printout);

private:
    std::unique_ptr<TPrinterPeer> PeerObject;
    TPageSetupData SetupData;
    TSize PageSize;
    int Error = 0;

    int SendPages(TWindow* owner, TPrintout& printout, TPrintJob& job, const TPrintDialogData& range);
};
