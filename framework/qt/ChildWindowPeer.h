// The peer of a window that is not a frame (the editor, a bar): a widget
// holding the client area and, as the window's style asks, a horizontal
// and a vertical scroll bar beside it. The client area is shown from a
// retained back buffer: painting fills the buffer through the window's
// Paint, a client device context draws into it directly, and the widget
// blits it with the caret inverted over it.
#pragma once

#include "framework/qt/BackBuffer.h"
#include "framework/qt/ClientWidget.h"
#include "framework/qt/DeferredWidget.h"
#include "framework/qt/QtWindowPeer.h"

class ChildWindowPeer final : public QtWindowPeer {
public:
    explicit ChildWindowPeer(TWindow& window);
    ~ChildWindowPeer() override;

    QWidget& Widget() const override { return *Container; }
    QWidget& ClientArea() const override { return *Client; }
    const QImage& Buffer() const { return Pixels.Image(); }
    QScrollBar* ScrollBar(int bar) const;

    void Invalidate(const TRect* rect, bool erase) override;
    void UpdateWindow() override;
    void ScrollWindow(int dx, int dy) override;
    std::unique_ptr<TDC> GetClientDC() override;

    void SetFocus() override;
    bool HasFocus() const override { return Client->IsFocused(); }

    // From the client widget.
    void PaintClient(const QRegion& region);
    void ClientResized(QSize size);
    void FocusLost();

protected:
    void RefreshCaretArea(const QRect& rect) override;
    bool ButtonHeld() const override { return Client->ButtonHeld(); }

private:
    DeferredWidget<QWidget> Container;
    ClientWidget* Client;
    QScrollBar* Bars[2] = {nullptr, nullptr};
    BackBuffer Pixels;

    void BuildBars();
    // Paints the invalid region into the buffer; returns what was painted.
    QRegion PaintInvalid();
    void Blit(const QRect& rect);
};
