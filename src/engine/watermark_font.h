#pragma once
// The font of the text watermark: loaded by the front end before a run, from "Font", "Font Size",
// "Font Style" and "Font Effect", and released after it. A run with a text watermark whose font
// cannot be loaded is refused, so the stage never draws in a face the user did not ask for.
#include "platform/font.h"

bool LoadWatermarkFont();
void ReleaseWatermarkFont();
// The loaded font, or null.
const Font* WatermarkFont();
