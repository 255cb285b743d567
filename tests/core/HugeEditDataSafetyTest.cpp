// The document never loses the user's text: reads that fail, files too
// long or not regular, saves during a load, rewraps during a load, text
// after an end-of-file mark, files changed by another program, and edits
// past the length limit.
#include "tests/support/FileFixture.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <utility>

namespace {

using TRows = std::vector<std::string>;

// An editor whose files are read through a reader the test chooses.
class TReaderEdit : public THugeEdit {
public:
    std::function<TTextInput(const std::string&)> Opener;

protected:
    TTextInput OpenForReading(const std::string& path) override
    {
        return Opener ? Opener(path) : THugeEdit::OpenForReading(path);
    }
};

class DataSafety : public Files {
protected:
    std::unique_ptr<THugeEdit> NewEditor() override { return std::make_unique<TReaderEdit>(); }
    TReaderEdit& Reader() { return static_cast<TReaderEdit&>(*Edit); }

    // Files are read through a reader that gives text in blocks and calls
    // during(blockNumber) before each block, then fails with failErrno
    // after failAfter bytes (never when failAfter < 0).
    void ReadThrough(std::function<void(int)> during, int64_t failAfter = -1, int failErrno = EIO)
    {
        Reader().Opener = [=](const std::string& path) {
            auto text = std::make_shared<std::string>(Read(path));
            auto state = std::make_shared<std::pair<size_t, int>>(0, 0);
            return TTextInput::FromReader(
                [=](char* buffer, size_t n) -> long {
                    if (during)
                        during(state->second++);
                    if (failAfter >= 0 && state->first >= size_t(failAfter)) {
                        errno = failErrno;
                        return -1;
                    }
                    size_t count = std::min<size_t>({n, 16, text->size() - state->first});
                    if (failAfter >= 0)
                        count = std::min(count, size_t(failAfter) - state->first);
                    std::memcpy(buffer, text->data() + state->first, count);
                    state->first += count;
                    return long(count);
                },
                int64_t(text->size()));
        };
    }

    std::string LastBox() { return Boxes().empty() ? std::string() : Boxes().back().Text; }
};

TEST_F(DataSafety, AReadErrorIsReportedAndThePartialTextIsNotSavedOverTheFileWithoutAsking)
{
    const std::string text = "0123456789abcdef0123456789abcdef0123456789\n";
    const std::string path = Write("big.txt", text);
    ReadThrough({}, 32);
    Edit->Open(path);
    EXPECT_EQ(LastBox(), "Cannot read " + path + ": " + std::strerror(EIO) +
                             ".\nThe document holds only the first 32 bytes of the file.");
    EXPECT_EQ(Edit->FileData.FileName, path);
    Type("x");
    Desktop.Dialogs().ClearRecords();
    EXPECT_FALSE(Edit->Save(&Edit->FileData.FileName)) << "No is the default answer";
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].Text.find("could not be read completely"), std::string::npos) << Boxes()[0].Text;
    EXPECT_TRUE(Boxes()[0].Flags & MB_DEFBUTTON2);
    EXPECT_EQ(Read(path), text);
    EXPECT_TRUE(Edit->Modified);
    Desktop.Dialogs().AnswerMessageBox(IDYES);
    EXPECT_TRUE(Edit->Save(&Edit->FileData.FileName));
    EXPECT_EQ(Read(path), "x0123456789abcdef0123456789abcdef\r\n");
}

