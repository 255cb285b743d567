// Without a window manager (Xvfb) nobody gives a new top-level window the
// keyboard focus: the program's windows raise and activate themselves.
#pragma once

class QWidget;

void RaiseAndActivate(QWidget& window);

// The same each time the window (a dialog) is shown.
void ActivateWhenShown(QWidget& window);
