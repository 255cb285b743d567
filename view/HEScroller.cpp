#include "view/HEScroller.h"

#include "framework/Window.h"

#include <algorithm>

THEScroller::THEScroller(TWindow* window, int xUnit, int yUnit, long xRange, long yRange)
    : TScroller(window, xUnit, yUnit, xRange, yRange)
{
    XLine = YLine = 1;
    TrackMode = true;
    AutoMode = true;
    AutoOrg = false;
}

void THEScroller::SetPageSize()
{
    const TRect client = Window->GetClientRect();
    XPage = std::max(1, (client.Width() + 1) / std::max(1, XUnit) - 1);
    YPage = std::max(1, (client.Height() + 1) / std::max(1, YUnit) - 1);
    Window->SetScrollPage(SB_HORZ, 1);
    Window->SetScrollPage(SB_VERT, 1);
}
