#include "framework/ProfileText.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// One line of the text and what it holds.
struct TLine {
    enum class TKind { Blank, Section, Key, Other };
    TKind Kind = TKind::Blank;
    size_t Next = 0;             // where the following line begins
    std::string_view Name;       // of a section or a key, trimmed
    size_t ValueBegin = 0;       // a key's trimmed value in the text
    size_t ValueEnd = 0;
};

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

TLine ReadLine(std::string_view text, size_t pos)
{
    TLine line;
    const size_t feed = text.find('\n', pos);
    const size_t end = feed == std::string_view::npos ? text.size() : feed;
    line.Next = feed == std::string_view::npos ? text.size() : feed + 1;
    // A byte-order mark that some editors put first is not part of the line.
    if (pos == 0 && text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        pos = std::min(end, ByteOrderMark.size());
    const std::string_view content = text.substr(pos, end - pos);
    const std::string_view body = Trim(content);
    if (body.empty())
        return line;
    line.Kind = TLine::TKind::Other;
    if (body.front() == '[') {
        line.Kind = TLine::TKind::Section;
        line.Name = Trim(body.substr(1, body.find(']') - 1));
    } else if (const size_t eq = body.find('='); body.front() != ';' && eq != std::string_view::npos) {
        line.Name = Trim(body.substr(0, eq));
        if (line.Name.empty())
            return line;
        line.Kind = TLine::TKind::Key;
        const std::string_view value = Trim(body.substr(eq + 1));
        const size_t bodyAt = size_t(body.data() - text.data());
        line.ValueBegin = value.empty() ? bodyAt + body.size() : size_t(value.data() - text.data());
        line.ValueEnd = line.ValueBegin + value.size();
    }
    return line;
}

// Walks the lines, telling the visitor each line's start, the line, and
// whether it lies in a section of the name asked for; the visitor returns
// false to stop.
template <class TVisit>
void ForEachLine(std::string_view text, std::string_view section, TVisit visit)
{
    bool inSection = false;
    for (size_t pos = 0; pos < text.size();) {
        const TLine line = ReadLine(text, pos);
        if (line.Kind == TLine::TKind::Section)
            inSection = SameName(line.Name, section);
        if (!visit(pos, line, inSection))
            return;
        pos = line.Next;
    }
}

bool Holds(std::string_view s, std::string_view chars) { return s.find_first_of(chars) != std::string_view::npos; }

}  // namespace

std::optional<std::string_view> TProfileText::Find(std::string_view section, std::string_view key) const
{
    std::optional<std::string_view> found;
    ForEachLine(Text, section, [&](size_t, const TLine& line, bool inSection) {
        if (inSection && line.Kind == TLine::TKind::Key && SameName(line.Name, key))
            found = std::string_view(Text).substr(line.ValueBegin, line.ValueEnd - line.ValueBegin);
        return !found;
    });
    return found;
}

std::vector<std::string> TProfileText::Keys(std::string_view section) const
{
    std::vector<std::string> names;
    ForEachLine(Text, section, [&](size_t, const TLine& line, bool inSection) {
        if (inSection && line.Kind == TLine::TKind::Key &&
            std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, line.Name); }))
            names.emplace_back(line.Name);
        return true;
    });
    return names;
}

void TProfileText::Remove(std::string_view section, std::string_view key)
{
    std::optional<std::pair<size_t, size_t>> span;
    ForEachLine(Text, section, [&](size_t pos, const TLine& line, bool inSection) {
        if (inSection && line.Kind == TLine::TKind::Key && SameName(line.Name, key))
            span = {pos, line.Next};
        return !span;
    });
    if (span)
        Text.erase(span->first, span->second - span->first);
}

std::string_view TProfileText::LineEnd() const
{
    const size_t feed = Text.find('\n');
    return feed != std::string::npos && feed > 0 && Text[feed - 1] == '\r' ? "\r\n" : "\n";
}

bool TProfileText::Set(std::string_view section, std::string_view key, std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty() || Holds(section, "]\r\n") || Holds(key, "=\r\n") || key.front() == ';' ||
        key.front() == '[')
        return false;
    value = Trim(value.substr(0, value.find_first_of("\r\n")));

    // The key's line, or else the end of the last key (or of the heading)
    // of the first section of that name: comments after it may well be
    // about the next section.
    std::optional<TLine> keyLine;
    std::optional<size_t> sectionEnd;
    bool firstSectionDone = false;
    ForEachLine(Text, section, [&](size_t, const TLine& line, bool inSection) {
        if (!inSection) {
            firstSectionDone = firstSectionDone || sectionEnd.has_value();
            return true;
        }
        if (line.Kind == TLine::TKind::Key && SameName(line.Name, key)) {
            keyLine = line;
            return false;
        }
        if (!firstSectionDone && line.Kind != TLine::TKind::Blank && line.Kind != TLine::TKind::Other)
            sectionEnd = line.Next;
        return true;
    });

    if (keyLine) {
        Text.replace(keyLine->ValueBegin, keyLine->ValueEnd - keyLine->ValueBegin, value);
        return true;
    }
    const std::string eol(LineEnd());
    const std::string entry = std::string(key) + "=" + std::string(value) + eol;
    const size_t at = sectionEnd.value_or(Text.size());
    // The last line of a text may lack its line end.
    const std::string lead = at == Text.size() && !Text.empty() && Text.back() != '\n' ? eol : std::string();
    Text.insert(at, lead + (sectionEnd ? std::string() : "[" + std::string(section) + "]" + eol) + entry);
    return true;
}

int ParseProfileInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    constexpr int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    const int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
    return int(value);
}
