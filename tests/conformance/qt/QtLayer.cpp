#include "tests/conformance/ConformanceLayer.h"

#include "framework/qt/QtWindowPeer.h"

#include <QCoreApplication>
#include <QWidget>

namespace Conformance {

namespace {

QWidget& TopLevelOf(TWindow& window) { return *QtWindowPeer::TopLevelOf(&window); }

}  // namespace

std::unique_ptr<TLayer> StartLayer() { return std::make_unique<TLayer>(); }

void ShowTopLevel(TWindow& window)
{
    window.Create();
    window.Show(SW_SHOWNORMAL);
    Settle();
}

void UserMove(TWindow& window, int x, int y) { TopLevelOf(window).move(x, y); }
void UserMaximize(TWindow& window) { TopLevelOf(window).showMaximized(); }
void UserRestore(TWindow& window) { TopLevelOf(window).showNormal(); }

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace Conformance
