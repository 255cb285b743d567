#include "framework/qt/FrameWidget.h"

#include "framework/qt/FrameWindowPeer.h"
#include "framework/qt/KeyInput.h"

#include <QCloseEvent>

FrameWidget::FrameWidget(FrameWindowPeer& peer) : Peer(&peer) {}

TWindow* FrameWidget::TargetWindow() const { return Peer ? &Peer->Window() : nullptr; }

// The program decides: a frame that may close is destroyed by the
// application, which takes this widget with it.
void FrameWidget::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (Peer)
        Peer->CloseRequested();
}

void FrameWidget::resizeEvent(QResizeEvent*)
{
    if (Peer)
        Peer->SizeChanged();
}

void FrameWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && Peer)
        Peer->SizeChanged();
}

void FrameWidget::keyPressEvent(QKeyEvent* event) { KeyInput::Press(*this, *event); }

void FrameWidget::keyReleaseEvent(QKeyEvent* event) { KeyInput::Release(*this, *event); }
