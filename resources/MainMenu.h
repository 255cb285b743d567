// Menu resource 1000: the main frame's menu bar.
#pragma once

#include "framework/Menu.h"

TMenuResource MainMenu();
