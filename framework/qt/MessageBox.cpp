// Message boxes: the window system's button sets and icons on QMessageBox.
#include "framework/Dialogs.h"
#include "framework/Types.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtWindowPeer.h"

#include <QApplication>
#include <QMessageBox>

namespace {

constexpr unsigned ButtonMask = 0x0F;
constexpr unsigned IconMask = 0xF0;

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & IconMask) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(unsigned flags)
{
    switch (flags & ButtonMask) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

// Escape answers Cancel, or No where there is no Cancel.
QMessageBox::StandardButton EscapeOf(QMessageBox::StandardButtons buttons)
{
    if (buttons & QMessageBox::Cancel)
        return QMessageBox::Cancel;
    return buttons & QMessageBox::No ? QMessageBox::No : QMessageBox::Ok;
}

// The first button is the default, as on the window system, or the second
// with MB_DEFBUTTON2.
QMessageBox::StandardButton DefaultOf(QMessageBox::StandardButtons buttons, unsigned flags)
{
    const bool second = (flags & MB_DEFBUTTON2) != 0;
    if (buttons & QMessageBox::Yes)
        return second ? QMessageBox::No : QMessageBox::Yes;
    return second && (buttons & QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
}

int AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}

}  // namespace

int MessageBox(TWindow* owner, const std::string& text, const std::string& caption, unsigned flags)
{
    PlatformContext::Get();
    const QMessageBox::StandardButtons buttons = ButtonsOf(flags);
    // An owner without a window of its own (a property page) is shown by
    // the modal box the user works in.
    QWidget* parent = QtWindowPeer::TopLevelOf(owner);
    if (!parent && owner)
        parent = QApplication::activeModalWidget();
    QMessageBox box(IconOf(flags), CodePage::UiText(caption), CodePage::UiText(text), buttons, parent);
    box.setDefaultButton(DefaultOf(buttons, flags));
    box.setEscapeButton(EscapeOf(buttons));
    return AnswerOf(box.exec());
}
