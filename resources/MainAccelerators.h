// Accelerator table 1000 of the main frame.
#pragma once

#include "framework/Menu.h"

TAcceleratorTable MainAccelerators();
