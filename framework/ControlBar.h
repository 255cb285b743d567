// TControlBar: a tool bar: a horizontal gadget window of buttons and gaps
// with tool tips, whose font is the gadget font of the given size.
#pragma once

#include "framework/GadgetWindow.h"

class TControlBar : public TGadgetWindow {
public:
    explicit TControlBar(TWindow* parent = nullptr, int fontPointSize = 9)
        : TGadgetWindow(parent, MakeGadgetWindowFont(fontPointSize))
    {
        Margins = {2, 2, 3, 3};
        EnableTooltip(true);
        Attr.H = Margins.Top + Margins.Bottom;
    }
    const char* GetClassName() const override { return "TControlBar"; }
};
