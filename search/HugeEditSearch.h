// THugeEditSearch: the editor window the application creates; it adds the
// search over the rows to THugeEdit.
#pragma once

#include "core/HugeEdit.h"

#include <string>

class THugeEditSearch : public THugeEdit {
public:
    explicit THugeEditSearch(TWindow* parent = nullptr, const std::string& title = {});

    // Searches from startOffset (-1: from the caret, skipping a selected
    // match) and selects the match; returns its offset or -1.
    TOffset FindText(TOffset startOffset, const std::string& text, bool matchCase, bool wholeWord, bool backward);
};
