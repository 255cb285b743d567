// Dialog template 22000, the About box.
#pragma once

#include "framework/DialogTemplate.h"

constexpr int IDD_ABOUT = 22000;
constexpr int IDC_VERSION = 22001;
constexpr int IDC_COPYRIGHT = 22002;
constexpr int IDC_CONTACT = 22003;

const TDialogTemplate& AboutDialog();
