// TTextGadgetEnabler: the enable query of a status-bar pane. The handler
// that answers it gives the pane's text; a check mark means nothing to a
// pane.
#pragma once

#include "framework/CommandEnabler.h"

class TNTextGadget;

class TTextGadgetEnabler : public TCommandEnabler {
public:
    TTextGadgetEnabler(TWindow& receiver, TNTextGadget& gadget);

    void SetText(const std::string& text) override;
    void SetCheck(bool) override {}

private:
    TNTextGadget& Gadget;
};
