// The pages of the Options sheet as dialog templates: the general options
// (IDD_GENERAL_INFO) and a display style (IDD_STYLEINFO, used for both the
// Windows text and the DOS text style).
#pragma once

#include "framework/DialogTemplate.h"

constexpr int IDD_GENERAL_INFO = 2300;
constexpr int IDD_STYLEINFO = 2301;

// IDD_GENERAL_INFO's controls.
constexpr int IDC_WORDWRAP = 301;
constexpr int IDC_DOSTEXT = 302;
constexpr int IDC_DEFAULTEDITOR = 303;
constexpr int IDC_AUTOINDENT = 102;
constexpr int IDC_UNDOLIMIT = 101;

// IDD_STYLEINFO's controls.
constexpr int IDC_FONTFACE = 101;
constexpr int IDC_FONTSIZE = 102;
constexpr int IDC_TABSIZE = 103;
constexpr int IDC_LINESPACING = 104;
constexpr int IDC_MARGIN = 105;

const TDialogTemplate& GeneralInfoDialog();
const TDialogTemplate& StyleInfoDialog();
