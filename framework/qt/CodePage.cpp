#include "framework/qt/CodePage.h"

#include "framework/Windows1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace CodePage {
namespace {

// Code page 437's glyphs for the control characters 0x00-0x1F.
constexpr char16_t Oem437Low[32] = {
    0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
};

// Code page 437 0x80-0xFF: accented letters, line drawing, Greek and maths.
constexpr char16_t Oem437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

constexpr char16_t Blank = 0x0020;

constexpr TTable MakeWindows1252Glyphs()
{
    TTable t{};
    for (unsigned b = 0; b < 256; ++b)
        t[b] = char16_t(b);
    for (unsigned b = 0; b < 0x20; ++b)
        t[b] = Blank;
    t[0x7F] = Blank;
    for (unsigned b = 0; b < 32; ++b)
        t[0x80 + b] = Windows1252::High[b] ? Windows1252::High[b] : Blank;
    // The soft hyphen would be drawn with no width; the window system shows
    // it as a hyphen.
    t[0xAD] = u'-';
    return t;
}

constexpr TTable MakeOem437Glyphs()
{
    TTable t{};
    for (unsigned b = 0; b < 0x80; ++b)
        t[b] = b < 0x20 ? Oem437Low[b] : char16_t(b);
    t[0x7F] = 0x2302;
    for (unsigned b = 0; b < 128; ++b)
        t[0x80 + b] = Oem437High[b];
    return t;
}

constexpr TTable Windows1252Glyphs = MakeWindows1252Glyphs();
constexpr TTable Oem437Glyphs = MakeOem437Glyphs();

}  // namespace

const TTable& GlyphTable(TCodePage page)
{
    return page == TCodePage::Oem437 ? Oem437Glyphs : Windows1252Glyphs;
}

char16_t Windows1252Char(unsigned char byte) { return Windows1252::CharacterOf(byte); }

int Windows1252Byte(char32_t ch)
{
    if (ch <= 0xFF)
        return Windows1252Char(static_cast<unsigned char>(ch)) == ch ? int(ch) : -1;
    const auto* end = std::end(Windows1252::High);
    const auto* found = std::find(std::begin(Windows1252::High), end, ch);
    return found != end ? int(0x80 + (found - std::begin(Windows1252::High))) : -1;
}

void Decode(std::string_view bytes, const TTable& table, QString& out)
{
    out.resize(qsizetype(bytes.size()));
    QChar* d = out.data();
    for (const char c : bytes)
        *d++ = QChar(table[static_cast<unsigned char>(c)]);
}

QString UiText(std::string_view text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(QByteArrayView(text.data(), qsizetype(text.size())));
    return utf8.hasError() ? Windows1252Text(text) : decoded;
}

// The five unused bytes keep their own code.
QString Windows1252Text(std::string_view text)
{
    QString out;
    out.reserve(qsizetype(text.size()));
    for (const char c : text)
        out += QChar(Windows1252Char(static_cast<unsigned char>(c)));
    return out;
}

std::string EightBitName(const QString& name)
{
    std::string bytes;
    for (const QChar ch : name) {
        const int byte = Windows1252Byte(ch.unicode());
        if (byte < 0x20)
            return {};
        bytes += char(byte);
    }
    return bytes;
}

}  // namespace CodePage
