#include "app/NTextGadget.h"

#include "app/TextGadgetEnabler.h"
#include "framework/GadgetWindow.h"

void TNTextGadget::CommandEnable()
{
    TGadgetWindow* window = GetGadgetWindow();
    if (!window || !window->IsCreated())
        return;
    TTextGadgetEnabler enabler(*window, *this);
    window->RouteCommandEnable(enabler);
}
