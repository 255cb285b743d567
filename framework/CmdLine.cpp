#include "framework/CmdLine.h"

#include <utility>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

TCmdLine::TCmdLine(std::string text) : Text(std::move(text)) {}

void TCmdLine::Reset()
{
    CurrentKind = TKind::Start;
    TokenBegin = TokenEnd = RestBegin = Next = 0;
}

void TCmdLine::SkipBlanks(size_t& at) const
{
    while (at < Text.size() && IsBlank(Text[at]))
        ++at;
}

size_t TCmdLine::EndOfToken(size_t from) const
{
    size_t end = Text.find_first_of("=/ \t", from);
    return end == std::string::npos ? Text.size() : end;
}

bool TCmdLine::IsPathWord(size_t slash) const
{
    for (size_t i = slash + 1; i < Text.size() && !IsBlank(Text[i]); ++i)
        if (Text[i] == '/')
            return true;
    return false;
}

TCmdLine::TKind TCmdLine::NextToken()
{
    size_t at = Next;
    SkipBlanks(at);
    RestBegin = at;
    if (at >= Text.size()) {
        TokenBegin = TokenEnd = Next = Text.size();
        return CurrentKind = TKind::Done;
    }
    const char first = Text[at];
    if (first == '-' || (first == '/' && !IsPathWord(at))) {
        CurrentKind = TKind::Option;
        ++at;
        SkipBlanks(at);
    } else if (first == '=') {
        CurrentKind = TKind::Value;
        ++at;
    } else {
        CurrentKind = TKind::Name;
    }
    TokenBegin = at;
    // A name may itself begin with "/" (an absolute path): its first
    // character never ends it.
    TokenEnd = EndOfToken(CurrentKind == TKind::Name ? at + 1 : at);
    Next = TokenEnd;
    return CurrentKind;
}

std::string_view TCmdLine::Token() const
{
    return std::string_view(Text).substr(TokenBegin, TokenEnd - TokenBegin);
}

std::string_view TCmdLine::Rest() const
{
    return std::string_view(Text).substr(RestBegin);
}
