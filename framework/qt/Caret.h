// The application's one caret, as on the window system the program was
// designed for: created hidden, shown when its hide count falls to 0, and
// blinking. Its owner draws it by inverting its rectangle over the window
// image at every blit; it never enters the image itself.
#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>

class Caret : public QObject {
public:
    // The window that owns the caret and shows it.
    class Host {
    public:
        virtual void RefreshCaretArea(const QRect& rect) = 0;

    protected:
        ~Host() = default;
    };

    Caret();

    // width 0: the thin caret; otherwise a block that wide.
    void Create(Host& owner, int width, int height);
    // Only the owner's call destroys it, as with the window system's caret.
    void Destroy(const Host& caller);
    // The owner goes away.
    void Forget(const Host& owner);
    void SetPos(QPoint pos);
    void Show(const Host& caller);
    void Hide(const Host& caller);

    // True when the caret is to be drawn over owner's image now.
    bool IsDrawnIn(const Host& owner) const;
    bool IsVisibleIn(const Host& owner) const { return Owner == &owner && HideCount == 0; }
    QRect Rect() const { return QRect(Pos, Size); }
    // The owner's content moved by (dx, dy): so does the caret.
    void Shift(const Host& owner, int dx, int dy);

private:
    Host* Owner = nullptr;
    QPoint Pos;
    QSize Size;
    int HideCount = 1;
    bool BlinkOn = true;
    QTimer Blink;

    void Refresh();
    void RestartBlink();
    void Toggle();
};
