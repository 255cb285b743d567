// Owns a widget whose window may be destroyed from inside one of the
// widget's own event handlers (a key that closes the program): the widget
// is deleted later, by the event loop, never under its handler's feet.
#pragma once

#include <QPointer>
#include <QWidget>

template <class TWidget>
class DeferredWidget {
public:
    explicit DeferredWidget(TWidget* widget) : Widget(widget) {}
    ~DeferredWidget()
    {
        if (Widget)
            Widget->deleteLater();
    }
    DeferredWidget(const DeferredWidget&) = delete;
    DeferredWidget& operator=(const DeferredWidget&) = delete;

    TWidget* get() const { return Widget.data(); }
    TWidget* operator->() const { return Widget.data(); }
    TWidget& operator*() const { return *Widget; }

private:
    QPointer<TWidget> Widget;
};
