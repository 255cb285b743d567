// The one caret of the headless desktop, counted as the window system
// counts it: created hidden, each HideCaret needs its own ShowCaret.
#pragma once

#include "framework/Types.h"

class TWindow;

class THeadlessCaret {
public:
    const TWindow* Owner() const { return CaretOwner; }
    bool Exists() const { return CaretOwner != nullptr; }
    int Width() const { return CaretWidth; }  // 0: the thin system caret
    int Height() const { return CaretHeight; }
    TPoint Pos() const { return Position; }
    int HideCount() const { return Hidden; }
    bool Visible() const { return Exists() && Hidden == 0; }

    void Create(const TWindow& owner, int width, int height);
    // Only the owner's calls count, as with the window system's caret.
    void Destroy(const TWindow& owner);
    void Show(const TWindow& owner);
    void Hide(const TWindow& owner);
    void SetPos(int x, int y);
    // The owner's contents moved by (dx, dy) (ScrollWindow): so does the caret.
    void Shift(const TWindow& owner, int dx, int dy);

private:
    const TWindow* CaretOwner = nullptr;
    int CaretWidth = 0;
    int CaretHeight = 0;
    TPoint Position;
    int Hidden = 0;
};
