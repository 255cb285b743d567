#include "framework/qt/ChildWindowPeer.h"

#include "framework/Platform.h"
#include "framework/qt/FileDrop.h"
#include "framework/qt/Geometry.h"
#include "framework/qt/GuardedCall.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtDC.h"

#include <QGridLayout>
#include <QPainter>
#include <QScrollBar>

namespace {

// A child window lives in its parent's client area; one without a created
// parent is a top-level window.
QWidget* ParentWidgetOf(const TWindow& window)
{
    const QtWindowPeer* parent = QtWindowPeer::Of(window.GetParent());
    return parent ? &parent->ClientArea() : nullptr;
}

}  // namespace

ChildWindowPeer::ChildWindowPeer(TWindow& window)
    : QtWindowPeer(window), Container(new QWidget(ParentWidgetOf(window))),
      Client(new ClientWidget(*this, Container.get())), Pixels([this](const QRect& rect) { Blit(rect); })
{
    BuildBars();
    LinkScrollBars(Bars[SB_HORZ], Bars[SB_VERT], Client);
    if (window.Attr.ExStyle & WS_EX_ACCEPTFILES)
        FileDrop::AcceptFiles(*Client, *Client);
    ApplyAttributes();
    Pixels.Resize(Client->size(), Platform::ScreenLogPixelsY());
    if (QtWindowPeer* parent = QtWindowPeer::Of(window.GetParent())) {
        Container->show();
        parent->ChildAdded();
    }
}

ChildWindowPeer::~ChildWindowPeer()
{
    ReleaseCapture();
    Client->Detach();
}

// The client area fills what the bars leave: the vertical bar on the right,
// the horizontal one below.
void ChildWindowPeer::BuildBars()
{
    auto* grid = new QGridLayout(Container.get());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(Client, 0, 0);
    const uint32_t style = Window().Attr.Style;
    if (style & WS_VSCROLL)
        grid->addWidget(Bars[SB_VERT] = new QScrollBar(Qt::Vertical, Container.get()), 0, 1);
    if (style & WS_HSCROLL)
        grid->addWidget(Bars[SB_HORZ] = new QScrollBar(Qt::Horizontal, Container.get()), 1, 0);
}

QScrollBar* ChildWindowPeer::ScrollBar(int bar) const
{
    return bar == SB_HORZ || bar == SB_VERT ? Bars[bar] : nullptr;
}

void ChildWindowPeer::Blit(const QRect& rect) { Client->update(rect); }

void ChildWindowPeer::Invalidate(const TRect* rect, bool erase)
{
    const QRect area = rect ? ToQRect(*rect) : Pixels.Bounds();
    Pixels.Invalidate(&area, erase);
    Blit(area);
}

// The window's Paint runs now; the screen follows at the next blit.
void ChildWindowPeer::UpdateWindow()
{
    const QRegion painted = PaintInvalid();
    if (!painted.isEmpty())
        Client->update(painted);
}

void ChildWindowPeer::ScrollWindow(int dx, int dy)
{
    Pixels.Scroll(dx, dy);
    PlatformContext::Get().TheCaret().Shift(*this, dx, dy);
}

std::unique_ptr<TDC> ChildWindowPeer::GetClientDC() { return std::make_unique<QtDC>(Pixels, std::nullopt, true); }

void ChildWindowPeer::SetFocus()
{
    QWidget* top = Client->window();
    if (!top->isActiveWindow())
        top->activateWindow();
    Client->setFocus(Qt::OtherFocusReason);
}

QRegion ChildWindowPeer::PaintInvalid()
{
    bool erase = false;
    const QRegion region = Pixels.TakeInvalid(erase);
    if (region.isEmpty())
        return region;
    QtDC dc(Pixels, region, false);
    TRect rect = ToTRect(region.boundingRect());
    GuardedCall([&] { Window().Paint(dc, erase, rect); });
    return region;
}

// The caret is the inverse of the image under it, drawn over the blit.
void ChildWindowPeer::PaintClient(const QRegion& region)
{
    PaintInvalid();
    QPainter painter(Client);
    const QImage& image = Pixels.Image();
    for (const QRect& rect : region)
        painter.drawImage(rect.topLeft(), image, rect);
    const Caret& caret = PlatformContext::Get().TheCaret();
    // A caret scrolled out of view has no area here (and copying an empty
    // area would copy the whole image).
    const QRect area = caret.Rect().intersected(image.rect());
    if (!caret.IsDrawnIn(*this) || area.isEmpty())
        return;
    QImage under = image.copy(area);
    under.invertPixels();
    painter.drawImage(area.topLeft(), under);
}

// The new buffer is ready before the window hears of its new size.
void ChildWindowPeer::ClientResized(QSize size)
{
    Pixels.Resize(size, Platform::ScreenLogPixelsY());
    Blit(Pixels.Bounds());
    DispatchMsg(TMsg{&Window(), WM_SIZE, SizeType(), intptr_t(MakeLParam(size.width(), size.height()))});
}

// Losing the focus cancels a capture, as the window system's deactivation
// does; a drag loop whose button release went elsewhere ends with it.
void ChildWindowPeer::FocusLost()
{
    if (HasCapture())
        ReleaseCapture();
}

void ChildWindowPeer::RefreshCaretArea(const QRect& rect) { Client->update(rect); }
