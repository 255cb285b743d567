// Print chosen while a file still loads (the loader dispatches messages
// between screenfuls): the rows read so far are printed, and the loader's
// rows are left exactly as it cut them, since it goes on appending.
#include "tests/print/PrintFixture.h"

#include "core/DisplayColumn.h"

#include <algorithm>
#include <cstring>

namespace {

// Tabs and vertical tabs too: the loader breaks rows at a vertical tab,
// a rewrap does not, so rows rewrapped and back differ from the loader's.
std::string Paragraphs(int paragraphs)
{
    std::string text;
    for (int p = 0; p < paragraphs; ++p) {
        for (int w = 0; w < 30; ++w)
            text += std::string(size_t(1 + (p + w) % 9), char('a' + w % 26)) +
                    (w == 29 ? "\n" : w % 7 == 6 ? "\t" : w % 11 == 10 ? "\v" : " ");
    }
    return text;
}

}  // namespace

using TPrintWhileLoadingTest = TPrintFixture;

TEST_F(TPrintWhileLoadingTest, PrintsTheRowsReadSoFarAndLeavesTheLoadersRowsAsCut)
{
    SizeInCells(60, 10);
    Edit->SetWordWrap(true);
    PageOf(80, 50);
    const std::string text = Paragraphs(600);

    // The file arrives in pieces; after the first the user chooses Print.
    size_t at = 0;
    int reads = 0;
    std::string readSoFar;
    bool printed = false;
    TTextInput input = TTextInput::FromReader(
        [&](char* buffer, size_t n) -> long {
            if (++reads == 2)
                Desktop.PostInput([&] {
                    for (TRowIndex r = 0; r < Edit->Lines.Size(); ++r)
                        readSoFar += Edit->Lines[r].View();
                    printed = Print();
                });
            const size_t count = std::min({n, size_t(4096), text.size() - at});
            std::memcpy(buffer, text.data() + at, count);
            at += count;
            return long(count);
        },
        int64_t(text.size()));
    Edit->ReadText(input);

    ASSERT_TRUE(printed);
    ASSERT_GT(readSoFar.size(), 0u);
    ASSERT_LT(readSoFar.size(), text.size());
    // The printed rows are the text read so far, wrapped to the page.
    std::string printedText;
    int widest = 0;
    for (const auto& page : PageTexts(Printing().Jobs.at(0)))
        for (const std::string& row : page) {
            printedText += row;
            widest = std::max(widest, DisplayColumn(row, row.size(), Edit->TabSize));
        }
    std::string expected = readSoFar;
    expected.erase(std::remove(expected.begin(), expected.end(), '\n'), expected.end());
    EXPECT_EQ(printedText, expected);
    EXPECT_GT(widest, 60);
    // A row that takes up a tab may end past the width by less than a stop.
    EXPECT_LE(widest, 80 + Edit->TabSize);

    // The load went on as if nothing had been printed.
    const std::vector<std::string> loadedWhilePrinting = Rows();
    EXPECT_EQ(Edit->WindowCols, 60);
    Load(text);
    EXPECT_EQ(loadedWhilePrinting, Rows());
}
