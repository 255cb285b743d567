// A property sheet as a modal QDialog: a tab per page, OK, Cancel and Apply.
// A page's controls are built from its template when the sheet first shows
// it, placed by dialog units of the template's font; the widgets show the
// control objects' state and hand the user's changes to them.
#pragma once

#include "framework/PropertySheet.h"
#include "framework/qt/SheetGuard.h"

#include <QDialog>

#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;
class PageWidgets;

class PropertySheetWindow : public QDialog, private TPropertySheet::TView {
public:
    PropertySheetWindow(TPropertySheet& sheet, QWidget* owner);
    ~PropertySheetWindow() override;

    // Shows the start page and runs the box; what the program threw while
    // it was up is thrown again here.
    void Run(unsigned startPage);

private:
    TPropertySheet& Sheet;
    SheetGuard Guard;
    QTabWidget* Tabs;
    QPushButton* ApplyButton;
    std::vector<std::unique_ptr<PageWidgets>> Pages;
    bool Selecting = false;

    void PageCreated(size_t index) override;
    void PageSelected(size_t index) override;
    void ApplyEnabledChanged(bool enabled) override;
    void Press(TPropertySheet::TButton button);
    void reject() override;
};
