// The editor window's context menu as data.
#pragma once

#include "framework/Menu.h"

#include <vector>

const std::vector<TMenuItem>& EditorContextMenuItems();
