#include "scene.h"

#include <algorithm>

#include "glyphs.h"

namespace dg {

static const Rgb kOut = Hex(0x0A0A0E);

bool InSpans(const std::vector<Span>& spans, double x) {
    for (const Span& s : spans)
        if (x > s.a && x < s.b) return true;
    return false;
}

void StreetFloor(Layer& L, double x0, double x1, Rng& r) {
    // Pavement at the wall foot, kerb, then wet asphalt.
    L.Rect(x0, kWallFoot, x1 - x0, 18);
    L.FillGradient(0, kWallFoot, 0, kWallFoot + 18, Hex(0x4A4A50), Hex(0x3A3A40));
    for (double x = x0 - std::fmod(x0, 48); x < x1; x += 48) L.Line(x, kWallFoot, x - 6, kWallFoot + 18, Hex(0x2E2E34), 1);
    L.Rect(x0, kWallFoot + 18, x1 - x0, 5);
    L.Fill(Hex(0x6A6A70));
    L.Rect(x0, kWallFoot + 23, x1 - x0, 480 - kWallFoot - 23);
    L.FillGradient(0, kWallFoot + 23, 0, 480, Hex(0x1E2026), Hex(0x2C2E36));
    // Faint lane dashes and wet reflections.
    for (double x = x0 - std::fmod(x0, 120); x < x1; x += 120) {
        L.Rect(x + 10, 372, 60, 3);
        L.Colour(Hex(0x8A8A70), 0.35);
        cairo_fill(L.cr);
    }
    int puddles = static_cast<int>((x1 - x0) / 90);
    for (int k = 0; k < puddles; ++k) {
        double x = r.Range(x0, x1), y = r.Range(275, 470);
        L.Ellipse(x, y, r.Range(20, 60), r.Range(3, 7));
        L.Colour(Hex(0x4A5060), 0.5);
        cairo_fill(L.cr);
    }
}

void ConcreteFloor(Layer& L, double x0, double x1, Rgb tone, Rng& r) {
    L.Rect(x0, kWallFoot, x1 - x0, 480 - kWallFoot);
    L.FillGradient(0, kWallFoot, 0, 480, Scale(tone, 0.7), tone);
    L.Rect(x0, kWallFoot, x1 - x0, 6);
    L.Fill(Scale(tone, 0.45));
    for (double x = x0 - std::fmod(x0, 160); x < x1; x += 160) L.Line(x, kWallFoot + 6, x - 60, 480, Scale(tone, 0.6), 1.2);
    L.Line(x0, 330, x1, 330, Scale(tone, 0.65), 1.0);
    int stains = static_cast<int>((x1 - x0) / 70);
    for (int k = 0; k < stains; ++k) {
        L.Ellipse(r.Range(x0, x1), r.Range(260, 470), r.Range(10, 40), r.Range(3, 8));
        L.Colour(Scale(tone, 0.5), 0.4);
        cairo_fill(L.cr);
    }
}

void TiledFloor(Layer& L, double x0, double x1, Rgb a, Rgb b, double tile) {
    L.Rect(x0, kWallFoot, x1 - x0, 480 - kWallFoot);
    L.FillGradient(0, kWallFoot, 0, 480, Scale(a, 0.8), a);
    for (double y = kWallFoot + tile * 0.5; y < 480; y += tile * (0.5 + (y - kWallFoot) / 240.0)) L.Line(x0, y, x1, y, b, 1);
    for (double x = x0 - std::fmod(x0, tile * 2); x < x1; x += tile * 2) L.Line(x, kWallFoot, x - 40, 480, b, 1);
    L.Rect(x0, kWallFoot, x1 - x0, 4);
    L.Fill(Scale(b, 0.7));
}

void Facade(Layer& L, double x0, double x1, double top, Rgb wall, Rgb trim, Rng& r, bool brick, bool sign) {
    // Lit from the street: the upper floors fall away into the dark.
    L.Rect(x0, top, x1 - x0, kWallFoot - top);
    L.FillGradient(0, std::max(top, 0.0), 0, kWallFoot, Scale(wall, 0.62), Mix(wall, kWhite, 0.04));
    if (brick) {
        for (double y = top + 2; y < kWallFoot; y += 6) {
            L.Line(x0, y, x1, y, Scale(wall, 0.7), 1);
            double off = std::fmod(y, 12) < 6 ? 0 : 7;
            for (double x = x0 + off - std::fmod(x0, 14); x < x1; x += 14) L.Line(x, y, x, y + 6, Scale(wall, 0.72), 1);
        }
    }
    // Ledges between floors and a cornice.
    L.Rect(x0, top, x1 - x0, 5);
    L.Fill(trim);
    for (double y = top + 60; y < kWallFoot - 40; y += 60) {
        L.Rect(x0, y, x1 - x0, 3);
        L.Fill(Scale(trim, 0.8));
    }
    // Upper windows: a dark grid with a few lit, sills and now and then an air conditioner.
    static const uint32_t litColours[4] = {0x8A7040, 0x6A5A38, 0x506A7A, 0x7A4A3A};
    for (double y = top + 14; y < kWallFoot - 70; y += 60)
        for (double x = x0 + 14; x + 22 < x1; x += 44) {
            L.Rect(x, y, 22, 32);
            L.StrokeKeep(Scale(trim, 0.6), 2);
            // No lit windows up where the heads-up display sits.
            bool lit = r.Chance(0.28) && y >= kDisplayRows;
            L.Fill(lit ? Hex(litColours[r.Int(0, 3)]) : Hex(0x14161E));
            if (lit) {
                L.Rect(x + 1, y + 1, 20, 8);  // blind
                L.Fill(Scale(Hex(litColours[r.Int(0, 3)]), 0.7));
            }
            L.Line(x + 11, y, x + 11, y + 32, Scale(trim, 0.5), 1.5);
            L.Rect(x - 2, y + 32, 26, 3);
            L.Fill(Mix(trim, kWhite, 0.15));
            if (r.Chance(0.08)) {
                L.Rect(x + 3, y + 35, 16, 9);
                L.StrokeKeep(Hex(0x0A0A0E), 1.2);
                L.Fill(Hex(0x8A8E90));
            }
        }
    // A sign on some buildings.
    if (sign && x1 - x0 > 150 && r.Chance(0.5)) {
        static const char* words[6] = {"HOTEL", "BAR", "PAWN", "24H", "CAFE", "LOANS"};
        const char* word = words[r.Int(0, 5)];
        double sw = BlockTextWidth(word, 3) + 12, sx = x0 + r.Range(20, x1 - x0 - sw - 20), sy = kWallFoot - 112;
        L.Rect(sx, sy, sw, 33);
        L.StrokeKeep(Hex(0x0A0A0E), 2);
        L.Fill(Hex(0x1A1A22));
        BlockText(L, word, sx + 6, sy + 6, 3);
        static const uint32_t neon[4] = {0xFF4080, 0x40E0FF, 0xFFD040, 0x80FF60};
        L.Fill(Hex(neon[r.Int(0, 3)]));
    }
    // Drainpipe.
    double px = x1 - 6;
    L.Line(px, top, px, kWallFoot, Hex(0x2E3034), 3);
}

void ShopWindow(Layer& L, double x, Rng& r) {
    L.Rect(x - 8, 122, 136, 84);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, 122, 0, 206, Hex(0x5A4A3A), Hex(0x3A2E24));
    L.Rect(x - 10, 112, 140, 12);  // sign board
    L.StrokeKeep(kOut, 1.5);
    L.Fill(r.Chance(0.5) ? Hex(0x8A2020) : Hex(0x20508A));
    L.Rect(x, 135, 120, 64);
    L.Fill(Hex(0x101418));
    L.Rect(x - 8, 199, 136, 6);
    L.Fill(Hex(0x6A6A6A));
}

