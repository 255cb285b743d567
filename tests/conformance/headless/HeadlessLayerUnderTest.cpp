// The headless layer under test: a desktop double for each test.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/headless/HeadlessDesktop.h"

struct TLayerUnderTest::TImpl {
    THeadlessDesktop Desktop;
};

TLayerUnderTest::TLayerUnderTest() : Impl(std::make_unique<TImpl>()) {}
TLayerUnderTest::~TLayerUnderTest() = default;

void TLayerUnderTest::DispatchPosted() { Impl->Desktop.PumpWaitingMessages(); }

void TLayerUnderTest::PutImageOnClipboard() { Impl->Desktop.PutClipboardOther(); }

void TLayerUnderTest::AnswerNextPopupMenu(unsigned id) { Impl->Desktop.Dialogs().ChoosePopupItem(id); }

TLayerUnderTest::TShownMenu TLayerUnderTest::LastPopupMenu() const
{
    const THeadlessPopupMenu& popup = Impl->Desktop.Dialogs().PopupMenus().back();
    TShownMenu shown{popup.Point, {}};
    for (size_t i = 0; i < popup.Items.size(); ++i) {
        const bool command = popup.Items[i].Kind == TMenuItem::TKind::Command;
        shown.Items.push_back({popup.Items[i].Text, command && popup.States[i].IsEnabled(),
                               command && popup.States[i].IsChecked()});
    }
    return shown;
}

void TLayerUnderTest::PrintIntoScratch(TPrinter&) {}

void TLayerUnderTest::AnswerNextPrintDialog(bool print)
{
    if (print)
        Impl->Desktop.Printing().PrintAll();
    else
        Impl->Desktop.Printing().CancelPrint();
}

int TLayerUnderTest::PrintedPages() const
{
    const auto& jobs = Impl->Desktop.Printing().Jobs;
    return jobs.empty() || !jobs.back().Finished ? 0 : int(jobs.back().Pages.size());
}
