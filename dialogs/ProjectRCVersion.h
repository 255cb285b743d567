// TProjectRCVersion: reads the program's version record from its file on
// disk and answers the About box's four questions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TProjectRCVersion {
public:
    // modulePath: the program file; the running program's own by default.
    explicit TProjectRCVersion(const std::string& modulePath = "/proc/self/exe");
    // A reader of a record given as bytes (as read from a program file).
    static TProjectRCVersion FromRecord(std::string record);

    // Each yields the string's text and succeeds, or fails.
    bool ProductName(std::string_view& text) const;
    bool ProductVersion(std::string_view& text) const;
    bool LegalCopyright(std::string_view& text) const;
    bool SpecialBuild(std::string_view& text) const;

    bool HasRecord() const { return Record.has_value(); }
    // Language in the upper 16 bits, code page in the lower.
    uint32_t Translation() const { return TransInfo; }

private:
    struct TEmpty {};
    explicit TProjectRCVersion(TEmpty) {}
    std::optional<std::string> Record;
    uint32_t TransInfo = 0;

    void Take(std::optional<std::string> record);
    bool Query(const char* name, std::string_view& text) const;
};
