// The clipboard on Qt: the bytes are Windows-1252 text; control characters
// (the line ends among them) pass unchanged in both directions.
#include "framework/Clipboard.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/PlatformContext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

QString FromBytes(const std::string& text)
{
    const CodePage::TTable& table = CodePage::GlyphTable(TCodePage::Windows1252);
    QString out;
    out.reserve(qsizetype(text.size()));
    for (unsigned char b : text)
        out.append(b < 0x20 || b == 0x7F ? QChar(b) : QChar(table[b]));
    return out;
}

std::string ToBytes(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    for (const QChar ch : text) {
        const int b = ch.unicode() < 0x20 ? int(ch.unicode()) : CodePage::Windows1252Byte(ch.unicode());
        out.push_back(b < 0 ? '?' : char(b));
    }
    return out;
}

}  // namespace

void SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(FromBytes(text)); }

bool ClipboardHasText() { return PlatformContext::Get().Clipboard().HasText(); }

std::string GetClipboardText() { return ToBytes(QGuiApplication::clipboard()->text()); }
