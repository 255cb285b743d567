// Document offsets and row indices. The width of an offset is decided here
// and nowhere else.
#pragma once

#include <cstdint>

// The number of characters of the document text before a position.
using TOffset = int32_t;

// Callers pass this offset to mean "the end of the document".
constexpr TOffset EndOfDocument = 0x7FFFFFFF;

// The longest text a document can hold: every offset, the one after the
// last character included, must stay below EndOfDocument.
constexpr int64_t MaxDocumentLength = int64_t(EndOfDocument) - 1;

// A row index (0-based).
using TRowIndex = int32_t;
