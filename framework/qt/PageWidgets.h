// The widgets of one property page: built from the page's template when the
// sheet first shows the page, kept in step with the control objects
// (TDialog::TControlSink) and passing the user's changes to them. An
// owner-drawn combo box asks its items' heights and drawings through the
// sheet, as WM_MEASUREITEM and WM_DRAWITEM.
#pragma once

#include "framework/Dialog.h"

#include <QFont>
#include <QSize>

#include <map>
#include <vector>

class QWidget;
class TControl;
class SheetGuard;
class TPropertySheet;

class PageWidgets : private TDialog::TControlSink, private TDialog::TTextSink {
public:
    // guard runs the program's code for the user's changes.
    PageWidgets(TPropertySheet& sheet, TDialog& page, SheetGuard& guard);
    ~PageWidgets() override;

    QWidget* Widget() const { return Area; }
    // The page's template size in pixels.
    QSize PageSize() const;
    // Makes the controls, showing the control objects' state.
    void Build();
    // The keyboard goes to the first control that takes it, as when the
    // page is chosen.
    void FocusFirst();

private:
    TPropertySheet& Sheet;
    TDialog& Page;
    SheetGuard& Guard;
    QWidget* Area;
    QFont Font;
    QSize Base;
    std::map<int, QWidget*> Controls;
    std::vector<QWidget*> InOrder;  // template order

    QWidget* MakeControl(const TDialogItem& item);
    void Show(TControl& control, QWidget* widget);
    void ControlChanged(TControl& control) override;
    void ItemTextChanged(int id, const std::string& text) override;
};
