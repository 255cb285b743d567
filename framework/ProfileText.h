// The text of a settings file of sections and keys, read and edited the way
// the private profile functions do it:
//   [Section]        opens a section (text after "]" is ignored)
//   key = value      a key of the section above it
//   ; comment        kept, never read
// Section and key names compare without regard to case; blanks (space, tab)
// around names and values are ignored. A section that appears twice is one
// section: the first key of a name counts. Lines end in LF or CR LF.
// Editing a key changes only that key's value; every other byte stays.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TProfileText {
public:
    TProfileText() = default;
    explicit TProfileText(std::string bytes) : Text(std::move(bytes)) {}

    // The trimmed value of a key, or none when the section or key is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Sets a key's value. A new key goes after the last key of its section
    // (after its heading when it has none), a new section at the end of
    // the text, with the line end the
    // text already uses (LF for a text without one). False, and nothing
    // changed, for a name the format cannot hold (empty, or with "=", "]"
    // or a line end); a value is cut at its first line end.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // The names of a section's keys, in order, each once.
    std::vector<std::string> Keys(std::string_view section) const;
    // Removes the key's line (the one Find reads), line end included;
    // nothing happens when there is none.
    void Remove(std::string_view section, std::string_view key);

    const std::string& Bytes() const { return Text; }

private:
    std::string Text;

    std::string_view LineEnd() const;
};

// An integer as the profile reader reads it: blanks, one optional sign, then
// decimal digits up to the first other character. No digits gives 0; a value
// beyond 32 bits is clamped to the nearest end.
int ParseProfileInt(std::string_view text);
