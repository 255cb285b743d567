// Access for widget tests to what the Qt layer shows: the back buffer of a
// window, its widgets, the caret, and a way to run the queues at once.
#pragma once

#include <QImage>
#include <QRect>

class QMenuBar;
class QPrinter;
class QScrollBar;
class QWidget;
class TFindReplaceDialog;
class TFrameWindow;
class TPrinter;
class TWindow;

namespace QtTestAccess {

// The window's client image as painted so far (without the caret); empty
// for a window without a back buffer (a frame).
QImage BackBuffer(const TWindow& window);
// The client image after the window's pending painting ran.
QImage PaintedBackBuffer(const TWindow& window);
// The top-level widget the window is in, and the widget of its client area
// (the one that takes its keys and mouse events).
QWidget* TopLevelWidget(const TWindow& window);
QWidget* ClientWidget(const TWindow& window);
// The window's scroll bar (SB_HORZ, SB_VERT), or null.
QScrollBar* ScrollBar(const TWindow& window, int bar);
QMenuBar* MenuBar(const TFrameWindow& frame);
// The window of a Find or Replace dialog, or null.
QWidget* FindReplaceWidget(const TFindReplaceDialog& dialog);

// The caret's rectangle in its owner's client coordinates, and whether it
// is shown (hide count 0) in the window.
QRect CaretRect();
bool CaretVisibleIn(const TWindow& window);

// The toolkit's printer behind a printer object.
QPrinter& Printer(TPrinter& printer);

// Dispatches the posted messages and the toolkit's waiting events now,
// without the pump's pacing, and deletes the widgets of destroyed windows.
void FlushEvents();

}  // namespace QtTestAccess
