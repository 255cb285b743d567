// The Qt layer under test: the program's platform context, the toolkit's
// clipboard, and the user acting on widgets, in pop-up menus and in message
// boxes while they run their loops.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/Platform.h"
#include "framework/Window.h"
#include "framework/qt/QtTestAccess.h"
#include "framework/qt/QtWindowPeer.h"
#include "tests/support/ScratchDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <functional>

namespace {

int Argc = 1;
char Name[] = "conformance_qt";
char* Argv[] = {Name, nullptr};

TLayerUnderTest::TShownMenu Describe(const QMenu& menu)
{
    TLayerUnderTest::TShownMenu shown{{menu.pos().x(), menu.pos().y()}, {}};
    for (const QAction* action : menu.actions())
        shown.Items.push_back({action->isSeparator() ? std::string() : action->text().toStdString(),
                               !action->isSeparator() && action->isEnabled(), action->isChecked()});
    return shown;
}

QWidget& TopLevelOf(TWindow& window) { return *QtWindowPeer::TopLevelOf(&window); }

int QtKeyOf(unsigned virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return Qt::Key_A + int(virtualKey - 'A');
    switch (virtualKey) {
    case VK_SHIFT: return Qt::Key_Shift;
    case VK_CONTROL: return Qt::Key_Control;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    default: return 0;
    }
}

Qt::KeyboardModifier ModifierOf(unsigned virtualKey)
{
    switch (virtualKey) {
    case VK_SHIFT: return Qt::ShiftModifier;
    case VK_CONTROL: return Qt::ControlModifier;
    default: return Qt::NoModifier;
    }
}

QAbstractSlider::SliderAction ActionOf(unsigned code)
{
    switch (code) {
    case SB_LINEUP: return QAbstractSlider::SliderSingleStepSub;
    case SB_LINEDOWN: return QAbstractSlider::SliderSingleStepAdd;
    case SB_PAGEUP: return QAbstractSlider::SliderPageStepSub;
    case SB_PAGEDOWN: return QAbstractSlider::SliderPageStepAdd;
    case SB_TOP: return QAbstractSlider::SliderToMinimum;
    case SB_BOTTOM: return QAbstractSlider::SliderToMaximum;
    default: return QAbstractSlider::SliderNoAction;
    }
}

QMessageBox::StandardButton ButtonOf(int answer)
{
    switch (answer) {
    case IDCANCEL: return QMessageBox::Cancel;
    case IDYES: return QMessageBox::Yes;
    case IDNO: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

// Calls act with the modal widget or pop-up of type T once it is open.
template <class T>
void WhenOpen(std::function<T*()> find, std::function<void(T&)> act, int triesLeft = 500)
{
    if (T* widget = find()) {
        act(*widget);
        return;
    }
    if (triesLeft > 0)
        QTimer::singleShot(10, [find, act, triesLeft] { WhenOpen<T>(find, act, triesLeft - 1); });
}

QMessageBox* OpenMessageBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }
QMenu* OpenPopupMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

}  // namespace

struct TLayerUnderTest::TImpl {
    TShownMenu LastMenu;
    TShownBox LastBox;
    Qt::KeyboardModifiers Held;
    TScratchDir Scratch;

