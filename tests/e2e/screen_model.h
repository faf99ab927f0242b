// What a screen should look like, worked out on the CPU from the loaded
// images' own pixels, to hold a grabbed frame of the real program against.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "media_internal.h"

namespace e2e {

constexpr int Width = 640;
constexpr int Height = 480;

struct Rect {
    int x, y, w, h;
    bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// An RGB picture of the screen, and for each pixel which layer drew it last
// (0: none).
struct Screen {
    std::vector<uint8_t> rgb = std::vector<uint8_t>(Width * Height * 3, 0);
    std::vector<int> layer = std::vector<int>(Width * Height, 0);

    uint8_t* At(int x, int y) { return rgb.data() + (static_cast<size_t>(y) * Width + x) * 3; }
    const uint8_t* At(int x, int y) const { return rgb.data() + (static_cast<size_t>(y) * Width + x) * 3; }
};

// The screen as grabbed by the real backend.
inline Screen FromImage(int32_t capture) {
    Screen s;
    const media::Image* img = media::FindImage(capture);
    if (!img) return s;
    for (size_t i = 0; i < static_cast<size_t>(Width) * Height; ++i) {
        std::copy_n(img->FrameRgba(0) + 4 * i, 3, s.rgb.data() + 3 * i);
    }
    return s;
}

// Draws a frame of a loaded image with its top-left corner (less its origin)
// at (x, y), as the blend modes do: mask copies the opaque pixels; light adds
// the opaque pixels times alpha; alpha mixes them in by alpha. Each pixel it
// touches is marked with `layer`. Returns the pixels drawn on the screen.
enum class Blend { Mask, Light, Alpha };
inline int Draw(Screen& s, int32_t image, int32_t frame, int x, int y, int layer, Blend blend = Blend::Mask,
                float alpha = 1.0f) {
    // The game's pictures are on the card by now: their pixels come back from there.
    const media::Image* img = media::FindImageFrame(image, frame) ? media::ImageWithPixels(image) : nullptr;
    if (!img) return 0;
    const int left = x - static_cast<int>(img->originX);
    const int top = y - static_cast<int>(img->originY);
    const float a = static_cast<float>(media::AlphaByte(alpha)) / 255.0f;
    int drawn = 0;
    for (int row = 0; row < img->frameHeight; ++row) {
        const int sy = top + row;
        if (sy < 0 || sy >= Height) continue;
        for (int col = 0; col < img->frameWidth; ++col) {
            const int sx = left + col;
            if (sx < 0 || sx >= Width) continue;
            const size_t i = static_cast<size_t>(row) * img->frameWidth + col;
            if (!img->FrameMask(frame)[i]) continue;
            const uint8_t* src = img->FrameRgba(frame) + 4 * i;
            uint8_t* dst = s.At(sx, sy);
            for (int c = 0; c < 3; ++c) {
                float v = src[c];
                if (blend == Blend::Light) v = std::min(255.0f, dst[c] + src[c] * a);
                if (blend == Blend::Alpha) v = src[c] * a + dst[c] * (1.0f - a);
                dst[c] = static_cast<uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
            }
            s.layer[static_cast<size_t>(sy) * Width + sx] = layer;
            ++drawn;
        }
    }
    return drawn;
}

// Bitmap text as the game draws it: glyph cells of SilverfontImage, 9 pixels
// apart, centred on the 640-pixel screen (upper-case letters, digits, spaces
// and full stops only).
inline Rect DrawCentredText(Screen& s, int32_t font, int y, const std::string& text, int layer, Blend blend) {
    const int count = static_cast<int>(text.size());
    const int x0 = (Width - 9 * count) / 2;
    for (int i = 0; i < count; ++i) {
        const char c = text[static_cast<size_t>(i)];
        int cell = -1;
        if (c >= 'A' && c <= 'Z') cell = c - 'A';
        if (c >= '0' && c <= '9') cell = 26 + (c - '0');
        if (c == '.') cell = 36;
        if (cell >= 0) Draw(s, font, cell, x0 + 9 * i, y, layer, blend);
    }
    return Rect{x0, y, 9 * count + 1, ImageFrameHeight(font)};
}

// Writes the screen as a PNG, for a person to look at when a check fails.
inline void SavePng(const Screen& s, const std::string& path) {
    const int32_t image = CreateBlankImage(Width, Height, 1, 0);
    media::Image* img = media::FindImage(image);
    for (size_t i = 0; i < static_cast<size_t>(Width) * Height; ++i) {
        std::copy_n(s.rgb.data() + 3 * i, 3, img->FrameRgba(0) + 4 * i);
        img->FrameRgba(0)[4 * i + 3] = 255;
    }
    SaveImagePng(image, 0, path);
    ReleaseHandle(image);
}

// Pixels of `actual` that differ from `expected` by more than `tolerance` in
// some channel, among those `counted` says to look at.
struct Difference {
    int looked = 0;
    int differing = 0;
    std::string first;  // where the first difference is, for the message
};

template <typename Pred>
Difference Compare(const Screen& actual, const Screen& expected, int tolerance, Pred counted) {
    Difference d;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            if (!counted(x, y)) continue;
            ++d.looked;
            const uint8_t* a = actual.At(x, y);
            const uint8_t* e = expected.At(x, y);
            bool same = true;
            for (int c = 0; c < 3; ++c) same = same && std::abs(a[c] - e[c]) <= tolerance;
            if (same) continue;
            if (d.differing++ == 0) {
                std::ostringstream where;
                where << "(" << x << ", " << y << ") is " << int(a[0]) << "," << int(a[1]) << "," << int(a[2])
                      << " instead of " << int(e[0]) << "," << int(e[1]) << "," << int(e[2]);
                d.first = where.str();
            }
        }
    }
    return d;
}

}  // namespace e2e
