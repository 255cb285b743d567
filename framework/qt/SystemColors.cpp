#include "framework/qt/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The window system's indices of the other system colours a caller may ask for.
enum : unsigned {
    COLOR_MENU = 4, COLOR_MENUTEXT = 7,
    COLOR_INFOTEXT = 23, COLOR_INFOBK = 24,
};

QPalette::ColorRole RoleOf(unsigned index)
{
    switch (index) {
    case COLOR_MENU: return QPalette::Window;
    case COLOR_MENUTEXT: return QPalette::WindowText;
    case COLOR_HIGHLIGHT: return QPalette::Highlight;
    case COLOR_HIGHLIGHTTEXT: return QPalette::HighlightedText;
    case COLOR_BTNFACE: return QPalette::Button;
    case COLOR_BTNSHADOW: return QPalette::Dark;
    case COLOR_GRAYTEXT: return QPalette::PlaceholderText;
    case COLOR_BTNTEXT: return QPalette::ButtonText;
    case COLOR_BTNHIGHLIGHT: return QPalette::Light;
    case COLOR_INFOTEXT: return QPalette::ToolTipText;
    case COLOR_INFOBK: return QPalette::ToolTipBase;
    default: return QPalette::Base;
    }
}

}  // namespace

QColor ResolveColor(TColor colour)
{
    if (!IsSysColor(colour))
        return QColor(int(GetRValue(colour)), int(GetGValue(colour)), int(GetBValue(colour)));
    const unsigned index = colour & ~SysColorFlag;
    if (index == COLOR_WINDOW)
        return Qt::white;
    if (index == COLOR_WINDOWTEXT)
        return Qt::black;
    return QGuiApplication::palette().color(RoleOf(index));
}
