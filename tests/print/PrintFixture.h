// An editor on the headless desktop with the application's printer object,
// and the headless printer set to a page of so many columns and rows of
// the editor's font (12 points: 50 pixels high, 30 wide at 300 dots per
// inch).
#pragma once

#include "print/HugeEditPrinter.h"
#include "print/HugeEditPrintout.h"
#include "tests/support/EditorFixture.h"

#include <string>
#include <vector>

class TPrintFixture : public TEditorFixture {
protected:
    static constexpr int PrintedCharWidth = 30;
    static constexpr int PrintedLineHeight = 50;

    THugeEditPrinter Printer;

    THeadlessPrinting& Printing() { return Desktop.Printing(); }

    // A page that holds cols x rows cells within the margins (no offsets).
    void PageOf(int cols, int rows)
    {
        Printing().Device.Printable = {cols * PrintedCharWidth, rows * PrintedLineHeight};
        Printing().Device.Offset = {0, 0};
        Printer.GetSetupData().Margins = {};
    }

    // Prints as the Print command does; returns what Print answered.
    bool Print(const std::string& title = "notes.txt")
    {
        THugeEditPrintout printout(*Edit, title);
        return Printer.Print(Edit.get(), printout, true);
    }

    std::string Lines(int from, int to)  // rows "0".."n" of a numbered text
    {
        std::string text;
        for (int i = from; i < to; ++i)
            text += std::to_string(i) + "\n";
        return text;
    }

    // The texts drawn on each page of a job, in order.
    static std::vector<std::vector<std::string>> PageTexts(const THeadlessPrintJob& job)
    {
        std::vector<std::vector<std::string>> pages;
        for (const TDrawLog& page : job.Pages) {
            pages.emplace_back();
            for (const TDrawCall& call : page)
                if (call.Kind == TDrawCall::TKind::Text)
                    pages.back().push_back(call.Text);
        }
        return pages;
    }

    static std::vector<const TDrawCall*> TextCalls(const TDrawLog& page)
    {
        std::vector<const TDrawCall*> calls;
        for (const TDrawCall& call : page)
            if (call.Kind == TDrawCall::TKind::Text)
                calls.push_back(&call);
        return calls;
    }
};
