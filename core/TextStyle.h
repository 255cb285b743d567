// TTextStyle: a display style record (Windows text or DOS text).
#pragma once

#include "framework/Types.h"

#include <cstdint>
#include <string>

struct TTextStyle {
    enum : uint32_t {
        ColorsValid = 0x01,
        FontValid = 0x02,
        MarginsValid = 0x04,
        TabSizeValid = 0x08,
        LineSpacingValid = 0x10,
        AllValid = 0x1F,
    };
    static constexpr size_t MaxFaceName = 255;

    uint32_t Flags = 0;
    TColor TextColor = 0;
    TColor BackColor = 0;
    int32_t MarginX = 0;
    int32_t MarginY = 0;
    int32_t TabSize = 0;
    std::string FaceName;
    int32_t FontSize = 0;     // points
    int32_t LineSpacing = 0;  // points
};