// The limit counts the line end a final line gets: a file is loaded whole
// or refused, never emptied under its own name.
TEST_F(DataSafety, TheLengthLimitIsExact)
{
    struct TCase {
        const char* Bytes;
        bool Loads;
    };
    const TCase cases[] = {
        {"123456789", true},      // 9 + the added line end: 10
        {"123456789\n", true},    // 10
        {"1234567890", false},    // 10 + the added line end: 11
        {"1234567890\n", false},  // 11, refused before reading
    };
    for (const TCase& c : cases) {
        MakeEditor();
        Edit->LengthLimit = 10;
        Load("earlier\n");
        const std::string path = Write("limit.txt", c.Bytes);
        Desktop.Dialogs().ClearRecords();
        Edit->Open(path);
        if (c.Loads) {
            EXPECT_TRUE(Boxes().empty()) << c.Bytes;
            EXPECT_EQ(Edit->FileData.FileName, path) << c.Bytes;
            continue;
        }
        ASSERT_EQ(Boxes().size(), 1u) << c.Bytes;
        EXPECT_EQ(Boxes()[0].Text,
                  "Cannot open " + path + "\nThe text is longer than the 10 characters a document can hold.");
        EXPECT_NE(Edit->FileData.FileName, path) << c.Bytes;
        Type("abc");
        Edit->Save(&Edit->FileData.FileName);
        EXPECT_EQ(Read(path), c.Bytes);
    }
}

TEST_F(DataSafety, OnlyRegularFilesAreOpened)
{
    const std::string fifo = (Dir / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
        Load("kept\n");
        Desktop.Dialogs().ClearRecords();
        Edit->Open(path);  // returns at once: nothing blocks on the FIFO
        EXPECT_EQ(LastBox(), "Cannot open " + path + "\nIt is not a regular file.");
        EXPECT_EQ(Rows(), TRows{"kept\n"});
    }
    // Even past the check, opening one for reading never blocks.
    TTextInput input = TTextInput::FromFile(fifo);
    EXPECT_FALSE(input.IsOpen());
}

TEST_F(DataSafety, SavingIsRefusedWhileAFileLoads)
{
    const std::string path = Write("loading.txt", std::string(200, 'a') + "\n");
    const std::string other = (Dir / "other.txt").string();
    bool tried = false;
    ReadThrough([&](int block) {
        if (block != 3)
            return;
        tried = true;
        EXPECT_FALSE(Edit->Save(&Edit->FileData.FileName));
        Desktop.Dialogs().ChooseFile(other);
        EXPECT_FALSE(Edit->Save(nullptr));
    });
    Edit->Open(path);
    ASSERT_TRUE(tried);
    EXPECT_TRUE(Desktop.Dialogs().FileDialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(other));
    EXPECT_EQ(Read(path), std::string(200, 'a') + "\n");
}

// Word wrap, a resize and a new style during a load give the rows of one
// rewrap after it.
TEST_F(DataSafety, ARewrapAskedForDuringALoadFollowsIt)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "some words of a paragraph that wraps " + std::to_string(i) + "\n";
    const std::string path = Write("wrap.txt", text);
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"wrap on", [&] { Edit->SetWordWrap(true); }},
        {"wrap off", [&] { Edit->SetWordWrap(false); }},
        {"narrower", [&] { SizeInCells(13, 10); }},
        {"a wider margin", [&] {
             TTextStyle style;
             style.Flags = TTextStyle::MarginsValid;
             style.MarginX = 7 * Edit->CharWidth;
             Edit->ApplyStyle(style);
         }},
    };
    for (const auto& [name, change] : changes) {
        MakeEditor();
        Edit->SetWordWrap(std::string(name) != "wrap on");
        ReadThrough([&, change = change](int block) {
            if (block == 5)
                change();
        });
        Edit->Open(path);
        const TRows loaded = Rows();
        const bool wrap = Edit->WordWrap;
        const int cols = Edit->WindowCols;
        MakeEditor();
        SizeInCells(cols, 10);
        Edit->SetWordWrap(wrap);
        Load(text);
        EXPECT_EQ(loaded, Rows()) << name;
    }
}

