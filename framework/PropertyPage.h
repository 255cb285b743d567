// TPropertyPage: one page of a property sheet, a dialog built from a
// template. Its window is made, and its set-up run, when the sheet first
// shows it; a page never shown has no window and is not asked to apply.
#pragma once

#include "framework/Dialog.h"

#include <string>

class TPropertySheet;

// Answers of Apply: accept, or keep the sheet open on the page.
enum : int { PSNRET_NOERROR = 0, PSNRET_INVALID = 1 };

class TPropertyPage : public TDialog {
public:
    TPropertyPage(TPropertySheet& sheet, const TDialogTemplate& dialogTemplate, const std::string& title);

    TPropertySheet& GetSheet() const { return Sheet; }
    const char* GetClassName() const override { return "TPropertyPage"; }

    // OK or Apply was pressed; the default accepts.
    virtual int Apply() { return PSNRET_NOERROR; }

protected:
    // Tells the sheet that the page holds changes: Apply comes on.
    void PageChanged();

private:
    TPropertySheet& Sheet;
};
