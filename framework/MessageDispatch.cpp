// The common entry of every platform event: pre-processing, then the
// window's WindowProc.
#include "framework/Application.h"
#include "framework/Platform.h"
#include "framework/Scroller.h"

namespace {

bool ReleasesLeftButton(const TMsg& msg)
{
    return msg.Message == WM_LBUTTONUP || (msg.Message == WM_MOUSEMOVE && !(msg.WParam & MK_LBUTTON));
}

// Noted before the dispatch: the handler may destroy the window.
void NoteCaptureEnd(const TMsg& msg)
{
    if (msg.Window && msg.Window->Scroller && msg.Window->Scroller->IsAutoScrolling() && ReleasesLeftButton(msg))
        msg.Window->Scroller->EndAutoScroll();
}

}  // namespace

bool PreProcessMsg(const TMsg& msg)
{
    TApplication* app = TApplication::Current();
    return app && app->ProcessAppMsg(msg);
}

intptr_t DispatchMsg(const TMsg& msg)
{
    bool consumed = false;
    return DispatchMsg(msg, consumed);
}

intptr_t DispatchMsg(const TMsg& msg, bool& consumed)
{
    consumed = false;
    NoteCaptureEnd(msg);
    try {
        consumed = PreProcessMsg(msg);
        if (consumed || !msg.Window)
            return 0;
        return msg.Window->WindowProc(msg.Message, msg.WParam, msg.LParam);
    } catch (const std::exception& error) {
        TApplication* app = TApplication::Current();
        if (!app)
            throw;
        app->HandleError(error);
        return 0;
    }
}
