// The headless desktop's clipboard keeps the block exactly as written.
#include "framework/Clipboard.h"
#include "framework/headless/HeadlessDesktop.h"

void SetClipboardText(std::string&& block) { THeadlessDesktop::Current().PutClipboardText(std::move(block)); }
bool ClipboardHasText() { return THeadlessDesktop::Current().ClipboardHoldsText(); }

std::string GetClipboardText()
{
    const THeadlessDesktop& desktop = THeadlessDesktop::Current();
    return desktop.ClipboardHoldsText() ? desktop.ClipboardBlock() : std::string();
}
