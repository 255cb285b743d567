// TButtonGadget: a push button on a gadget window that stands for a
// command. Clicking it sends the command to the window's parent; at idle
// time the command route enables it and, for an on/off button, sets it
// down while the command's check mark is set. The button keeps a two-pixel
// ring around its face for its 3-D edge.
#pragma once

#include "framework/Dib.h"
#include "framework/Gadget.h"
#include "framework/UIFace.h"

class TButtonGadget : public TGadget {
public:
    // Command: a push button; NonExclusive: an on/off button; Exclusive:
    // one of a group of which one is down.
    enum TType { Command, Exclusive, NonExclusive };
    enum TState { Up, Down, Indeterminate };
    enum class TBorder { None, Up, Down };

    TButtonGadget(TDib glyph, int id, TType type = Command, bool enabled = false, TState state = Up,
                  bool repeat = false);

    TType GetButtonType() const { return Type; }
    TState GetButtonState() const { return State; }
    void SetButtonState(TState state);
    // True while the left button is held down on it.
    bool IsPressed() const { return Pressed; }
    bool GetRepeat() const { return Repeat; }
    const TDib& GetGlyph() const { return Glyph; }
    // Where the button's image starts in its bitmap.
    TPoint BitmapOrigin{0, 0};

    static constexpr int EdgeWidth = 2;

    void CommandEnable() override;
    void GetDesiredSize(TSize& size) override;
    // The framework's look: a raised edge, pressed in while pressed or down.
    void Paint(TDC& dc) override;
    void PaintBorder(TDC& dc) override;

    void MouseEnter(unsigned modKeys, const TPoint& point) override;
    void MouseMove(unsigned modKeys, const TPoint& point) override;
    void MouseLeave(unsigned modKeys, const TPoint& point) override;
    void LButtonDown(unsigned modKeys, const TPoint& point) override;
    void LButtonUp(unsigned modKeys, const TPoint& point) override;

protected:
    // The click is complete: an on/off button changes state, then the
    // command goes out.
    virtual void Activate();
    // The 3-D edge of the kind asked.
    void PaintButtonBorder(TDC& dc, TBorder border) const;
    // The face from the image in the state, filling the inner rectangle.
    void PaintFace(TDC& dc, const TDib& image, TUIFace::TState state, bool pressed) const;
    void SetPressed(bool pressed);

private:
    TDib Glyph;
    TType Type;
    TState State;
    bool Repeat;
    bool Pressed = false;
};