void WallLamp(Layer& L, double x) {
    L.Line(x + 14, 124, x + 2, 116, Hex(0x2A2C30), 3);
    L.Rect(x + 12, 116, 6, 16);
    L.Fill(Hex(0x2A2C30));
    L.Poly({x - 8, 118, x + 8, 118, x + 5, 126, x - 5, 126});
    L.StrokeKeep(kOut, 1.2);
    L.Fill(Hex(0x3A3E44));
    L.Rect(x - 4, 126, 8, 3);
    L.Fill(Hex(0xFFE8B0));
}

void Recess(Layer& L, double cx, double w, double top) {
    L.Rect(cx - w / 2 - 6, top - 6, w + 12, kWallFoot - top + 6);
    L.StrokeKeep(kOut, 2);
    L.Fill(Hex(0x3A3C42));
    L.Rect(cx - w / 2, top, w, kWallFoot - top);
    L.FillGradient(0, top, 0, kWallFoot, Hex(0x0E1014), Hex(0x1A1C22));
}

void SideStreet(Layer& L, double x0, double x1, double horizon, Rng& r) {
    double cx = (x0 + x1) / 2;
    L.Poly({x0, kWallFoot, x1, kWallFoot, cx + 10, horizon, cx - 10, horizon});
    L.FillGradient(0, horizon, 0, kWallFoot, Hex(0x14161C), Hex(0x22242A));
    // Distant building sides along the side street.
    L.Poly({x0, kWallFoot, x0, horizon - 60, cx - 12, horizon - 30, cx - 12, horizon});
    L.Fill(Hex(0x1C1E26));
    L.Poly({x1, kWallFoot, x1, horizon - 60, cx + 12, horizon - 30, cx + 12, horizon});
    L.Fill(Hex(0x181A22));
    for (int k = 0; k < 6; ++k) {
        double t = r.Range(0.1, 0.9), y = horizon - 40 * t + r.Range(-10, 20);
        L.Rect(x0 + (cx - x0) * t, y, 2, 3);
        L.Fill(Hex(0xC0A060));
    }
}

