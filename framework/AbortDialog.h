// The box shown while a job's pages are sent (dialog resource 32599):
// caption "Printing", the page being printed, the job's title and the
// printer, and a Cancel button. Each platform shows it without waiting.
#pragma once

#include "framework/Dialog.h"

#include <string>

enum : int { IDD_ABORTDIALOG = 32599, IDC_PRINTPAGE = 101, IDC_PRINTTITLE = 102, IDC_PRINTDEVICE = 103 };

const TDialogTemplate& AbortDialogTemplate();

class TAbortDialog : public TDialog {
public:
    TAbortDialog(TWindow* owner, const std::string& title, const std::string& device);
    void SetupWindow() override;
    void SetPage(int page);

private:
    std::string Title;
    std::string Device;
};
