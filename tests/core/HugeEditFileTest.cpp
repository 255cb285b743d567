// New, Open, Save and the save-changes question, with real files and the
// headless desktop's scripted dialogs.
#include "tests/support/FileFixture.h"

namespace {

using TRows = std::vector<std::string>;

TEST_F(Files, OpenReadsTheFileAndNamesTheDocument)
{
    const std::string path = Write("a.txt", "one\r\ntwo");
    Edit->Modified = true;
    Desktop.Dialogs().AnswerMessageBox(IDNO);
    Edit->Open(path);
    EXPECT_EQ(Rows(), (TRows{"one\n", "two\n"}));
    EXPECT_EQ(Edit->FileData.FileName, path);
    EXPECT_FALSE(Edit->Modified);
    EXPECT_FALSE(Edit->EditLocked);
}

TEST_F(Files, OpenAsksAfterTheFileIsChosenAndCancelKeepsTheDocument)
{
    const std::string path = Write("b.txt", "new text\n");
    Load("old text\n");
    Edit->Modified = true;
    Desktop.Dialogs().ChooseFile(path);
    Desktop.Dialogs().AnswerMessageBox(IDCANCEL);
    Edit->Open();
    ASSERT_EQ(Desktop.Dialogs().FileDialogs().size(), 1u);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "Save changes to document?");
    EXPECT_EQ(Boxes()[0].Caption, "Save File?");
    EXPECT_EQ(Boxes()[0].Flags, unsigned(MB_ICONEXCLAMATION | MB_YESNOCANCEL));
    EXPECT_EQ(Rows(), TRows{"old text\n"});
    EXPECT_TRUE(Edit->Modified);
}

TEST_F(Files, CancelledOpenDialogIsSilentAndFailedOneReports)
{
    Load("keep\n");
    Desktop.Dialogs().CancelFileDialog();
    Edit->Open();
    EXPECT_TRUE(Boxes().empty());
    Desktop.Dialogs().FailFileDialog(12290);
    Edit->Open();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "GetOpenFileName returned Error #12290");
    EXPECT_EQ(Boxes()[0].Caption, "WARNING");
    EXPECT_EQ(Rows(), TRows{"keep\n"});
}

TEST_F(Files, AMissingFileOpensEmptyUnderItsName)
{
    const std::string path = (Dir / "missing.txt").string();
    Edit->Open(path);
    EXPECT_EQ(Rows(), TRows{"\n"});
    EXPECT_EQ(Edit->FileData.FileName, path);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Files, AnUnreadablePathLeavesTheDocumentUntouched)
{
    Load("precious\n");
    Edit->FileData.FileName = "/somewhere/precious.txt";
    Edit->Open(Dir.string());  // a folder
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].Text.find(Dir.string()), std::string::npos);
    EXPECT_EQ(Rows(), TRows{"precious\n"});
    EXPECT_EQ(Edit->FileData.FileName, "/somewhere/precious.txt");
}

TEST_F(Files, SaveWritesCrLfAndClearsModified)
{
    const std::string path = Write("c.txt", "ab\n\ncd");
    Edit->Open(path);
    Type("x");
    EXPECT_TRUE(Edit->Save(&Edit->FileData.FileName));
    EXPECT_EQ(Read(path), "xab\r\n\r\ncd\r\n");
    EXPECT_FALSE(Edit->Modified);
    EXPECT_EQ(Edit->UndoStack.Empty(), false) << "Save keeps the history";
}

TEST_F(Files, SaveAsUsesTheDialogAndACancelKeepsTheName)
{
    const std::string path = Write("d.txt", "text\n");
    Edit->Open(path);
    Type("y");
    Desktop.Dialogs().CancelFileDialog();
    EXPECT_FALSE(Edit->Save(nullptr));
    EXPECT_EQ(Edit->FileData.FileName, path);
    EXPECT_TRUE(Edit->Modified);
    ASSERT_EQ(Desktop.Dialogs().FileDialogs().size(), 1u);
    EXPECT_EQ(Desktop.Dialogs().FileDialogs()[0].Data.Flags & OFN_FILEMUSTEXIST, 0u);
    EXPECT_NE(Edit->FileData.Flags & OFN_FILEMUSTEXIST, 0u);

    const std::string other = (Dir / "e.txt").string();
    Desktop.Dialogs().ChooseFile(other);
    EXPECT_TRUE(Edit->Save(nullptr));
    EXPECT_EQ(Edit->FileData.FileName, other);
    EXPECT_EQ(Read(other), "ytext\r\n");
    EXPECT_EQ(Read(path), "text\n");
}

TEST_F(Files, AFailedSaveKeepsTheOldFileAndModified)
{
    const std::string path = Write("f.txt", "old\n");
    Edit->Open(path);
    Type("z");
    const std::string nowhere = (Dir / "no-such-folder" / "f.txt").string();
    EXPECT_FALSE(Edit->Save(&nowhere));
    EXPECT_TRUE(Edit->Modified);
    EXPECT_EQ(Edit->FileData.FileName, path) << "the name stays as it was";
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].Text.find("no-such-folder"), std::string::npos);
    EXPECT_EQ(Read(path), "old\n");
}

TEST_F(Files, CanCloseAsksOnlyWhenModified)
{
    EXPECT_TRUE(Edit->CanClose());
    EXPECT_TRUE(Boxes().empty());
    Type("q");
    Desktop.Dialogs().AnswerMessageBox(IDNO);
    EXPECT_TRUE(Edit->CanClose());
    Desktop.Dialogs().AnswerMessageBox(IDCANCEL);
    EXPECT_FALSE(Edit->CanClose());
}

TEST_F(Files, YesAnswersTrueOnlyWhenTheDocumentWasSaved)
{
    Type("unsaved");
    Desktop.Dialogs().AnswerMessageBox(IDYES);
    Desktop.Dialogs().CancelFileDialog();
    EXPECT_FALSE(Edit->CanClose()) << "a cancelled Save As keeps the document open";
    const std::string path = (Dir / "g.txt").string();
    Desktop.Dialogs().AnswerMessageBox(IDYES);
    Desktop.Dialogs().ChooseFile(path);
    EXPECT_TRUE(Edit->CanClose());
    EXPECT_EQ(Read(path), "unsaved\r\n");
}

TEST_F(Files, NewDocumentAsksThenEmpties)
{
    const std::string path = Write("h.txt", "stuff\n");
    Edit->Open(path);
    Type("!");
    Desktop.Dialogs().AnswerMessageBox(IDNO);
    Edit->NewDocument();
    EXPECT_EQ(Rows(), TRows{"\n"});
    EXPECT_TRUE(Edit->FileData.FileName.empty());
    EXPECT_FALSE(Edit->Modified);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "Save changes to " + path + "?");
}

TEST_F(Files, WindowTextQueries)
{
    Load("ab\ncd\n");
    EXPECT_EQ(Edit->GetTextLength(), 9);
    std::string buffer(size_t(Edit->GetTextLength()), '#');
    Edit->GetText(buffer.data(), buffer.size());
    EXPECT_STREQ(buffer.c_str(), "ab\ncd\n");
}

}  // namespace
