#include "framework/qt/QtTestAccess.h"

#include "framework/Frame.h"
#include "framework/qt/ChildWindowPeer.h"
#include "framework/qt/FindReplaceWindow.h"
#include "framework/qt/FrameWindowPeer.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtPrinting.h"
#include "framework/Printer.h"

#include <QCoreApplication>
#include <QEvent>

namespace QtTestAccess {
namespace {

ChildWindowPeer* ChildPeerOf(const TWindow& window) { return dynamic_cast<ChildWindowPeer*>(window.GetPeer()); }

}  // namespace

QWidget* FindReplaceWidget(const TFindReplaceDialog& dialog)
{
    const auto* peer = dynamic_cast<const QtFindReplacePeer*>(dialog.GetPeer());
    return peer ? peer->Window() : nullptr;
}

QImage BackBuffer(const TWindow& window)
{
    const ChildWindowPeer* peer = ChildPeerOf(window);
    return peer ? peer->Buffer().copy() : QImage();
}

QImage PaintedBackBuffer(const TWindow& window)
{
    if (ChildWindowPeer* peer = ChildPeerOf(window))
        peer->UpdateWindow();
    return BackBuffer(window);
}

QWidget* TopLevelWidget(const TWindow& window) { return QtWindowPeer::TopLevelOf(&window); }

QWidget* ClientWidget(const TWindow& window)
{
    const QtWindowPeer* peer = QtWindowPeer::Of(&window);
    return peer ? &peer->ClientArea() : nullptr;
}

QScrollBar* ScrollBar(const TWindow& window, int bar)
{
    const ChildWindowPeer* peer = ChildPeerOf(window);
    return peer ? peer->ScrollBar(bar) : nullptr;
}

QMenuBar* MenuBar(const TFrameWindow& frame)
{
    const auto* peer = dynamic_cast<const FrameWindowPeer*>(frame.GetPeer());
    return peer ? &peer->MenuBar() : nullptr;
}

QPrinter& Printer(TPrinter& printer) { return dynamic_cast<QtPrinting::PrinterAccess&>(printer.Peer()).Device(); }

QRect CaretRect() { return PlatformContext::Get().TheCaret().Rect(); }

bool CaretVisibleIn(const TWindow& window)
{
    const QtWindowPeer* peer = QtWindowPeer::Of(&window);
    return peer && PlatformContext::Get().TheCaret().IsVisibleIn(*peer);
}

void FlushEvents()
{
    PlatformContext& context = PlatformContext::Get();
    for (int round = 0; round < 3; ++round) {
        context.Loop().PumpNow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace QtTestAccess
