// One scroll bar of a window, in the window system's terms. The user's
// actions become WM_HSCROLL or WM_VSCROLL (line, page, thumb tracking, the
// thumb's drop and the end of each action); the program's own settings of
// range, position and page move the bar without any message. A window
// without the bar keeps the values all the same.
#pragma once

#include <QObject>
#include <QPointer>

class QScrollBar;
class QWidget;
class TWindow;

class ScrollBarLink : public QObject {
public:
    // bar may be null; wheel turns over the bar go to wheelTarget.
    ScrollBarLink(TWindow& window, unsigned message, QScrollBar* bar, QWidget* wheelTarget);

    void SetRange(int minPos, int maxPos);
    void SetPos(int pos);
    int Pos() const { return Position; }
    void SetPage(int page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWindow& Window;
    unsigned Message;
    QScrollBar* Bar;
    QPointer<QWidget> WheelTarget;
    int Min = 0, Max = 0, Position = 0, Page = 0;
    bool Acted = false;  // an action since the button went down

    void Apply();
    void Restore();
    // Sends one scroll message; false when the window went away with it.
    bool Send(unsigned code, int thumb = 0);
    void OnAction(int action);
    void OnRelease();
};
