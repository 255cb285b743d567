#include "view/CommandIds.h"
#include "resources/MainAccelerators.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MainAccelerators, HoldTheTwelveKeysInStoredOrder)
{
    struct TKey {
        unsigned Key;
        bool Ctrl, Alt;
        unsigned Id;
    };
    const std::vector<TKey> expected{
        {'X', true, false, CM_EDITCUT},
        {'C', true, false, CM_EDITCOPY},
        {'V', true, false, CM_EDITPASTE},
        {VK_DELETE, true, false, CM_EDITCLEAR},
        {VK_BACK, false, true, CM_EDITUNDO},
        {VK_F3, false, false, CM_EDITFINDNEXT},
        {'N', true, false, CM_FILENEW},
        {'O', true, false, CM_FILEOPEN},
        {'S', true, false, CM_FILESAVE},
        {'P', true, false, CM_FILEPRINT},
        {'W', true, false, CM_WORDWRAP},
        {'R', true, false, CM_EDITREDO},
    };
    const TAcceleratorTable table = MainAccelerators();
    EXPECT_EQ(table.ResourceId, 1000);
    ASSERT_EQ(table.Entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const TAccelerator& a = table.Entries[i];
        EXPECT_EQ(a.Key, expected[i].Key);
        EXPECT_EQ(a.Ctrl, expected[i].Ctrl);
        EXPECT_EQ(a.Alt, expected[i].Alt);
        EXPECT_FALSE(a.Shift);
        EXPECT_EQ(a.Id, expected[i].Id);
    }
}

TEST(MainAccelerators, DeleteAndAltF4AreLabelsOnly)
{
    // Delete reaches the editor as a key; Alt+F4 is the system's close.
    const TAcceleratorTable table = MainAccelerators();
    EXPECT_EQ(table.Find(VK_DELETE, false, false, false), 0u);
    EXPECT_EQ(table.Find(VK_F4, false, true, false), 0u);
    EXPECT_EQ(table.Find(VK_DELETE, true, false, true), 0u);
}

}  // namespace
