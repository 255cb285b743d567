#include "framework/qt/FileDialogFilter.h"

#include "framework/qt/CodePage.h"

#include <QRegularExpression>

namespace FileDialogFilter {
namespace {

QString QtPatterns(const QString& patterns)
{
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list) {
        pattern = pattern.trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    }
    return list.join(QLatin1Char(' '));
}

// A description that already names its patterns in parentheses keeps only
// its words; the toolkit reads the patterns from the parentheses it gets.
QString Words(const QString& description)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return QString(description).remove(trailingPatterns);
}

}  // namespace

QStringList NameFilters(const std::string& filter)
{
    const QStringList parts = CodePage::UiText(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QtPatterns(parts[i + 1]);
        if (!patterns.isEmpty())
            filters << Words(parts[i]) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

std::string WithDefaultExtension(const std::string& path, const std::string& defExt)
{
    const size_t nameStart = path.find_last_of('/');
    const size_t dot = path.find('.', nameStart == std::string::npos ? 0 : nameStart + 1);
    const std::string ext = defExt.starts_with('.') ? defExt.substr(1) : defExt;
    if (ext.empty() || dot != std::string::npos || path.empty())
        return path;
    return path + "." + ext;
}

}  // namespace FileDialogFilter
