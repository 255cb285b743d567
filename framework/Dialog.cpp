#include "framework/Dialog.h"

TDialog::TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate)
    : TWindow(nullptr, dialogTemplate.Caption), Owner(parent), Layout(dialogTemplate)
{
}

int TDialog::Execute() { return Platform::RunDialog(*this); }

void TDialog::SetupWindow()
{
    for (const TDialogItem& item : Layout.Items)
        if (item.Id != -1)
            Texts[item.Id] = item.Text;
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
