// TFont for Qt: a font whose cell (ascent plus descent) fits the asked
// pixel height, as the window system's CreateFont makes one.
#include "framework/Font.h"
#include "framework/Platform.h"
#include "framework/qt/FontImpl.h"
#include "framework/qt/PlatformContext.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int DefaultCellHeight = 16;  // what a height of 0 asks for

// The OEM font's stand-ins, in order of preference: monospace faces with
// the line-drawing characters.
QString OemFamily()
{
    for (const char* family : {"DejaVu Sans Mono", "Liberation Mono"})
        if (QFontDatabase::hasFamily(QString::fromLatin1(family)))
            return QString::fromLatin1(family);
    return QStringLiteral("monospace");
}

QFont BaseFont(const std::string& face, TCodePage page, int weight)
{
    // Other faces, such as "Courier New", resolve through fontconfig's aliases.
    QFont font(page == TCodePage::Oem437 ? OemFamily() : CodePage::UiText(face));
    if (page == TCodePage::Oem437)
        font.setStyleHint(QFont::TypeWriter);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    if (weight > 0)
        font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    return font;
}

int CellOf(const QFont& font)
{
    const QFontMetrics m(font);
    return m.ascent() + m.descent();
}

// A positive height is the cell height: start at that pixel size and shrink
// until the cell fits. A negative one is the character (em) height.
void FitCellHeight(QFont& font, int height)
{
    if (height < 0) {
        font.setPixelSize(-height);
        return;
    }
    const int cell = height > 0 ? height : DefaultCellHeight;
    int size = cell;
    font.setPixelSize(size);
    for (int measured = CellOf(font); measured > cell && size > 1; measured = CellOf(font)) {
        size = std::max(1, std::min(size - 1, size * cell / measured));
        font.setPixelSize(size);
    }
}

std::unique_ptr<TFont::TImpl> MakeImpl(const std::string& face, int height, int weight, TCodePage page)
{
    PlatformContext::Get();  // fonts need the application object
    auto impl = std::make_unique<TFont::TImpl>();
    impl->Font = BaseFont(face, page, weight);
    FitCellHeight(impl->Font, height);
    impl->Glyphs = &CodePage::GlyphTable(page);
    const QFontMetrics m(impl->Font);
    impl->Ascent = m.ascent();
    impl->Descent = m.descent();
    impl->AverageCharWidth = m.averageCharWidth();
    impl->Raw = QRawFont::fromFont(impl->Font);
    for (unsigned b = 0; b < 256; ++b) {
        const QChar glyph((*impl->Glyphs)[b]);
        impl->Advances[b] = int16_t(m.horizontalAdvance(glyph));
        if (impl->Raw.isValid()) {
            const QList<quint32> index = impl->Raw.glyphIndexesForString(QString(glyph));
            impl->GlyphOf[b] = index.isEmpty() ? 0 : index.front();
        }
    }
    impl->Usable = impl->Ascent + impl->Descent > 0 && impl->Advance('a') > 0;
    return impl;
}

}  // namespace

int64_t TFont::TImpl::Width(std::string_view bytes) const
{
    int64_t width = 0;
    for (const char c : bytes)
        width += Advances[static_cast<unsigned char>(c)];
    return width;
}

TFont::TFont(const std::string& faceName, int height, int weight)
    : Face(faceName), CellHeight(height), Page(CodePageOfFace(faceName)),
      Data(MakeImpl(faceName, height, weight, Page))
{
}

TFont::~TFont() = default;

bool TFont::GetCharWidth(unsigned char ch, int& width) const
{
    if (!Data || !Data->Usable)
        return false;
    width = Data->Advance(ch);
    return true;
}

int ScreenLogPixelsY() { return Platform::ScreenLogPixelsY(); }

std::string DrawnFaceName(const std::string& faceName)
{
    return CodePage::EightBitName(QFontInfo(BaseFont(faceName, CodePageOfFace(faceName), 400)).family());
}
