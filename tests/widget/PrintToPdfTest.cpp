// Printing on Qt Print Support into a PDF file, read back with pdftotext:
// the pages, the rows on each and the tab columns; and the page set-up
// dialog's margins converted to its units and back.
#include "tests/widget/WidgetTestSupport.h"

#include "core/HugeEdit.h"
#include "framework/qt/QtTestAccess.h"
#include "print/HugeEditPrinter.h"
#include "print/HugeEditPrintout.h"
#include "tests/support/ScratchDir.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

namespace {

// Accepts the modal dialog that the next call opens, as Enter would.
void AcceptNextDialog()
{
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
        else
            ADD_FAILURE() << "no modal dialog";
    });
}

std::string Output(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

// The non-empty lines of each page of pdftotext's layout.
std::vector<std::vector<std::string>> PdfPages(const std::string& path)
{
    std::vector<std::vector<std::string>> pages(1);
    std::istringstream text(Output("pdftotext -layout '" + path + "' - 2>/dev/null"));
    for (std::string line; std::getline(text, line);) {
        for (size_t feed; (feed = line.find('\f')) != std::string::npos; line.erase(0, feed + 1))
            pages.emplace_back();
        if (line.find_first_not_of(' ') != std::string::npos)
            pages.back().push_back(line.substr(line.find_first_not_of(' ')));
    }
    while (!pages.empty() && pages.back().empty())
        pages.pop_back();
    return pages;
}

// Where the words of the first page's rows start, by pdftotext's boxes:
// row tops (in points) to the words' left edges, in order across.
std::map<double, std::vector<std::pair<std::string, double>>> WordStarts(const std::string& path)
{
    std::map<double, std::vector<std::pair<std::string, double>>> rows;
    std::istringstream boxes(Output("pdftotext -bbox -f 1 -l 1 '" + path + "' - 2>/dev/null"));
    for (std::string line; std::getline(boxes, line);) {
        const size_t x = line.find("xMin=\""), y = line.find("yMin=\""), open = line.find('>'),
                     close = line.find("</word>");
        if (x != std::string::npos && y != std::string::npos && close != std::string::npos)
            rows[std::stod(line.substr(y + 6))].emplace_back(line.substr(open + 1, close - open - 1),
                                                             std::stod(line.substr(x + 6)));
    }
    for (auto& [top, words] : rows)
        std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return rows;
}

class PrintOnQt : public ::testing::Test {
protected:
    TScratchDir Dir;
    THugeEdit Editor;
    THugeEditPrinter Printer;

    void SetUp() override
    {
        if (Output("command -v pdftotext").empty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ShowWindow(Editor, 400, 300);
        QPrinter& device = QtTestAccess::Printer(Printer);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(QString::fromStdString(Dir.PathOf("out.pdf")));
        device.setPageSize(QPageSize(QPageSize::A4));
    }
};

TEST_F(PrintOnQt, APdfFileHoldsEveryPageRowsPerPageAndTheTabColumns)
{
    TTextStyle style;
    Editor.GetStyle(style);
    style.TabSize = 4;
    Editor.ApplyStyle(style);
    std::string text = "t\tx\ntt\tx\nttttt\tx\n";
    for (int i = 3; i < 130; ++i)
        text += "row " + std::to_string(i) + "\n";
    TTextInput input = TTextInput::FromMemory(text);
    Editor.ReadText(input);
    Printer.GetSetupData().Margins = {1250, 1250, 1250, 1250};  // half an inch

    THugeEditPrintout printout(Editor, "rows.txt");
    AcceptNextDialog();
    ASSERT_TRUE(Printer.Print(&Editor, printout, true));

    ASSERT_GE(printout.RowsPerPage, 40);  // A4 at 12 points
    const int pages = (130 + printout.RowsPerPage - 1) / printout.RowsPerPage;
    ASSERT_GE(pages, 2);
    const auto printed = PdfPages(Dir.PathOf("out.pdf"));
    ASSERT_EQ(int(printed.size()), pages);
    for (int p = 0; p < pages; ++p) {
        const int first = p * printout.RowsPerPage;
        const int rows = std::min(130 - first, printout.RowsPerPage);
        ASSERT_EQ(int(printed[p].size()), rows) << "page " << p + 1;
        EXPECT_EQ(printed[p].back(), "row " + std::to_string(first + rows - 1));
    }
    // Tabs stop every 4 characters from the margin: x stands 4 characters
    // in after "t" and "tt", 8 after "ttttt".
    std::vector<std::vector<std::pair<std::string, double>>> rows;
    for (const auto& [top, words] : WordStarts(Dir.PathOf("out.pdf")))
        rows.push_back(words);
    ASSERT_GE(rows.size(), 3u);
    for (size_t r = 0; r < 3; ++r)
        ASSERT_EQ(rows[r].size(), 2u) << r;
    const double margin = rows[0][0].second, stop = rows[0][1].second - margin;
    EXPECT_EQ(rows[0][1].first, "x");
    EXPECT_NEAR(stop, 4 * 72.0 * printout.CharWidth / QtTestAccess::Printer(Printer).resolution(), 0.01);
    EXPECT_NEAR(rows[1][1].second - margin, stop, 0.01);
    EXPECT_NEAR(rows[2][1].second - margin, 2 * stop, 0.01);
    // The half-inch margin, 36 points from the paper's edge at least.
    EXPECT_GE(margin, 36.0 - 0.01);
}

TEST_F(PrintOnQt, PageSetUpShowsAndReturnsTheMarginsInItsOwnUnits)
{
    Printer.GetSetupData().Margins = {1000, 500, 2500, 750};
    AcceptNextDialog();
    Printer.Setup(&Editor);
    EXPECT_EQ(Printer.GetSetupData().Margins, (TRect{1000, 500, 2500, 750}));
    EXPECT_EQ(Printer.GetSetupData().Flags, 0u);
}

}  // namespace
