// TControl: a control of a dialog, a child window addressed by its
// identifier. The object keeps the control's state. The platform's dialog
// window shows that state, hears of the program's changes through the
// dialog's control sink, and hands the user's changes to the User...
// calls, which tell the dialog with WM_COMMAND (the identifier and a
// notification code in wParam, the control in lParam). The program's own
// changes notify nobody.
#pragma once

#include "framework/DialogTemplate.h"
#include "framework/OwnerDraw.h"
#include "framework/Window.h"

class TDialog;

// Notification codes.
enum : unsigned { BN_CLICKED = 0, CBN_SELCHANGE = 1, CBN_EDITCHANGE = 5, EN_CHANGE = 0x0300 };

class TControl : public TWindow {
public:
    TControl(TDialog& parent, int id);

    int GetId() const { return Attr.Id; }
    TDialog& GetDialog() const { return Dialog; }
    // The control's item in the dialog's template; null when it has none.
    const TDialogItem* TemplateItem() const;
    uint32_t GetStyle() const;
    // True while the dialog's window, and so the control's, exists.
    bool HasWindow() const;

    // Runs when the dialog's window has been made, before the dialog's own
    // set-up goes on.
    virtual void SetupWindow() {}
    // Owner-drawn controls answer these for their items.
    virtual void MeasureItem(TMeasureItemStruct& measure) {}
    virtual void DrawItem(TDrawItemStruct& draw) {}

protected:
    // The state changed by the program: the platform shows it.
    void Changed();
    // Tells the dialog of a change the user made.
    void Notify(unsigned code);

private:
    TDialog& Dialog;
};
