// The main frame's caption for a document: "base name - application".
#pragma once

#include <cstddef>
#include <string>

constexpr size_t MaxCaptionLength = 255;

// The base name is the text after the last "/" (all of it without one);
// an untitled document has an empty name. A caption that would exceed
// MaxCaptionLength loses the end of the base name.
std::string DocCaption(const std::string& docName, const std::string& appName);
