// TIniInfo: the settings record. It is read once at start-up and written
// once when the main frame is destroyed; in between it is the one place
// where settings live.
#pragma once

#include "core/TextStyle.h"

#include <cstdint>
#include <string>

class TApplication;
class TWindow;

class TIniInfo {
public:
    explicit TIniInfo(TApplication& owner) : Owner(owner) {}
    TIniInfo(const TIniInfo&) = delete;
    TIniInfo& operator=(const TIniInfo&) = delete;

    // Fills the record and moves the main frame to the stored placement.
    void ReadSettings();
    // Stores the record and the frame's last normal placement.
    void WriteSettings(const TWindow& frame) const;
    // TORVEL.INI in the user's configuration folder for the program
    // ($XDG_CONFIG_HOME/vantor); empty when there is none.
    static std::string FileName();

    TApplication& Owner;
    // Colours stay 0: they are never stored, and styles read get flags
    // without ColorsValid, so applying one keeps the editor's colours.
    // Values are kept as read; the editor bounds what it applies.
    TTextStyle WinText;
    TTextStyle DosText;
    bool Wrap = false;
    bool Dos = false;
    bool Installed = false;
    bool AutoIndent = false;
    int32_t UndoLimit = 0;
};
