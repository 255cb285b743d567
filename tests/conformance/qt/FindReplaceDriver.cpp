#include "../FindReplaceDriver.h"

#include "framework/Types.h"
#include "framework/qt/QtTestAccess.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <stdexcept>

namespace {

const char* ButtonName(TFindReplaceDialog::TAction button)
{
    switch (button) {
    case TFindReplaceDialog::TAction::FindNext: return "findNext";
    case TFindReplaceDialog::TAction::Replace: return "replace";
    case TFindReplaceDialog::TAction::ReplaceAll: return "replaceAll";
    case TFindReplaceDialog::TAction::Close: return "cancel";
    }
    return "";
}

class TQtDriver : public TFindReplaceDriver {
public:
    explicit TQtDriver(QWidget& window) : Window(window) {}

    bool Visible() const override { return Window.isVisible(); }
    TFindReplaceDialog::TControls Controls() const override
    {
        TFindReplaceDialog::TControls controls;
        controls.FindWhat = Child<QLineEdit>("findWhat")->text().toLatin1().toStdString();
        if (auto* replace = Child<QLineEdit>("replaceWith"))
            controls.ReplaceWith = replace->text().toLatin1().toStdString();
        controls.WholeWord = Child<QCheckBox>("wholeWord")->isChecked();
        controls.MatchCase = Child<QCheckBox>("matchCase")->isChecked();
        auto* down = Child<QRadioButton>("down");
        controls.Down = !down || down->isChecked();
        return controls;
    }
    void TypeFind(const std::string& text) override { Type(*Child<QLineEdit>("findWhat"), text); }
    void TypeReplace(const std::string& text) override
    {
        if (auto* replace = Child<QLineEdit>("replaceWith"))
            Type(*replace, text);
    }
    void ClearFind() override { Child<QLineEdit>("findWhat")->clear(); }
    void SetOptions(bool wholeWord, bool matchCase, bool down) override
    {
        Child<QCheckBox>("wholeWord")->setChecked(wholeWord);
        Child<QCheckBox>("matchCase")->setChecked(matchCase);
        if (auto* button = Child<QRadioButton>(down ? "down" : "up"))
            button->setChecked(true);
    }
    bool Enabled(TAction button) const override
    {
        auto* b = Child<QPushButton>(ButtonName(button));
        return b && b->isVisible() && b->isEnabled();
    }
    void Click(TAction button) override
    {
        if (auto* b = Child<QPushButton>(ButtonName(button)))
            b->click();
    }
    void Key(unsigned virtualKey) override
    {
        const int key = virtualKey == VK_RETURN ? Qt::Key_Return : virtualKey == VK_ESCAPE ? Qt::Key_Escape : 0;
        SendKey(*Child<QLineEdit>("findWhat"), key, QString());
    }
    void CloseBox() override { Window.close(); }

private:
    QWidget& Window;

    template <class TWidget>
    TWidget* Child(const char* name) const
    {
        return Window.findChild<TWidget*>(QString::fromLatin1(name));
    }

    static void SendKey(QWidget& target, int key, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&target, &release);
    }

    static void Type(QLineEdit& box, const std::string& text)
    {
        box.end(false);
        for (const char c : text)
            SendKey(box, 0, QString(QChar(char16_t(static_cast<unsigned char>(c)))));
    }
};

}  // namespace

std::unique_ptr<TFindReplaceDriver> TFindReplaceDriver::For(TFindReplaceDialog& dialog)
{
    QWidget* window = QtTestAccess::FindReplaceWidget(dialog);
    if (!window)
        throw std::logic_error("the dialog has no window");
    return std::make_unique<TQtDriver>(*window);
}
