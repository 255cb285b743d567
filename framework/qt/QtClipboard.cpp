// The clipboard on Qt. Other programs exchange UTF-8 text with LF line
// ends; the conversion to and from the program's block happens here only.
#include "framework/Clipboard.h"
#include "framework/qt/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// Qt offers "text/plain" to X11 programs as UTF8_STRING, STRING and TEXT;
// programs that ask for the charset by name find the second.
const QString PlainText = QStringLiteral("text/plain");
const QString Utf8Text = QStringLiteral("text/plain;charset=utf-8");

const QMimeData* Contents() { return QGuiApplication::clipboard()->mimeData(); }

}  // namespace

// The block is freed once converted: the desktop's copy is the only one
// the clipboard keeps.
void SetClipboardText(std::string&& block)
{
    const std::string owned = std::move(block);
    const QByteArray text = ClipboardText::Export(owned);
    auto* data = new QMimeData;
    data->setData(PlainText, text);
    data->setData(Utf8Text, text);
    QGuiApplication::clipboard()->setMimeData(data);
}

// An image or a file list alone is not text (QMimeData::hasText would take
// a file list for text).
bool ClipboardHasText()
{
    const QMimeData* data = Contents();
    return data && (data->hasFormat(Utf8Text) || data->hasFormat(PlainText));
}

std::string GetClipboardText()
{
    const QMimeData* data = Contents();
    if (!data)
        return {};
    if (data->hasFormat(Utf8Text))
        return ClipboardText::Import(data->data(Utf8Text));
    if (data->hasFormat(PlainText))
        return ClipboardText::Import(data->data(PlainText));
    return {};
}
