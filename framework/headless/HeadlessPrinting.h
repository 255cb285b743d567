// The headless desktop's printer: a device with settable geometry whose
// jobs are recorded page by page (every call drawn, text with its
// position), scripted answers of the print and page set-up dialogs, and
// the spooler's failures on demand. Without a scripted answer the print
// dialog prints all pages (Enter) and the page set-up dialog is accepted
// as it stands.
#pragma once

#include "framework/PrinterPeer.h"
#include "framework/headless/HeadlessDC.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TAbortDialog;

struct THeadlessPrinterDevice {
    std::string Name = "Headless Printer";
    int DpiX = 300;
    int DpiY = 300;
    TSize Printable{2400, 3150};  // HORZRES, VERTRES: 8 x 10.5 inches
    TPoint Offset{75, 75};        // PHYSICALOFFSETX, PHYSICALOFFSETY
    bool CanMakeDC = true;        // false: no context can be made
};

struct THeadlessPrintJob {
    std::string Title;
    std::string Device;
    std::vector<TDrawLog> Pages;
    bool Finished = false;  // EndDoc reached; otherwise abandoned
};

class THeadlessPrinting {
public:
    THeadlessPrinterDevice Device;

    // --- scripted answers, used in order -------------------------------------
    // The print dialog: OK with all pages, OK with a range, Cancel.
    void PrintAll() { PrintAnswers.push_back({true, true, 0, 0, std::nullopt}); }
    void PrintRange(int from, int to) { PrintAnswers.push_back({true, false, from, to, std::nullopt}); }
    void CancelPrint() { PrintAnswers.push_back({false, true, 0, 0, std::nullopt}); }
    // The user picks another printer in the dialog and prints all pages.
    void PrintAllOn(const THeadlessPrinterDevice& device) { PrintAnswers.push_back({true, true, 0, 0, device}); }
    // The page set-up dialog: OK with these margins (2500ths), or Cancel.
    void AcceptPageSetup(const TRect& margins) { SetupAnswers.push_back(margins); }
    void CancelPageSetup() { SetupAnswers.push_back(std::nullopt); }
    // StartPage of this page (1-based within the job) answers error.
    void FailAtPage(int page, int error) { Failure = {page, error}; }
    // Runs when a job starts each page, with the abort dialog as shown; a
    // test presses its Cancel here, as a user would while pages go out.
    std::function<void(int page, TAbortDialog& abortDialog)> OnPage;
    // The abort dialog's Cancel button.
    void PressCancel() { CancelPressed = true; }

    // --- records ---------------------------------------------------------------
    std::vector<TPrintDialogData> PrintDialogs;  // as the program passed them
    std::vector<TPageSetupData> PageSetups;      // as the program passed them
    std::vector<THeadlessPrintJob> Jobs;
    int AbortDialogs = 0;

    // --- for the platform functions ------------------------------------------
    bool RunPrintDialog(TPrintDialogData& data);
    bool RunPageSetupDialog(TPageSetupData& data);
    std::unique_ptr<TDC> MakeDC(TDrawLog& log);
    std::unique_ptr<TPrintJob> StartJob(const std::string& title);
    std::unique_ptr<TAbortView> ShowAbortDialog(TAbortDialog& dialog);

private:
    struct TPrintAnswer {
        bool Ok;
        bool All;
        int From, To;
        std::optional<THeadlessPrinterDevice> Device;
    };
    std::deque<TPrintAnswer> PrintAnswers;
    std::deque<std::optional<TRect>> SetupAnswers;
    struct TFailure {
        int Page = 0;
        int Error = 0;
    } Failure;
    bool CancelPressed = false;
    TAbortDialog* Shown = nullptr;
    TDrawLog InfoLog;

    class TJob;
    class TAbort;
};
