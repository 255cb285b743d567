#include "framework/headless/HeadlessPrinting.h"

#include "framework/AbortDialog.h"
#include "framework/headless/HeadlessDesktop.h"

#include <stdexcept>

namespace {

// A printer page: the device's resolution and unprintable offsets.
class THeadlessPrinterDC : public THeadlessDC {
public:
    THeadlessPrinterDC(TDrawLog& log, const THeadlessPrinterDevice& device)
        : THeadlessDC(log, device.Printable, false), Device(device)
    {
    }

    int GetDeviceCaps(int index) const override
    {
        switch (index) {
        case LOGPIXELSX: return Device.DpiX;
        case LOGPIXELSY: return Device.DpiY;
        case PHYSICALOFFSETX: return Device.Offset.x;
        case PHYSICALOFFSETY: return Device.Offset.y;
        default: return THeadlessDC::GetDeviceCaps(index);
        }
    }

private:
    THeadlessPrinterDevice Device;
};

}  // namespace

class THeadlessPrinting::TJob : public TPrintJob {
public:
    TJob(THeadlessPrinting& printing, size_t index)
        : Printing(printing), Index(index), Context(Scratch, printing.Device)
    {
    }

    TDC& DC() override { return Context; }

    int StartPage() override
    {
        THeadlessPrintJob& job = Printing.Jobs[Index];
        job.Pages.emplace_back();
        const int page = int(job.Pages.size());
        if (Printing.OnPage && Printing.Shown)
            Printing.OnPage(page, *Printing.Shown);
        return page == Printing.Failure.Page ? Printing.Failure.Error : 1;
    }

    int EndPage() override
    {
        // What was drawn since StartPage belongs to this page.
        THeadlessPrintJob& job = Printing.Jobs[Index];
        job.Pages.back() = std::move(Scratch);
        Scratch.clear();
        return 1;
    }

    int EndDoc() override
    {
        Printing.Jobs[Index].Finished = true;
        return 1;
    }

private:
    THeadlessPrinting& Printing;
    size_t Index;
    TDrawLog Scratch;
    THeadlessPrinterDC Context;
};

class THeadlessPrinting::TAbort : public TAbortView {
public:
    TAbort(THeadlessPrinting& printing, TAbortDialog& dialog) : Printing(printing)
    {
        dialog.SetupWindow();
        Printing.Shown = &dialog;
        Printing.CancelPressed = false;
        ++Printing.AbortDialogs;
    }
    ~TAbort() override { Printing.Shown = nullptr; }
    bool Cancelled() const override { return Printing.CancelPressed; }

private:
    THeadlessPrinting& Printing;
};

bool THeadlessPrinting::RunPrintDialog(TPrintDialogData& data)
{
    PrintDialogs.push_back(data);
    TPrintAnswer answer{true, true, 0, 0, std::nullopt};
    if (!PrintAnswers.empty()) {
        answer = PrintAnswers.front();
        PrintAnswers.pop_front();
    }
    if (answer.Device)
        Device = *answer.Device;
    data.AllPages = answer.All;
    if (!answer.All) {
        data.FromPage = answer.From;
        data.ToPage = answer.To;
    }
    return answer.Ok;
}

bool THeadlessPrinting::RunPageSetupDialog(TPageSetupData& data)
{
    PageSetups.push_back(data);
    std::optional<TRect> answer = data.Margins;
    if (!SetupAnswers.empty()) {
        answer = SetupAnswers.front();
        SetupAnswers.pop_front();
    }
    if (answer && (data.Flags & PSD_MARGINS))
        data.Margins = *answer;
    return answer.has_value();
}

std::unique_ptr<TDC> THeadlessPrinting::MakeDC(TDrawLog& log)
{
    if (!Device.CanMakeDC)
        throw std::runtime_error("No printer context can be made for " + Device.Name + ".");
    return std::make_unique<THeadlessPrinterDC>(log, Device);
}

std::unique_ptr<TPrintJob> THeadlessPrinting::StartJob(const std::string& title)
{
    MakeDC(InfoLog);  // the same failure as any context of the printer
    Jobs.push_back({title, Device.Name, {}, false});
    return std::make_unique<TJob>(*this, Jobs.size() - 1);
}

std::unique_ptr<TAbortView> THeadlessPrinting::ShowAbortDialog(TAbortDialog& dialog)
{
    return std::make_unique<TAbort>(*this, dialog);
}

// --- the platform's printing on the headless desktop ------------------------------

namespace {

class THeadlessPrinterPeer : public TPrinterPeer {
public:
    std::string DeviceName() const override { return Printing().Device.Name; }
    std::unique_ptr<TDC> MakeInfoDC() override { return Printing().MakeDC(Log); }
    bool RunPrintDialog(TWindow* owner, TPrintDialogData& data) override { return Printing().RunPrintDialog(data); }
    bool RunPageSetupDialog(TWindow* owner, TPageSetupData& data) override
    {
        return Printing().RunPageSetupDialog(data);
    }
    std::unique_ptr<TPrintJob> StartJob(const std::string& title) override { return Printing().StartJob(title); }
    std::unique_ptr<TAbortView> ShowAbortDialog(TAbortDialog& dialog) override
    {
        return Printing().ShowAbortDialog(dialog);
    }

private:
    TDrawLog Log;  // what is drawn on a measuring context is not kept
    static THeadlessPrinting& Printing() { return THeadlessDesktop::Current().Printing(); }
};

}  // namespace

namespace Platform {

std::unique_ptr<TPrinterPeer> CreatePrinterPeer() { return std::make_unique<THeadlessPrinterPeer>(); }

}  // namespace Platform
