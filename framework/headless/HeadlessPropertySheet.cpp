#include "framework/headless/HeadlessPropertySheet.h"

#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/PropertyPage.h"
#include "framework/headless/HeadlessDesktop.h"

#include <stdexcept>

namespace {

// The width of a box, as a template of 4 dialog units to 6 pixels gives it.
int BoxWidth(const TControl& control)
{
    const TDialogItem* item = control.TemplateItem();
    return item ? MulDiv(item->Rect.Cx, 6, 4) : 100;
}

}  // namespace

THeadlessPropertySheet::THeadlessPropertySheet(TPropertySheet& sheet) : Target(sheet) { Target.SetView(this); }

THeadlessPropertySheet::~THeadlessPropertySheet() { Target.SetView(nullptr); }

TControl& THeadlessPropertySheet::Control(int id) const
{
    TControl* control = Target.GetPage(Shown).Control(id);
    if (!control)
        throw std::logic_error("the page shown has no control " + std::to_string(id));
    return *control;
}

template <class T>
T& THeadlessPropertySheet::ControlOf(int id) const
{
    auto* control = dynamic_cast<T*>(&Control(id));
    if (!control)
        throw std::logic_error("control " + std::to_string(id) + " is of another kind");
    return *control;
}

void THeadlessPropertySheet::ClickTab(size_t index) { Target.SelectPage(index); }

void THeadlessPropertySheet::Click(int id) { ControlOf<TCheckBox>(id).UserClick(); }

void THeadlessPropertySheet::Type(int id, const std::string& text)
{
    if (auto* edit = dynamic_cast<TEdit*>(&Control(id)))
        edit->UserEdit(text);
    else
        ControlOf<TComboBox>(id).UserEdit(text);
}

void THeadlessPropertySheet::Choose(int id, int index) { ControlOf<TComboBox>(id).UserSelect(index); }

void THeadlessPropertySheet::Press(TButton button)
{
    if (Open && Target.Press(button))
        Open = false;
}

int THeadlessPropertySheet::MeasureItem(int id, int item)
{
    auto& box = ControlOf<TComboBox>(id);
    TMeasureItemStruct measure;
    measure.CtlID = id;
    measure.ItemID = item;
    measure.ItemWidth = BoxWidth(box);
    measure.ItemData = box.GetItemData(item);
    Target.SendMessage(WM_MEASUREITEM, unsigned(id), reinterpret_cast<intptr_t>(&measure));
    return measure.ItemHeight;
}

TDrawLog THeadlessPropertySheet::DrawItem(int id, int item, bool selected)
{
    auto& box = ControlOf<TComboBox>(id);
    TDrawLog log;
    const int height = MeasureItem(id, item);
    THeadlessDC dc(log, {BoxWidth(box), height}, true);
    TDrawItemStruct draw;
    draw.CtlID = id;
    draw.ItemID = item < 0 ? box.GetSelIndex() : item;
    draw.ItemState = (selected ? ODS_SELECTED | ODS_FOCUS : 0u) | (item < 0 ? unsigned(ODS_COMBOBOXEDIT) : 0u);
    draw.ItemWindow = &box;
    draw.DC = &dc;
    draw.ItemRect = {0, 0, BoxWidth(box), height};
    draw.ItemData = box.GetItemData(draw.ItemID);
    Target.SendMessage(WM_DRAWITEM, unsigned(id), reinterpret_cast<intptr_t>(&draw));
    return log;
}

namespace Platform {

void RunPropertySheet(TPropertySheet& sheet, unsigned startPage)
{
    THeadlessPropertySheet shown(sheet);
    sheet.SelectPage(startPage);
    THeadlessDesktop::Current().Dialogs().RunPropertySheet(shown);
    if (shown.IsOpen())
        shown.Close();
}

}  // namespace Platform
