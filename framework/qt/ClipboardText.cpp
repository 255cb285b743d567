#include "framework/qt/ClipboardText.h"

#include <QMimeData>

#include "framework/qt/CodePage.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace ClipboardText {
namespace {

// A byte's character, encoded as UTF-8 (Windows-1252 needs at most three).
struct TUtf8 {
    uint8_t Size = 0;
    char Bytes[3] = {};
};

TUtf8 Encode(char16_t ch)
{
    TUtf8 u;
    if (ch < 0x80) {
        u.Bytes[u.Size++] = char(ch);
    } else if (ch < 0x800) {
        u.Bytes[u.Size++] = char(0xC0 | (ch >> 6));
        u.Bytes[u.Size++] = char(0x80 | (ch & 0x3F));
    } else {
        u.Bytes[u.Size++] = char(0xE0 | (ch >> 12));
        u.Bytes[u.Size++] = char(0x80 | ((ch >> 6) & 0x3F));
        u.Bytes[u.Size++] = char(0x80 | (ch & 0x3F));
    }
    return u;
}

const std::array<TUtf8, 256>& Utf8Table()
{
    static const std::array<TUtf8, 256> table = [] {
        std::array<TUtf8, 256> t;
        for (unsigned b = 0; b < 256; ++b)
            t[b] = Encode(CodePage::Windows1252Char(static_cast<unsigned char>(b)));
        return t;
    }();
    return table;
}

bool CrLfAt(std::string_view text, size_t i) { return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'; }

constexpr uint64_t Ones = 0x0101010101010101ull;
constexpr uint64_t Highs = 0x8080808080808080ull;

// Whether one of eight bytes is ASCII's `stop` or above ASCII (the classic
// zero-byte test, exact as a yes or no).
bool HasStopOrHigh(uint64_t eight, unsigned char stop)
{
    const uint64_t x = eight ^ (Ones * stop);
    return ((eight & Highs) | ((x - Ones) & ~x & Highs)) != 0;
}

// How many bytes from p on are ASCII other than stop: those pass the
// boundary unchanged. Eight at a time, as most text is such runs.
size_t AsciiRun(const char* p, size_t n, unsigned char stop)
{
    size_t i = 0;
    for (uint64_t eight = 0; i + 8 <= n; i += 8) {
        std::memcpy(&eight, p + i, 8);
        if (HasStopOrHigh(eight, stop))
            break;
    }
    while (i < n && static_cast<unsigned char>(p[i]) < 0x80 && static_cast<unsigned char>(p[i]) != stop)
        ++i;
    return i;
}

// Walks the text as runs that stay as they are and single bytes (CR and
// those above ASCII) that need the table.
template <class TRun, class TByte>
void ForEachPart(std::string_view text, TRun run, TByte byte)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = AsciiRun(text.data() + i, text.size() - i, '\r');
        run(text.data() + i, n);
        i += n;
        if (i < text.size())
            byte(i);
    }
}

// The length of the UTF-8 sequence at p and its character in ch; 0 when
// the bytes there are not one (truncated, overlong, a surrogate, too large).
size_t DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& ch)
{
    const unsigned lead = p[0];
    if (lead < 0x80) {
        ch = lead;
        return 1;
    }
    size_t n = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0)
        n = 2, ch = lead & 0x1F, least = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        n = 3, ch = lead & 0x0F, least = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        n = 4, ch = lead & 0x07, least = 0x10000;
    else
        return 0;
    if (size_t(end - p) < n)
        return 0;
    for (size_t i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        ch = (ch << 6) | (p[i] & 0x3F);
    }
    const bool surrogate = ch >= 0xD800 && ch <= 0xDFFF;
    return ch < least || ch > 0x10FFFF || surrogate ? 0 : n;
}

}  // namespace

// Two passes: the first counts, so that the text is allocated once at its
// exact size however large the selection. A CR before an LF is dropped.
QByteArray Export(std::string_view block)
{
    const std::string_view text = block.substr(0, block.find('\0'));
    const std::array<TUtf8, 256>& table = Utf8Table();
    auto utf8 = [&](size_t i) -> const TUtf8& {
        static const TUtf8 nothing;
        return CrLfAt(text, i) ? nothing : table[static_cast<unsigned char>(text[i])];
    };
    qsizetype size = 0;
    ForEachPart(text, [&size](const char*, size_t n) { size += qsizetype(n); },
                [&](size_t i) { size += utf8(i).Size; });
    QByteArray out(size, Qt::Uninitialized);
    char* d = out.data();
    auto put = [&d](const char* p, size_t n) {
        std::memcpy(d, p, n);
        d += n;
    };
    ForEachPart(text, put, [&](size_t i) { put(utf8(i).Bytes, utf8(i).Size); });
    return out;
}

// A character never takes fewer bytes in UTF-8 than in Windows-1252, so the
// block fits in the input's size plus its NUL.
std::string Import(QByteArrayView utf8)
{
    std::string block;
    block.reserve(size_t(utf8.size()) + 1);
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        const size_t run = AsciiRun(reinterpret_cast<const char*>(p), size_t(end - p), 0);
        block.append(reinterpret_cast<const char*>(p), run);
        p += run;
        if (p == end || *p == 0)
            break;
        char32_t ch = 0;
        const size_t n = DecodeUtf8(p, end, ch);
        const int b = n == 0 ? -1 : CodePage::Windows1252Byte(ch);
        block.push_back(b < 0 ? '?' : char(b));
        p += n == 0 ? 1 : n;
    }
    block.push_back('\0');
    return block;
}

}  // namespace ClipboardText

namespace ClipboardText {

namespace {

// Qt offers "text/plain" to X11 programs as UTF8_STRING, STRING and TEXT;
// programs that ask for the charset by name find the second.
const QString PlainText = QStringLiteral("text/plain");
const QString Utf8Text = QStringLiteral("text/plain;charset=utf-8");

}  // namespace

bool IsText(const QMimeData* data) { return data && (data->hasFormat(Utf8Text) || data->hasFormat(PlainText)); }

std::string ImportFrom(const QMimeData* data)
{
    if (!data)
        return {};
    if (data->hasFormat(Utf8Text))
        return Import(data->data(Utf8Text));
    if (data->hasFormat(PlainText))
        return Import(data->data(PlainText));
    return {};
}

QMimeData* ExportAsMimeData(std::string_view block)
{
    const QByteArray text = Export(block);
    auto* data = new QMimeData;
    data->setData(PlainText, text);
    data->setData(Utf8Text, text);
    return data;
}

}  // namespace ClipboardText
