// Pagination, placement and the borrowed wrap width of a print job on the
// headless printer.
#include "tests/print/PrintFixture.h"

#include "core/DisplayColumn.h"

#include <algorithm>

namespace {

int WidestRow(const std::vector<std::string>& rows, int tabSize)
{
    int widest = 0;
    for (const std::string& row : rows)
        widest = std::max(widest, DisplayColumn(row, row.size(), tabSize));
    return widest;
}

std::string Paragraphs(int count)
{
    std::string text;
    for (int p = 0; p < count; ++p) {
        for (int w = 0; w < 40; ++w)
            text += "word" + std::to_string((p * 7 + w) % 13) + (w == 39 ? "" : w % 9 == 8 ? "-x " : " ");
        text += "\n";
    }
    return text;
}

}  // namespace

using TPrintoutTest = TPrintFixture;

struct TPaginationCase {
    int Rows;  // 0: the empty document
    int RowsPerPage;
    std::vector<std::pair<int, int>> Pages;  // first row and end of each page
};

class TPaginationTest : public TPrintFixture, public ::testing::WithParamInterface<TPaginationCase> {};

TEST_P(TPaginationTest, PagesHoldConsecutiveRowsAtTheMarginsLineHeightApart)
{
    const TPaginationCase& c = GetParam();
    PageOf(80, c.RowsPerPage);
    Load(Lines(0, c.Rows));
    ASSERT_TRUE(Print());

    ASSERT_EQ(Printing().Jobs.size(), 1u);
    const THeadlessPrintJob& job = Printing().Jobs[0];
    EXPECT_TRUE(job.Finished);
    EXPECT_EQ(job.Title, "notes.txt");
    ASSERT_EQ(job.Pages.size(), c.Pages.size());
    ASSERT_EQ(Printing().PrintDialogs.size(), 1u);
    EXPECT_EQ(Printing().PrintDialogs[0].MinPage, 1);
    EXPECT_EQ(Printing().PrintDialogs[0].MaxPage, int(c.Pages.size()));
    for (size_t p = 0; p < c.Pages.size(); ++p) {
        const std::vector<const TDrawCall*> calls = TextCalls(job.Pages[p]);
        ASSERT_EQ(int(calls.size()), c.Pages[p].second - c.Pages[p].first) << "page " << p + 1;
        for (size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(calls[i]->Text, std::to_string(c.Pages[p].first + int(i)));
            EXPECT_EQ(calls[i]->X, 0);
            EXPECT_EQ(calls[i]->Y, int(i) * PrintedLineHeight);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, TPaginationTest,
                         ::testing::Values(TPaginationCase{120, 50, {{0, 50}, {50, 100}, {100, 120}}},
                                           TPaginationCase{100, 50, {{0, 50}, {50, 100}}},
                                           TPaginationCase{0, 50, {{0, 0}}}));

TEST_F(TPrintoutTest, WrappedRowsTakeThePagesWidthWhilePrintingAndTheWindowsAfter)
{
    SizeInCells(60, 10);
    Edit->SetWordWrap(true);
    const std::string text = Paragraphs(30);
    Load(text);
    Edit->SetSelectionOffsets(900, 700);
    PageOf(80, 50);

    std::vector<std::string> whilePrinting;
    Printing().OnPage = [&](int page, TAbortDialog&) {
        if (page == 1)
            whilePrinting = Rows();
    };
    ASSERT_TRUE(Print());

    std::vector<std::string> printed;
    for (const auto& page : PageTexts(Printing().Jobs.at(0)))
        printed.insert(printed.end(), page.begin(), page.end());
    EXPECT_GT(WidestRow(printed, Edit->TabSize), 60);
    EXPECT_LE(WidestRow(printed, Edit->TabSize), 80);
    EXPECT_GT(WidestRow(whilePrinting, Edit->TabSize), 60);

    EXPECT_EQ(Edit->WindowCols, 60);
    EXPECT_LE(WidestRow(Rows(), Edit->TabSize), 60);
    EXPECT_EQ(Text(), text);
    EXPECT_TRUE(Edit->HasSelection);
    EXPECT_EQ(Edit->OffsetOf(Edit->CaretRow, Edit->CaretCol), 900);
    EXPECT_EQ(Edit->OffsetOf(Edit->AnchorRow, Edit->AnchorCol), 700);
}

TEST_F(TPrintoutTest, CancellingThePrintDialogRestoresTheWidthAndShowsNothing)
{
    SizeInCells(60, 10);
    Edit->SetWordWrap(true);
    Load(Paragraphs(5));
    PageOf(80, 50);
    Printing().CancelPrint();

    EXPECT_FALSE(Print());
    EXPECT_TRUE(Printing().Jobs.empty());
    EXPECT_EQ(Printing().PrintDialogs.size(), 1u);
    EXPECT_TRUE(Desktop.Dialogs().MessageBoxes().empty());
    EXPECT_EQ(Edit->WindowCols, 60);
    EXPECT_LE(WidestRow(Rows(), Edit->TabSize), 60);
}

TEST_F(TPrintoutTest, ATabAdvancesToTabSizePrinterCharactersFromTheLeftMargin)
{
    TTextStyle style;
    Edit->GetStyle(style);
    style.TabSize = 4;
    Edit->ApplyStyle(style);
    Load("ab\tc\n\td\n");
    PageOf(80, 50);
    Printer.GetSetupData().Margins = {1000, 0, 0, 0};  // 120 pixels at 300 dots per inch
    ASSERT_TRUE(Print());

    const auto calls = TextCalls(Printing().Jobs.at(0).Pages.at(0));
    ASSERT_EQ(calls.size(), 2u);
    for (const TDrawCall* call : calls) {
        EXPECT_EQ(call->X, 120);
        EXPECT_EQ(call->TabOrigin, 120);
        EXPECT_EQ(call->TabDistance, 4 * PrintedCharWidth);
    }
    // "ab" then the tab: c stands at the first stop, 4 characters in.
    EXPECT_EQ(THeadlessDC::TextWidth("ab\t", calls[0]->X, PrintedCharWidth, calls[0]->TabDistance, calls[0]->TabOrigin),
              4 * PrintedCharWidth);
}

struct TMarginCase {
    int Units;
    int Offset;
    int Pixels;
};

class TMarginTest : public TPrintFixture, public ::testing::WithParamInterface<TMarginCase> {};

TEST_P(TMarginTest, SetUpMarginsAreTwentyFiveHundredthsOfAnInchButNeverInsideTheUnprintableEdge)
{
    const TMarginCase& c = GetParam();
    Load("x\n");
    PageOf(80, 50);
    Printing().Device.Offset = {c.Offset, c.Offset};
    Printer.GetSetupData().Margins = {c.Units, c.Units, c.Units, c.Units};
    THugeEditPrintout printout(*Edit, "");
    ASSERT_TRUE(Printer.Print(Edit.get(), printout, true));

    EXPECT_EQ(printout.MarginLeft, c.Pixels);
    EXPECT_EQ(printout.MarginTop, c.Pixels);
    EXPECT_EQ(printout.Columns, (80 * PrintedCharWidth - 2 * c.Pixels) / PrintedCharWidth);
    EXPECT_EQ(printout.RowsPerPage, (50 * PrintedLineHeight - 2 * c.Pixels) / PrintedLineHeight);
    const auto calls = TextCalls(Printing().Jobs.at(0).Pages.at(0));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0]->X, c.Pixels);
    EXPECT_EQ(calls[0]->Y, c.Pixels);
}

