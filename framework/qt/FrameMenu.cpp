#include "framework/qt/FrameMenu.h"

#include "framework/CommandEnabler.h"
#include "framework/Frame.h"
#include "framework/Platform.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/GuardedCall.h"
#include "framework/qt/MenuLoop.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <memory>

namespace {

constexpr unsigned MenuClosed = 0xFFFF;

}  // namespace

FrameMenu::FrameMenu(TFrameWindow& frame, QMenuBar& bar) : QObject(&bar), Frame(&frame), Bar(bar)
{
    // Highlighting a drop-down's title reports it like an item.
    connect(&Bar, &QMenuBar::hovered, this, &FrameMenu::Select);
}

QString FrameMenu::ActionText(const TMenuItem& item)
{
    QString text = CodePage::UiText(MenuItemLabel(item.Text));
    const std::string shortcut = MenuItemShortcut(item.Text);
    if (!shortcut.empty())
        text += QLatin1Char('\t') + CodePage::UiText(shortcut);
    return text;
}

// The separators between the bar's menu groups are not shown.
void FrameMenu::Build(const TMenuResource& menu)
{
    for (QMenu* old : Bar.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        old->deleteLater();
    Bar.clear();
    for (const TMenuItem& item : menu.Items)
        if (item.Kind == TMenuItem::TKind::Popup)
            Bar.addMenu(AddPopup(item, &Bar));
}

QMenu* FrameMenu::AddPopup(const TMenuItem& popup, QWidget* parent)
{
    auto* menu = new QMenu(CodePage::UiText(MenuItemLabel(popup.Text)), parent);
    menu->menuAction()->setData(MenuSelectId(popup));
    AddItems(*menu, popup.Items);
    auto item = std::make_shared<TMenuItem>(popup);
    connect(menu, &QMenu::aboutToShow, this, [this, menu, item] { QueryStates(*menu, *item); });
    connect(menu, &QMenu::hovered, this, &FrameMenu::Select);
    connect(menu, &QMenu::aboutToHide, this, &FrameMenu::MenuClosing);
    if (Frame)
        MenuLoop::Watch(*menu, *Frame);
    return menu;
}

void FrameMenu::AddItems(QMenu& menu, const std::vector<TMenuItem>& items)
{
    for (const TMenuItem& item : items) {
        switch (item.Kind) {
        case TMenuItem::TKind::Separator: menu.addSeparator(); break;
        case TMenuItem::TKind::Popup: menu.addMenu(AddPopup(item, &menu)); break;
        case TMenuItem::TKind::Command: {
            QAction* action = menu.addAction(ActionText(item));
            action->setData(item.Id);
            action->setEnabled(!item.Grayed);
            const unsigned id = item.Id;
            connect(action, &QAction::triggered, this, [this, id] { Choose(id); });
            break;
        }
        }
    }
}

// Each command item takes the answer of its enable query: enabled, and a
// check mark when the query set one.
void FrameMenu::QueryStates(QMenu& menu, const TMenuItem& popup)
{
    if (!Frame)
        return;
    std::vector<TCommandEnabler> states;
    GuardedCall([&] { Frame->QueryPopupState(popup, states); });
    for (QAction* action : menu.actions()) {
        const unsigned id = action->data().toUInt();
        if (action->menu() || action->isSeparator())
            continue;
        for (const TCommandEnabler& state : states) {
            if (state.GetId() != id)
                continue;
            action->setEnabled(state.IsEnabled());
            if (state.WasCheckSet()) {
                action->setCheckable(true);
                action->setChecked(state.IsChecked());
            }
        }
    }
}

void FrameMenu::Select(const QAction* action)
{
    if (!Frame || !action || action->isSeparator())
        return;
    const unsigned id = action->data().toUInt();
    GuardedCall([&] { Frame->EvMenuSelect(id); });
}

// Moving from one drop-down to the next hides the first: the menu counts
// as closed only when no drop-down is open once that settles.
void FrameMenu::MenuClosing()
{
    QTimer::singleShot(0, this, [this] {
        if (Frame && !QApplication::activePopupWidget())
            GuardedCall([this] { Frame->EvMenuSelect(MenuClosed); });
    });
}

// The menu closes before its command runs; the command reaches the frame
// as the window system's WM_COMMAND (pre-processing sees it, and it starts
// at the window the user works in).
void FrameMenu::Choose(unsigned id)
{
    if (!Frame)
        return;
    GuardedCall([this] { Frame->EvMenuSelect(MenuClosed); });
    if (Frame)
        DispatchMsg(TMsg{Frame, WM_COMMAND, id, 0});
}
