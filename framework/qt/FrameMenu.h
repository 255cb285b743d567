// A frame's menu bar, built from its menu resource. Items show their label
// with its mnemonic and the shortcut label right-aligned (the toolkit gives
// such a label no shortcut: accelerators go through pre-processing). Each
// drop-down asks the command route for its items' states before it opens;
// highlighting reports WM_MENUSELECT ids to the frame, and an item's choice
// reaches the frame as WM_COMMAND.
#pragma once

#include "framework/Menu.h"

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class TFrameWindow;

class FrameMenu : public QObject {
public:
    FrameMenu(TFrameWindow& frame, QMenuBar& bar);

    void Build(const TMenuResource& menu);
    // The frame is gone; the menu's widgets may outlive it a little.
    void Detach() { Frame = nullptr; }

    // The text an item shows: "label\tshortcut".
    static QString ActionText(const TMenuItem& item);

private:
    TFrameWindow* Frame;
    QMenuBar& Bar;

    QMenu* AddPopup(const TMenuItem& popup, QWidget* parent);
    void AddItems(QMenu& menu, const std::vector<TMenuItem>& items);
    void QueryStates(QMenu& menu, const TMenuItem& popup);
    void Select(const QAction* action);
    void MenuClosing();
    void Choose(unsigned id);
};
