// Pop-up menus on Qt: a QMenu made from the items each time one is shown,
// run modally at the point. Qt lets either button choose an item, so the
// right-button flag needs nothing more.
#include "framework/PopupMenu.h"
#include "framework/qt/FrameMenu.h"
#include "framework/qt/QtWindowPeer.h"

#include <QMenu>
#include <QPointer>

unsigned RunPopupMenu(const std::vector<TMenuItem>& items, const std::vector<TCommandEnabler>& states, unsigned flags,
                      const TPoint& screenPoint, TWindow& owner)
{
    QtWindowPeer* peer = QtWindowPeer::Of(&owner);
    // The owner's widget may go while the menu runs its own loop, and the
    // menu with it.
    const QPointer<QMenu> menu = new QMenu(peer ? &peer->ClientArea() : nullptr);
    unsigned chosen = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const TMenuItem& item = items[i];
        if (item.Kind == TMenuItem::TKind::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(FrameMenu::ActionText(item));
        action->setData(item.Id);
        action->setEnabled(states[i].IsEnabled());
        action->setCheckable(states[i].WasCheckSet());
        action->setChecked(states[i].IsChecked());
        const unsigned id = item.Id;
        QObject::connect(action, &QAction::triggered, [&chosen, id] { chosen = id; });
    }
    menu->exec(QPoint(screenPoint.x, screenPoint.y));
    delete menu.data();
    return chosen;
}
