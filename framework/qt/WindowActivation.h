// Without a window manager (Xvfb) nobody gives a top-level window the
// keyboard focus: the program's windows activate themselves when shown,
// and a dialog that closes hands the focus back to the window it belongs
// to (else the keys would go to the root window).
#pragma once

#include <QObject>

class QWidget;

void RaiseAndActivate(QWidget& window);

// Watches every top-level window of the application while it lives.
class WindowActivation : public QObject {
public:
    WindowActivation();
    ~WindowActivation() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
