// Reads desktop entries back as a launcher does, written from the format's
// own rules and not from the writer's code: a key's value with its escapes
// undone, then an Exec value split into arguments by its quoting rules.
#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// The value of key in [group], escapes (\s \n \t \r \\) undone.
inline std::optional<std::string> EntryValue(const std::string& text, const std::string& group, const std::string& key)
{
    std::istringstream in(text);
    bool inGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[') {
            inGroup = line == "[" + group + "]";
            continue;
        }
        if (!inGroup || line.rfind(key + "=", 0) != 0)
            continue;
        std::string value;
        for (size_t i = key.size() + 1; i < line.size(); ++i) {
            if (line[i] != '\\' || i + 1 == line.size()) {
                value += line[i];
                continue;
            }
            const char c = line[++i];
            switch (c) {
            case 's': value += ' '; break;
            case 'n': value += '\n'; break;
            case 't': value += '\t'; break;
            case 'r': value += '\r'; break;
            case '\\': value += '\\'; break;
            default: value += '\\'; value += c;
            }
        }
        return value;
    }
    return std::nullopt;
}

// The arguments of an unescaped Exec value: words apart by blanks, a word
// either quoted whole ("...", where " ` $ and \ must follow a \) or
// free of reserved characters; %% is a literal %, a field code stays as its
// two characters. None when the value breaks the rules.
inline std::optional<std::vector<std::string>> SplitExec(std::string_view exec)
{
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::vector<std::string> words;
    size_t i = 0;
    while (i < exec.size()) {
        if (exec[i] == ' ') {
            ++i;
            continue;
        }
        std::string word;
        if (exec[i] == '"') {
            for (++i;; ++i) {
                if (i >= exec.size())
                    return std::nullopt;
                if (exec[i] == '"')
                    break;
                // These four must be escaped inside quotes.
                if (exec[i] == '`' || exec[i] == '$')
                    return std::nullopt;
                if (exec[i] == '\\') {
                    if (i + 1 >= exec.size() || std::string_view("\"`$\\").find(exec[i + 1]) == std::string_view::npos)
                        return std::nullopt;
                    ++i;
                }
                word += exec[i];
            }
            ++i;
            if (i < exec.size() && exec[i] != ' ')
                return std::nullopt;
        } else {
            for (; i < exec.size() && exec[i] != ' '; ++i) {
                if (reserved.find(exec[i]) != std::string_view::npos)
                    return std::nullopt;
                word += exec[i];
            }
        }
        // Field codes: %% is a literal percent sign, others stay as they are.
        std::string literal;
        for (size_t k = 0; k < word.size(); ++k) {
            literal += word[k];
            if (word[k] == '%' && k + 1 < word.size() && word[k + 1] == '%')
                ++k;
        }
        words.push_back(literal);
    }
    return words;
}
