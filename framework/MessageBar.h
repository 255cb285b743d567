// TMessageBar: a bar along the bottom of a frame with one pane of text as
// wide as the bar. While a hint is shown (the menu item or the button under
// the mouse) the pane shows it; otherwise its normal text.
#pragma once

#include "framework/GadgetWindow.h"
#include "framework/TextGadget.h"

#include <string>

class TMessageBar : public TGadgetWindow {
public:
    // The text pane's id.
    static constexpr int IDG_MESSAGE = 0;

    explicit TMessageBar(TWindow* parent, TGadget::TBorderStyle paneBorder = TGadget::None,
                         std::unique_ptr<TFont> font = nullptr);
    const char* GetClassName() const override { return "TMessageBar"; }

    void SetText(const std::string& text);
    const std::string& GetText() const { return Text; }
    void SetHintText(const std::string& hint);
    void ClearHint();
    // What the pane shows now: the hint while one is shown, else the text.
    const std::string& ShownText() const { return MessagePane().GetText(); }
    TTextGadget& MessagePane() const { return *Pane; }

private:
    std::string Text;
    bool ShowingHint = false;
    TTextGadget* Pane;
};
