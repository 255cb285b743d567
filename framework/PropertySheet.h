// TPropertySheet: a modal box of pages under tabs with OK, Cancel and
// Apply. Apply is greyed until a page reports a change. OK and Apply ask
// the pages that have windows to apply, in page order; a page that
// refuses is shown and the sheet stays open (OK then does not close it).
// Apply greys again once every page accepted. Cancel and Escape close the
// sheet without asking the pages.
//
// The platform's sheet window builds a page's controls when the page is
// created (SelectPage), hands the user's tab choices and buttons to
// SelectPage and Press, and sends the owner-draw requests of the pages'
// controls to the sheet, which gives them to the page shown.
#pragma once

#include "framework/Window.h"

#include <memory>
#include <vector>

class TPropertyPage;

class TPropertySheet : public TWindow {
public:
    // parent owns the sheet while it runs (it is not one of its children).
    TPropertySheet(TWindow* parent, const std::string& title, unsigned startPage = 0);
    ~TPropertySheet() override;

    TWindow* GetOwner() const { return Owner; }
    const char* GetClassName() const override { return "TPropertySheet"; }
    // The sheet owns its pages; they are shown in the order added.
    TPropertyPage& AddPage(std::unique_ptr<TPropertyPage> page);
    size_t GetPageCount() const { return Pages.size(); }
    TPropertyPage& GetPage(size_t index) const { return *Pages.at(index); }

    // Runs the sheet modally: IDOK when OK closed it, else IDCANCEL. The
    // pages' windows go with it. What a page throws ends the sheet and
    // reaches the caller.
    int Execute();

    // A page holds changes.
    void PageChanged(TPropertyPage& page);
    bool IsApplyEnabled() const { return ApplyEnabled; }
    size_t GetCurrentPage() const { return Current; }

    // --- for the platform's sheet window ---------------------------------------
    enum class TButton { Ok, Cancel, Apply };
    // Shows the page; the first time, its window is made and set up.
    void SelectPage(size_t index);
    // True when the button closes the sheet (Result() tells how).
    bool Press(TButton button);
    int Result() const { return Answer; }

    // How the platform's window hears of the sheet's changes.
    class TView {
    public:
        virtual ~TView() = default;
        // The page's window was made and set up: its controls are to be built.
        virtual void PageCreated(size_t index) = 0;
        virtual void PageSelected(size_t index) = 0;
        virtual void ApplyEnabledChanged(bool enabled) = 0;
    };
    void SetView(TView* view) { View = view; }

    // Owner-draw requests go to the page shown.
    intptr_t DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;

private:
    TWindow* Owner;
    unsigned StartPage;
    std::vector<std::unique_ptr<TPropertyPage>> Pages;
    size_t Current = 0;
    bool ApplyEnabled = false;
    int Answer = 0;
    TView* View = nullptr;

    bool ApplyPages();
    void EnableApply(bool enable);
    void CloseWindows();
};

namespace Platform {
// Shows the sheet modally with its start page until Press closes it.
void RunPropertySheet(TPropertySheet& sheet, unsigned startPage);
}  // namespace Platform
