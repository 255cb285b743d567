// A help topic in a small window of its own near the pointer: no frame,
// sized to the text up to a limit, closed by any click (inside or outside)
// or any key.
#pragma once

#include <QFrame>

class QTextBrowser;

class HelpPopup : public QFrame {
public:
    HelpPopup(const QString& page, QWidget* owner);

    // Shows the pop-up with its top-left corner near the screen point,
    // moved as needed to stay on that screen.
    void ShowNear(const QPoint& point);

    static constexpr int TextWidth = 340;
    static constexpr int MaxHeight = 320;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTextBrowser* Text;
};
