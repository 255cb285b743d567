#include "framework/qt/PageWidgets.h"

#include "framework/CheckBox.h"
#include "framework/ComboBox.h"
#include "framework/DialogUnits.h"
#include "framework/Edit.h"
#include "framework/PropertySheet.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/DialogRunner.h"
#include "framework/qt/OwnerDrawCombo.h"
#include "framework/qt/SheetGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// Text typed by the user in the program's 8-bit set.
std::string Bytes(const QString& text)
{
    std::string bytes;
    for (const QChar ch : text) {
        const int byte = CodePage::Windows1252Byte(ch.unicode());
        bytes += byte < 0 ? '?' : char(byte);
    }
    return bytes;
}

QString Shown(const std::string& text) { return CodePage::Windows1252Text(text); }

void ShowList(QComboBox& widget, const TComboBox& box)
{
    const QSignalBlocker quiet(widget);
    bool same = widget.count() == box.GetCount();
    for (int i = 0; same && i < box.GetCount(); ++i)
        same = widget.itemText(i) == Shown(box.GetString(i));
    if (!same) {
        widget.clear();
        for (const TComboBox::TEntry& entry : box.List())
            widget.addItem(Shown(entry.Text));
    }
    const QString text = Shown(box.GetText(std::string::npos));
    // A field showing an entry's text stands on that entry, so that leaving
    // it unchanged is no choice of the entry (Qt chooses it when the field's
    // editing finishes otherwise).
    const int shown = box.HasEditField() && box.GetSelIndex() < 0 ? widget.findText(text) : box.GetSelIndex();
    widget.setCurrentIndex(shown);
    if (box.HasEditField() && widget.currentText() != text)
        widget.setEditText(text);
    widget.update();
}

}  // namespace

PageWidgets::PageWidgets(TPropertySheet& sheet, TDialog& page, SheetGuard& guard)
    : Sheet(sheet), Page(page), Guard(guard), Area(new QWidget), Font(DialogRunner::DialogFont(page.Template()))
{
    Area->setFont(Font);
    Base = DialogRunner::BaseUnits(Font);
}

PageWidgets::~PageWidgets()
{
    Page.SetControlSink(nullptr);
    Page.SetTextSink(nullptr);
}

QSize PageWidgets::PageSize() const
{
    return DialogRunner::PixelRect(Page.Template().Rect, Base).size();
}

void PageWidgets::Build()
{
    for (const TDialogItem& item : Page.Template().Items) {
        QWidget* widget = MakeControl(item);
        QRect place = DialogRunner::PixelRect(item.Rect, Base);
        // A combo box's template height counts its dropped list.
        if (qobject_cast<QComboBox*>(widget))
            place.setHeight(std::max(widget->sizeHint().height(),
                                     item.Style & CBS_OWNERDRAWVARIABLE
                                         ? static_cast<OwnerDrawCombo*>(widget)->MeasureItem(-1) + 6
                                         : 0));
        widget->setGeometry(place);
        widget->show();
        InOrder.push_back(widget);
        if (item.Id != -1) {
            // Named by identifier, so tools and tests can find a control.
            widget->setObjectName(QString::number(item.Id));
            Controls[item.Id] = widget;
        }
    }
    Page.SetControlSink(this);
    Page.SetTextSink(this);
}

QWidget* PageWidgets::MakeControl(const TDialogItem& item)
{
    TControl* control = item.Id == -1 ? nullptr : Page.Control(item.Id);
    if (auto* check = dynamic_cast<TCheckBox*>(control)) {
        auto* widget = new QCheckBox(CodePage::UiText(item.Text), Area);
        widget->setChecked(check->GetCheck() == BST_CHECKED);
        QObject::connect(widget, &QCheckBox::clicked, widget, [this, check, widget] {
            // The object decides the state (a plain box leaves it to its page).
            {
                const QSignalBlocker quiet(widget);
                widget->setChecked(check->GetCheck() == BST_CHECKED);
            }
            Guard.Run([&] { check->UserClick(); });
        });
        return widget;
    }
    if (auto* edit = dynamic_cast<TEdit*>(control)) {
        auto* widget = new QLineEdit(Shown(edit->Shown()), Area);
        QObject::connect(widget, &QLineEdit::textEdited, widget,
                         [this, edit](const QString& text) { Guard.Run([&] { edit->UserEdit(Bytes(text)); }); });
        return widget;
    }
    if (auto* box = dynamic_cast<TComboBox*>(control)) {
        QComboBox* widget = box->IsOwnerDrawn() ? new OwnerDrawCombo(Sheet, *box, Guard, Area) : new QComboBox(Area);
        widget->setEditable(box->HasEditField());
        // The field keeps what is typed: no entry is completed behind the caret.
        if (box->HasEditField())
            widget->setCompleter(nullptr);
        widget->setInsertPolicy(QComboBox::NoInsert);
        widget->setMaxVisibleItems(box->IsOwnerDrawn() ? 8 : 5);
        ShowList(*widget, *box);
        QObject::connect(widget, &QComboBox::activated, widget, [this, box, widget](int index) {
            if (Guard.Run([&] { box->UserSelect(index); }))
                ShowList(*widget, *box);
        });
        if (QLineEdit* field = widget->lineEdit())
            QObject::connect(field, &QLineEdit::textEdited, widget, [this, box](const QString& text) {
                Guard.Run([&] { box->UserEdit(Bytes(text)); });
            });
        return widget;
    }
    const std::string text = item.Id == -1 ? item.Text : Page.GetItemText(item.Id);
    QWidget* widget = DialogRunner::MakeControl(item, text, Area);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setWordWrap(false);
    return widget;
}

void PageWidgets::FocusFirst()
{
    for (QWidget* widget : InOrder)
        if (widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
}

void PageWidgets::ControlChanged(TControl& control)
{
    const auto found = Controls.find(control.GetId());
    if (found == Controls.end())
        return;
    QWidget* widget = found->second;
    if (auto* check = dynamic_cast<TCheckBox*>(&control)) {
        const QSignalBlocker quiet(widget);
        static_cast<QCheckBox*>(widget)->setChecked(check->GetCheck() == BST_CHECKED);
    } else if (auto* edit = dynamic_cast<TEdit*>(&control)) {
        auto* line = static_cast<QLineEdit*>(widget);
        if (line->text() != Shown(edit->Shown()))
            line->setText(Shown(edit->Shown()));
    } else if (auto* box = dynamic_cast<TComboBox*>(&control)) {
        ShowList(*static_cast<QComboBox*>(widget), *box);
    }
}

void PageWidgets::ItemTextChanged(int id, const std::string& text)
{
    const auto found = Controls.find(id);
    if (found != Controls.end())
        if (auto* label = qobject_cast<QLabel*>(found->second))
            label->setText(CodePage::UiText(text));
}
