// The 8-bit code pages of the text: which character each byte stands for,
// both for drawing and for turning typed characters back into bytes.
#pragma once

#include "framework/Font.h"

#include <QString>

#include <array>
#include <string>
#include <string_view>

namespace CodePage {

using TTable = std::array<char16_t, 256>;

// What each byte is drawn as. Every entry is a glyph with an advance, so a
// run keeps one cell per byte: control characters show as blanks in
// Windows text and as their OEM glyphs in code page 437.
const TTable& GlyphTable(TCodePage page);

// The character a Windows-1252 byte stands for in text exchanged with
// other programs: the five bytes the code page leaves out stand for the
// characters of the same number, as the window system's conversion has it.
char16_t Windows1252Char(unsigned char byte);

// The Windows-1252 byte of a character (the inverse of Windows1252Char),
// or -1 when it has none.
int Windows1252Byte(char32_t ch);

// Converts bytes through a table into out, reusing out's storage.
void Decode(std::string_view bytes, const TTable& table, QString& out);

// Text of the program's own user interface (captions, menus, messages):
// UTF-8 when it is valid UTF-8, as file names are, else Windows-1252.
QString UiText(std::string_view text);

// Bytes of Windows text as characters.
QString Windows1252Text(std::string_view text);

// A name (a font family's) in the program's 8-bit set; empty when it holds
// a character the set lacks or a control character.
std::string EightBitName(const QString& name);

}  // namespace CodePage
