#include "framework/headless/FrameLayout.h"

#include "framework/Frame.h"

#include <algorithm>

std::vector<std::pair<TWindow*, TRect>> FrameLayout(const TWindow& frame, TSize client)
{
    std::vector<std::pair<TWindow*, TRect>> placed;
    const auto* framed = dynamic_cast<const TFrameWindow*>(&frame);
    if (!framed)
        return placed;
    int top = 0, bottom = client.cy;
    if (const auto* decorated = dynamic_cast<const TDecoratedFrame*>(framed)) {
        const std::vector<TWindow*>& children = frame.Children();
        for (const auto& [bar, location] : decorated->Decorations()) {
            // A bar destroyed before its frame has left the children.
            if (std::find(children.begin(), children.end(), bar) == children.end())
                continue;
            const int h = std::max(0, bar->Attr.H);
            if (location == TDecoratedFrame::TLocation::Top) {
                placed.emplace_back(bar, TRect{0, top, client.cx, top + h});
                top += h;
            } else {
                placed.emplace_back(bar, TRect{0, bottom - h, client.cx, bottom});
                bottom -= h;
            }
        }
    }
    if (TWindow* inner = framed->GetClientWindow())
        placed.emplace_back(inner, TRect{0, top, client.cx, std::max(top, bottom)});
    return placed;
}
