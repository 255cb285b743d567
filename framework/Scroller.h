// TScroller: scrolls a window's view in units, keeps the scroll bars in
// step (0 ... 32767, mapped proportionally for larger ranges) and scrolls
// automatically while the mouse drags outside the window.
#pragma once

#include <cstdint>

class TWindow;

class TScroller {
public:
    TScroller(TWindow* window, int xUnit, int yUnit, long xRange, long yRange);
    virtual ~TScroller() = default;

    virtual void SetUnits(int xUnit, int yUnit);
    // Sets the ranges, the bars' ranges and clamps the position into them
    // (scrolling the window when the position moves).
    virtual void SetRange(long xRange, long yRange);
    // Takes the page sizes from the window's client rectangle.
    virtual void SetPageSize();
    // Gives the bars the current ranges (cut to 32767) and positions.
    virtual void SetSBarRange();

    // Clamps (x, y) to 0 ... XRange, 0 ... YRange. Nothing happens when
    // nothing changes; a move of less than a page in both directions scrolls
    // the window contents, a larger one invalidates the whole window; the
    // window is then updated at once.
    virtual void ScrollTo(long x, long y);
    void ScrollBy(long dx, long dy) { ScrollTo(XPos + dx, YPos + dy); }

    virtual void HScroll(unsigned scrollCode, int thumbPos);
    virtual void VScroll(unsigned scrollCode, int thumbPos);

    // One pass of automatic scrolling from the pointer position; true when
    // the view moved.
    virtual bool AutoScroll();
    // The capture loop of a left-button drag (run by TWindow's default
    // button-down handling when AutoMode is on). It does not nest.
    void BeginAutoScroll();
    bool IsAutoScrolling() const { return InAutoScroll; }
    // Ends the capture loop after the message being dispatched (DispatchMsg
    // calls it when the left button is released).
    void EndAutoScroll() { AutoScrollEnded = true; }

    // Bar value for a position, and position for a bar value.
    int XScrollValue(long rangeUnit) const;
    int YScrollValue(long rangeUnit) const;
    long XRangeValue(int scrollUnit) const;
    long YRangeValue(int scrollUnit) const;

    TWindow* Window;
    long XPos = 0, YPos = 0;
    long XRange, YRange;
    int XUnit, YUnit;
    long XLine = 1, YLine = 1;
    long XPage = 1, YPage = 1;
    bool AutoMode = true;
    bool TrackMode = true;
    bool AutoOrg = true;
    bool HasHSBar = true;
    bool HasVSBar = true;

    static constexpr int ScrollBarMax = 32767;
    // Milliseconds between two passes of automatic scrolling.
    static constexpr int AutoScrollPace = 40;

private:
    bool InAutoScroll = false;
    bool AutoScrollEnded = false;

    bool AutoScrollRunning() const;
    void FollowPointer();
};
