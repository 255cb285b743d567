// TStyleInfo: a display-style page of the Options sheet ("Text" or "Dos
// Text"): the font face from the printer's fixed-pitch families, the size,
// the tab spacing, the line spacing and the margin. Apply takes the fields
// in that order, storing each as soon as it passes; a value out of range
// is reported and stops the confirmation on this page.
#pragma once

#include "core/TextStyle.h"
#include "dialogs/FontCombo.h"
#include "framework/PropertyPage.h"

class TPrinter;

class TStyleInfo : public TPropertyPage {
public:
    TStyleInfo(TPropertySheet& sheet, const std::string& title, TTextStyle& style, TPrinter* printer);

    void SetupWindow() override;
    int Apply() override;
    void EvChildNotify(int id, unsigned code) override;
    // Measure requests go to the control they name.
    intptr_t DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;

private:
    TTextStyle& Style;
    TPrinter* Printer;
    TFontCombo FontBox;
    TComboBox SizeBox;
    TComboBox TabBox;
    TComboBox LineSpacingBox;
    TComboBox MarginBox;

    // The box's number if it lies in [low, high]; otherwise the message is
    // shown and nothing is given.
    std::optional<int32_t> Checked(const TComboBox& box, int32_t low, int32_t high, const char* message);
};
