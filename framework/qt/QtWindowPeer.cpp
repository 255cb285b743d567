#include "framework/qt/QtWindowPeer.h"

#include "framework/Window.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/Geometry.h"
#include "framework/qt/HelpViewerLink.h"
#include "framework/qt/ImageData.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/TopLevelPlacement.h"
#include "framework/qt/WindowActivation.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QWidget>

namespace {

Qt::CursorShape ShapeOf(TCursorKind kind)
{
    switch (kind) {
    case TCursorKind::IBeam: return Qt::IBeamCursor;
    case TCursorKind::Wait: return Qt::WaitCursor;
    case TCursorKind::Help: return Qt::WhatsThisCursor;
    case TCursorKind::Arrow: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

QtWindowPeer::QtWindowPeer(TWindow& window) : Target(window) {}

QtWindowPeer::~QtWindowPeer()
{
    PlatformContext& context = PlatformContext::Get();
    context.TheCaret().Forget(*this);
    context.Queue().Drop(Target);
    if (context.CaptureOwner() == this)
        context.SetCaptureOwner(nullptr);
}

QtWindowPeer* QtWindowPeer::Of(const TWindow* window)
{
    return window ? dynamic_cast<QtWindowPeer*>(window->GetPeer()) : nullptr;
}

QWidget* QtWindowPeer::TopLevelOf(const TWindow* window)
{
    const QtWindowPeer* peer = Of(window);
    return peer ? peer->Widget().window() : nullptr;
}

void QtWindowPeer::ApplyAttributes()
{
    const TWindowAttr& attr = Target.Attr;
    Widget().setGeometry(attr.X, attr.Y, attr.W, attr.H);
    if (Widget().isWindow())
        Placement = std::make_unique<TopLevelPlacement>(Widget());
    SetCursor(attr.Cursor);
    SetCaption(Target.GetCaption());
}

void QtWindowPeer::LinkScrollBars(QScrollBar* horizontal, QScrollBar* vertical, QWidget* wheelTarget)
{
    Bars[SB_HORZ] = std::make_unique<ScrollBarLink>(Target, WM_HSCROLL, horizontal, wheelTarget);
    Bars[SB_VERT] = std::make_unique<ScrollBarLink>(Target, WM_VSCROLL, vertical, wheelTarget);
}

TRect QtWindowPeer::GetClientRect() const
{
    const QWidget& client = ClientArea();
    return TRect{0, 0, client.width(), client.height()};
}

void QtWindowPeer::SetCaption(const std::string& caption) { Widget().setWindowTitle(CodePage::UiText(caption)); }

// For a top-level window the size is that of its frame, as the window
// system counts it.
void QtWindowPeer::SetWindowPos(int x, int y, int w, int h)
{
    if (Placement)
        Placement->Place(x, y, w, h);
    else
        Widget().setGeometry(x, y, w, h);
}

TRect QtWindowPeer::GetWindowRect() const
{
    const QWidget& widget = Widget();
    if (widget.isWindow())
        return ToTRect(widget.frameGeometry());
    return ToTRect(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()));
}

TRect QtWindowPeer::GetNormalPlacement() const { return Placement ? ToTRect(Placement->Normal()) : GetWindowRect(); }

void QtWindowPeer::Show(int cmdShow)
{
    QWidget& widget = Widget();
    switch (cmdShow) {
    case SW_HIDE: widget.hide(); return;
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: widget.showMinimized(); return;
    case SW_SHOWMAXIMIZED: widget.showMaximized(); break;
    case SW_SHOWNORMAL: widget.isWindow() ? widget.showNormal() : widget.show(); break;
    default: widget.show(); break;
    }
    if (widget.isWindow())
        RaiseAndActivate(widget);
}

void QtWindowPeer::SetIcon(const TIconImage& icon)
{
    const QImage image = ImageOf(icon);
    if (!image.isNull())
        Widget().setWindowIcon(QIcon(QPixmap::fromImage(image)));
}

// A button held down in the window already sends it the pointer's moves
// wherever they go; otherwise the window grabs the pointer.
void QtWindowPeer::SetCapture()
{
    // One window holds the capture: taking it takes it from the other.
    PlatformContext& context = PlatformContext::Get();
    if (QtWindowPeer* other = context.CaptureOwner(); other && other != this)
        other->ReleaseCapture();
    context.SetCaptureOwner(this);
    Captured = true;
    if (!Grabbed && !ButtonHeld()) {
        ClientArea().grabMouse();
        Grabbed = true;
    }
}

void QtWindowPeer::ReleaseCapture()
{
    if (PlatformContext::Get().CaptureOwner() == this)
        PlatformContext::Get().SetCaptureOwner(nullptr);
    Captured = false;
    if (std::exchange(Grabbed, false))
        ClientArea().releaseMouse();
}

unsigned QtWindowPeer::SizeType() const
{
    const QWidget& widget = Widget();
    if (!widget.isWindow())
        return SIZE_RESTORED;
    if (widget.isMinimized())
        return SIZE_MINIMIZED;
    return widget.isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

bool QtWindowPeer::ButtonHeld() const { return QGuiApplication::mouseButtons() != Qt::NoButton; }

void QtWindowPeer::SetCursor(TCursorKind kind) { ClientArea().setCursor(ShapeOf(kind)); }

void QtWindowPeer::CreateCaret(int width, int height) { PlatformContext::Get().TheCaret().Create(*this, width, height); }

void QtWindowPeer::DestroyCaret() { PlatformContext::Get().TheCaret().Destroy(*this); }

void QtWindowPeer::SetCaretPos(int x, int y) { PlatformContext::Get().TheCaret().SetPos(QPoint(x, y)); }

void QtWindowPeer::ShowCaret() { PlatformContext::Get().TheCaret().Show(*this); }

void QtWindowPeer::HideCaret() { PlatformContext::Get().TheCaret().Hide(*this); }

ScrollBarLink* QtWindowPeer::Bar(int bar) const
{
    return bar == SB_HORZ || bar == SB_VERT ? Bars[size_t(bar)].get() : nullptr;
}

void QtWindowPeer::SetScrollRange(int bar, int minPos, int maxPos, bool)
{
    if (ScrollBarLink* link = Bar(bar))
        link->SetRange(minPos, maxPos);
}

void QtWindowPeer::SetScrollPos(int bar, int pos, bool)
{
    if (ScrollBarLink* link = Bar(bar))
        link->SetPos(pos);
}

int QtWindowPeer::GetScrollPos(int bar) const
{
    const ScrollBarLink* link = Bar(bar);
    return link ? link->Pos() : 0;
}

void QtWindowPeer::SetScrollPage(int bar, int page)
{
    if (ScrollBarLink* link = Bar(bar))
        link->SetPage(page);
}

TPoint QtWindowPeer::ClientToScreen(TPoint p) const { return ToTPoint(ClientArea().mapToGlobal(ToQPoint(p))); }

TPoint QtWindowPeer::ScreenToClient(TPoint p) const { return ToTPoint(ClientArea().mapFromGlobal(ToQPoint(p))); }

HelpViewerLink& QtWindowPeer::HelpViewer()
{
    if (!Help)
        Help = std::make_unique<HelpViewerLink>();
    return *Help;
}
