// Message boxes: their texts, the button a click or a key answers with, the
// same on every platform layer.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/Dialogs.h"

#include <gtest/gtest.h>

namespace {

struct TBoxCase {
    unsigned Flags;
    int Click;     // 0: answered by Key
    unsigned Key;
    int Answer;
};

class MessageBoxConformance : public testing::TestWithParam<TBoxCase> {};

TEST_P(MessageBoxConformance, AnswersWithTheButtonChosen)
{
    const TBoxCase& c = GetParam();
    TLayerUnderTest layer;
    if (c.Click != 0)
        layer.ClickInNextMessageBox(c.Click);
    else
        layer.PressInNextMessageBox(c.Key);
    EXPECT_EQ(MessageBox(nullptr, "Save changes to notes.txt?", "Vantor", c.Flags), c.Answer);
    EXPECT_EQ(layer.LastMessageBox().Text, "Save changes to notes.txt?");
    EXPECT_EQ(layer.LastMessageBox().Caption, "Vantor");
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MessageBoxConformance,
    testing::Values(TBoxCase{MB_OK, 0, VK_RETURN, IDOK}, TBoxCase{MB_OK, 0, VK_ESCAPE, IDOK},
                    TBoxCase{MB_OKCANCEL, 0, VK_ESCAPE, IDCANCEL},
                    TBoxCase{MB_OKCANCEL | MB_DEFBUTTON2, 0, VK_RETURN, IDCANCEL},
                    TBoxCase{MB_YESNO | MB_ICONQUESTION, 0, VK_RETURN, IDYES},
                    TBoxCase{MB_YESNO, 0, VK_ESCAPE, IDNO}, TBoxCase{MB_YESNO, IDNO, 0, IDNO},
                    TBoxCase{MB_YESNOCANCEL | MB_DEFBUTTON2, 0, VK_RETURN, IDNO},
                    TBoxCase{MB_YESNOCANCEL | MB_ICONEXCLAMATION, IDCANCEL, 0, IDCANCEL},
                    TBoxCase{MB_YESNOCANCEL, 0, VK_ESCAPE, IDCANCEL}));

}  // namespace
