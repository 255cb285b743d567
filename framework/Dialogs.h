// Common dialogs and message boxes.
#pragma once

#include <string>

class TWindow;

// A modal message box; flags are MB_... (buttons and icon); returns IDOK,
// IDCANCEL, IDYES or IDNO. owner may be null.
int MessageBox(TWindow* owner, const std::string& text, const std::string& caption, unsigned flags);

// OFN_... flags of the file dialogs' record.
enum : unsigned long {
    OFN_HIDEREADONLY = 0x00000004,
    OFN_PATHMUSTEXIST = 0x00000800,
    OFN_FILEMUSTEXIST = 0x00001000,
    OFN_EXPLORER = 0x00080000,
};

// The record both file dialogs work on (TOpenSaveDialog::TData).
struct TOpenSaveData {
    unsigned long Flags = 0;
    std::string FileName;   // in: the proposed name; out: the chosen path
    std::string Filter;     // "Description|pattern|..." pairs, ending with "|"
    std::string DefExt;     // added when the chosen name has no extension
    std::string InitialDir; // empty: the system's default folder
    unsigned long Error = 0; // non-zero when the dialog failed
};

// Runs the Open (or Save As) dialog; true when it ended with OK.
bool RunFileOpenDialog(TWindow* owner, TOpenSaveData& data);
bool RunFileSaveDialog(TWindow* owner, TOpenSaveData& data);
