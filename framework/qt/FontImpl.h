// What a TFont holds in the Qt layer: the toolkit font, its code page and
// the advance of every byte, measured once so that text widths cost a sum.
#pragma once

#include "framework/Font.h"
#include "framework/qt/CodePage.h"

#include <QFont>
#include <QRawFont>

#include <array>
#include <cstdint>
#include <string_view>

struct TFont::TImpl {
    QFont Font;
    const CodePage::TTable* Glyphs = nullptr;
    int Ascent = 0;
    int Descent = 0;
    int AverageCharWidth = 0;
    bool Usable = false;
    std::array<int16_t, 256> Advances{};
    // Glyphs are placed at these whole-pixel advances, as the text is
    // measured, so columns line up with the caret and the selection.
    QRawFont Raw;
    std::array<quint32, 256> GlyphOf{};  // 0: the face lacks it


    int Advance(unsigned char byte) const { return Advances[byte]; }
    // The width of bytes drawn without tabs (a huge row is wider than an
    // int can count).
    int64_t Width(std::string_view bytes) const;
};
