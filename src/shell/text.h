// Bitmap-font text from the silver font: 10 x 11 glyphs, 9 pixels apart.
// A to Z (a to z drawn as capitals), 0 to 9 and the signs . _ ( ) : % =;
// every other character leaves a 9-pixel gap. Both services draw under the
// caller's blend mode, alpha, colour and scale and change none of them.
#pragma once

#include <cstdint>
#include <string>

// Draws the text with the top-left corner of its first glyph at (x, y);
// character i (from 1) at x + 9 (i - 1). Draws spaces (the blank glyph) and
// the percent sign 2 pixels higher; draws nothing for an equals sign.
void DrawTextAt(const std::string& text, int32_t x, int32_t y);
// Draws the upper-cased text, its first 64 characters, centred on the
// 640-pixel width: from x (640 - 9 n) / 2. Draws nothing for a space.
void DrawTextCentered(int32_t y, const std::string& text);
