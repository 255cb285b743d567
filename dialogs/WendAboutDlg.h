// TWendAboutDlg: the About box (dialog 22000); its version and copyright
// lines come from the program's version record.
#pragma once

#include "framework/Dialog.h"

#include <string>

class TWendAboutDlg : public TDialog {
public:
    // modulePath: the program file whose record the box shows.
    explicit TWendAboutDlg(TWindow* parent, const std::string& modulePath = "/proc/self/exe");
    void SetupWindow() override;

private:
    std::string ModulePath;
    TStatic Version;
    TStatic Copyright;
    TStatic Contact;
};
