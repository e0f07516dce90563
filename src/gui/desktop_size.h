#pragma once
#include "settings/settings_table.h"

// Size of the primary screen, for the centred window position; 0 × 0 when there is none.
DesktopSize PrimaryDesktopSize();
