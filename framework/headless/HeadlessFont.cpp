// Fonts on the headless desktop: every character of a font is as wide as
// HeadlessCharWidth says, unless a test made the face unmeasurable.
#include "framework/Font.h"

#include "framework/headless/HeadlessDesktop.h"
#include "framework/headless/HeadlessMetrics.h"

struct TFont::TImpl {
    int CharWidth;
};

TFont::TFont(const std::string& faceName, int height, int weight)
    : Face(faceName), CellHeight(height), Page(CodePageOfFace(faceName)),
      Data(std::make_unique<TImpl>(TImpl{HeadlessCharWidth(height)}))
{
}

TFont::~TFont() = default;

bool TFont::GetCharWidth(unsigned char ch, int& width) const
{
    if (THeadlessDesktop::Current().FontMetricsFail(Face))
        return false;
    width = Data->CharWidth;
    return true;
}

int ScreenLogPixelsY() { return HeadlessLogPixels; }

// Every face counts as installed on the headless desktop.
std::string DrawnFaceName(const std::string& faceName) { return faceName; }
