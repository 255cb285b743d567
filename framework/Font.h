// A font made from a face name and a pixel cell height, as the window
// system's CreateFont makes one with a positive height.
#pragma once

#include <memory>
#include <string>
#include <string_view>

// How the 8-bit characters of a text are turned into glyphs.
enum class TCodePage {
    Windows1252,  // Windows text
    Oem437,       // faces that stand for the OEM font, such as "Terminal"
};

class TFont {
public:
    // height: the cell height in pixels (ascent plus descent).
    TFont(const std::string& faceName, int height, int weight = 400);
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& FaceName() const { return Face; }
    int Height() const { return CellHeight; }
    TCodePage CodePage() const { return Page; }

    // The advance width of one character measured on a screen device
    // context (GetCharWidth); false when the font cannot be measured.
    bool GetCharWidth(unsigned char ch, int& width) const;

    // Platform data behind the font (a toolkit font in the Qt layer).
    struct TImpl;
    const TImpl* Impl() const { return Data.get(); }

private:
    std::string Face;
    int CellHeight;
    TCodePage Page;
    std::unique_ptr<TImpl> Data;
};

// The family the desktop draws a face with: the face itself when it is
// installed, else the stand-in its font configuration picks.
std::string DrawnFaceName(const std::string& faceName);

// The code page a face name stands for.
TCodePage CodePageOfFace(const std::string& faceName);

// The screen's dots per inch (GetDeviceCaps on a screen context).
int ScreenLogPixelsY();

// The width of 8-bit text without tabs in the font (0 for a font that
// cannot be measured).
int TextExtent(const TFont& font, std::string_view text);
