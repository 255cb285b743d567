#include "framework/qt/Caret.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// The thin caret is one pixel at 96 dots per inch and grows with the screen.
int ThinCaretWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return std::max(1, int(std::lround(dpi / 96.0)));
}

}  // namespace

Caret::Caret()
{
    connect(&Blink, &QTimer::timeout, this, &Caret::Toggle);
}

void Caret::Create(Host& owner, int width, int height)
{
    if (Owner)
        Destroy(*Owner);
    Owner = &owner;
    Size = QSize(width > 0 ? width : ThinCaretWidth(), std::max(height, 1));
    HideCount = 1;
}

void Caret::Destroy(const Host& caller)
{
    if (Owner != &caller)
        return;
    Refresh();
    Blink.stop();
    Owner = nullptr;
    HideCount = 1;
}

void Caret::Forget(const Host& owner)
{
    if (Owner == &owner) {
        Blink.stop();
        Owner = nullptr;
        HideCount = 1;
    }
}

void Caret::SetPos(QPoint pos)
{
    if (pos == Pos)
        return;
    Refresh();
    Pos = pos;
    RestartBlink();
}

void Caret::Show(const Host& caller)
{
    if (Owner != &caller || HideCount == 0)
        return;
    if (--HideCount == 0)
        RestartBlink();
}

void Caret::Hide(const Host& caller)
{
    if (Owner != &caller)
        return;
    if (HideCount++ == 0) {
        Blink.stop();
        Refresh();
    }
}

bool Caret::IsDrawnIn(const Host& owner) const { return IsVisibleIn(owner) && BlinkOn; }

void Caret::Shift(const Host& owner, int dx, int dy)
{
    if (Owner == &owner)
        Pos += QPoint(dx, dy);
}

void Caret::Refresh()
{
    if (Owner)
        Owner->RefreshCaretArea(Rect());
}

// A caret that moves or appears is drawn at once, then blinks from there.
void Caret::RestartBlink()
{
    BlinkOn = true;
    if (HideCount != 0)
        return;
    Refresh();
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0)
        Blink.start(flash / 2);
}

void Caret::Toggle()
{
    BlinkOn = !BlinkOn;
    Refresh();
}
