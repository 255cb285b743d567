// THeadlessPeer: a window of the headless desktop. It keeps what a real
// window would show (geometry, caption, scroll bars, the invalid area) and
// records invalidations, ScrollWindow calls and drawing for tests to read.
// A window has no border: its window rectangle is its client area placed
// on the screen (a child's bounds are in its parent's client area).
#pragma once

#include "framework/WindowPeer.h"
#include "framework/headless/HeadlessDC.h"

#include <array>
#include <string>
#include <vector>

class THeadlessDesktop;

struct TScrollBarState {
    int Min = 0;
    int Max = 0;
    int Pos = 0;
    int Page = 0;
};

struct TInvalidation {
    bool Whole = false;  // the whole client area (Invalidate without a rect)
    TRect Rect;          // as asked (the client rect when whole)
    bool Erase = true;
};

class THeadlessPeer : public TWindowPeer {
public:
    THeadlessPeer(THeadlessDesktop& desktop, TWindow& window);
    ~THeadlessPeer() override;

    // --- what tests read ----------------------------------------------------
    TWindow& Window() const { return Win; }
    const TRect& Bounds() const { return Area; }
    TSize ClientSize() const { return {Area.Width(), Area.Height()}; }
    const std::string& Caption() const { return CaptionText; }
    int ShowState() const { return ShowCmd; }  // -1 before any Show
    bool HasIcon() const { return IconSet; }
    TCursorKind Cursor() const { return CursorKind; }
    const TScrollBarState& ScrollBar(int bar) const { return Bars[BarIndex(bar)]; }
    const std::vector<TInvalidation>& Invalidations() const { return InvalidationLog; }
    const std::vector<TSize>& Scrolls() const { return ScrollLog; }  // (dx, dy) of each ScrollWindow
    const TDrawLog& Drawing() const { return DrawLog; }
    int PaintCount() const { return Paints; }
    bool HasInvalidArea() const { return Invalid; }
    const TRect& InvalidArea() const { return InvalidRect; }
    // Forgets the recorded calls (not the state).
    void ClearLogs();

    // --- what the desktop does ------------------------------------------------
    // Moves and sizes the window; WM_SIZE follows when the size changed or
    // when notifyAlways is set, and a frame lays its children out again.
    // A window in the normal state (SIZE_RESTORED) remembers the bounds as
    // its normal placement.
    void SetBounds(const TRect& bounds, unsigned sizeType, bool notifyAlways);
    // SIZE_RESTORED, SIZE_MINIMIZED or SIZE_MAXIMIZED, as last set.
    unsigned SizeState() const { return State; }
    TPoint ScreenOrigin() const;
    // The desktop is going away before the window.
    void Detach() { Desktop = nullptr; }

    // --- TWindowPeer ------------------------------------------------------------
    TRect GetClientRect() const override { return {0, 0, Area.Width(), Area.Height()}; }
    void Invalidate(const TRect* rect, bool erase) override;
    void UpdateWindow() override;
    void ScrollWindow(int dx, int dy) override;
    std::unique_ptr<TDC> GetClientDC() override;

    void SetCaption(const std::string& caption) override { CaptionText = caption; }
    void SetWindowPos(int x, int y, int w, int h) override;
    TRect GetWindowRect() const override;
    TRect GetNormalPlacement() const override { return Normal; }
    void Show(int cmdShow) override;
    void SetIcon(const TIconImage& icon) override { IconSet = true; }

    void SetFocus() override;
    bool HasFocus() const override;
    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override;
    void SetCursor(TCursorKind kind) override { CursorKind = kind; }

    void CreateCaret(int width, int height) override;
    void DestroyCaret() override;
    void SetCaretPos(int x, int y) override;
    void ShowCaret() override;
    void HideCaret() override;

    void SetScrollRange(int bar, int minPos, int maxPos, bool redraw) override;
    void SetScrollPos(int bar, int pos, bool redraw) override;
    int GetScrollPos(int bar) const override { return ScrollBar(bar).Pos; }
    void SetScrollPage(int bar, int page) override { Bars[BarIndex(bar)].Page = page; }

    TPoint ClientToScreen(TPoint p) const override;
    TPoint ScreenToClient(TPoint p) const override;

    // The first size goes to the window once its children exist; a frame
    // then lays them out.
    void ChildrenCreated() override;

private:
    THeadlessDesktop* Desktop;
    TWindow& Win;
    TRect Area;
    TRect Normal;
    unsigned State = SIZE_RESTORED;
    std::string CaptionText;
    int ShowCmd = -1;
    bool IconSet = false;
    TCursorKind CursorKind;
    std::array<TScrollBarState, 2> Bars{};
    bool Invalid = false;
    bool InvalidErase = false;
    TRect InvalidRect;
    std::vector<TInvalidation> InvalidationLog;
    std::vector<TSize> ScrollLog;
    TDrawLog DrawLog;
    int Paints = 0;

    static size_t BarIndex(int bar) { return bar == SB_VERT ? 1 : 0; }
    void AddInvalidArea(const TRect& rect, bool erase);
    void NotifySize(unsigned sizeType);
    void LayOutChildren();
    bool IsTopLevel() const;
};
