#include "framework/Printout.h"

void TPrintout::SetPrintParams(TDC* dc, TSize pageSize)
{
    DC = dc;
    PageSize = pageSize;
}

void TPrintout::GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage)
{
    minPage = maxPage = 1;
    selFromPage = selToPage = 0;
}
