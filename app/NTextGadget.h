// TNTextGadget: a status-bar pane whose text the command route answers at
// idle time (the row count, the caret position).
#pragma once

#include "framework/TextGadget.h"

class TNTextGadget : public TTextGadget {
public:
    using TTextGadget::TTextGadget;

    // Asks the route, through a TTextGadgetEnabler, for the pane's text.
    void CommandEnable() override;
};
