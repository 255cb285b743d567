// THugeEditPrintout: one print job of the editor's text. The rows are
// wrapped to the printed width from GetDialogInfo until EndPrinting (or
// the printout's destruction), then to the window's width again; pages
// hold RowsPerPage rows each, drawn in the editor's font at the printer's
// resolution, with nothing else on the paper.
#pragma once

#include "core/LineArray.h"
#include "framework/Font.h"
#include "framework/Printout.h"

#include <memory>
#include <string>

class THugeEdit;

class THugeEditPrintout : public TPrintout {
public:
    THugeEditPrintout(THugeEdit& editor, const std::string& title);
    ~THugeEditPrintout() override;

    // Throws std::runtime_error when the printer font has no width or not
    // one row or one column fits between the margins.
    void SetPrintParams(TDC* dc, TSize pageSize) override;
    void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) override;
    bool HasPage(int page) override;
    void PrintPage(int page, TRect& rect, unsigned flags) override;
    void EndPrinting() override;
    // The set-up data's margins (2500ths of an inch) in dc's pixels.
    virtual void SetMargins(const TRect& margins, const TDC& dc);

    int Columns = 0;
    int RowsPerPage = 0;
    int CharWidth = 0;
    int LineHeight = 0;
    int SavedCols = 0;
    int PageCount = 1;
    int MarginLeft = 0;
    int MarginTop = 0;
    int MarginRight = 0;
    int MarginBottom = 0;
    std::unique_ptr<TFont> PrinterFont;
    THugeEdit& Editor;

private:
    // SavedCols holds the window's width (a width of 0 included).
    bool ColsSaved = false;
    // While a file loads, the rows read so far wrapped for the page: the
    // editor's own rows stay exactly as the loader cut them, since it goes
    // on appending to them.
    std::unique_ptr<THELineArray> LoadingRows;
    int WrappedCols = -1;  // the width the printed rows have; -1: not wrapped yet

    const THELineArray& Rows() const;
    void WrapRows();
    void CountPages();
    void RestoreWidth();
};
