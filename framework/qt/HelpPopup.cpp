#include "framework/qt/HelpPopup.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int PointerGap = 12;
constexpr int Padding = 6;

// A page's topic without what follows its "more" mark (see-also lists and
// the way back to the contents), which a pop-up has no use for.
QString TopicHtml(const QString& page)
{
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString html = QString::fromUtf8(file.readAll());
    const qsizetype more = html.indexOf(QStringLiteral("<!-- more -->"));
    if (more >= 0)
        html.truncate(more);
    return html;
}

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
    Text->setSearchPaths({QFileInfo(page).absolutePath()});
    const QString html = TopicHtml(page);
    Text->setHtml(html);
    Text->document()->setDocumentMargin(Padding);
    Text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->viewport()->installEventFilter(this);
    Text->installEventFilter(this);
    // Measured apart: the browser lays its own document out only when shown.
    QTextDocument measure;
    measure.setDefaultFont(Text->font());
    measure.setDocumentMargin(Padding);
    measure.setHtml(html);
    measure.setTextWidth(TextWidth);
    const int needed = int(std::ceil(measure.size().height())) + 2;
    const int height = std::min(needed, MaxHeight);
    const int bar = needed > MaxHeight ? Text->verticalScrollBar()->sizeHint().width() : 0;
    Text->setFixedSize(TextWidth + bar, height);
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

// F1, held in a menu to ask for the pop-up, goes on repeating: it is not a
// key pressed to close it.
bool HelpPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void HelpPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F1)
        close();
}

void HelpPopup::mousePressEvent(QMouseEvent*) { close(); }
