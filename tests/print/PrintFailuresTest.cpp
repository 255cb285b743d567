// What stops a print job: a page without room for text, a font without
// width, the spooler's errors and the user's Cancel; each leaves the
// window's width as it was.
#include "tests/print/PrintFixture.h"

#include "framework/AbortDialog.h"

using TPrintFailuresTest = TPrintFixture;

namespace {

// What PrintDocument does with what a job throws.
std::string PrintCatching(const std::function<bool()>& print)
{
    try {
        print();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

}  // namespace

struct TNoRoomCase {
    const char* Name;
    std::function<void(THeadlessPrinting&, THugeEditPrinter&, THeadlessDesktop&)> Spoil;
    bool AfterDialog;  // the printer chosen in the dialog has no room
    const char* Says;
};

class TNoRoomTest : public TPrintFixture, public ::testing::WithParamInterface<TNoRoomCase> {};

TEST_P(TNoRoomTest, StopsWithAReasonAndRestoresTheWidth)
{
    const TNoRoomCase& c = GetParam();
    SizeInCells(60, 10);
    Edit->SetWordWrap(true);
    Load(std::string(300, 'x') + " " + std::string(50, 'y') + " z\n");
    const std::vector<std::string> before = Rows();
    PageOf(80, 50);
    if (c.AfterDialog) {
        THeadlessPrinterDevice device = Printing().Device;
        THeadlessPrinting scratch;
        scratch.Device = device;
        THugeEditPrinter ignored;
        c.Spoil(scratch, ignored, Desktop);
        Printing().PrintAllOn(scratch.Device);
    } else {
        c.Spoil(Printing(), Printer, Desktop);
    }

    const std::string error = PrintCatching([&] { return Print(); });
    EXPECT_NE(error.find(c.Says), std::string::npos) << error;
    EXPECT_TRUE(Printing().Jobs.empty() || !Printing().Jobs[0].Finished);
    EXPECT_EQ(Printing().PrintDialogs.size(), c.AfterDialog ? 1u : 0u);
    EXPECT_EQ(Edit->WindowCols, 60);
    EXPECT_EQ(Rows(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TNoRoomTest,
    ::testing::Values(
        TNoRoomCase{"MarginsTallerThanThePage",
                    [](THeadlessPrinting&, THugeEditPrinter& printer, THeadlessDesktop&) {
                        printer.GetSetupData().Margins = {0, 20000, 0, 20000};
                    },
                    false, "one row"},
        TNoRoomCase{"MarginsWiderThanThePage",
                    [](THeadlessPrinting&, THugeEditPrinter& printer, THeadlessDesktop&) {
                        printer.GetSetupData().Margins = {20000, 0, 20000, 0};
                    },
                    false, "one character"},
        TNoRoomCase{"AFontWithoutWidth",
                    [](THeadlessPrinting&, THugeEditPrinter&, THeadlessDesktop& desktop) {
                        desktop.FailFontMetrics("Courier New");
                    },
                    false, "has no width"},
        TNoRoomCase{"NoPrinterContext",
                    [](THeadlessPrinting& printing, THugeEditPrinter&, THeadlessDesktop&) {
                        printing.Device.CanMakeDC = false;
                    },
                    false, "No printer context"},
        TNoRoomCase{"ADialogsPrinterWithoutRoom",
                    [](THeadlessPrinting& printing, THugeEditPrinter&, THeadlessDesktop&) {
                        printing.Device.Printable = {2400, 20};
                    },
                    true, "one row"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TPrintFailuresTest, AWindowWidthOfNothingIsRestoredToo)
{
    Edit->SetWordWrap(true);
    Load("alpha beta gamma delta\n");
    Desktop.Resize(*Edit, 2 * Edit->LeftMargin - 1, 100);
    ASSERT_EQ(Edit->WindowCols, 0);
    const std::vector<std::string> before = Rows();
    PageOf(80, 50);
    ASSERT_TRUE(Print());

    EXPECT_EQ(PageTexts(Printing().Jobs.at(0)).at(0), std::vector<std::string>{"alpha beta gamma delta"});
    EXPECT_EQ(Edit->WindowCols, 0);
    EXPECT_EQ(Rows(), before);
}

struct TSpoolerCase {
    const char* Name;
    int Error;        // 0: the user presses Cancel
    const char* Reason;
};

class TSpoolerTest : public TPrintFixture, public ::testing::WithParamInterface<TSpoolerCase> {};

TEST_P(TSpoolerTest, AJobStoppedOnItsSecondPageIsReportedAndTheWidthRestored)
{
    const TSpoolerCase& c = GetParam();
    SizeInCells(60, 10);
    Edit->SetWordWrap(true);
    Load(Lines(0, 200));
    PageOf(80, 50);
    if (c.Error)
        Printing().FailAtPage(2, c.Error);
    else
        Printing().OnPage = [&](int page, TAbortDialog&) {
            if (page == 2)
                Printing().PressCancel();
        };

    EXPECT_FALSE(Print("a.txt"));
    ASSERT_EQ(Printing().Jobs.size(), 1u);
    EXPECT_FALSE(Printing().Jobs[0].Finished);
    EXPECT_LE(Printing().Jobs[0].Pages.size(), 3u);
    ASSERT_EQ(Desktop.Dialogs().MessageBoxes().size(), 1u);
    EXPECT_EQ(Desktop.Dialogs().MessageBoxes()[0].Text, std::string("'a.txt' not printed. ") + c.Reason + ".");
    EXPECT_EQ(Desktop.Dialogs().MessageBoxes()[0].Caption, "Print Error");
    EXPECT_EQ(Edit->WindowCols, 60);
}

INSTANTIATE_TEST_SUITE_P(Errors, TSpoolerTest,
                         ::testing::Values(TSpoolerCase{"Cancel", 0, "Printing canceled"},
                                           TSpoolerCase{"Error", SP_ERROR, "Error encountered during print"},
                                           TSpoolerCase{"AppAbort", SP_APPABORT, "Printing aborted in Print Manager"},
                                           TSpoolerCase{"OutOfDisk", SP_OUTOFDISK, "Out of disk space"},
                                           TSpoolerCase{"OutOfMemory", SP_OUTOFMEMORY, "Out of memory"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TPrintFailuresTest, TheAbortDialogNamesThePageTheJobAndThePrinter)
{
    Load(Lines(0, 120));
    PageOf(80, 50);
    std::vector<std::map<int, std::string>> shown;
    Printing().OnPage = [&](int, TAbortDialog& dialog) {
        EXPECT_EQ(dialog.Template().Caption, "Printing");
        shown.push_back({{IDC_PRINTPAGE, dialog.GetItemText(IDC_PRINTPAGE)},
                         {IDC_PRINTTITLE, dialog.GetItemText(IDC_PRINTTITLE)},
                         {IDC_PRINTDEVICE, dialog.GetItemText(IDC_PRINTDEVICE)}});
    };
    ASSERT_TRUE(Print("/home/u/notes.txt"));

    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2][IDC_PRINTPAGE], "Now printing page 3 of");
    EXPECT_EQ(shown[2][IDC_PRINTTITLE], "\"/home/u/notes.txt\"");
    EXPECT_EQ(shown[2][IDC_PRINTDEVICE], "on Headless Printer");
    EXPECT_EQ(AbortDialogTemplate().Item(IDCANCEL)->Text, "Cancel");
}
