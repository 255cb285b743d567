#include "core/UndoText.h"

void TUndoText::AppendView(std::string_view text)
{
    if (text.empty())
        return;
    Size += text.size();
    if (!Parts.empty() && Parts.back().Viewed && Parts.back().Viewed + Parts.back().Length == text.data()) {
        Parts.back().Length += text.size();
        return;
    }
    Parts.push_back({0, text.size(), text.data()});
}

void TUndoText::AppendCopy(std::string_view text)
{
    if (text.empty())
        return;
    Size += text.size();
    if (!Parts.empty() && !Parts.back().Viewed)
        Parts.back().Length += text.size();
    else
        Parts.push_back({Owned.size(), text.size(), nullptr});
    Owned.append(text);
}

std::vector<TUndoText::TPiece> TUndoText::Pieces() const
{
    std::vector<TPiece> pieces;
    pieces.reserve(Parts.size());
    for (const TPart& part : Parts) {
        if (part.Viewed)
            pieces.push_back({std::string_view(part.Viewed, part.Length), true});
        else
            pieces.push_back({std::string_view(Owned).substr(part.Begin, part.Length), false});
    }
    return pieces;
}

std::string TUndoText::str() const
{
    std::string text;
    text.reserve(Size);
    for (const TPiece& piece : Pieces())
        text.append(piece.Text);
    return text;
}

std::string TUndoText::Substr(size_t pos, size_t count) const
{
    std::string text;
    for (const TPiece& piece : Pieces()) {
        if (count == 0)
            break;
        if (pos >= piece.Text.size()) {
            pos -= piece.Text.size();
            continue;
        }
        const std::string_view part = piece.Text.substr(pos, count);
        text.append(part);
        count -= part.size();
        pos = 0;
    }
    return text;
}
