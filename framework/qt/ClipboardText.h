// The clipboard's text at the boundary with the desktop: inside, the
// program's block (Windows-1252 bytes, CR LF line ends, ended by a NUL);
// outside, UTF-8 with LF line ends, as other programs exchange it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QMimeData;

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

// Whether the contents are text in a form Import reads. An image or a file
// list alone is not (QMimeData::hasText would take a file list for text).
bool IsText(const QMimeData* data);

// The contents as a block; empty when they are not text.
std::string ImportFrom(const QMimeData* data);

// Contents holding the block's text in the forms other programs ask for.
QMimeData* ExportAsMimeData(std::string_view block);

}  // namespace ClipboardText
