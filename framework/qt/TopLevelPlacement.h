// The placement of a top-level widget as the window system counts it, the
// frame that the window manager draws included. A placement asked for
// before the window manager has framed the window is applied again once
// the frame is known, so the frame, not the client, lands where asked and
// has the size asked. The last normal placement (moved or sized while
// neither minimised nor maximised) is kept for the program to store.
#pragma once

#include <QObject>
#include <QRect>

#include <optional>

class QWidget;

class TopLevelPlacement final : public QObject {
public:
    explicit TopLevelPlacement(QWidget& widget);

    // Moves and sizes the frame (within BoundPlacement).
    void Place(int x, int y, int w, int h);
    QRect Normal() const { return LastNormal; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& Widget;
    std::optional<QRect> Pending;
    QRect LastNormal;

    void Apply(const QRect& frame);
    void GeometryChanged();
};
