#include "framework/Edit.h"

TEdit::TEdit(TDialog& parent, int id) : TControl(parent, id)
{
    if (const TDialogItem* item = TemplateItem())
        Text = item->Text;
}

void TEdit::SetText(const std::string& text)
{
    Text = text;
    Changed();
}

void TEdit::UserEdit(const std::string& text)
{
    Text = text;
    Notify(EN_CHANGE);
}
