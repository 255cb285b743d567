// Command identifiers: one number per command, shared by the menu, the
// accelerators, the tool-bar bitmaps, the hint strings and the handlers.
// The values are fixed: help topics and tool-bar images are keyed by them.
#pragma once

#include "framework/Application.h"  // CM_EXIT

// File
constexpr unsigned CM_FILENEW = 24331;
constexpr unsigned CM_FILEOPEN = 24332;
constexpr unsigned CM_FILESAVE = 24333;
constexpr unsigned CM_FILESAVEAS = 24334;
constexpr unsigned CM_FILEPRINT = 1;
constexpr unsigned CM_FILEPRINTSETUP = 2;
constexpr unsigned CM_FILEMAIL = 9071;

// Edit
constexpr unsigned CM_EDITUNDO = 24321;
constexpr unsigned CM_EDITREDO = 1682;
constexpr unsigned CM_EDITCUT = 24322;
constexpr unsigned CM_EDITCOPY = 24323;
constexpr unsigned CM_EDITPASTE = 24324;
constexpr unsigned CM_EDITDELETE = 24325;
constexpr unsigned CM_EDITCLEAR = 24326;
constexpr unsigned CM_WORDWRAP = 3;
constexpr unsigned CM_DOSTEXT = 4;
constexpr unsigned CM_OPTIONS = 683;

// Search
constexpr unsigned CM_EDITFIND = 24351;
constexpr unsigned CM_EDITREPLACE = 24352;
constexpr unsigned CM_EDITFINDNEXT = 24353;

// Help
constexpr unsigned CM_HELPCONTENTS = 2001;
constexpr unsigned CM_HELPUSING = 2002;
constexpr unsigned CM_HELPABOUT = 2009;
constexpr unsigned CM_WEBPAGE = 9070;

// Not commands, but in the same number space: the status-bar panes for the
// caret position and the line count, and the logo at the tool bar's end.
constexpr unsigned IDS_CARETPOS_PANE = 900;
constexpr unsigned IDS_LINECOUNT_PANE = 901;
constexpr unsigned IDB_TOOLBAR_LOGO = 206;

// The notification the Options sheet posts to the main window once
// accepted: the application applies the settings again.
constexpr unsigned WM_APPLYSETTINGS = WM_USER + 1;
