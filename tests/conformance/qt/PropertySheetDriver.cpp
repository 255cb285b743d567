#include "../PropertySheetDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class TQtUser : public TPropertySheetUser {
public:
    TQtUser(QDialog& sheet, QTabWidget& tabs) : Sheet(sheet), Tabs(tabs) {}

    void ClickTab(size_t index) override { Tabs.setCurrentIndex(int(index)); }
    void Click(int id) override { Control<QAbstractButton>(id).click(); }
    void Type(int id, const std::string& text) override
    {
        auto& field = Control<QLineEdit>(id);
        field.selectAll();
        QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(&field, &erase);
        for (const char ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(ch)));
            QApplication::sendEvent(&field, &press);
        }
    }
    void Press(TButton button) override
    {
        const auto which = button == TButton::Ok       ? QDialogButtonBox::Ok
                           : button == TButton::Cancel ? QDialogButtonBox::Cancel
                                                       : QDialogButtonBox::Apply;
        Buttons().button(which)->click();
    }
    bool Open() const override { return Sheet.isVisible(); }
    size_t ShownPage() const override { return size_t(Tabs.currentIndex()); }
    bool ApplyEnabled() const override { return Buttons().button(QDialogButtonBox::Apply)->isEnabled(); }

private:
    QDialog& Sheet;
    QTabWidget& Tabs;

    QDialogButtonBox& Buttons() const { return *Sheet.findChild<QDialogButtonBox*>(); }
    template <class T>
    T& Control(int id) const
    {
        T* control = Tabs.currentWidget()->findChild<T*>(QString::number(id));
        if (!control)
            throw std::logic_error("the page shown has no control " + std::to_string(id));
        return *control;
    }
};

}  // namespace

int TPropertySheetUser::Run(TPropertySheet& sheet, const std::function<void(TPropertySheetUser&)>& user)
{
    QTimer::singleShot(0, [&user] {
        auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QTabWidget* tabs = shown ? shown->findChild<QTabWidget*>() : nullptr;
        if (!tabs) {
            ADD_FAILURE() << "no property sheet is shown";
            return;
        }
        TQtUser acting(*shown, *tabs);
        user(acting);
        if (shown->isVisible()) {
            ADD_FAILURE() << "the test left the sheet open";
            acting.Press(TPropertySheetUser::TButton::Cancel);
        }
    });
    return sheet.Execute();
}
