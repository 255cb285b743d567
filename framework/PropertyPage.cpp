#include "framework/PropertyPage.h"

#include "framework/PropertySheet.h"

TPropertyPage::TPropertyPage(TPropertySheet& sheet, const TDialogTemplate& dialogTemplate, const std::string& title)
    : TDialog(&sheet, dialogTemplate), Sheet(sheet)
{
    SetParent(&sheet);
    SetCaption(title);
}

void TPropertyPage::PageChanged() { Sheet.PageChanged(*this); }
