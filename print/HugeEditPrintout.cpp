#include "print/HugeEditPrintout.h"

#include "core/DisplayColumn.h"
#include "core/HugeEdit.h"
#include "core/Reflow.h"
#include "framework/DC.h"
#include "framework/PrinterPeer.h"

#include <algorithm>
#include <stdexcept>

namespace {

int PixelsOf(int64_t units, int dotsPerInch) { return int(int64_t(dotsPerInch) * units / MarginUnitsPerInch); }

// Integer pixel arithmetic that cannot overflow: 64 bits, clipped back.
int Clip(int64_t value) { return int(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

}  // namespace

THugeEditPrintout::THugeEditPrintout(THugeEdit& editor, const std::string& title) : TPrintout(title), Editor(editor) {}

THugeEditPrintout::~THugeEditPrintout()
{
    try {
        RestoreWidth();
    } catch (...) {
        // Nothing more can be done for the window while unwinding.
    }
}

void THugeEditPrintout::SetMargins(const TRect& margins, const TDC& dc)
{
    const int dpiX = dc.GetDeviceCaps(LOGPIXELSX);
    const int dpiY = dc.GetDeviceCaps(LOGPIXELSY);
    MarginLeft = PixelsOf(margins.left, dpiX);
    MarginRight = PixelsOf(margins.right, dpiX);
    MarginTop = PixelsOf(margins.top, dpiY);
    MarginBottom = PixelsOf(margins.bottom, dpiY);
}

void THugeEditPrintout::SetPrintParams(TDC* dc, TSize pageSize)
{
    TPrintout::SetPrintParams(dc, pageSize);
    TTextStyle style;
    Editor.GetStyle(style);
    const int dpiY = dc->GetDeviceCaps(LOGPIXELSY);
    const int fontHeight = MulDiv(style.FontSize, dpiY, 72);
    PrinterFont.reset();
    PrinterFont = std::make_unique<TFont>(style.FaceName, fontHeight);
    dc->SelectFont(*PrinterFont);
    int width = 0;
    const bool measured = PrinterFont->GetCharWidth('a', width);
    dc->RestoreObjects();
    if (!measured || width <= 0)
        throw std::runtime_error("The font \"" + style.FaceName + "\" has no width on the printer, so nothing can be printed with it.");
    CharWidth = width;
    LineHeight = MulDiv(style.LineSpacing, dpiY, 72) + fontHeight;
    MarginLeft = std::max(MarginLeft, dc->GetDeviceCaps(PHYSICALOFFSETX));
    MarginRight = std::max(MarginRight, dc->GetDeviceCaps(PHYSICALOFFSETX));
    MarginTop = std::max(MarginTop, dc->GetDeviceCaps(PHYSICALOFFSETY));
    MarginBottom = std::max(MarginBottom, dc->GetDeviceCaps(PHYSICALOFFSETY));
    const int64_t across = int64_t(pageSize.cx) - MarginLeft - MarginRight;
    const int64_t down = int64_t(pageSize.cy) - MarginTop - MarginBottom;
    Columns = Clip(across / CharWidth);
    RowsPerPage = LineHeight > 0 ? Clip(down / LineHeight) : 0;
    if (RowsPerPage < 1 || Columns < 1)
        throw std::runtime_error(std::string("Not even one ") + (Columns < 1 ? "character" : "row") +
                                 " of text fits between the margins of the page. Choose smaller margins with Print "
                                 "Setup.");
    // A printer chosen in the print dialog may have another page: the rows
    // follow its width, and no row is left off its pages.
    if (WrappedCols >= 0 && WrappedCols != Columns)
        WrapRows();
    if (WrappedCols >= 0)
        CountPages();
}

void THugeEditPrintout::GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage)
{
    WrapRows();
    CountPages();
    minPage = 1;
    maxPage = PageCount;
    selFromPage = selToPage = 0;
}

void THugeEditPrintout::WrapRows()
{
    if (Editor.IsLoading()) {
        LoadingRows = std::make_unique<THELineArray>();
        // Views of the rows' text: the loader below us waits until printing
        // is over, and nothing edits its rows meanwhile.
        for (TRowIndex r = 0; r < Editor.Lines.Size(); ++r)
            LoadingRows->Append(TRow::ViewOf(Editor.Lines[r].data(), Editor.Lines[r].size()));
        if (LoadingRows->Size() == 0)
            LoadingRows->Append(TRow("\n"));
        ReflowRows(*LoadingRows, 0, 0, true, {Editor.WordWrap, Columns, Editor.TabSize});
    } else {
        if (!ColsSaved) {
            SavedCols = Editor.WindowCols;
            ColsSaved = true;
        }
        Editor.RewrapToWidth(Columns);
    }
    WrappedCols = Columns;
}

void THugeEditPrintout::CountPages()
{
    const int64_t rows = Rows().Size();
    PageCount = Clip(std::max<int64_t>(1, (rows + RowsPerPage - 1) / RowsPerPage));
}

const THELineArray& THugeEditPrintout::Rows() const { return LoadingRows ? *LoadingRows : Editor.Lines; }

bool THugeEditPrintout::HasPage(int page) { return page >= 1 && page <= PageCount; }

void THugeEditPrintout::PrintPage(int page, TRect& rect, unsigned flags)
{
    TDC& dc = *GetDC();
    dc.SelectFont(*PrinterFont);
    const THELineArray& rows = Rows();
    const int64_t first = int64_t(page - 1) * RowsPerPage;
    const int64_t end = std::min<int64_t>(first + RowsPerPage, rows.Size());
    const int tabDistance = Clip(int64_t(EffectiveTabSize(Editor.TabSize)) * CharWidth);
    // Characters past twice the page's columns would be off the paper.
    const size_t maxChars = size_t(Columns) * 2;
    int64_t y = MarginTop;
    for (int64_t r = first; r < end; ++r, y += LineHeight) {
        std::string_view text = rows[TRowIndex(r)].View();
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        text = text.substr(0, maxChars);
        if (!text.empty())
            dc.TabbedTextOut(MarginLeft, Clip(y), text, tabDistance, MarginLeft);
    }
    dc.RestoreObjects();
}

void THugeEditPrintout::EndPrinting()
{
    TPrintout::EndPrinting();
    RestoreWidth();
}

void THugeEditPrintout::RestoreWidth()
{
    if (!ColsSaved)
        return;
    ColsSaved = false;
    Editor.RewrapToWidth(SavedCols);
    SavedCols = 0;
}
