// The Print and Print Setup commands and the printer's margins at
// start-up, on the headless printer.
#include "AppHarness.h"

#include "print/HugeEditPrinter.h"
#include "view/CommandIds.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintCommands, SetUpMarginsStartFromTheTextStyleAndTheDialogChangesThem)
{
    TConfigHome config;
    config.WriteSettings("[WinText]\nMargin=25\n[DosText]\nMargin=3\n");
    TAppHarness run({}, &config);
    TRecordingApp& app = run.Start();
    THeadlessPrinting& printing = run.Desktop().Printing();
    EXPECT_EQ(app.Printer->GetSetupData().Margins, (TRect{735, 735, 735, 735}));  // MulDiv(25, 7200, 245)

    printing.AcceptPageSetup({1000, 500, 250, 0});
    ASSERT_TRUE(app.RouteCommand(CM_FILEPRINTSETUP));
    ASSERT_EQ(printing.PageSetups.size(), 1u);
    EXPECT_TRUE(printing.PageSetups[0].Flags & PSD_MARGINS);
    EXPECT_EQ(printing.PageSetups[0].Margins, (TRect{735, 735, 735, 735}));
    EXPECT_EQ(app.Printer->GetSetupData().Margins, (TRect{1000, 500, 250, 0}));
    EXPECT_FALSE(app.Printer->GetSetupData().Flags & PSD_MARGINS);

    printing.CancelPageSetup();
    app.RouteCommand(CM_FILEPRINTSETUP);
    EXPECT_EQ(app.Printer->GetSetupData().Margins, (TRect{1000, 500, 250, 0}));

    // The next job's first row stands at the new margins (300 dots per inch).
    printing.Device.Offset = {0, 0};
    app.PrintForReal = true;
    run.Editor().InsertText("x");
    ASSERT_TRUE(app.RouteCommand(CM_FILEPRINT));
    ASSERT_EQ(printing.Jobs.size(), 1u);
    const TDrawCall* text = nullptr;
    for (const TDrawCall& call : printing.Jobs[0].Pages.at(0))
        if (call.Kind == TDrawCall::TKind::Text)
            text = &call;
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->X, 120);
    EXPECT_EQ(text->Y, 60);
}

TEST(PrintCommands, AFailureWhilePrintingIsShownAsPrintingFailed)
{
    TAppHarness run;
    TRecordingApp& app = run.Start();
    app.PrintForReal = true;
    run.Desktop().Printing().Device.CanMakeDC = false;
    ASSERT_TRUE(app.RouteCommand(CM_FILEPRINT));

    const auto& boxes = run.Desktop().Dialogs().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, "Printing Failed");
    EXPECT_EQ(boxes[0].Text, "No printer context can be made for Headless Printer.");
    EXPECT_EQ(boxes[0].Owner, run.App().Editor);
}

}  // namespace
