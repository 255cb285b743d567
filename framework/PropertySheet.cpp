#include "framework/PropertySheet.h"

#include "framework/OwnerDraw.h"
#include "framework/PropertyPage.h"

TPropertySheet::TPropertySheet(TWindow* parent, const std::string& title, unsigned startPage)
    : TWindow(nullptr, title), Owner(parent), StartPage(startPage)
{
}

// The pages go before the window part of the sheet they are children of.
TPropertySheet::~TPropertySheet() { Pages.clear(); }

TPropertyPage& TPropertySheet::AddPage(std::unique_ptr<TPropertyPage> page)
{
    Pages.push_back(std::move(page));
    return *Pages.back();
}

int TPropertySheet::Execute()
{
    struct TClose {
        TPropertySheet& Sheet;
        ~TClose() { Sheet.CloseWindows(); }
    } close{*this};
    Answer = IDCANCEL;
    EnableApply(false);
    if (!Pages.empty())
        Platform::RunPropertySheet(*this, StartPage < Pages.size() ? StartPage : 0);
    return Answer;
}

void TPropertySheet::CloseWindows()
{
    View = nullptr;
    for (auto& page : Pages) {
        page->SetControlSink(nullptr);
        page->SetHasWindow(false);
    }
}

void TPropertySheet::PageChanged(TPropertyPage& page) { EnableApply(true); }

void TPropertySheet::EnableApply(bool enable)
{
    ApplyEnabled = enable;
    if (View)
        View->ApplyEnabledChanged(enable);
}

void TPropertySheet::SelectPage(size_t index)
{
    if (index >= Pages.size())
        return;
    Current = index;
    TPropertyPage& page = *Pages[index];
    if (!page.HasWindow()) {
        page.SetHasWindow(true);
        page.SetupWindow();
        if (View)
            View->PageCreated(index);
    }
    if (View)
        View->PageSelected(index);
}

bool TPropertySheet::ApplyPages()
{
    for (size_t i = 0; i < Pages.size(); ++i)
        if (Pages[i]->HasWindow() && Pages[i]->Apply() != PSNRET_NOERROR) {
            SelectPage(i);
            return false;
        }
    EnableApply(false);
    return true;
}

bool TPropertySheet::Press(TButton button)
{
    switch (button) {
    case TButton::Cancel: Answer = IDCANCEL; return true;
    case TButton::Apply:
        if (ApplyEnabled)
            ApplyPages();
        return false;
    case TButton::Ok:
        if (!ApplyPages())
            return false;
        Answer = IDOK;
        return true;
    }
    return false;
}

intptr_t TPropertySheet::DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) && Current < Pages.size() && Pages[Current]->HasWindow())
        return Pages[Current]->SendMessage(message, wParam, lParam);
    return TWindow::DefWindowProc(message, wParam, lParam);
}
