// Commands that arrive through the messages a load dispatches: a second
// Open or New waits, a close request stops the load and closes after it.
#include "tests/support/EditorFixture.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

namespace fs = std::filesystem;

// Runs a hook at the loader's first progress step that has rows.
class TReentrantEdit : public THugeEdit {
public:
    std::function<void()> Hook;
    void UpdateScrollRange() override
    {
        THugeEdit::UpdateScrollRange();
        if (Hook && IsLoading() && Lines.Size() > 0) {
            auto hook = std::move(Hook);
            Hook = nullptr;
            hook();
        }
    }
};

class LoadReentry : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TReentrantEdit Edit;
    fs::path Dir = fs::temp_directory_path() / ("vantor-reentry-" + std::to_string(::getpid()));
    std::string Big, Other;

    void SetUp() override
    {
        fs::create_directories(Dir);
        Big = (Dir / "big.txt").string();
        Other = (Dir / "other.txt").string();
        std::ofstream big(Big);
        for (int i = 0; i < 2000; ++i)
            big << "line " << i << "\n";
        std::ofstream(Other) << "other\n";
        Edit.Create();
        Desktop.Resize(Edit, 400, 160);
    }
    void TearDown() override { fs::remove_all(Dir); }
};

TEST_F(LoadReentry, OpenAndNewDuringALoadAreIgnored)
{
    Edit.Hook = [&] {
        Edit.Open(Other);
        Edit.NewDocument();
        Edit.InsertText("typed while loading");
    };
    Edit.Open(Big);
    EXPECT_EQ(Edit.GetNumLines(), 2000);
    EXPECT_EQ(Edit.Lines[0].str(), "line 0\n");
    EXPECT_EQ(Edit.FileData.FileName, Big);
    EXPECT_FALSE(Edit.Modified);
    EXPECT_FALSE(Edit.EditLocked);
}

TEST_F(LoadReentry, ACloseRequestStopsTheLoadAndClosesAfterIt)
{
    bool answer = true;
    Edit.Hook = [&] { answer = Edit.CanClose(); };
    Edit.Open(Big);
    EXPECT_FALSE(answer) << "the loader is still on the stack";
    EXPECT_LT(Edit.GetNumLines(), 2000) << "the load stopped";
    EXPECT_FALSE(Edit.IsLoading());
    EXPECT_GE(Desktop.QueuedCount(), 1u) << "the close request comes again";
    EXPECT_TRUE(Edit.CanClose());
}

}  // namespace