void Archway(Layer& L, double x0, double x1, double top) {
    // A passage under the upper floors: arched opening, a lit yard beyond.
    double w = x1 - x0, archTop = std::max(top, 120.0);
    cairo_move_to(L.cr, x0, kWallFoot);
    cairo_line_to(L.cr, x0, archTop + w * 0.25);
    cairo_curve_to(L.cr, x0, archTop, x1, archTop, x1, archTop + w * 0.25);
    cairo_line_to(L.cr, x1, kWallFoot);
    cairo_close_path(L.cr);
    L.StrokeKeep(Hex(0x6A6258), 5);
    L.FillGradient(0, archTop, 0, kWallFoot, Hex(0x0C0C10), Hex(0x1E1C20));
    // The yard wall beyond with a lit door and a lamp glow.
    double cx = (x0 + x1) / 2;
    L.Rect(x0 + 6, 170, w - 12, kWallFoot - 170);
    L.Fill(Hex(0x24201E));
    if (w > 50) {
        L.Rect(cx - 8, 196, 16, 41);
        L.Fill(Hex(0x8A6A3A));
        L.Ellipse(cx, 186, 14, 6);
        L.Colour(Hex(0xC09050), 0.35);
        cairo_fill(L.cr);
    }
    L.Rect(x0 + 6, 228, w - 12, 9);
    L.Fill(Hex(0x2C2A2A));
}

void RollerDoor(Layer& L, double x, double w, double top) {
    L.Rect(x, top, w, kWallFoot - top);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, top, 0, kWallFoot, Hex(0x7A7E84), Hex(0x4A4E54));
    for (double y = top + 4; y < kWallFoot; y += 5) L.Line(x, y, x + w, y, Hex(0x3A3E44), 1);
    L.Rect(x - 4, top - 8, w + 8, 8);
    L.Fill(Hex(0x3A3C40));
}

bool UnderCaption(double a, double b) { return b > kCaptionX0 && a < kCaptionX1; }

void ShadeUnderCaption(Sheet& s, int top, int left) {
    constexpr double kTop = 196, kFeather = 14, kKnee = 30, kRatio = 0.33;
    for (int y = std::max(0, static_cast<int>(kTop) - top); y < std::min(s.height, kWallFoot - top); ++y)
        for (int x = std::max(0, static_cast<int>(kCaptionX0 - kFeather) - left);
             x < std::min(s.width, static_cast<int>(kCaptionX1 + kFeather) - left); ++x) {
            if (!s.On(x, y)) continue;
            const double wx = x + left + 0.5, wy = y + top + 0.5;
            const double side = std::min(wx - (kCaptionX0 - kFeather), kCaptionX1 + kFeather - wx) / kFeather;
            const double weight = std::clamp(std::min(side, (wy - kTop) / 5), 0.0, 1.0);
            const Rgb c = s.Get(x, y);
            const double luma = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
            if (luma <= kKnee) continue;
            const double tamed = (kKnee + (luma - kKnee) * kRatio) / luma;
            s.Set(x, y, Scale(c, 1.0 + (tamed - 1.0) * weight));
        }
}

void FinishStrip(Layer& L, Sheet& s, Rng& r, double grain) {
    L.StampHard(s, 0, 0);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            if (!s.On(x, y)) continue;
            double k = 1.0 + grain * (r.Uniform() - 0.5);
            s.Set(x, y, Scale(s.Get(x, y), k));
        }
    s.DimForDisplay(kDisplayRows, 12);
}

}  // namespace dg
