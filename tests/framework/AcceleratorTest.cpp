#include "FrameworkProbes.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned CmCut = 24322, CmUndo = 24321, CmClear = 24326, CmFindNext = 24353;

class AcceleratorTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TProbeWindow Client;
    TProbeApp App;

    void SetUp() override
    {
        auto frame = std::make_unique<TProbeFrame>(nullptr, "Frame", &Client, true);
        TAcceleratorTable table;
        table.Entries = {{'X', true, false, false, CmCut},
                         {VK_DELETE, true, false, false, CmClear},
                         {VK_BACK, false, true, false, CmUndo},
                         {VK_F3, false, false, false, CmFindNext}};
        frame->SetAccelerators(table);
        App.SetMainWindow(std::move(frame));
        App.InitInstance();
        Client.Commands.Handles = {CmCut, CmUndo, CmClear, CmFindNext};
        Client.Seen.clear();
    }

    bool SawKeyDown(unsigned key) const
    {
        for (unsigned message : {WM_KEYDOWN, WM_SYSKEYDOWN})
            for (const TSeen& s : Client.SeenOf(message))
                if (s.A == key)
                    return true;
        return false;
    }
};

struct TKeyCase {
    unsigned Key;
    unsigned Modifiers;
    unsigned Command;
};

class AcceleratorKeyTest : public AcceleratorTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(AcceleratorKeyTest, IsTranslatedBeforeTheWindowSeesTheKey)
{
    const TKeyCase& c = GetParam();
    Desktop.SendKey(c.Key, c.Modifiers);
    EXPECT_EQ(Client.Commands.Ran, std::vector<unsigned>{c.Command});
    EXPECT_FALSE(SawKeyDown(c.Key));
    EXPECT_TRUE(Client.SeenOf(WM_CHAR).empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, AcceleratorKeyTest,
                         ::testing::Values(TKeyCase{'X', THeadlessDesktop::ModCtrl, CmCut},
                                           TKeyCase{VK_DELETE, THeadlessDesktop::ModCtrl, CmClear},
                                           TKeyCase{VK_BACK, THeadlessDesktop::ModAlt, CmUndo},
                                           TKeyCase{VK_F3, 0, CmFindNext}));

TEST_F(AcceleratorTest, ADisabledCommandsKeyDoesNothing)
{
    Client.Commands.Enablers[CmCut] = false;
    Desktop.SendKey('X', THeadlessDesktop::ModCtrl);
    EXPECT_TRUE(Client.Commands.Ran.empty());
    EXPECT_FALSE(SawKeyDown('X'));
    EXPECT_TRUE(Client.SeenOf(WM_CHAR).empty());
}

TEST_F(AcceleratorTest, AKeyWithoutHandlerOnTheRouteIsSwallowed)
{
    Client.Commands.Handles.clear();
    Desktop.SendKey(VK_F3);
    EXPECT_FALSE(SawKeyDown(VK_F3));
}

struct TPassCase {
    unsigned Key;
    unsigned Modifiers;
};

class UnacceleratedKeyTest : public AcceleratorTest, public ::testing::WithParamInterface<TPassCase> {};

TEST_P(UnacceleratedKeyTest, ReachesTheWindow)
{
    const TPassCase& c = GetParam();
    Desktop.SendKey(c.Key, c.Modifiers);
    EXPECT_TRUE(Client.Commands.Ran.empty());
    EXPECT_TRUE(SawKeyDown(c.Key));
}

// The modifiers must match the entry exactly.
INSTANTIATE_TEST_SUITE_P(Keys, UnacceleratedKeyTest,
                         ::testing::Values(TPassCase{'X', 0}, TPassCase{'X', THeadlessDesktop::ModCtrl | THeadlessDesktop::ModShift},
                                           TPassCase{VK_DELETE, 0}, TPassCase{VK_F3, THeadlessDesktop::ModShift},
                                           TPassCase{VK_BACK, 0}));

TEST_F(AcceleratorTest, AKeyThatIsNotTranslatedAlsoTypesItsCharacter)
{
    Desktop.SendKey('X');
    const std::vector<TSeen> chars = Client.SeenOf(WM_CHAR);
    ASSERT_EQ(chars.size(), 1u);
    EXPECT_EQ(chars[0].A, unsigned('x'));
}

TEST_F(AcceleratorTest, KeysOfWindowsOutsideTheMainWindowAreNotTranslated)
{
    TProbeWindow other;
    other.Create();
    other.SetFocus();
    Desktop.SendKey('X', THeadlessDesktop::ModCtrl);
    EXPECT_TRUE(Client.Commands.Ran.empty());
    ASSERT_EQ(other.SeenOf(WM_KEYDOWN).size(), 1u);
}

}  // namespace
