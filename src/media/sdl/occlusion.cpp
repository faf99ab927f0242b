// The pixels a frame does not need. Software OpenGL spends nearly all its time
// filling pixels, and a frame of the game paints the same pixels many times:
// sky bands under the city under the street. Before the collected quads go
// to OpenGL they are walked from the last to the first, keeping one bit per
// surface pixel that tells whether a later quad paints it over for certain.
// A quad whose every pixel is painted over later, or that draws nothing, is
// dropped; a quad on whole pixels is cut to the box of the pixels that still
// matter. What reaches the surface is exactly what drawing everything gives.
//
// A later quad paints a pixel over for certain when it writes it whatever lies
// below: solid mode everywhere; mask mode where its texel is opaque (and the
// alpha passes the test); alpha mode at full alpha where its texel is opaque.
// Light and shade mode always mix with what lies below.
#include <algorithm>
#include <bit>
#include <cmath>

#include "media_internal.h"
#include "sdl_backend.h"

namespace sdlmedia {
namespace {

// One bit per surface pixel, rows of `words` words (the last one spare).
struct Coverage {
    int32_t width = 0, height = 0, words = 0;
    std::vector<uint64_t> bits;

    void Reset(int32_t w, int32_t h) {
        width = w;
        height = h;
        words = (w + 63) / 64 + 1;
        bits.assign(static_cast<size_t>(words) * h, 0);
    }
    const uint64_t* Row(int32_t y) const { return bits.data() + static_cast<size_t>(y) * words; }
    uint64_t* Row(int32_t y) { return bits.data() + static_cast<size_t>(y) * words; }
};

// 64 bits of a row from bit `at` on; the spare word keeps the read inside.
inline uint64_t BitsAt(const uint64_t* row, int32_t at) {
    const int shift = at & 63;
    const uint64_t* word = row + (at >> 6);
    return shift == 0 ? word[0] : (word[0] >> shift) | (word[1] << (64 - shift));
}

inline void SetBitsAt(uint64_t* row, int32_t at, uint64_t value) {
    const int shift = at & 63;
    uint64_t* word = row + (at >> 6);
    word[0] |= value << shift;
    if (shift != 0) word[1] |= value >> (64 - shift);
}

inline uint64_t LowBits(int32_t n) { return n >= 64 ? ~uint64_t{0} : (uint64_t{1} << n) - 1; }

struct Effect {
    bool nothing = false;      // leaves every pixel as it was
    bool clearCounts = false;  // its see-through pixels change the surface too
    bool paints = false;       // writes its opaque pixels (all of them if clearCounts) whatever lies below
};

Effect EffectOf(const PendingQuad& q) {
    const uint8_t alpha = q.corner[0].a;
    Effect e;
    switch (q.key.blend) {
        case BlendMask:
            // The alpha test lets a pixel through at one half and more.
            e.nothing = alpha < 128;
            e.paints = !e.nothing;
            break;
        case BlendAlpha:
            e.nothing = alpha == 0;
            e.paints = alpha == 255;
            break;
        case BlendLight:
            e.nothing = alpha == 0;
            break;
        case BlendShade:
            e.clearCounts = true;
            break;
        default:  // solid
            e.clearCounts = true;
            e.paints = true;
            break;
    }
    return e;
}

// The part of a rectangle within the clip rectangle and the surface.
void Clip(const PendingQuad& q, const Coverage& c, int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1) {
    const int64_t clipRight = static_cast<int64_t>(q.key.clipX) + std::max(q.key.clipW, 0);
    const int64_t clipBottom = static_cast<int64_t>(q.key.clipY) + std::max(q.key.clipH, 0);
    x0 = std::max({x0, q.key.clipX, 0});
    y0 = std::max({y0, q.key.clipY, 0});
    x1 = static_cast<int32_t>(std::min<int64_t>({x1, clipRight, c.width}));
    y1 = static_cast<int32_t>(std::min<int64_t>({y1, clipBottom, c.height}));
}

// The frame's mask row under surface row y, or nullptr when every pixel of
// the quad counts as opaque (a filled rectangle).
const uint64_t* MaskRow(const GridQuad& g, int32_t y) {
    return g.image ? g.image->MaskRow(g.frame, g.frameY + (y - g.y0)) : nullptr;
}

// Cuts a quad on whole pixels to its box of pixels that matter; false when
// none do.
bool CutToVisible(PendingQuad& q, const Effect& e, const Coverage& c) {
    GridQuad& g = q.grid;
    int32_t x0 = g.x0, y0 = g.y0, x1 = g.x1, y1 = g.y1;
    Clip(q, c, x0, y0, x1, y1);
    if (x0 >= x1 || y0 >= y1) return false;
    const bool ownMask = g.image && !e.clearCounts;
    int32_t left = x1, right = x0 - 1, top = y1, bottom = y0 - 1;
    const int32_t n = x1 - x0;
    for (int32_t y = y0; y < y1; ++y) {
        const uint64_t* covered = c.Row(y);
        const uint64_t* mask = ownMask ? MaskRow(g, y) : nullptr;
        const int32_t maskAt = g.frameX + (x0 - g.x0);
        for (int32_t k = 0; k < n; k += 64) {
            uint64_t matter = ~BitsAt(covered, x0 + k) & LowBits(n - k);
            if (mask) matter &= BitsAt(mask, maskAt + k);
            if (!matter) continue;
            left = std::min(left, x0 + k + std::countr_zero(matter));
            right = std::max(right, x0 + k + 63 - std::countl_zero(matter));
            top = std::min(top, y);
            bottom = y;
        }
    }
    if (right < left) return false;
    if (left == g.x0 && top == g.y0 && right + 1 == g.x1 && bottom + 1 == g.y1) return true;
    // The same texel under every pixel as before the cut.
    const int32_t dx = left - g.x0, dy = top - g.y0;
    const float xs[2] = {static_cast<float>(left), static_cast<float>(right + 1)};
    const float ys[2] = {static_cast<float>(top), static_cast<float>(bottom + 1)};
    float us[2] = {q.corner[0].u, q.corner[1].u};
    float vs[2] = {q.corner[0].v, q.corner[2].v};
    if (g.image) {
        us[0] = static_cast<float>(g.texelX + dx) / g.pageWidth;
        us[1] = static_cast<float>(g.texelX + dx + (right + 1 - left)) / g.pageWidth;
        vs[0] = static_cast<float>(g.texelY + dy) / g.pageRows;
        vs[1] = static_cast<float>(g.texelY + dy + (bottom + 1 - top)) / g.pageRows;
        g.texelX += dx;
        g.texelY += dy;
        g.frameX += dx;
        g.frameY += dy;
    }
    static constexpr int kCorner[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        q.corner[i].x = xs[kCorner[i][0]];
        q.corner[i].y = ys[kCorner[i][1]];
        q.corner[i].u = us[kCorner[i][0]];
        q.corner[i].v = vs[kCorner[i][1]];
    }
    g.x0 = left;
    g.y0 = top;
    g.x1 = right + 1;
    g.y1 = bottom + 1;
    return true;
}

// Marks the pixels a quad on whole pixels paints over for certain.
void MarkPainted(const PendingQuad& q, const Effect& e, Coverage& c) {
    const GridQuad& g = q.grid;
    int32_t x0 = g.x0, y0 = g.y0, x1 = g.x1, y1 = g.y1;
    Clip(q, c, x0, y0, x1, y1);
    const int32_t n = x1 - x0;
    const bool ownMask = g.image && !e.clearCounts;
    for (int32_t y = y0; y < y1; ++y) {
        const uint64_t* mask = ownMask ? MaskRow(g, y) : nullptr;
        const int32_t maskAt = g.frameX + (x0 - g.x0);
        uint64_t* covered = c.Row(y);
        for (int32_t k = 0; k < n; k += 64) {
            uint64_t paint = LowBits(n - k);
            if (mask) paint &= BitsAt(mask, maskAt + k);
            SetBitsAt(covered, x0 + k, paint);
        }
    }
}

// Whether every pixel of the quad's bounding box is painted over later.
bool AllCovered(const PendingQuad& q, const Coverage& c) {
    float minX = q.corner[0].x, maxX = minX, minY = q.corner[0].y, maxY = minY;
    for (const Vertex& v : q.corner) {
        if (!std::isfinite(v.x) || !std::isfinite(v.y)) return false;
        minX = std::min(minX, v.x);
        maxX = std::max(maxX, v.x);
        minY = std::min(minY, v.y);
        maxY = std::max(maxY, v.y);
    }
    if (minX < -1e6f || maxX > 1e6f || minY < -1e6f || maxY > 1e6f) return false;
    int32_t x0 = static_cast<int32_t>(std::floor(minX)), x1 = static_cast<int32_t>(std::ceil(maxX)) + 1;
    int32_t y0 = static_cast<int32_t>(std::floor(minY)), y1 = static_cast<int32_t>(std::ceil(maxY)) + 1;
    Clip(q, c, x0, y0, x1, y1);
    for (int32_t y = y0; y < y1; ++y) {
        const uint64_t* covered = c.Row(y);
        for (int32_t k = 0; k < x1 - x0; k += 64) {
            if (~BitsAt(covered, x0 + k) & LowBits(x1 - x0 - k)) return false;
        }
    }
    return true;
}

Coverage g_coverage;

}  // namespace

void SkipHiddenPixels(std::vector<PendingQuad>& quads, int32_t width, int32_t height) {
    Coverage& c = g_coverage;
    c.Reset(width, height);
    for (size_t i = quads.size(); i-- > 0;) {
        PendingQuad& q = quads[i];
        const Effect e = EffectOf(q);
        // A frame whose pixels changed since it was drawn: its mask no
        // longer tells what the quad will draw.
        const bool maskKnown = !q.grid.image || q.grid.image->version == q.grid.version;
        if (e.nothing) {
            q.dropped = true;
        } else if (q.grid.on && maskKnown) {
            q.dropped = !CutToVisible(q, e, c);
            if (!q.dropped && e.paints) MarkPainted(q, e, c);
        } else {
            q.dropped = AllCovered(q, c);
        }
    }
}

}  // namespace sdlmedia
