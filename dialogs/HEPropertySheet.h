// THEPropertySheet: the Options sheet. Beyond the framework's sheet it
// hands a measure request, after the default handling, to the child that
// the request names.
#pragma once

#include "framework/PropertySheet.h"

class THEPropertySheet : public TPropertySheet {
public:
    using TPropertySheet::TPropertySheet;

    intptr_t DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;
};
