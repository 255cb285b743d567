// The clipboard's text at the boundary with the desktop: inside, the
// program's block (Windows-1252 bytes, CR LF line ends, ended by a NUL);
// outside, UTF-8 with LF line ends, as other programs exchange it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <string>
#include <string_view>

namespace ClipboardText {

// The block's text up to its NUL as UTF-8, each CR LF as LF (a lone CR
// stays).
QByteArray Export(std::string_view block);

// UTF-8 text as a block: each character as its Windows-1252 byte, "?" for
// a character the code page lacks and for bytes that are not UTF-8; line
// ends as they come. The text ends at its first NUL; the block ends with one.
std::string Import(QByteArrayView utf8);

}  // namespace ClipboardText
