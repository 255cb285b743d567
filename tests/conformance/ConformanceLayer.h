// What each platform layer gives the conformance suite: a running layer
// for the length of a test, and the user's own actions on a top-level
// window (the window manager's buttons and dragging).
#pragma once

#include "framework/Window.h"

#include <memory>

namespace Conformance {

class TLayer {
public:
    virtual ~TLayer() = default;
};

std::unique_ptr<TLayer> StartLayer();

// Creates and shows a top-level window, and lets the layer settle.
void ShowTopLevel(TWindow& window);
void UserMove(TWindow& window, int x, int y);
void UserMaximize(TWindow& window);
void UserRestore(TWindow& window);
// Lets waiting events run.
void Settle();

}  // namespace Conformance
