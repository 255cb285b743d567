// A print job on either layer: the printout's operations in the order the
// printer object promises, on a context that measures a real page, and a
// cancelled print dialog that prints nothing.
#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/Printer.h"
#include "framework/Printout.h"
#include "tests/conformance/LayerUnderTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TRecordingPrintout : public TPrintout {
public:
    TRecordingPrintout() : TPrintout("three pages") {}
    std::vector<std::string> Calls;
    std::vector<int> Caps;  // HORZRES, VERTRES, LOGPIXELSX, LOGPIXELSY, offsets

    void SetPrintParams(TDC* dc, TSize pageSize) override
    {
        TPrintout::SetPrintParams(dc, pageSize);
        Calls.push_back("SetPrintParams");
        for (int cap : std::initializer_list<int>{HORZRES, VERTRES, LOGPIXELSX, LOGPIXELSY, PHYSICALOFFSETX, PHYSICALOFFSETY})
            Caps.push_back(dc->GetDeviceCaps(cap));
        EXPECT_EQ(pageSize, (TSize{Caps[0], Caps[1]}));
    }
    void GetDialogInfo(int& minPage, int& maxPage, int& selFrom, int& selTo) override
    {
        Calls.push_back("GetDialogInfo");
        minPage = 1;
        maxPage = 3;
        selFrom = selTo = 0;
    }
    void BeginPrinting() override { Calls.push_back("BeginPrinting"); }
    void BeginDocument(int from, int to, unsigned) override
    {
        Calls.push_back("BeginDocument " + std::to_string(from) + "-" + std::to_string(to));
    }
    bool HasPage(int page) override { return page <= 3; }
    void PrintPage(int page, TRect&, unsigned) override
    {
        Calls.push_back("PrintPage " + std::to_string(page));
        TFont font("Courier New", GetDC()->GetDeviceCaps(LOGPIXELSY) / 6);
        GetDC()->SelectFont(font);
        GetDC()->TabbedTextOut(0, 0, "page " + std::to_string(page), 0, 0);
        GetDC()->RestoreObjects();
    }
    void EndDocument() override { Calls.push_back("EndDocument"); }
    void EndPrinting() override { Calls.push_back("EndPrinting"); }
};

TEST(PrintJobConformance, AnAcceptedDialogPrintsEveryPageInTheProtocolsOrder)
{
    TLayerUnderTest layer;
    TPrinter printer;
    layer.PrintIntoScratch(printer);
    TRecordingPrintout printout;
    layer.AnswerNextPrintDialog(true);

    ASSERT_TRUE(printer.Print(nullptr, printout, true));
    EXPECT_EQ(printout.Calls,
              (std::vector<std::string>{"GetDialogInfo", "SetPrintParams", "BeginPrinting", "BeginDocument 1-3",
                                        "PrintPage 1", "PrintPage 2", "PrintPage 3", "EndDocument", "EndPrinting"}));
    EXPECT_EQ(layer.PrintedPages(), 3);
    ASSERT_EQ(printout.Caps.size(), 6u);
    EXPECT_GE(printout.Caps[2], 72) << "dots per inch across";
    EXPECT_GE(printout.Caps[3], 72) << "dots per inch down";
    // At least 4 inches by 4 of printable page, inside a paper edge.
    EXPECT_GE(printout.Caps[0], 4 * printout.Caps[2]);
    EXPECT_GE(printout.Caps[1], 4 * printout.Caps[3]);
    EXPECT_GE(printout.Caps[4], 0);
    EXPECT_GE(printout.Caps[5], 0);
}

TEST(PrintJobConformance, ACancelledDialogPrintsNothingAndEndsTheProtocol)
{
    TLayerUnderTest layer;
    TPrinter printer;
    layer.PrintIntoScratch(printer);
    TRecordingPrintout printout;
    layer.AnswerNextPrintDialog(false);

    EXPECT_FALSE(printer.Print(nullptr, printout, true));
    EXPECT_EQ(printout.Calls, std::vector<std::string>{"GetDialogInfo"});
    EXPECT_EQ(layer.PrintedPages(), 0);
    EXPECT_EQ(printer.GetError(), 0);
}

}  // namespace