    void Record(const QMessageBox& box)
    {
        LastBox = {box.text().toStdString(), box.windowTitle().toStdString()};
    }
};

TLayerUnderTest::TLayerUnderTest() : Impl(std::make_unique<TImpl>()) { Platform::Initialise(Argc, Argv); }

TLayerUnderTest::~TLayerUnderTest() = default;

void TLayerUnderTest::DispatchPosted() { QCoreApplication::processEvents(); }

void TLayerUnderTest::Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool TLayerUnderTest::RunUntil(const std::function<bool()>& done)
{
    Platform::PumpWaitingMessages();
    QDeadlineTimer limit(10000);
    while (!done() && !limit.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

void TLayerUnderTest::ShowTopLevel(TWindow& window)
{
    window.Create();
    window.Show(SW_SHOWNORMAL);
    Settle();
}

void TLayerUnderTest::UserMove(TWindow& window, int x, int y) { TopLevelOf(window).move(x, y); }
void TLayerUnderTest::UserMaximize(TWindow& window) { TopLevelOf(window).showMaximized(); }
void TLayerUnderTest::UserRestore(TWindow& window) { TopLevelOf(window).showNormal(); }

void TLayerUnderTest::UserKey(TWindow& window, unsigned virtualKey, bool down)
{
    window.SetFocus();
    const Qt::KeyboardModifier own = ModifierOf(virtualKey);
    Impl->Held.setFlag(own, down);
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, QtKeyOf(virtualKey), Impl->Held);
    QCoreApplication::sendEvent(QtTestAccess::ClientWidget(window), &event);
}

// The bar acts as under the pointer: the step (or the dragged thumb), then
// the button's release (a press would act by itself where it lands).
void TLayerUnderTest::UserScroll(TWindow& window, int bar, unsigned code, int thumb)
{
    QScrollBar* scrollBar = QtTestAccess::ScrollBar(window, bar);
    if (!scrollBar)
        return;
    if (code == SB_THUMBPOSITION) {
        scrollBar->setSliderDown(true);
        scrollBar->setSliderPosition(thumb);
    } else {
        scrollBar->triggerAction(ActionOf(code));
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(scrollBar, &release);
    scrollBar->setSliderDown(false);
}

bool TLayerUnderTest::CaretShownIn(const TWindow& window) const { return QtTestAccess::CaretVisibleIn(window); }

TPoint TLayerUnderTest::CaretPos() const
{
    const QRect rect = QtTestAccess::CaretRect();
    return {rect.x(), rect.y()};
}

void TLayerUnderTest::PutImageOnClipboard()
{
    auto* data = new QMimeData;
    data->setImageData(QImage(8, 8, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TLayerUnderTest::ClickInNextMessageBox(int answer)
{
    WhenOpen<QMessageBox>(OpenMessageBox, [impl = Impl.get(), answer](QMessageBox& box) {
        impl->Record(box);
        if (QAbstractButton* button = box.button(ButtonOf(answer)))
            button->click();
    });
}

void TLayerUnderTest::PressInNextMessageBox(unsigned virtualKey)
{
    WhenOpen<QMessageBox>(OpenMessageBox, [impl = Impl.get(), virtualKey](QMessageBox& box) {
        impl->Record(box);
        QKeyEvent press(QEvent::KeyPress, QtKeyOf(virtualKey), Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &press);
    });
}

TLayerUnderTest::TShownBox TLayerUnderTest::LastMessageBox() const { return Impl->LastBox; }

void TLayerUnderTest::AnswerNextPopupMenu(unsigned id)
{
    WhenOpen<QMenu>(OpenPopupMenu, [impl = Impl.get(), id](QMenu& menu) {
        impl->LastMenu = Describe(menu);
        for (QAction* action : menu.actions())
            if (id != 0 && !action->isSeparator() && action->data().toUInt() == id)
                action->trigger();  // does nothing when the item is greyed
        menu.close();
    });
}

TLayerUnderTest::TShownMenu TLayerUnderTest::LastPopupMenu() const { return Impl->LastMenu; }

void TLayerUnderTest::PrintIntoScratch(TPrinter& printer)
{
    QPrinter& device = QtTestAccess::Printer(printer);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QString::fromStdString(Impl->Scratch.PathOf("printed.pdf")));
}

void TLayerUnderTest::AnswerNextPrintDialog(bool print)
{
    QTimer::singleShot(0, [print] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            print ? dialog->accept() : dialog->reject();
    });
}

// The page objects of the PDF file the toolkit wrote.
int TLayerUnderTest::PrintedPages() const
{
    QFile file(QString::fromStdString(Impl->Scratch.PathOf("printed.pdf")));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString pdf = QString::fromLatin1(file.readAll());
    return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}
