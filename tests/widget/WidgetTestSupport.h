// Helpers for the widget tests: the Qt application the tests share, a
// window that records its messages and paints, and events to send it.
#pragma once

#include "framework/Window.h"

#include <QImage>
#include <QKeyEvent>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

struct TLogged {
    unsigned Message;
    uintptr_t WParam;
    intptr_t LParam;
};

// A window that keeps every message it gets, in order.
class TRecordingWindow : public TWindow {
public:
    explicit TRecordingWindow(TWindow* parent = nullptr) : TWindow(parent, "recording") {}

    intptr_t WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;

    // The messages of the given kinds, in order.
    std::vector<TLogged> Only(std::initializer_list<unsigned> messages) const;
    void Clear() { Log.clear(); }

    std::vector<TLogged> Log;
    std::vector<TRect> PaintRects;
    std::function<void(const TLogged&)> OnMessage;
    std::function<void(TDC&, const TRect&)> OnPaint;
};

// Program arguments for an application object made in a test: the object
// keeps a reference to them, so they outlive every test.
int& TestArgc();
char** TestArgv();

// Makes the window's peer as a top-level window of the given client size,
// shows it and lets the toolkit settle.
void ShowWindow(TWindow& window, int width = 320, int height = 200);
// Lets posted messages and toolkit events run.
void Settle();

QWidget& ClientOf(const TWindow& window);

// Sends a key press and its release to the window's client widget.
void PressKey(const TWindow& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              const QString& text = QString());
void SendKey(const TWindow& window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = QString());

// Pixels of an image as 0xRRGGBB.
unsigned RgbAt(const QImage& image, int x, int y);
// True when two images hold the same pixels in rect.
bool SamePixels(const QImage& a, const QImage& b, const QRect& rect);
