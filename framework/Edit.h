// TEdit: a one-line edit box of a dialog.
#pragma once

#include "framework/Control.h"

#include <string>

class TEdit : public TControl {
public:
    TEdit(TDialog& parent, int id);

    // At most limit characters, as a buffer of limit + 1 takes them.
    std::string GetText(size_t limit) const { return Text.substr(0, limit); }
    void SetText(const std::string& text);

    // The user changed the text to this.
    void UserEdit(const std::string& text);
    // What the box shows.
    const std::string& Shown() const { return Text; }

private:
    std::string Text;
};
