// How the conformance tests act on the window of a Find or Replace dialog
// as a user would; one implementation per platform layer.
#pragma once

#include "framework/FindReplaceDialog.h"

#include <memory>
#include <string>

class TFindReplaceDriver {
public:
    using TAction = TFindReplaceDialog::TAction;

    // The driver of a created dialog.
    static std::unique_ptr<TFindReplaceDriver> For(TFindReplaceDialog& dialog);
    virtual ~TFindReplaceDriver() = default;

    virtual bool Visible() const = 0;
    virtual TFindReplaceDialog::TControls Controls() const = 0;
    // Types the characters one by one at the end of the box's text.
    virtual void TypeFind(const std::string& text) = 0;
    virtual void TypeReplace(const std::string& text) = 0;
    virtual void ClearFind() = 0;
    virtual void SetOptions(bool wholeWord, bool matchCase, bool down) = 0;
    // False for a button the dialog does not have.
    virtual bool Enabled(TAction button) const = 0;
    virtual void Click(TAction button) = 0;
    // A key pressed while the find box has the focus.
    virtual void Key(unsigned virtualKey) = 0;
    virtual void CloseBox() = 0;
};
