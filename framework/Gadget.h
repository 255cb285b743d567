// TGadget: one item of a gadget window (a tool bar's button, a status
// bar's pane, a gap). A gadget is no window of its own: the gadget window
// lays it out, paints it on its own device context and passes it the mouse
// events that fall on it. Bounds are in the window's client coordinates.
#pragma once

#include "framework/DC.h"
#include "framework/Types.h"
#include "framework/UIBorder.h"

class TGadgetWindow;

class TGadget {
public:
    enum TBorderStyle { None, Plain, Raised, Recessed, Embossed };

    explicit TGadget(int id = 0, TBorderStyle borderStyle = None);
    virtual ~TGadget();
    TGadget(const TGadget&) = delete;
    TGadget& operator=(const TGadget&) = delete;

    int GetId() const { return Id; }
    TGadgetWindow* GetGadgetWindow() const { return Window; }

    // --- layout ---------------------------------------------------------------
    const TRect& GetBounds() const { return Bounds; }
    virtual void SetBounds(const TRect& bounds);
    // The bounds less the border and the margins: where the contents go.
    TRect GetInnerRect() const;
    TBorderStyle GetBorderStyle() const { return BorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    int BorderWidth() const;
    // The size the gadget asks for: its contents (zero here) plus border
    // and margins on both sides.
    virtual void GetDesiredSize(TSize& size);
    // Gadgets that ask to be as wide as possible share the width the others
    // leave.
    bool WideAsPossible = false;
    struct TMargins {
        int Left = 0, Right = 0, Top = 0, Bottom = 0;
    } Margins;
    bool PtIn(const TPoint& point) const { return Bounds.Contains(point); }

    // --- state ------------------------------------------------------------------
    bool GetEnabled() const { return Enabled; }
    virtual void SetEnabled(bool enabled);
    // Repaints the gadget at the window's next paint.
    void Invalidate();

    // --- overridables -------------------------------------------------------------
    // The default paints the border only.
    virtual void Paint(TDC& dc);
    virtual void PaintBorder(TDC& dc);
    // Asked at idle time to bring its state up to date (through the command
    // route, for gadgets that stand for a command); the default does nothing.
    virtual void CommandEnable();
    // Mouse events in the window's client coordinates. A gadget that took
    // the window's capture gets the moves and the release wherever they are.
    virtual void MouseEnter(unsigned modKeys, const TPoint& point);
    virtual void MouseMove(unsigned modKeys, const TPoint& point);
    virtual void MouseLeave(unsigned modKeys, const TPoint& point);
    virtual void LButtonDown(unsigned modKeys, const TPoint& point);
    virtual void LButtonUp(unsigned modKeys, const TPoint& point);

private:
    friend class TGadgetWindow;
    TGadgetWindow* Window = nullptr;
    int Id;
    TBorderStyle BorderStyle;
    TRect Bounds;
    bool Enabled = true;
};

// A gap of a given width between gadgets.
class TSeparatorGadget : public TGadget {
public:
    explicit TSeparatorGadget(int size = 6) : Size(size) {}
    void GetDesiredSize(TSize& size) override { size = {Size, 0}; }
    void Paint(TDC&) override {}

private:
    int Size;
};
