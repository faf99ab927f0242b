// A 5 x 7 block alphabet used for the bitmap fonts, the title lettering,
// signs and logos.
#pragma once

#include "canvas.h"

namespace dg {

// 7 rows of 5 characters ('#' = ink) for a character, or nullptr.
const char* const* Glyph5x7(char c);

// Draws `text` as rounded blocks, each glyph cell `px` wide, into the current
// path of the layer (fill or stroke it afterwards).
void BlockText(Layer& L, const char* text, double x, double y, double px, double gap = 1.0);
double BlockTextWidth(const char* text, double px, double gap = 1.0);

}  // namespace dg
