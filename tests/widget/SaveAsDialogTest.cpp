// The Save As dialog on Qt asks before it replaces an existing file, also
// when the name typed lacks the default extension the file has.
#include "framework/Dialogs.h"
#include "tests/support/ScratchDir.h"
#include "tests/widget/DialogSteps.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr auto FileDialog = &Is<QFileDialog>;
constexpr auto Question = &Is<QMessageBox>;

DialogSteps::Step Answer(QMessageBox::StandardButton button)
{
    return [button](QDialog& box) { static_cast<QMessageBox&>(box).button(button)->click(); };
}

TEST(SaveAsDialogOnQt, AnExistingFileIsReplacedOnlyAfterYes)
{
    TScratchDir dir;
    const std::string existing = dir.PathOf("notes.txt");
    std::ofstream(existing) << "keep me\n";
    const auto accept = [](QDialog& dialog) { dialog.accept(); };
    const struct {
        const char* Name;
        std::string Typed;
        bool Asked;
    } cases[] = {
        {"the whole name", existing, true},
        {"without its extension", dir.PathOf("notes"), true},
        {"a new name", dir.PathOf("fresh"), false},
    };
    for (const auto& c : cases) {
        TOpenSaveData data;
        data.DefExt = "txt";
        data.FileName = c.Typed;
        std::vector<std::pair<DialogSteps::Kind, DialogSteps::Step>> steps = {{FileDialog, accept}};
        if (c.Asked) {
            // No leaves the dialog open; Yes there chooses the file.
            steps.push_back({Question, Answer(QMessageBox::No)});
            steps.push_back({FileDialog, accept});
            steps.push_back({Question, Answer(QMessageBox::Yes)});
        }
        {
            DialogSteps driver(steps);
            ASSERT_TRUE(RunFileSaveDialog(nullptr, data)) << c.Name;
        }
        EXPECT_EQ(data.FileName, c.Asked ? existing : dir.PathOf("fresh.txt")) << c.Name;
    }
}

}  // namespace
