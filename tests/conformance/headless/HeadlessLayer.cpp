#include "tests/conformance/ConformanceLayer.h"

#include "framework/headless/HeadlessDesktop.h"

namespace Conformance {

namespace {

class THeadlessLayer : public TLayer {
public:
    THeadlessDesktop Desktop;
};

}  // namespace

std::unique_ptr<TLayer> StartLayer() { return std::make_unique<THeadlessLayer>(); }

void ShowTopLevel(TWindow& window)
{
    window.Create();
    window.Show(SW_SHOWNORMAL);
}

void UserMove(TWindow& window, int x, int y) { THeadlessDesktop::Current().Move(window, x, y); }
void UserMaximize(TWindow& window) { THeadlessDesktop::Current().Maximize(window); }
void UserRestore(TWindow& window) { THeadlessDesktop::Current().Restore(window); }
void Settle() { THeadlessDesktop::Current().PumpWaitingMessages(); }

}  // namespace Conformance
