// TPrintout: one print job's pages as the printer object asks for them.
// The printer calls, in this order: GetDialogInfo, (the print dialog),
// SetPrintParams with the job's device context, BeginPrinting,
// BeginDocument, HasPage and PrintPage for each page asked for,
// EndDocument, EndPrinting. A job that ends early (a cancelled dialog, an
// error) skips the rest; the printout's destruction is the last word.
#pragma once

#include "framework/Types.h"

#include <string>

class TDC;

class TPrintout {
public:
    explicit TPrintout(const std::string& title) : Title(title) {}
    virtual ~TPrintout() = default;
    TPrintout(const TPrintout&) = delete;
    TPrintout& operator=(const TPrintout&) = delete;

    const std::string& GetTitle() const { return Title; }
    // The context pages are drawn on (null before SetPrintParams).
    TDC* GetDC() const { return DC; }
    TSize GetPageSize() const { return PageSize; }

    // Remembers the context and the printable page size in its pixels.
    virtual void SetPrintParams(TDC* dc, TSize pageSize);
    // The pages the print dialog offers; selFrom/selTo 0: no selection.
    virtual void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage);
    virtual void BeginPrinting() {}
    virtual void BeginDocument(int startPage, int endPage, unsigned flags) {}
    virtual bool HasPage(int page) { return page == 1; }
    // rect: the page's printable area in the context's pixels.
    virtual void PrintPage(int page, TRect& rect, unsigned flags) {}
    virtual void EndDocument() {}
    virtual void EndPrinting() {}

private:
    std::string Title;
    TDC* DC = nullptr;
    TSize PageSize;
};
