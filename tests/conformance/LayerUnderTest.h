// The platform layer a conformance test runs against, and what the tests
// need to do in it that the program itself never does: act as the user or
// as another program. Each layer's support (headless/, qt/) implements it.
#pragma once

#include "framework/Types.h"

#include <memory>
#include <string>
#include <vector>

class TPrinter;

class TLayerUnderTest {
public:
    TLayerUnderTest();
    ~TLayerUnderTest();
    TLayerUnderTest(const TLayerUnderTest&) = delete;
    TLayerUnderTest& operator=(const TLayerUnderTest&) = delete;

    // Lets the messages posted so far be dispatched, as the message loop
    // does when it next runs.
    void DispatchPosted();

    // Another program puts an image on the clipboard.
    void PutImageOnClipboard();

    // The user answers the next pop-up menu by clicking the item of this
    // command (0: by dismissing the menu). Every menu a test opens must be
    // answered.
    void AnswerNextPopupMenu(unsigned id);

    struct TShownItem {
        std::string Text;  // empty for a separator
        bool Enabled = false;
        bool Checked = false;
        friend bool operator==(const TShownItem&, const TShownItem&) = default;
    };
    struct TShownMenu {
        TPoint Point;  // screen coordinates
        std::vector<TShownItem> Items;
    };
    // The last pop-up menu as it was shown.
    TShownMenu LastPopupMenu() const;

    // The printer object prints into a file of the test's own (a PDF file
    // on Qt, the recorder headless).
    void PrintIntoScratch(TPrinter& printer);
    // The user answers the next print dialog: Print (all pages) or Cancel.
    void AnswerNextPrintDialog(bool print);
    // The pages of the last job that was sent to the end; 0 when none was.
    int PrintedPages() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl;
};
