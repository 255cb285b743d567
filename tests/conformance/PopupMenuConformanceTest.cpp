// Pop-up menus on both layers: the states the command route gives before
// the menu opens, and the chosen command posted to the owner.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/CommandEnabler.h"
#include "framework/PopupMenu.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

namespace {

enum : unsigned { Plain = 101, Greyed = 102, Checked = 103, Orphan = 104 };

// Handles every command but Orphan; Greyed's enabler disables it, Checked's
// only sets the check mark (the automatic rule enables it).
class TMenuOwner : public TWindow {
public:
    TMenuOwner() : TWindow(nullptr, "owner") {}

    bool EvCommand(unsigned id) override
    {
        if (id == Orphan)
            return false;
        Commands.push_back(id);
        return true;
    }
    bool HasCommandHandler(unsigned id) const override { return id != Orphan; }
    bool EvCommandEnable(TCommandEnabler& ce) override
    {
        if (ce.GetId() == Greyed)
            ce.Enable(false);
        if (ce.GetId() == Checked)
            ce.SetCheck(true);
        return false;
    }

    std::vector<unsigned> Commands;
};

TMenuItem Item(const char* text, unsigned id) { return {TMenuItem::TKind::Command, text, id, false, {}}; }

class PopupMenuConformance : public testing::Test {
protected:
    void SetUp() override { Owner.Create(); }

    void Track(unsigned answer)
    {
        Layer.AnswerNextPopupMenu(answer);
        Menu.TrackPopupMenu(TPM_RIGHTBUTTON, {120, 90}, Owner);
    }

    TLayerUnderTest Layer;
    TMenuOwner Owner;
    const TPopupMenu Menu{{Item("&Plain", Plain), {TMenuItem::TKind::Separator, {}, 0, false, {}},
                           Item("Greyed", Greyed), Item("&Checked", Checked), Item("&Orphan", Orphan)}};
};

TEST_F(PopupMenuConformance, ItemsShowTheRoutesStatesAtThePoint)
{
    Track(0);
    const TLayerUnderTest::TShownMenu shown = Layer.LastPopupMenu();
    EXPECT_EQ(shown.Point, (TPoint{120, 90}));
    const std::vector<TLayerUnderTest::TShownItem> expected{
        {"&Plain", true, false}, {"", false, false}, {"Greyed", false, false},
        {"&Checked", true, true}, {"&Orphan", false, false},
    };
    EXPECT_EQ(shown.Items, expected);
    Layer.DispatchPosted();
    EXPECT_TRUE(Owner.Commands.empty());
}

TEST_F(PopupMenuConformance, TheChosenCommandIsPostedToTheOwner)
{
    Track(Checked);
    EXPECT_TRUE(Owner.Commands.empty()) << "posted, not sent";
    Layer.DispatchPosted();
    EXPECT_EQ(Owner.Commands, std::vector<unsigned>{Checked});

    Track(Greyed);
    Track(Plain);
    Layer.DispatchPosted();
    EXPECT_EQ(Owner.Commands, (std::vector<unsigned>{Checked, Plain}));
}

}  // namespace
