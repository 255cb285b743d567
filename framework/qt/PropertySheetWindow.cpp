#include "framework/qt/PropertySheetWindow.h"

#include "framework/PropertyPage.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/DialogRunner.h"
#include "framework/qt/PageWidgets.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtWindowPeer.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

PropertySheetWindow::PropertySheetWindow(TPropertySheet& sheet, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      Sheet(sheet), Guard(*this), Tabs(new QTabWidget(this))
{
    setWindowTitle(CodePage::UiText(sheet.GetCaption()));
    setModal(true);
    // Tabs and buttons are written in the pages' dialog font, as the
    // controls on the pages are.
    if (sheet.GetPageCount() > 0)
        setFont(DialogRunner::DialogFont(sheet.GetPage(0).Template()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    ApplyButton = buttons->button(QDialogButtonBox::Apply);
    ApplyButton->setEnabled(false);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] { Press(TPropertySheet::TButton::Ok); });
    connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this, [this] { Press(TPropertySheet::TButton::Cancel); });
    connect(ApplyButton, &QPushButton::clicked, this, [this] { Press(TPropertySheet::TButton::Apply); });
    QSize largest;
    for (size_t i = 0; i < sheet.GetPageCount(); ++i) {
        const TPropertyPage& page = sheet.GetPage(i);
        auto widgets = std::make_unique<PageWidgets>(sheet, sheet.GetPage(i), Guard);
        largest = largest.expandedTo(widgets->PageSize());
        Tabs->addTab(widgets->Widget(), CodePage::UiText(page.GetCaption()));
        Pages.push_back(std::move(widgets));
    }
    for (auto& page : Pages)
        page->Widget()->setMinimumSize(largest);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Sheet.SetView(this);
    connect(Tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (!Selecting && index >= 0)
            Guard.Run([&] { Sheet.SelectPage(size_t(index)); });
    });
}

PropertySheetWindow::~PropertySheetWindow() { Sheet.SetView(nullptr); }

void PropertySheetWindow::PageCreated(size_t index) { Pages.at(index)->Build(); }

void PropertySheetWindow::PageSelected(size_t index)
{
    Selecting = true;
    Tabs->setCurrentIndex(int(index));
    Selecting = false;
    Pages.at(index)->FocusFirst();
}

void PropertySheetWindow::ApplyEnabledChanged(bool enabled) { ApplyButton->setEnabled(enabled); }

void PropertySheetWindow::Press(TPropertySheet::TButton button)
{
    bool closes = false;
    if (Guard.Run([&] { closes = Sheet.Press(button); }) && closes)
        done(Sheet.Result());
}

void PropertySheetWindow::Run(unsigned startPage)
{
    if (Guard.Run([&] { Sheet.SelectPage(startPage); }))
        exec();
    Guard.Rethrow();
}

// Escape and the close box are Cancel.
void PropertySheetWindow::reject() { Press(TPropertySheet::TButton::Cancel); }

namespace Platform {

void RunPropertySheet(TPropertySheet& sheet, unsigned startPage)
{
    PlatformContext::Get();
    PropertySheetWindow window(sheet, QtWindowPeer::TopLevelOf(sheet.GetOwner()));
    window.Run(startPage);
}

}  // namespace Platform
