#include "dialogs/FontInfo.h"

std::string StyleNameOf(int32_t weight, bool italic)
{
    if (weight > FW_NORMAL)
        return italic ? "Bold Italic" : "Bold";
    return italic ? "Italic" : "Regular";
}

TFontInfo::TFontInfo(const TLogFont& logFont, int32_t fontType, const std::string& reportedStyle)
    : LogFont(logFont), FontType(fontType),
      StyleName(fontType == TRUETYPE_FONTTYPE ? reportedStyle.substr(0, MaxStyleName)
                                              : StyleNameOf(logFont.Weight, logFont.Italic != 0))
{
}