INSTANTIATE_TEST_SUITE_P(Margins, TMarginTest,
                         ::testing::Values(TMarginCase{1000, 75, 120}, TMarginCase{1000, 150, 150},
                                           TMarginCase{0, 0, 0}, TMarginCase{2500, 0, 300}));

TEST_F(TPrintoutTest, APageRangeSendsOnlyItsPages)
{
    PageOf(80, 50);
    Load(Lines(0, 500));
    Printing().PrintRange(2, 3);
    ASSERT_TRUE(Print());

    const auto pages = PageTexts(Printing().Jobs.at(0));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].front(), "50");
    EXPECT_EQ(pages[1].back(), "149");
}

TEST_F(TPrintoutTest, AnotherPrinterChosenInTheDialogGetsEveryRowAtItsOwnWidth)
{
    SizeInCells(60, 10);
    Edit->SetWordWrap(true);
    const std::string text = Paragraphs(12);
    Load(text);
    PageOf(80, 50);
    THeadlessPrinterDevice smaller = Printing().Device;
    smaller.Printable = {40 * PrintedCharWidth, 10 * PrintedLineHeight};
    Printing().PrintAllOn(smaller);
    ASSERT_TRUE(Print());

    std::vector<std::string> printed;
    for (const auto& page : PageTexts(Printing().Jobs.at(0))) {
        EXPECT_LE(page.size(), 10u);
        printed.insert(printed.end(), page.begin(), page.end());
    }
    EXPECT_LE(WidestRow(printed, Edit->TabSize), 40);
    std::string joined;
    for (const std::string& row : printed)
        joined += row + (row.back() == ' ' || row.back() == '-' ? "" : "\n");
    EXPECT_EQ(joined, text);
    EXPECT_EQ(Edit->WindowCols, 60);
}
