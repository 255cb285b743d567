#include "framework/MessageBar.h"

TMessageBar::TMessageBar(TWindow* parent, TGadget::TBorderStyle paneBorder, std::unique_ptr<TFont> font)
    : TGadgetWindow(parent, std::move(font))
{
    auto pane = std::make_unique<TTextGadget>(IDG_MESSAGE, paneBorder, TTextGadget::Left, 0);
    pane->WideAsPossible = true;
    Pane = pane.get();
    Insert(std::move(pane));
}

void TMessageBar::SetText(const std::string& text)
{
    Text = text;
    if (!ShowingHint)
        Pane->SetText(text);
}

void TMessageBar::SetHintText(const std::string& hint)
{
    ShowingHint = true;
    Pane->SetText(hint);
}

void TMessageBar::ClearHint()
{
    ShowingHint = false;
    Pane->SetText(Text);
}
