// The editor's context menu in the running application: its items take
// the states the Edit menu shows for the same commands, and a choice goes
// along the command route like a menu command.
#include "AppHarness.h"

#include "framework/Clipboard.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Enabled, checked.
using TState = std::pair<bool, bool>;

class ContextMenuRoute : public testing::Test {
protected:
    void SetUp() override { Run.Start(); }

    std::map<unsigned, TState> ContextMenuStates()
    {
        Run.Desktop().ContextMenuKey();
        const THeadlessPopupMenu& shown = Run.Desktop().Dialogs().PopupMenus().back();
        std::map<unsigned, TState> states;
        for (size_t i = 0; i < shown.Items.size(); ++i)
            if (shown.Items[i].Kind == TMenuItem::TKind::Command)
                states[shown.Items[i].Id] = {shown.States[i].IsEnabled(), shown.States[i].IsChecked()};
        return states;
    }

    // The Edit drop-down's states of the commands the context menu holds.
    std::map<unsigned, TState> EditMenuStates(const std::map<unsigned, TState>& wanted)
    {
        const TMenuItem* edit = nullptr;
        for (const TMenuItem& item : Run.Frame().GetMenu()->Items)
            if (item.Text == "&Edit")
                edit = &item;
        std::vector<TCommandEnabler> states;
        Run.Frame().QueryPopupState(*edit, states);
        std::map<unsigned, TState> result;
        for (const TCommandEnabler& s : states)
            if (wanted.count(s.GetId()))
                result[s.GetId()] = {s.IsEnabled(), s.IsChecked()};
        return result;
    }

    TAppHarness Run;
};

TEST_F(ContextMenuRoute, ItemsShowTheStatesOfTheEditMenu)
{
    THugeEdit& editor = Run.Editor();
    const std::vector<std::function<void()>> situations{
        [] { },
        [&] { editor.InsertText("hello world"); },
        [&] { editor.SetSelectionOffsets(0, 5); },
        [&] { SetClipboardText(std::string("clip", 5)); },
        [&] { editor.SetWordWrap(true); },
        [&] { editor.Undo(); },
        [&] { Run.Desktop().EmptyClipboard(); },
    };
    for (size_t i = 0; i < situations.size(); ++i) {
        situations[i]();
        const std::map<unsigned, TState> shown = ContextMenuStates();
        ASSERT_EQ(shown.size(), 7u);
        EXPECT_EQ(shown, EditMenuStates(shown)) << "situation " << i;
    }
    EXPECT_TRUE(ContextMenuStates().at(CM_WORDWRAP).second);
}

TEST_F(ContextMenuRoute, ACommandTheApplicationHandlesGoesAlongTheRoute)
{
    Run.Desktop().Dialogs().ChoosePopupItem(CM_WORDWRAP);
    Run.Desktop().RightClick(Run.Editor(), {20, 20});
    Run.Desktop().PumpWaitingMessages();
    EXPECT_TRUE(Run.Editor().WordWrap);
}

}  // namespace
