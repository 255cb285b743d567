// Identifiers of the program's resources.
#pragma once

constexpr int IDM_MAIN = 1000;   // the menu bar
constexpr int IDA_MAIN = 1000;   // the accelerator table
constexpr int IDI_APP = 1001;    // the program's icon
