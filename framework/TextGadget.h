// TTextGadget: a pane of text on a gadget window, so many characters wide,
// with its text aligned left, centred or right and cut where the pane ends.
#pragma once

#include "framework/Gadget.h"

#include <string>

class TTextGadget : public TGadget {
public:
    enum TAlign { Left, Center, Right };

    TTextGadget(int id = 0, TBorderStyle borderStyle = Recessed, TAlign align = Left, unsigned numChars = 10,
                const std::string& text = {});

    const std::string& GetText() const { return Text; }
    // Repaints the pane when the text changed.
    void SetText(const std::string& text);
    unsigned GetNumChars() const { return NumChars; }
    TAlign GetAlign() const { return Align; }

    // A pane that fits its text grows beyond its width in characters while
    // its text needs more, so the text is never cut.
    void SetFitText(bool fit) { FitText = fit; }

    void GetDesiredSize(TSize& size) override;
    void Paint(TDC& dc) override;

private:
    std::string Text;
    TAlign Align;
    unsigned NumChars;
    bool FitText = false;

    int TextWidth(const std::string& text) const;
};
