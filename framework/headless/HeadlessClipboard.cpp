// The headless desktop's clipboard: one text, kept by the desktop double.
#include "framework/Clipboard.h"
#include "framework/headless/HeadlessDesktop.h"

void SetClipboardText(const std::string& text) { THeadlessDesktop::Current().ClipboardText() = text; }
bool ClipboardHasText() { return THeadlessDesktop::Current().ClipboardHolds(); }
std::string GetClipboardText() { return THeadlessDesktop::Current().ClipboardContents(); }
