// Where a frame's decorations and client go in the headless desktop: top
// bars stacked down from the top edge, bottom bars up from the bottom
// edge, each as high as its Attr.H, and the client in what is left.
#pragma once

#include "framework/Types.h"

#include <utility>
#include <vector>

class TWindow;

std::vector<std::pair<TWindow*, TRect>> FrameLayout(const TWindow& frame, TSize client);