TEST_F(DataSafety, TextAfterAnEndOfFileMarkIsNotRemovedWithoutAsking)
{
    const std::string path = Write("eof.txt", std::string("ab\x1a", 3) + "hidden text");
    Edit->Open(path);
    Type("x");
    Desktop.Dialogs().ClearRecords();
    EXPECT_FALSE(Edit->Save(&Edit->FileData.FileName));
    EXPECT_EQ(LastBox(), path + " holds 11 bytes after its end-of-file mark that are not shown. "
                                "Saving will remove them. Save anyway?");
    EXPECT_EQ(Read(path), std::string("ab\x1a", 3) + "hidden text");

    // Under another name nothing is lost, and a lone mark hides nothing.
    const std::string copy = (Dir / "copy.txt").string();
    Desktop.Dialogs().ChooseFile(copy);
    Desktop.Dialogs().ClearRecords();
    EXPECT_TRUE(Edit->Save(nullptr));
    EXPECT_TRUE(Boxes().empty());
    const std::string lone = Write("lone.txt", std::string("cd\x1a", 3));
    Edit->Open(lone);
    Type("y");
    EXPECT_TRUE(Edit->Save(&Edit->FileData.FileName));
    EXPECT_EQ(Read(lone), "ycd\r\n");
}

TEST_F(DataSafety, AFileChangedByAnotherProgramIsNotOverwrittenWithoutAsking)
{
    const std::string path = Write("shared.txt", "mine\n");
    Edit->Open(path);
    Type("x");
    Write("shared.txt", "theirs, and longer\n");
    Desktop.Dialogs().ClearRecords();
    EXPECT_FALSE(Edit->Save(&Edit->FileData.FileName));
    EXPECT_EQ(LastBox(), path + " has been changed by another program since it was opened or saved. "
                                "Overwrite the other program's version?");
    EXPECT_EQ(Read(path), "theirs, and longer\n");
    Desktop.Dialogs().AnswerMessageBox(IDYES);
    EXPECT_TRUE(Edit->Save(&Edit->FileData.FileName));
    EXPECT_EQ(Read(path), "xmine\r\n");
    // What we wrote ourselves is not someone else's change.
    Type("y");
    Desktop.Dialogs().ClearRecords();
    EXPECT_TRUE(Edit->Save(&Edit->FileData.FileName));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(DataSafety, AnInsertionPastTheLengthLimitIsRefused)
{
    struct TCase {
        const char* Name;
        std::function<void()> Change;
        const char* Text;  // empty: refused
    };
    const std::vector<TCase> cases = {
        {"typing up to the limit", [&] { Type("ab"); }, "abcdefgab\n"},
        {"typing past it", [&] { Type("abc"); }, "abcdefgab\n"},
        {"an insertion past it", [&] { Edit->InsertText("abc"); }, ""},
        {"a paste past it", [&] { Edit->InsertText("a\r\nb\nc"); }, ""},
        {"a selection replaced by two more",
         [&] {
             Edit->SetSelectionOffsets(2, 0);
             Edit->InsertText("xyz1");
         },
         "xyz1cdefg\n"},
        {"a selection replaced by three more",
         [&] {
             Edit->SetSelectionOffsets(1, 0);
             Edit->InsertText("xyz1");
         },
         ""},
        {"overwriting",
         [&] {
             Edit->SetCaretOffset(0);
             Edit->Overwrite = true;
             Type("1234567");
         },
         "1234567\n"},
    };
    for (const TCase& c : cases) {
        MakeEditor();
        Edit->LengthLimit = 10;
        Load("abcdefg\n");
        Edit->SetCaretOffset(7);
        Desktop.Dialogs().ClearRecords();
        c.Change();
        const bool refused = std::string(c.Text).empty() || std::string(c.Name) == "typing past it";
        EXPECT_EQ(Text(), std::string(c.Text).empty() ? "abcdefg\n" : c.Text) << c.Name;
        EXPECT_EQ(LastBox(), refused ? "The document cannot hold more than 10 characters.\nThe text was not inserted."
                                     : "") << c.Name;
    }
}

}  // namespace
