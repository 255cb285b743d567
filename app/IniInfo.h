// TIniInfo: the settings record. It is read once at start-up and written
// once when the main frame is destroyed; in between it is the one place
// where settings live.
#pragma once

#include "core/TextStyle.h"

#include <cstdint>

class TApplication;
class TWindow;

class TIniInfo {
public:
    explicit TIniInfo(TApplication& owner) : Owner(owner) {}
    TIniInfo(const TIniInfo&) = delete;
    TIniInfo& operator=(const TIniInfo&) = delete;

    // Fills the record and moves the main frame to the stored placement.
    void ReadSettings();
    // Stores the record and the frame's placement.
    void WriteSettings(const TWindow& frame) const;

    TApplication& Owner;
    // Colours stay 0: they are never stored, and styles read get flags
    // without ColorsValid, so applying one keeps the editor's colours.
    TTextStyle WinText;
    TTextStyle DosText;
    bool Wrap = false;
    bool Dos = false;
    bool Installed = false;
    bool AutoIndent = false;
    int32_t UndoLimit = 0;
};
