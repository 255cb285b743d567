#include "app/TextGadgetEnabler.h"

#include "app/NTextGadget.h"

TTextGadgetEnabler::TTextGadgetEnabler(TWindow& receiver, TNTextGadget& gadget)
    : TCommandEnabler(unsigned(gadget.GetId()), &receiver), Gadget(gadget)
{
}

void TTextGadgetEnabler::SetText(const std::string& text) { Gadget.SetText(text); }
