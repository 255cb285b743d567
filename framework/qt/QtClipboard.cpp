// The clipboard on Qt. Other programs exchange UTF-8 text with LF line
// ends; the conversion to and from the program's block happens in
// ClipboardText only.
#include "framework/Clipboard.h"
#include "framework/qt/ClipboardText.h"
#include "framework/qt/PlatformContext.h"

#include <QClipboard>
#include <QGuiApplication>

// The block is freed once converted: the desktop's copy is the only one
// the clipboard keeps.
void SetClipboardText(std::string&& block)
{
    const std::string owned = std::move(block);
    QGuiApplication::clipboard()->setMimeData(ClipboardText::ExportAsMimeData(owned));
}

// Asked at every idle moment: the answer is kept until the clipboard changes.
bool ClipboardHasText() { return PlatformContext::Get().Clipboard().HasText(); }

std::string GetClipboardText() { return ClipboardText::ImportFrom(QGuiApplication::clipboard()->mimeData()); }
