#include "framework/CheckBox.h"

void TCheckBox::SetCheck(unsigned state)
{
    State = state;
    Changed();
}

bool TCheckBox::IsPlain() const { return (GetStyle() & 0x0F) == BS_CHECKBOX; }

void TCheckBox::UserClick()
{
    if (!IsPlain())
        Toggle();
    Notify(BN_CLICKED);
}
