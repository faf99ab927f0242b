// Bitmap-font text.
#include "shell/text.h"

#include "media.h"
#include "shell/assets.h"

namespace {

constexpr int32_t GlyphAdvance = 9;
constexpr int32_t CentredMaxChars = 64;

constexpr int32_t SpaceCell = 41;
constexpr int32_t PercentCell = 42;
constexpr int32_t EqualsCell = 43;

// The cell of an upper-case character in SilverfontImage, or -1 for none.
int32_t GlyphCell(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= '0' && c <= '9') return 26 + (c - '0');
    switch (c) {
        case '.': return 36;
        case '_': return 37;
        case '(': return 38;
        case ')': return 39;
        case ':': return 40;
        case ' ': return SpaceCell;
        case '%': return PercentCell;
        case '=': return EqualsCell;
        default: return -1;
    }
}

void DrawGlyph(int32_t cell, int32_t x, int32_t y) {
    DrawImageFrame(SilverfontImage, static_cast<float>(x), static_cast<float>(y), cell);
}

}  // namespace

void DrawTextAt(const std::string& text, int32_t x, int32_t y) {
    const std::string upper = ToUpperAscii(text);
    int32_t glyphX = x;
    for (const char c : upper) {
        const int32_t cell = GlyphCell(c);
        if (cell == PercentCell) {
            DrawGlyph(cell, glyphX, y - 2);
        } else if (cell >= 0 && cell != EqualsCell) {
            DrawGlyph(cell, glyphX, y);
        }
        glyphX += GlyphAdvance;
    }
}

void DrawTextCentered(int32_t y, const std::string& text) {
    const std::string kept = LeftChars(ToUpperAscii(text), CentredMaxChars);
    const int32_t count = static_cast<int32_t>(kept.size());
    int32_t glyphX = (640 - GlyphAdvance * count) / 2;
    for (const char c : kept) {
        const int32_t cell = GlyphCell(c);
        if (cell >= 0 && cell != SpaceCell) DrawGlyph(cell, glyphX, y);
        glyphX += GlyphAdvance;
    }
}
