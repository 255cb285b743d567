#include "framework/Dialog.h"

#include "framework/Control.h"

TDialog::TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate)
    : TWindow(nullptr, dialogTemplate.Caption), Owner(parent), Layout(dialogTemplate)
{
}

int TDialog::Execute()
{
    struct TUp {
        TDialog& Box;
        ~TUp() { Box.SetHasWindow(false); }
    } up{*this};
    SetHasWindow(true);
    return Platform::RunDialog(*this);
}

void TDialog::SetupWindow()
{
    for (const TDialogItem& item : Layout.Items)
        if (item.Id != -1)
            Texts[item.Id] = item.Text;
    const std::vector<TWindow*> children = Children();
    for (TWindow* child : children)
        if (auto* control = dynamic_cast<TControl*>(child))
            control->SetupWindow();
}

TControl* TDialog::Control(int id) const { return dynamic_cast<TControl*>(ChildWithId(id)); }

void TDialog::ControlChanged(TControl& control)
{
    if (Controls)
        Controls->ControlChanged(control);
}

intptr_t TDialog::WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    // A notification names its control in lParam; a command has none.
    if (message == WM_COMMAND && lParam != 0) {
        EvChildNotify(int(wParam & 0xFFFF), unsigned((wParam >> 16) & 0xFFFF));
        return 0;
    }
    return TWindow::WindowProc(message, wParam, lParam);
}

// Draw requests go on to the control, which draws its own items.
intptr_t TDialog::DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (message == WM_DRAWITEM && lParam != 0) {
        auto& draw = *reinterpret_cast<TDrawItemStruct*>(lParam);
        if (TControl* control = Control(draw.CtlID)) {
            control->DrawItem(draw);
            return 1;
        }
    }
    return TWindow::DefWindowProc(message, wParam, lParam);
}

std::string TDialog::GetItemText(int id) const
{
    const auto found = Texts.find(id);
    return found == Texts.end() ? std::string() : found->second;
}

void TDialog::SetItemText(int id, const std::string& text)
{
    Texts[id] = text;
    if (Sink)
        Sink->ItemTextChanged(id, text);
}

TStatic::TStatic(TDialog& parent, int id, size_t textLimit) : Parent(parent), Id(id), TextLimit(textLimit) {}

std::string TStatic::GetText() const { return Parent.GetItemText(Id).substr(0, TextLimit); }

void TStatic::SetText(const std::string& text) { Parent.SetItemText(Id, text); }
