// TCheckBox: a check box of a dialog. A plain one (BS_CHECKBOX) does not
// toggle itself when clicked: its dialog hears of the click and decides.
#pragma once

#include "framework/Control.h"

enum : unsigned { BST_UNCHECKED = 0, BST_CHECKED = 1 };

class TCheckBox : public TControl {
public:
    TCheckBox(TDialog& parent, int id) : TControl(parent, id) {}

    unsigned GetCheck() const { return State; }
    void SetCheck(unsigned state);
    void Toggle() { SetCheck(State == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); }
    bool IsPlain() const;

    // The user clicks the box.
    void UserClick();

private:
    unsigned State = BST_UNCHECKED;
};
