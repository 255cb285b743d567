// THeadlessFindReplace: a Find or Replace dialog on the headless desktop.
// It holds what the dialog's controls would show, and tests act on it as a
// user would: type into the boxes, tick the options, press buttons and
// keys. Buttons that are greyed or that the dialog lacks do nothing.
#pragma once

#include "framework/FindReplacePeer.h"

#include <string>

class THeadlessDesktop;

class THeadlessFindReplace : public TFindReplacePeer {
public:
    using TAction = TFindReplaceDialog::TAction;

    THeadlessFindReplace(THeadlessDesktop& desktop, TFindReplaceDialog& dialog);
    ~THeadlessFindReplace() override;
    THeadlessFindReplace(const THeadlessFindReplace&) = delete;
    THeadlessFindReplace& operator=(const THeadlessFindReplace&) = delete;

    // --- what tests read ------------------------------------------------------
    TFindReplaceDialog::TKind Kind() const { return Dialog.Kind(); }
    bool IsVisible() const override { return Visible; }
    TFindReplaceDialog::TControls Controls() const override { return State; }
    // Cancel is always there and enabled; the others need a find text, and
    // Replace and Replace All exist in the Replace dialog only.
    bool IsEnabled(TAction button) const;

    // --- what the user does -----------------------------------------------------
    // Replaces the box's text, as far as the box takes it.
    void TypeFind(const std::string& text);
    void TypeReplace(const std::string& text);
    void SetWholeWord(bool on) { State.WholeWord = on; }
    void SetMatchCase(bool on) { State.MatchCase = on; }
    // The direction buttons are in the Find dialog only.
    void SetDown(bool down);
    void Click(TAction button);
    // Enter presses Find Next, Escape closes.
    void PressKey(unsigned virtualKey);
    void CloseBox() { Click(TAction::Close); }

    void Hide() override;
    // The desktop is going away before the dialog.
    void Detach() { Desktop = nullptr; }

private:
    THeadlessDesktop* Desktop;
    TFindReplaceDialog& Dialog;
    TFindReplaceDialog::TControls State;
    bool Visible = true;
};
