// The top-level widget of a frame window. The close box asks the program
// (WM_CLOSE) instead of closing; size and state changes become WM_SIZE;
// keys reach the frame when none of its windows has the focus.
#pragma once

#include "framework/qt/InputTarget.h"

#include <QWidget>

class FrameWindowPeer;

class FrameWidget : public QWidget, public InputTarget {
public:
    explicit FrameWidget(FrameWindowPeer& peer);

    void Detach() { Peer = nullptr; }
    TWindow* TargetWindow() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    FrameWindowPeer* Peer;
};
