// THEScroller: the editor's scroller. Pages are one screenful less a unit,
// and the bars' thumbs stay one unit long whatever the range.
#pragma once

#include "framework/Scroller.h"

class THEScroller : public TScroller {
public:
    THEScroller(TWindow* window, int xUnit, int yUnit, long xRange, long yRange);
    void SetPageSize() override;
};
