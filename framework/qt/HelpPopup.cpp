#include "framework/qt/HelpPopup.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int PointerGap = 12;
constexpr int Padding = 6;

}  // namespace

HelpPopup::HelpPopup(const QString& page, QWidget* owner) : QFrame(owner, Qt::Popup), Text(new QTextBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(Text);
    Text->setFrameStyle(QFrame::NoFrame);
    Text->setSource(QUrl::fromLocalFile(page));
    Text->document()->setDocumentMargin(Padding);
    Text->document()->setTextWidth(TextWidth);
    Text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->viewport()->installEventFilter(this);
    Text->installEventFilter(this);
    const int height = std::min(int(Text->document()->size().height()) + 4, MaxHeight);
    Text->setFixedSize(TextWidth + 4 + (height == MaxHeight ? Text->verticalScrollBar()->sizeHint().width() : 0), height);
    adjustSize();
}

void HelpPopup::ShowNear(const QPoint& point)
{
    QPoint at = point + QPoint(PointerGap, PointerGap);
    if (const QScreen* screen = QGuiApplication::screenAt(point)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        if (at.y() + height() > area.bottom())
            at.setY(std::max(area.top(), point.y() - PointerGap - height()));
    }
    move(at);
    show();
    Text->setFocus();
}

bool HelpPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void HelpPopup::keyPressEvent(QKeyEvent*) { close(); }

void HelpPopup::mousePressEvent(QMouseEvent*) { close(); }
