// TWindow's message dispatch and the default processing of its handlers.
#include "framework/Application.h"
#include "framework/CommandRoute.h"
#include "framework/Frame.h"
#include "framework/Scroller.h"
#include "framework/Window.h"

namespace {

unsigned LoWord(uintptr_t v) { return unsigned(v & 0xFFFF); }
unsigned HiWord(uintptr_t v) { return unsigned((v >> 16) & 0xFFFF); }

TPoint PointOf(intptr_t lParam) { return {LoWordSigned(lParam), HiWordSigned(lParam)}; }

}  // namespace

intptr_t TWindow::WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    const auto key = unsigned(wParam);
    const unsigned repeat = LoWord(uintptr_t(lParam)), flags = HiWord(uintptr_t(lParam));
    const auto modKeys = unsigned(wParam);
    switch (message) {
    case WM_KEYDOWN: EvKeyDown(key, repeat, flags); return 0;
    case WM_KEYUP: EvKeyUp(key, repeat, flags); return 0;
    case WM_SYSKEYDOWN: EvSysKeyDown(key, repeat, flags); return 0;
    case WM_SYSKEYUP: EvSysKeyUp(key, repeat, flags); return 0;
    case WM_CHAR: EvChar(key & 0xFF, repeat, flags); return 0;
    case WM_MOUSEMOVE: EvMouseMove(modKeys, PointOf(lParam)); return 0;
    case WM_MOUSELEAVE: EvMouseLeave(); return 0;
    case WM_LBUTTONDOWN: EvLButtonDown(modKeys, PointOf(lParam)); return 0;
    case WM_LBUTTONUP: EvLButtonUp(modKeys, PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: EvLButtonDblClk(modKeys, PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: EvRButtonDown(modKeys, PointOf(lParam)); return 0;
    case WM_CONTEXTMENU: EvContextMenu(PointOf(lParam)); return 0;
    case WM_SIZE: EvSize(unsigned(wParam), TSize{int(LoWord(uintptr_t(lParam))), int(HiWord(uintptr_t(lParam)))}); return 0;
    case WM_HSCROLL: EvHScroll(LoWord(wParam), HiWord(wParam)); return 0;
    case WM_VSCROLL: EvVScroll(LoWord(wParam), HiWord(wParam)); return 0;
    case WM_SETFOCUS: EvSetFocus(); return 0;
    case WM_KILLFOCUS: EvKillFocus(); return 0;
    case WM_DROPFILES:
        if (auto* drop = reinterpret_cast<TDropInfo*>(wParam))
            EvDropFiles(*drop);
        return 0;
    case WM_CLOSE: EvClose(); return 0;
    case WM_COMMAND:
        // What this window does not handle goes on to its parents and the
        // application (a context menu's command reaches the frame this way).
        TCommandRoute(this, GetApplication()).Run(LoWord(wParam));
        return 0;
    default: return DefWindowProc(message, wParam, lParam);
    }
}

intptr_t TWindow::DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) { return 0; }

bool TWindow::EvCommand(unsigned id) { return false; }

bool TWindow::HasCommandHandler(unsigned id) const { return false; }

bool TWindow::EvCommandEnable(TCommandEnabler& enabler) { return false; }

bool TWindow::CanClose()
{
    const std::vector<TWindow*> children = ChildList;
    for (TWindow* child : children)
        if (!child->CanClose())
            return false;
    return true;
}

void TWindow::Paint(TDC& dc, bool erase, TRect& rect) {}

void TWindow::EvKeyDown(unsigned key, unsigned repeatCount, unsigned flags) {}
void TWindow::EvKeyUp(unsigned key, unsigned repeatCount, unsigned flags) {}
void TWindow::EvSysKeyDown(unsigned key, unsigned repeatCount, unsigned flags) {}
void TWindow::EvSysKeyUp(unsigned key, unsigned repeatCount, unsigned flags) {}
void TWindow::EvChar(unsigned key, unsigned repeatCount, unsigned flags) {}

void TWindow::EvLButtonDown(unsigned modKeys, const TPoint& point)
{
    if (Scroller && Scroller->AutoMode)
        Scroller->BeginAutoScroll();
}

void TWindow::EvMouseMove(unsigned modKeys, const TPoint& point) {}
void TWindow::EvMouseLeave() {}

bool TWindow::GetToolTip(const TPoint& point, std::string& text, TRect& area) { return false; }
void TWindow::EvLButtonUp(unsigned modKeys, const TPoint& point) {}
void TWindow::EvLButtonDblClk(unsigned modKeys, const TPoint& point) {}
void TWindow::EvRButtonDown(unsigned modKeys, const TPoint& point) {}
void TWindow::EvContextMenu(const TPoint& screenPoint) {}

void TWindow::EvSize(unsigned sizeType, const TSize& size)
{
    if (Scroller && sizeType != SIZE_MINIMIZED) {
        Scroller->SetPageSize();
        Scroller->SetSBarRange();
    }
}

void TWindow::EvHScroll(unsigned scrollCode, unsigned thumbPos)
{
    if (Scroller)
        Scroller->HScroll(scrollCode, int(thumbPos));
}

void TWindow::EvVScroll(unsigned scrollCode, unsigned thumbPos)
{
    if (Scroller)
        Scroller->VScroll(scrollCode, int(thumbPos));
}

void TWindow::EvSetFocus() {}
void TWindow::EvKillFocus() {}
void TWindow::EvDropFiles(TDropInfo& drop) {}

void TWindow::EvClose()
{
    TApplication* app = GetApplication();
    if (app && app->GetMainWindow() == this)
        app->CloseMainWindow();
}
