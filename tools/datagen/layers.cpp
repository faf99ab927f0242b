// The far layers: three cloud bands and four skylines, 640 px wide and
// seamless left to right. Black is see-through (the night behind).
#include <algorithm>
#include <functional>

#include "generators.h"

namespace dg {
namespace {

// Value noise that wraps every `period` pixels in x.
struct WrapNoise {
    std::vector<double> grid;
    int gw, gh, cell;
    WrapNoise(Rng& r, int period, int height, int cellSize) : gw(period / cellSize), gh(height / cellSize + 2), cell(cellSize) {
        grid.resize(static_cast<size_t>(gw) * gh);
        for (auto& v : grid) v = r.Uniform();
    }
    double At(double x, double y) const {
        double fx = x / cell, fy = y / cell;
        int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
        double tx = fx - x0, ty = fy - y0;
        tx = tx * tx * (3 - 2 * tx);
        ty = ty * ty * (3 - 2 * ty);
        auto g = [&](int i, int j) {
            i = ((i % gw) + gw) % gw;
            j = std::clamp(j, 0, gh - 1);
            return grid[static_cast<size_t>(j) * gw + i];
        };
        double a = g(x0, y0) + (g(x0 + 1, y0) - g(x0, y0)) * tx;
        double b = g(x0, y0 + 1) + (g(x0 + 1, y0 + 1) - g(x0, y0 + 1)) * tx;
        return a + (b - a) * ty;
    }
};

double Fractal(const std::vector<WrapNoise>& n, double x, double y) {
    double v = 0, amp = 0.5, total = 0;
    for (const auto& o : n) {
        v += o.At(x, y) * amp;
        total += amp;
        amp *= 0.5;
    }
    return v / total;
}

std::vector<WrapNoise> Octaves(Rng& r, int height, std::initializer_list<int> cells) {
    std::vector<WrapNoise> n;
    for (int c : cells) n.emplace_back(r, 640, height, c);
    return n;
}

// `dimTop`: rows at the top that stay dim (a band that some section shows
// right under the heads-up display).
void Clouds(Sheet& s, Rng& r, double cover, double yFade, Rgb lit, Rgb dark, double stars, int dimTop = 0) {
    auto n = Octaves(r, 240, {160, 80, 40, 20, 10});
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 640; ++x) {
            double v = Fractal(n, x, y * 1.8);
            double fade = std::clamp(1.0 - y / yFade, 0.0, 1.0);
            if (y < dimTop) {
                const double t = static_cast<double>(y) / dimTop;
                fade *= 0.45 + 0.55 * t * t * (3 - 2 * t);
            }
            double d = (v - (1 - cover)) / cover;
            if (d > 0 && fade > 0.05) {
                double k = std::min(1.0, d * 2.5) * fade;
                // Lit from below: the lower part of each cloud is warmer.
                double under = std::clamp(Fractal(n, x, y * 1.8 + 6) - v + 0.5, 0.0, 1.0);
                Rgb c = Mix(dark, lit, under * 0.8);
                c = Scale(c, 0.25 + 0.75 * k);
                if (c.r + c.g + c.b > 6) s.Set(x, y, c);
            } else if (stars > 0 && r.Chance(stars * fade)) {
                uint8_t b = static_cast<uint8_t>(r.Int(90, 200));
                s.Set(x, y, Rgb{b, b, static_cast<uint8_t>(std::min(255, b + 20))});
            }
        }
}

// The highest band: the junkyard sections show its top rows at the top of the screen.
void Sky(Sheet& s, Rng& r) { Clouds(s, r, 0.55, 150, Hex(0xC07858), Hex(0x40305A), 0.0, kDisplayRows + 8); }
void Skyhigh2(Sheet& s, Rng& r) { Clouds(s, r, 0.4, 240, Hex(0x6A5A7A), Hex(0x262236), 0.0); }
void Skyhigh(Sheet& s, Rng& r) { Clouds(s, r, 0.3, 240, Hex(0x8A94A8), Hex(0x343A4A), 0.0015); }

// A run of building silhouettes with lit windows, wrapping at 640.
void Skyline(Sheet& s, Rng& r, int minTop, int maxTop, int minW, int maxW, Rgb wall, double lit) {
    int x = 0;
    while (x < 640) {
        int w = r.Int(minW, maxW), top = r.Int(minTop, maxTop);
        if (x + w > 640) w = 640 - x;
        Rgb c = Scale(wall, r.Range(0.8, 1.2));
        for (int i = 0; i < w; ++i)
            for (int y = top; y < 240; ++y) s.Set(x + i, y, c);
        // Antenna now and then.
        if (r.Chance(0.3) && w > 10) {
            int ax = x + w / 2;
            for (int y = top - r.Int(8, 20); y < top; ++y) s.Set(ax, y, Scale(c, 0.9));
            s.Set(ax, top - 21, Hex(0xFF3020));
        }
        for (int wy = top + 4; wy < 236; wy += 5)
            for (int wx = x + 2; wx < x + w - 2; wx += 4)
                if (r.Chance(lit)) {
                    Rgb win = r.Chance(0.7) ? Hex(0xE8C070) : Hex(0xA0C0E0);
                    s.Set(wx, wy, Scale(win, r.Range(0.5, 1.0)));
                    s.Set(wx + 1, wy, Scale(win, r.Range(0.4, 0.9)));
                }
        x += w;
    }
}

void City(Sheet& s, Rng& r) {
    Skyline(s, r, 40, 110, 14, 40, Hex(0x14141E), 0.0);
    Skyline(s, r, 90, 170, 18, 46, Hex(0x1E1C28), 0.25);
}

void Citysmall(Sheet& s, Rng& r) {
    // The city seen from high above: rows of lit blocks to the horizon near the top.
    for (int y = 16; y < 240; ++y)
        for (int x = 0; x < 640; ++x) s.Set(x, y, Mix(Hex(0x181C28), Hex(0x0E1018), (y - 16) / 224.0));
    for (int k = 0; k < 2600; ++k) {
        int y = 16 + static_cast<int>(224 * std::pow(r.Uniform(), 0.8));
        int x = r.Int(0, 639), w = 1 + (y - 16) / 40, h = 1 + (y - 16) / 60;
        Rgb c = r.Chance(0.7) ? Hex(0xE8B060) : Hex(0x90B8E8);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) s.Set((x + i) % 640, y + j, Scale(c, r.Range(0.4, 1.0)));
    }
}

