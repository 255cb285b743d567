// TGadgetWindow: a window that lays gadgets out in a row, paints them on
// its device context, passes them the mouse events that fall on them, shows
// their tool tips and command hints, and brings them up to date at idle
// time through the command route. Tool bars and status bars are gadget
// windows.
#pragma once

#include "framework/CommandEnabler.h"
#include "framework/Font.h"
#include "framework/Gadget.h"
#include "framework/Window.h"

#include <memory>
#include <string>
#include <vector>

class TDecoratedFrame;

// The gadgets' font: a sans-serif face of the given size in points on the
// screen.
std::unique_ptr<TFont> MakeGadgetWindowFont(int pointSize = 9);

class TGadgetWindow : public TWindow {
public:
    // Where the framework shows a button's hint: never, while it is pressed,
    // or as soon as the mouse enters it.
    enum THintMode { NoHints, PressHints, EnterHints };
    enum TPlacement { Before, After };

    // Without a font the window makes the default gadget font.
    explicit TGadgetWindow(TWindow* parent = nullptr, std::unique_ptr<TFont> font = nullptr);
    ~TGadgetWindow() override;
    const char* GetClassName() const override { return "TGadgetWindow"; }

    // --- gadgets ------------------------------------------------------------------
    // Takes the gadget and puts it before or after the sibling; without a
    // sibling Before puts it first and After last. The window's height
    // (Attr.H) follows the tallest gadget.
    TGadget& Insert(std::unique_ptr<TGadget> gadget, TPlacement placement = After, TGadget* sibling = nullptr);
    std::vector<TGadget*> Gadgets() const;
    TGadget* GadgetWithId(int id) const;
    TGadget* GadgetFromPoint(const TPoint& point) const;
    // A gadget's size changed: the row is laid out again.
    void GadgetChangedSize(TGadget& gadget);
    // Places every gadget from the left margin on.
    void LayoutSession();

    TGadget::TMargins Margins{2, 2, 2, 2};
    int Spacing = 0;  // pixels between neighbouring gadgets

    // --- font ----------------------------------------------------------------------
    const TFont& GetFont() const { return *Font; }
    int GetFontHeight() const { return Font->Height(); }
    // The width of one character of a pane that is so many characters wide
    // (a digit's).
    int GetCharWidth() const;

    // --- hints, tool tips, commands ---------------------------------------------------
    void SetHintMode(THintMode mode) { HintMode = mode; }
    THintMode GetHintMode() const { return HintMode; }
    // Shows the command's hint in the frame's hint pane; -1 takes it away.
    void SetHintCommand(int id);
    void EnableTooltip(bool enable = true) { Tooltips = enable; }
    bool TooltipEnabled() const { return Tooltips; }
    // The tool tip of the gadget under the point: the frame's text for its
    // command.
    bool GetToolTip(const TPoint& point, std::string& text, TRect& area) override;
    // Sends the command to the parent (the frame) as WM_COMMAND.
    void GadgetCommand(int id);
    // Asks the command route from the frame's command target on, as menus
    // and accelerators are asked.
    void RouteCommandEnable(TCommandEnabler& enabler);

    // --- mouse capture for a gadget -------------------------------------------------------
    void GadgetSetCapture(TGadget& gadget);
    void GadgetReleaseCapture(TGadget& gadget);
    TGadget* GetCapturedGadget() const { return Captured; }
    TGadget* GadgetUnderMouse() const { return AtMouse; }

    // Idle time: the first call after the program was busy has each gadget
    // bring its state up to date. Asks for no more calls.
    virtual bool IdleAction(long idleCount);

    // --- window ------------------------------------------------------------------------------
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    void EvSize(unsigned sizeType, const TSize& size) override;
    void EvMouseMove(unsigned modKeys, const TPoint& point) override;
    void EvLButtonDown(unsigned modKeys, const TPoint& point) override;
    void EvLButtonUp(unsigned modKeys, const TPoint& point) override;
    void EvLButtonDblClk(unsigned modKeys, const TPoint& point) override;
    void EvMouseLeave() override;

protected:
    // Fills the rectangle with the face colour.
    void PaintBackground(TDC& dc, const TRect& rect);
    // Paints the gadgets that meet the rectangle, left to right.
    void PaintGadgets(TDC& dc, bool erase, TRect& rect);
    TDecoratedFrame* Frame() const;

private:
    std::unique_ptr<TFont> Font;
    std::vector<std::unique_ptr<TGadget>> GadgetList;
    THintMode HintMode = NoHints;
    bool Tooltips = false;
    TGadget* AtMouse = nullptr;
    TGadget* Captured = nullptr;

    int DesiredHeight() const;
    TRect LayoutArea() const;
    // The gadget under the mouse becomes the one at point.
    void TrackMouse(unsigned modKeys, const TPoint& point);
};
