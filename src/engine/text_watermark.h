#pragma once
#include "platform/bitmap.h"

#include <string>

// "Text" with its tokens expanded; a text with fewer than two "%" is taken literally.
std::string WatermarkText();

// Where a line of a multi-line watermark starts on a canvas of `canvasWidth`: "Text Alignment" 0
// left after the padding, 1 centred, 2 right before the padding, anything else at 0.
int LineStart(int lineWidth, int canvasWidth);

// The watermark text in the loaded watermark font on its background box, as a 32-bit bitmap with
// alpha; "%eol%" in any case breaks lines. Null without a loaded font or when nothing can be drawn.
Bitmap RenderTextWatermark();
