#include "framework/Control.h"

#include "framework/Dialog.h"

TControl::TControl(TDialog& parent, int id) : TWindow(&parent), Dialog(parent) { Attr.Id = id; }

const TDialogItem* TControl::TemplateItem() const { return Dialog.Template().Item(GetId()); }

uint32_t TControl::GetStyle() const
{
    const TDialogItem* item = TemplateItem();
    return item ? item->Style : 0;
}

bool TControl::HasWindow() const { return Dialog.HasWindow(); }

void TControl::Changed() { Dialog.ControlChanged(*this); }

void TControl::Notify(unsigned code)
{
    Dialog.SendMessage(WM_COMMAND, MakeLParam(GetId(), int(code)), reinterpret_cast<intptr_t>(this));
}
