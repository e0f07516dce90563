#pragma once
#include "platform/bitmap.h"

#include <string_view>

// The first depth of the format's list that holds the source's depth, else the list's last depth.
// 0 for an unknown format.
int AutomaticDepth(std::string_view extension, int sourceDepth);

// Sets the job's output depth from the source's depth when the run's depth is automatic.
void ResolveOutputDepth();

// The last stage before writing: resolves an automatic depth from the source's depth and converts
// the bitmap to the output depth with the conversion that suits the format. No bitmap comes back
// for a depth the program cannot produce.
Bitmap BitDepthStage(Bitmap bitmap);
