// TCmdLine: splits a command text into option, value and name tokens.
// Blanks (space, tab) separate tokens; "-" or "/" starts an option, "=" a
// value, anything else a name. A token runs to the first "=", "/", blank
// or the end of the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class TCmdLine {
public:
    enum class TKind { Start, Option, Value, Name, Done };

    explicit TCmdLine(std::string text);

    // Moves to the next token and returns its kind (Done at the end).
    TKind NextToken();
    // Back to before the first token.
    void Reset();

    TKind Kind() const { return CurrentKind; }
    // The token's text without its "-", "/" or "=".
    std::string_view Token() const;
    // The command text from where the current token begins to the end.
    std::string_view Rest() const;
    const std::string& Line() const { return Text; }

private:
    std::string Text;
    TKind CurrentKind = TKind::Start;
    size_t TokenBegin = 0;  // where the token's text starts
    size_t TokenEnd = 0;    // one past it
    size_t RestBegin = 0;   // where the token starts, marker included
    size_t Next = 0;        // where scanning goes on

    void SkipBlanks(size_t& at) const;
    size_t EndOfToken(size_t from) const;
    // A "/" word that holds another "/" is an absolute path, not an option.
    bool IsPathWord(size_t slash) const;
};
