// What a platform's printing gives the printer object: the printer now
// chosen (its name, a context that measures it), the print and page set-up
// dialogs, the document a job sends and the box shown while it is sent.
#pragma once

#include "framework/DC.h"
#include "framework/Types.h"

#include <memory>
#include <string>

class TAbortDialog;
class TWindow;

// What the print dialog offers and what the user chose in it.
struct TPrintDialogData {
    int MinPage = 1;
    int MaxPage = 1;
    bool AllPages = true;  // false: FromPage to ToPage
    int FromPage = 1;
    int ToPage = 1;
};

// PSD_MARGINS: the page set-up dialog shows the data's margins and gives
// back the user's.
enum : unsigned { PSD_MARGINS = 0x00000002 };
constexpr int MarginUnitsPerInch = 2500;

struct TPageSetupData {
    unsigned Flags = 0;
    // left, top, right, bottom in 2500ths of an inch (MarginUnitsPerInch).
    TRect Margins;
};

// The spooler's answers; a value below 0 ends the job.
enum : int {
    SP_ERROR = -1,
    SP_APPABORT = -2,
    SP_USERABORT = -3,
    SP_OUTOFDISK = -4,
    SP_OUTOFMEMORY = -5,
};

// One document on its way to the printer. Destroyed before EndDoc, it is
// abandoned and nothing of it is printed.
class TPrintJob {
public:
    virtual ~TPrintJob() = default;
    // The context the pages are drawn on; its origin is the printable
    // area's top-left corner.
    virtual TDC& DC() = 0;
    // Each returns a value below 0 (SP_...) when the job cannot go on.
    virtual int StartPage() = 0;
    virtual int EndPage() = 0;
    virtual int EndDoc() = 0;
};

// The abort dialog as shown; the print loop asks it between pages. It
// goes when destroyed.
class TAbortView {
public:
    virtual ~TAbortView() = default;
    // True once the user pressed Cancel.
    virtual bool Cancelled() const = 0;
};

class TPrinterPeer {
public:
    virtual ~TPrinterPeer() = default;
    // The printer now chosen, as the user knows it.
    virtual std::string DeviceName() const = 0;
    // A context that measures the printer now chosen without printing;
    // throws std::runtime_error when none can be made.
    virtual std::unique_ptr<TDC> MakeInfoDC() = 0;
    // True when the user chose to print; data then holds the pages.
    virtual bool RunPrintDialog(TWindow* owner, TPrintDialogData& data) = 0;
    // True when the user accepted; the chosen paper and printer stay.
    virtual bool RunPageSetupDialog(TWindow* owner, TPageSetupData& data) = 0;
    // Starts a document on the printer now chosen; throws
    // std::runtime_error when it cannot.
    virtual std::unique_ptr<TPrintJob> StartJob(const std::string& title) = 0;
    // Shows the abort dialog without waiting (after its SetupWindow); its
    // owner takes no input while it is up.
    virtual std::unique_ptr<TAbortView> ShowAbortDialog(TAbortDialog& dialog) = 0;
};

namespace Platform {
std::unique_ptr<TPrinterPeer> CreatePrinterPeer();
}  // namespace Platform
