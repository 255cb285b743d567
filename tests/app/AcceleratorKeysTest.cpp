// The accelerators pressed on the headless desktop: translated before the
// editor sees the key, and swallowed while their command is disabled.
#include "AppHarness.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace {

constexpr unsigned Ctrl = THeadlessDesktop::ModCtrl;
constexpr unsigned Alt = THeadlessDesktop::ModAlt;

class AcceleratorKeys : public testing::Test {
protected:
    void SetUp() override
    {
        Run.Start();
        Run.Editor().SetFocus();
    }
    THeadlessDesktop& Desktop() { return Run.Desktop(); }
    size_t FileDialogsShown() { return Desktop().Dialogs().FileDialogs().size(); }

    TAppHarness Run;
    TScratchDir Dir;
};

TEST_F(AcceleratorKeys, ADisabledCommandsKeyDoesNothing)
{
    // Save is disabled on an unchanged document: Ctrl+S neither saves (the
    // untitled document would ask for a name) nor types.
    Desktop().SendKey('S', Ctrl);
    EXPECT_EQ(FileDialogsShown(), 0u);
    EXPECT_EQ(DocumentText(Run.Editor()), "\n");

    Desktop().TypeText("x");
    Desktop().SendKey('S', Ctrl);
    EXPECT_EQ(FileDialogsShown(), 1u);
    EXPECT_TRUE(Desktop().Dialogs().FileDialogs()[0].Save);
}

TEST_F(AcceleratorKeys, CtrlSSavesUnderTheDocumentsName)
{
    const std::string path = Dir.Write("k.txt", "ab\n");
    Run.Editor().Open(path);
    Desktop().TypeText("z");
    Desktop().SendKey('S', Ctrl);
    EXPECT_EQ(FileDialogsShown(), 0u);
    EXPECT_FALSE(Run.Editor().Modified);
    std::ifstream saved(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "zab\r\n");
}

TEST_F(AcceleratorKeys, CtrlDeleteClearsEverythingInOneUndoableStep)
{
    Run.Editor().Open(Dir.Write("d.txt", "alpha\nbeta\ngamma\n"));
    Run.Editor().SetCaret(1, 2);
    Desktop().SendKey(VK_DELETE, Ctrl);
    EXPECT_EQ(DocumentText(Run.Editor()), "\n");
    Desktop().SendKey(VK_BACK, Alt);
    EXPECT_EQ(DocumentText(Run.Editor()), "alpha\nbeta\ngamma\n");
    // Delete alone is the editor's key: one character.
    Run.Editor().SetCaret(0, 0);
    Desktop().SendKey(VK_DELETE);
    EXPECT_EQ(DocumentText(Run.Editor()), "lpha\nbeta\ngamma\n");
}

TEST_F(AcceleratorKeys, CtrlWTogglesWordWrapWithoutTouchingTheSettings)
{
    Desktop().SendKey('W', Ctrl);
    EXPECT_TRUE(Run.Editor().WordWrap);
    Desktop().SendKey('W', Ctrl);
    EXPECT_FALSE(Run.Editor().WordWrap);
    EXPECT_FALSE(Run.App().Settings.Wrap);
}

}  // namespace