void Treesback(Sheet& s, Rng& r) {
    // Ground band, a church silhouette and bare trees.
    for (int y = 150; y < 240; ++y)
        for (int x = 0; x < 640; ++x) s.Set(x, y, Hex(0x10140E));
    Layer L(640, 240);
    L.Poly({300, 150, 300, 90, 320, 70, 340, 90, 340, 150});
    L.Fill(Hex(0x141418));
    L.Poly({314, 72, 320, 40, 326, 72});
    L.Fill(Hex(0x141418));
    L.Rect(318.5, 28, 3, 14);
    L.Fill(Hex(0x141418));
    L.Rect(313, 34, 14, 3);
    L.Fill(Hex(0x141418));
    L.Rect(316, 110, 8, 10);
    L.Fill(Hex(0x806030));
    std::function<void(double, double, double, double, int)> branch = [&](double x, double y, double a, double len, int depth) {
        double x1 = x + std::sin(a) * len, y1 = y - std::cos(a) * len;
        for (int rep = -1; rep <= 1; ++rep) L.Line(x + rep * 640, y, x1 + rep * 640, y1, Hex(0x181A16), depth * 0.9 + 0.6);
        if (depth <= 0) return;
        branch(x1, y1, a - r.Range(0.2, 0.6), len * 0.72, depth - 1);
        branch(x1, y1, a + r.Range(0.2, 0.6), len * 0.72, depth - 1);
    };
    for (int k = 0; k < 16; ++k) {
        double x = k * 40 + r.Range(0, 30);
        if (std::fabs(x - 320) < 40) continue;
        branch(x, 152, r.Range(-0.1, 0.1), r.Range(22, 36), 5);
    }
    L.StampHard(s, 0, 0);
}

void Cityjunk(Sheet& s, Rng& r) {
    Skyline(s, r, 120, 180, 20, 60, Hex(0x18161A), 0.08);
    Layer L(640, 240);
    const Rgb c = Hex(0x201C1E);
    for (int k = 0; k < 5; ++k) {  // chimneys
        double x = 30 + k * 120 + r.Range(0, 40);
        L.Rect(x, 50 + r.Range(0, 40), 10, 200);
        L.Fill(c);
        L.Ellipse(x + 5, 58, 3, 2);
        L.Fill(Hex(0xFF5020));
    }
    // A crane.
    L.Rect(470, 60, 6, 180);
    L.Fill(c);
    L.Line(440, 64, 600, 64, c, 4);
    L.Line(600, 64, 600, 110, c, 1.2);
    // Junk heaps.
    for (int k = 0; k < 12; ++k) {
        double x = k * 55 + r.Range(0, 20), top = 176 + r.Range(0, 20);
        for (int rep = -1; rep <= 1; ++rep) {
            L.Poly({x - 40 + rep * 640, 240, x + rep * 640, top, x + 40 + rep * 640, 240});
            L.Fill(Hex(0x1A1614));
        }
    }
    L.StampHard(s, 0, 0);
    for (int k = 0; k < 60; ++k) s.Set(r.Int(0, 639), r.Int(120, 239), Hex(0xE0A050));
}

}  // namespace

void AddLayerImages(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/Levels/Street/Sky.png"] = Sky;
    m["Data/Graphics/Levels/Vxc/Skyhigh2.png"] = Skyhigh2;
    m["Data/Graphics/Levels/Vxc/Skyhigh.png"] = Skyhigh;
    m["Data/Graphics/Levels/Street/City.png"] = City;
    m["Data/Graphics/Levels/Graveyard/Treesback.png"] = Treesback;
    m["Data/Graphics/Levels/Vxc/Citysmall.png"] = Citysmall;
    m["Data/Graphics/Levels/Junkyard/Cityjunk.png"] = Cityjunk;
}

}  // namespace dg
