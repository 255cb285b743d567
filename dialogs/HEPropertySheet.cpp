#include "dialogs/HEPropertySheet.h"

#include "framework/OwnerDraw.h"

intptr_t THEPropertySheet::DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    const intptr_t answer = TPropertySheet::DefWindowProc(message, wParam, lParam);
    if (message == WM_MEASUREITEM && lParam != 0)
        if (TWindow* child = ChildWithId(reinterpret_cast<TMeasureItemStruct*>(lParam)->CtlID))
            return child->SendMessage(message, wParam, lParam);
    return answer;
}
