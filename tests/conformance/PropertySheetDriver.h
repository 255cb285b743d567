// How the conformance tests act in a property sheet as a user would while
// it runs modally; one implementation per platform layer.
#pragma once

#include "framework/PropertySheet.h"

#include <functional>
#include <string>

class TPropertySheetUser {
public:
    using TButton = TPropertySheet::TButton;
    virtual ~TPropertySheetUser() = default;

    // Runs the sheet; user acts once it shows and leaves it closed.
    // Execute's answer.
    static int Run(TPropertySheet& sheet, const std::function<void(TPropertySheetUser&)>& user);

    virtual void ClickTab(size_t index) = 0;
    // A check box of the page shown.
    virtual void Click(int id) = 0;
    // Replaces the text of an edit box of the page shown.
    virtual void Type(int id, const std::string& text) = 0;
    virtual void Press(TButton button) = 0;
    virtual bool Open() const = 0;
    virtual size_t ShownPage() const = 0;
    virtual bool ApplyEnabled() const = 0;
};
