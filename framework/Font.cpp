#include "framework/Font.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>

TCodePage CodePageOfFace(const std::string& faceName)
{
    // "Terminal" stands for the OEM font, whose characters are code page 437.
    static constexpr std::string_view oemFace = "terminal";
    const bool isOem = std::equal(faceName.begin(), faceName.end(), oemFace.begin(), oemFace.end(),
                                  [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return isOem ? TCodePage::Oem437 : TCodePage::Windows1252;
}

int TextExtent(const TFont& font, std::string_view text)
{
    int64_t extent = 0;
    for (const char c : text) {
        int width = 0;
        if (!font.GetCharWidth(static_cast<unsigned char>(c), width))
            return 0;
        extent += width;
    }
    return int(std::min<int64_t>(extent, INT_MAX));
}
