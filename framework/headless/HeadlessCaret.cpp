#include "framework/headless/HeadlessCaret.h"

void THeadlessCaret::Create(const TWindow& owner, int width, int height)
{
    CaretOwner = &owner;
    CaretWidth = width;
    CaretHeight = height;
    Position = {};
    Hidden = 1;
}

void THeadlessCaret::Destroy(const TWindow& owner)
{
    if (CaretOwner == &owner)
        *this = THeadlessCaret();
}

void THeadlessCaret::Show(const TWindow& owner)
{
    if (CaretOwner == &owner && Hidden > 0)
        --Hidden;
}

void THeadlessCaret::Hide(const TWindow& owner)
{
    if (CaretOwner == &owner)
        ++Hidden;
}

void THeadlessCaret::SetPos(int x, int y)
{
    if (Exists())
        Position = {x, y};
}

void THeadlessCaret::Shift(const TWindow& owner, int dx, int dy)
{
    if (CaretOwner == &owner)
        Position = {Position.x + dx, Position.y + dy};
}
