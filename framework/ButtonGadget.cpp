#include "framework/ButtonGadget.h"

#include "framework/GadgetWindow.h"
#include "framework/UIBorder.h"

TButtonGadget::TButtonGadget(TDib glyph, int id, TType type, bool enabled, TState state, bool repeat)
    : TGadget(id, None), Glyph(std::move(glyph)), Type(type), State(state), Repeat(repeat)
{
    Margins = {EdgeWidth, EdgeWidth, EdgeWidth, EdgeWidth};
    SetEnabled(enabled);
}

void TButtonGadget::SetButtonState(TState state)
{
    if (state == State)
        return;
    State = state;
    Invalidate();
}

void TButtonGadget::SetPressed(bool pressed)
{
    if (pressed == Pressed)
        return;
    Pressed = pressed;
    Invalidate();
}

void TButtonGadget::CommandEnable()
{
    TGadgetWindow* window = GetGadgetWindow();
    if (!window)
        return;
    TCommandEnabler enabler(unsigned(GetId()), window);
    window->RouteCommandEnable(enabler);
    SetEnabled(enabler.IsEnabled());
    if (enabler.WasCheckSet() && Type != Command)
        SetButtonState(enabler.IsChecked() ? Down : Up);
}

void TButtonGadget::GetDesiredSize(TSize& size)
{
    TGadget::GetDesiredSize(size);
    size.cx += Glyph.Width();
    size.cy += Glyph.Height();
}

void TButtonGadget::PaintButtonBorder(TDC& dc, TBorder border) const
{
    if (border != TBorder::None)
        TUIBorder(GetBounds(), border == TBorder::Up ? TUIBorder::TStyle::Raised : TUIBorder::TStyle::Recessed)
            .Paint(dc);
}

void TButtonGadget::PaintFace(TDC& dc, const TDib& image, TUIFace::TState state, bool pressed) const
{
    TUIFace(GetInnerRect(), image).Paint(dc, BitmapOrigin, state, pressed);
}

void TButtonGadget::PaintBorder(TDC& dc)
{
    PaintButtonBorder(dc, Pressed || State == Down ? TBorder::Down : TBorder::Up);
}

void TButtonGadget::Paint(TDC& dc)
{
    PaintBorder(dc);
    TUIFace::TState face = TUIFace::Normal;
    if (!GetEnabled())
        face = TUIFace::Disabled;
    else if (State == Indeterminate)
        face = TUIFace::Indeterm;
    else if (State == Down && !Pressed)
        face = TUIFace::Down;
    PaintFace(dc, Glyph, face, Pressed);
}

void TButtonGadget::MouseEnter(unsigned, const TPoint&)
{
    TGadgetWindow* window = GetGadgetWindow();
    if (window && window->GetHintMode() == TGadgetWindow::EnterHints)
        window->SetHintCommand(GetId());
}

void TButtonGadget::MouseLeave(unsigned, const TPoint&)
{
    TGadgetWindow* window = GetGadgetWindow();
    if (window && window->GetHintMode() == TGadgetWindow::EnterHints)
        window->SetHintCommand(-1);
}

void TButtonGadget::LButtonDown(unsigned, const TPoint&)
{
    TGadgetWindow* window = GetGadgetWindow();
    if (!window || !GetEnabled())
        return;
    window->GadgetSetCapture(*this);
    if (window->GetHintMode() == TGadgetWindow::PressHints)
        window->SetHintCommand(GetId());
    SetPressed(true);
}

// While the button is held, it shows pressed only while the mouse is on it.
void TButtonGadget::MouseMove(unsigned, const TPoint& point)
{
    TGadgetWindow* window = GetGadgetWindow();
    if (window && window->GetCapturedGadget() == this)
        SetPressed(PtIn(point));
}

void TButtonGadget::LButtonUp(unsigned, const TPoint& point)
{
    TGadgetWindow* window = GetGadgetWindow();
    if (!window || window->GetCapturedGadget() != this)
        return;
    window->GadgetReleaseCapture(*this);
    if (window->GetHintMode() == TGadgetWindow::PressHints)
        window->SetHintCommand(-1);
    const bool clicked = Pressed && PtIn(point);
    SetPressed(false);
    if (clicked)
        Activate();
}

void TButtonGadget::Activate()
{
    if (Type == NonExclusive)
        SetButtonState(State == Down ? Up : Down);
    else if (Type == Exclusive)
        SetButtonState(Down);
    if (TGadgetWindow* window = GetGadgetWindow())
        window->GadgetCommand(GetId());
}
