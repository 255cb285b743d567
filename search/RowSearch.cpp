#include "search/RowSearch.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Byte folding for the case-insensitive comparison: only A-Z fold.
struct TFoldTable {
    std::array<unsigned char, 256> Fold{};
    TFoldTable()
    {
        for (int c = 0; c < 256; ++c)
            Fold[size_t(c)] = (c >= 'A' && c <= 'Z') ? (unsigned char)(c - 'A' + 'a') : (unsigned char)c;
    }
};

const TFoldTable& Folding()
{
    static const TFoldTable table;
    return table;
}

class TMatcher {
public:
    TMatcher(std::string_view text, bool matchCase, bool wholeWord)
        : Text(text), MatchCase(matchCase), WholeWord(wholeWord), Fold(Folding().Fold)
    {
    }

    bool At(std::string_view row, size_t p) const
    {
        if (p + Text.size() > row.size())
            return false;
        if (!Equal(row.data() + p))
            return false;
        return !WholeWord || Bounded(row, p);
    }

    // The first match in row at an index from `from` on, or npos.
    size_t Forward(std::string_view row, size_t from) const
    {
        if (Text.empty())
            return from < row.size() ? from : std::string_view::npos;
        if (row.size() < Text.size())
            return std::string_view::npos;
        const size_t last = row.size() - Text.size();
        if (MatchCase) {
            for (size_t p = from; p <= last;) {
                const void* hit = std::memchr(row.data() + p, Text[0], last - p + 1);
                if (!hit)
                    break;
                p = size_t(static_cast<const char*>(hit) - row.data());
                if (At(row, p))
                    return p;
                ++p;
            }
            return std::string_view::npos;
        }
        const unsigned char first = Fold[(unsigned char)Text[0]];
        const unsigned char* data = reinterpret_cast<const unsigned char*>(row.data());
        for (size_t p = from; p <= last; ++p)
            if (Fold[data[p]] == first && At(row, p))
                return p;
        return std::string_view::npos;
    }

private:
    std::string_view Text;
    bool MatchCase;
    bool WholeWord;
    const std::array<unsigned char, 256>& Fold;

    bool Equal(const char* at) const
    {
        if (MatchCase)
            return std::memcmp(at, Text.data(), Text.size()) == 0;
        for (size_t i = 0; i < Text.size(); ++i)
            if (Fold[(unsigned char)at[i]] != Fold[(unsigned char)Text[i]])
                return false;
        return true;
    }

    bool Bounded(std::string_view row, size_t p) const
    {
        const size_t end = p + Text.size();
        const bool before = p == 0 || !IsSearchWordChar((unsigned char)row[p - 1]);
        const bool after = end == row.size() || !IsSearchWordChar((unsigned char)row[end]);
        return before && after;
    }
};

}  // namespace

std::optional<TRowMatch> SearchRows(const THELineArray& lines, TRowIndex row, TRowIndex col, std::string_view text,
                                    bool matchCase, bool wholeWord, bool backward)
{
    const TMatcher matcher(text, matchCase, wholeWord);
    if (row < 0 || row >= lines.Size())
        return std::nullopt;
    if (!backward) {
        size_t from = col < 0 ? 0 : size_t(col);
        for (TRowIndex r = row; r < lines.Size(); ++r, from = 0) {
            const size_t p = matcher.Forward(lines[r].View(), from);
            if (p != std::string_view::npos)
                return TRowMatch{r, TRowIndex(p)};
        }
        return std::nullopt;
    }
    for (TRowIndex r = row; r >= 0; --r) {
        const std::string_view view = lines[r].View();
        // A start after the row's last character (the end of a last row
        // without a line end) starts at that character.
        int64_t p = int64_t(view.size()) - 1;
        if (r == row)
            p = std::min(p, int64_t(col));
        for (; p >= 0; --p)
            if (matcher.At(view, size_t(p)))
                return TRowMatch{r, TRowIndex(p)};
    }
    return std::nullopt;
}
