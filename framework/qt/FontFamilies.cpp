#include "framework/qt/FontFamilies.h"

#include "framework/qt/CodePage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>

#include <cmath>

namespace {

// Narrow and wide letters, digits and punctuation: equal in a fixed font.
constexpr const char* Probe = "iWm.0 l_M";

// The regular style when the family has one, else its first.
QString PlainStyle(const QString& family)
{
    const QStringList styles = QFontDatabase::styles(family);
    for (const QString& style : styles)
        if (style.compare("Regular", Qt::CaseInsensitive) == 0 || style.compare("Book", Qt::CaseInsensitive) == 0 ||
            style.compare("Normal", Qt::CaseInsensitive) == 0 || style.compare("Medium", Qt::CaseInsensitive) == 0)
            return style;
    return styles.isEmpty() ? QString() : styles.front();
}

// The toolkit names a family offered by two foundries "Family [Foundry]";
// the face name is the family's own.
QString WithoutFoundry(const QString& family)
{
    const qsizetype bracket = family.lastIndexOf(QStringLiteral(" ["));
    return bracket > 0 && family.endsWith(QChar(']')) ? family.left(bracket) : family;
}

int32_t WindowsWeight(int qtWeight) { return qtWeight > 0 ? qtWeight : FW_NORMAL; }

// The toolkit lists fontconfig's generic names (Monospace, Serif, Sans
// Serif) beside the real families; each is drawn with another family.
bool IsAlias(const QString& family) { return QFontInfo(QFont(family)).family() != family; }

}  // namespace

bool HasFixedAdvances(const QString& family, bool claimed)
{
    QFont font(family);
    font.setPixelSize(20);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    const QString probe = QString::fromLatin1(Probe);
    if (!raw.isValid() || !raw.supportsCharacter(QChar('W')) || !raw.supportsCharacter(QChar('i')))
        return claimed;
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(probe.front());
    for (const QChar ch : probe)
        if (raw.supportsCharacter(ch) && std::abs(metrics.horizontalAdvance(ch) - width) > 0.01)
            return false;
    return true;
}

std::vector<TFontFamilyReport> DesktopFontFamilies()
{
    std::vector<TFontFamilyReport> reports;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || IsAlias(family))
            continue;
        const std::string name = CodePage::EightBitName(WithoutFoundry(family));
        if (name.empty())
            continue;
        const QString style = PlainStyle(family);
        TFontFamilyReport report;
        report.LogFont.FaceName = name;
        report.LogFont.Weight = WindowsWeight(QFontDatabase::weight(family, style));
        report.LogFont.Italic = QFontDatabase::italic(family, style) ? 1 : 0;
        const bool fixed = HasFixedAdvances(family, QFontDatabase::isFixedPitch(family, style));
        report.LogFont.PitchAndFamily = fixed ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_DONTCARE;
        // Outline fonts (TrueType, OpenType, Type 1) scale smoothly; bitmap
        // fonts come in fixed sizes.
        report.FontType = QFontDatabase::isSmoothlyScalable(family, style) ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE;
        report.StyleName = CodePage::EightBitName(style);
        reports.push_back(std::move(report));
    }
    return reports;
}
