// The program's version record: what it says (one list, below) and how it
// is laid out as bytes. The bytes are compiled into a section of the
// executable (VersionSection.h), where the About box reads them from the
// program's file.
//
// Layout: the tag "VANTORVERSION1" and a null, then entries to the end,
// each a path (null-terminated), a 32-bit little-endian length and that
// many bytes. Paths are those of the window system's version queries:
//     "\"                                   the fixed part (13 x 32 bits)
//     "\VarFileInfo\Translation"            language and code page, 16 bits each
//     "\StringFileInfo\040904e4\NAME"       a string, with its null
#pragma once

#include "resources/Author.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* VersionSectionName = "vantor_version";
inline constexpr std::string_view VersionRecordTag{"VANTORVERSION1\0", 15};

struct TVersionString {
    const char* Key;
    const char* Value;
};

struct TVersionSource {
    uint16_t Version[4];            // file and product version
    uint32_t FileType;              // 1: an application
    bool HasTranslation;
    uint16_t Language, CodePage;
    const TVersionString* Strings;  // in the string table of that translation
    size_t StringCount;
};

inline constexpr TVersionString VersionStrings[] = {
    {"CompanyName", Author::Name},
    {"FileDescription", "Vantor for Windows"},
    {"FileVersion", "1.0"},
    {"InternalName", "Torvel"},
    {"LegalCopyright", Author::Copyright},
    {"LegalTrademarks", Author::Trademarks},
    {"OriginalFilename", "Torvel.exe"},
    {"ProductName", "Vantor"},
    {"ProductVersion", "1.0"},
};

inline constexpr TVersionSource ProgramVersion{
    {1, 0, 0, 0}, 1, true, 0x0409, 0x04E4, VersionStrings, std::size(VersionStrings),
};

namespace VersionRecord {

constexpr uint32_t FixedSignature = 0xFEEF04BDu;
constexpr uint32_t FixedStructVersion = 0x00010000u;

constexpr size_t Length(const char* s)
{
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

constexpr char HexDigit(unsigned v) { return "0123456789abcdef"[v & 0xF]; }

// Writes the record through sink(char); the same walk counts and fills.
template <class TSink>
constexpr void Write(const TVersionSource& src, TSink&& sink)
{
    auto bytes = [&](const char* s, size_t n) {
        for (size_t i = 0; i < n; ++i)
            sink(s[i]);
    };
    auto word = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            sink(char((v >> (8 * i)) & 0xFF));
    };
    auto path = [&](const char* head, const char* tail) {
        bytes(head, Length(head));
        bytes(tail, Length(tail) + 1);
    };
    bytes(VersionRecordTag.data(), VersionRecordTag.size());

    path("\\", "");
    const uint32_t fixed[13] = {
        FixedSignature, FixedStructVersion,
        uint32_t(src.Version[0]) << 16 | src.Version[1], uint32_t(src.Version[2]) << 16 | src.Version[3],
        uint32_t(src.Version[0]) << 16 | src.Version[1], uint32_t(src.Version[2]) << 16 | src.Version[3],
        0x3F, 0, 0x40004, src.FileType, 0, 0, 0,
    };
    word(13 * 4);
    for (const uint32_t v : fixed)
        word(v);

    if (src.HasTranslation) {
        path("\\VarFileInfo\\Translation", "");
        word(4);
        word(uint32_t(src.Language) | uint32_t(src.CodePage) << 16);
    }
    const char table[] = {'\\', 'S', 't', 'r', 'i', 'n', 'g', 'F', 'i', 'l', 'e', 'I', 'n', 'f', 'o', '\\',
                          HexDigit(src.Language >> 12), HexDigit(src.Language >> 8), HexDigit(src.Language >> 4),
                          HexDigit(src.Language), HexDigit(src.CodePage >> 12), HexDigit(src.CodePage >> 8),
                          HexDigit(src.CodePage >> 4), HexDigit(src.CodePage), '\\', '\0'};
    for (size_t i = 0; i < src.StringCount; ++i) {
        path(table, src.Strings[i].Key);
        word(uint32_t(Length(src.Strings[i].Value) + 1));
        bytes(src.Strings[i].Value, Length(src.Strings[i].Value) + 1);
    }
}

constexpr size_t SizeOf(const TVersionSource& src)
{
    size_t n = 0;
    Write(src, [&n](char) { ++n; });
    return n;
}

template <size_t N>
constexpr std::array<char, N> Bytes(const TVersionSource& src)
{
    std::array<char, N> out{};
    size_t at = 0;
    Write(src, [&](char c) { out[at++] = c; });
    return out;
}

// The same bytes at run time (tests build damaged copies this way).
std::string Build(const TVersionSource& src);

// The value stored under a path (compared without regard to case), or
// none; a record without the tag holds nothing.
std::optional<std::string_view> Query(std::string_view record, std::string_view path);

}  // namespace VersionRecord
