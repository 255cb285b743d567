// TFancyControlBar: the tool bar with etched lines along its top and bottom
// edges, so it reads as a band between the menu bar and the text.
#pragma once

#include "framework/ControlBar.h"

class TFancyControlBar : public TControlBar {
public:
    // The gadgets' font is 10 points.
    explicit TFancyControlBar(TWindow* parent = nullptr) : TControlBar(parent, 10) {}
    const char* GetClassName() const override { return "TFancyControlBar"; }

    void Paint(TDC& dc, bool erase, TRect& rect) override;
};
