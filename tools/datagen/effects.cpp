// Effects: bullets, missiles, casings, muzzle flashes, blood, fire and
// explosions, smoke, sparks, falling glass, rain, light pools, the contact box.
#include <algorithm>

#include "generators.h"

namespace dg {
namespace {

// Bullet streaks: 16 directions clockwise from up, the same footprint for
// every kind of round. Drawn pixel by pixel so the footprint is exact.
void Bullets(Sheet& s, Rng&) {
    const int dx[16] = {0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4, -4, -4, -4, -2};
    const int dy[16] = {-4, -4, -4, -2, 0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4};
    const Rgb tail[4] = {Hex(0xC08020), Hex(0x20A0C0), Hex(0xB0B0B0), Hex(0xC03010)};
    const Rgb head[4] = {Hex(0xFFFFC0), Hex(0xE0FFFF), kWhite, Hex(0xFFE080)};
    for (int d = 0; d < 16; ++d) {
        double ux = dx[d], uy = dy[d], len = std::hypot(ux, uy);
        ux /= len, uy /= len;
        for (int run = 0; run < 4; ++run) {
            int cell = d + run * 16;
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 10; ++x) {
                    // Pixel centres relative to the streak's middle.
                    double px = x - (4 + 0.5 * std::fabs(ux)), py = y - (4 + 0.5 * std::fabs(uy));
                    double along = px * ux + py * uy;  // tail .. head
                    double across = std::fabs(-px * uy + py * ux);
                    if (std::fabs(along) > 3.55 || across > 1.05) continue;
                    double t = (along + 3.55) / 7.1;
                    Rgb c = Mix(tail[run], head[run], t * t);
                    if (across > 0.5) c = Scale(c, 0.75);
                    s.Set(s.CellX(cell) + x, s.CellY(cell) + y, c);
                }
        }
    }
}

void Missile(Sheet& s, Rng& rng) {
    // Cells 0/1 up, 2/3 left, 4/5 right; two flame variants each.
    for (int c = 0; c < 6; ++c) {
        Layer L(48, 48);
        int dir = c / 2;
        cairo_translate(L.cr, 24, 24);
        if (dir == 1) cairo_rotate(L.cr, -M_PI / 2), cairo_translate(L.cr, 1, -17);  // nose into cols 0..9, rows 18..27
        if (dir == 2) cairo_rotate(L.cr, M_PI / 2), cairo_translate(L.cr, 1, 0);
        // Body along -y (nose up), flame below.
        double noseY = dir == 0 ? -22 : (dir == 1 ? -6 : -2), bodyLen = dir == 2 ? 12 : 16;
        double flameLen = (dir == 2 ? 10 : 18) + (c % 2) * 5 + rng.Range(-1, 1);
        L.Poly({0, noseY, 3, noseY + 4, 3, noseY + bodyLen, -3, noseY + bodyLen, -3, noseY + 4});
        L.Fill(Hex(0x8C949C));
        L.Rect(-1, noseY + 4, 2, bodyLen - 5);
        L.Fill(Hex(0xC8D0D8));
        L.Ellipse(0, noseY + bodyLen + flameLen / 2, 3.2, flameLen / 2);
        L.FillRadial(0, noseY + bodyLen + 2, flameLen, Hex(0xFFFFE0), Hex(0xC04000), 1.0, 0.0);
        L.StampLight(s, s.CellX(c), s.CellY(c), 10);
    }
}

void Shells(Sheet& s, Rng&) {
    const Rgb body[4] = {Hex(0xC8A03C), Hex(0xAAB4C3), Hex(0x909090), Hex(0xB02020)};
    const Rgb end[4] = {Hex(0xE8C870), Hex(0xD0D8E0), Hex(0xB0B0B0), Hex(0xC8A03C)};
    for (int run = 0; run < 4; ++run)
        for (int k = 0; k < 16; ++k) {
            double a = k * M_PI / 8, ux = std::cos(a), uy = std::sin(a);
            int cell = run * 16 + k;
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 5; ++x) {
                    double px = x - 2, py = y - 2;
                    double along = px * ux + py * uy, across = std::fabs(-px * uy + py * ux);
                    if (std::fabs(along) > 1.6 || across > 0.6) continue;
                    s.Set(s.CellX(cell) + x, s.CellY(cell) + y, along > 0.8 ? end[run] : body[run]);
                }
        }
}

// Flame cone from (x0, y0) along angle a (radians, screen), additive.
void Flame(Layer& L, double x0, double y0, double a, double len, double spread, Rng& r) {
    cairo_save(L.cr);
    cairo_translate(L.cr, x0, y0);
    cairo_rotate(L.cr, a);
    for (int k = 0; k < 5; ++k) {
        double off = r.Range(-spread, spread) * 0.6;
        double l = len * r.Range(0.6, 1.0);
        L.Poly({0, -2, l * 0.5, off - spread * 0.7, l, off, l * 0.5, off + spread * 0.7, 0, 2});
        L.Colour(Hex(0xFFC040), 0.6);
        cairo_fill(L.cr);
    }
    L.Ellipse(len * 0.25, 0, len * 0.3, spread * 0.45);
    L.FillRadial(len * 0.15, 0, len * 0.4, Hex(0xFFFFF0), Hex(0xFFD060), 1.0, 0.2);
    cairo_restore(L.cr);
}

void Firegun(Sheet& s, Rng& rng) {
    // Base cells: 0 left, 1 up-left, 2 up, 3 up-right, 4 right, 5 down-left, 6 down-right.
    struct Dir { double x, y, a; };
    const Dir dirs[7] = {{33, 16, M_PI}, {33, 33, -3 * M_PI / 4}, {17, 33, -M_PI / 2}, {0, 33, -M_PI / 4},
                         {0, 17, 0},     {33, 0, 3 * M_PI / 4},    {0, 0, M_PI / 4}};
    for (int v = 0; v < 2; ++v)
        for (int b = 0; b < 7; ++b) {
            Layer L(34, 34);
            Flame(L, dirs[b].x, dirs[b].y, dirs[b].a, v ? 26 : 30, v ? 9 : 7, rng);
            L.StampLight(s, s.CellX(b + 7 * v), s.CellY(b + 7 * v), 12);
        }
}

void Deflect(Sheet& s, Rng& rng) {
    const Rgb blood = Hex(0x9A0C0A), dark = Hex(0x600806);
    // 2..5: blood spurts with a pale core, centred near (6, 4) where the bullet strikes.
    for (int c = 2; c <= 5; ++c) {
        Layer L(21, 19);
        for (int k = 0; k < 7; ++k) {
            double a = rng.Range(-2.6, 0.4), d = rng.Range(3, 9);
            L.Ellipse(7 + std::cos(a) * d, 6 + std::sin(a) * d * 0.8, rng.Range(1, 2.2), rng.Range(1, 2));
            L.Fill(k % 2 ? blood : dark);
        }
        L.Ellipse(7, 6, 3.2, 2.6);
        L.Fill(blood);
        L.Ellipse(7, 6, 1.4, 1.2);
        L.Fill(Hex(0xF0A090));
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
    auto drop = [&](int c, double slant) {
        Layer L(21, 19);
        cairo_translate(L.cr, 10.5, 9.5);
        cairo_rotate(L.cr, slant);
        L.Poly({0, -2.2, 1.2, 0.5, 0, 1.8, -1.2, 0.5});
        L.Fill(blood);
        L.StampHard(s, s.CellX(c), s.CellY(c), 90);
    };
    drop(6, 0);
    drop(13, 0.5);
    drop(14, -0.5);
    // 7..12: the landed splat drying darker and smaller.
    for (int k = 0; k < 6; ++k) {
        int c = 7 + k;
        Layer L(21, 19);
        double w = 3.0 - k * 0.3;
        L.Ellipse(10.5, 10, w, 1.3);
        L.Fill(Mix(blood, Hex(0x300404), k / 6.0));
        L.StampHard(s, s.CellX(c), s.CellY(c), 90);
    }
}

// Smooth value noise on a lattice of random values (0..1), for the
// turbulence of fire.
struct Noise2 {
    static constexpr int kSize = 64;
    double v[kSize * kSize];
    explicit Noise2(Rng& r) {
        for (double& x : v) x = r.Uniform();
    }
    double At(double x, double y) const {
        const double fx = std::floor(x), fy = std::floor(y);
        const int x0 = static_cast<int>(fx) & (kSize - 1), y0 = static_cast<int>(fy) & (kSize - 1);
        const int x1 = (x0 + 1) & (kSize - 1), y1 = (y0 + 1) & (kSize - 1);
        double tx = x - fx, ty = y - fy;
        tx = tx * tx * (3 - 2 * tx);
        ty = ty * ty * (3 - 2 * ty);
        const double a = v[y0 * kSize + x0] + (v[y0 * kSize + x1] - v[y0 * kSize + x0]) * tx;
        const double b = v[y1 * kSize + x0] + (v[y1 * kSize + x1] - v[y1 * kSize + x0]) * tx;
        return a + (b - a) * ty;
    }
    // Four octaves, 0..1.
    double Fractal(double x, double y) const {
        double sum = 0, amp = 0.5, total = 0;
        for (int o = 0; o < 4; ++o) {
            sum += At(x, y) * amp;
            total += amp;
            x = x * 2.03 + 17.1;
            y = y * 2.03 + 5.3;
            amp *= 0.5;
        }
        return sum / total;
    }
};

// Fire colour by temperature 0..1: black, deep red, orange, yellow, white.
Rgb FireColour(double t) {
    static const Rgb stops[6] = {{0, 0, 0}, {90, 10, 0}, {210, 56, 4}, {255, 146, 24}, {255, 224, 112}, {255, 255, 236}};
    t = std::clamp(t, 0.0, 1.0) * 5;
    const int i = std::min(4, static_cast<int>(t));
    return Mix(stops[i], stops[i + 1], t - i);
}

// An explosion in eleven cells, added onto the frame: a white flash, a
// billowing fireball that swells and cools from the outside in, then ragged
// tongues and sparks dying to embers. The fire's edge and its dark folds
// come from turbulence, so no cell shows round blobs.
void Explosion(Sheet& s, Rng& rng) {
    const double w = s.cellW, h = s.cellH, R = std::min(w, h) / 2 - 1;
    Noise2 noise(rng);
    const double scale = 5.5 / R;  // lattice cells across the radius
    struct Spark {
        double a, speed, size;
    };
    std::vector<Spark> sparks;
    for (int k = 0; k < 14; ++k) sparks.push_back({rng.Range(0, 2 * M_PI), rng.Range(0.55, 1.0), rng.Range(0.6, 1.3)});
    for (int c = 0; c < 11; ++c) {
        const double t = c / 10.0;
        const double radius = R * (c == 0 ? 0.42 : 0.5 + 0.48 * (1 - std::exp(-c * 0.55)));
        const double heat = c == 0 ? 1.25 : std::max(0.0, 1.12 - 0.105 * c);
        const double breakup = std::max(0.0, (t - 0.45) * 1.6);  // late cells tear apart
        const double cx = w / 2, cy = h / 2;
        for (int y = 0; y < s.cellH; ++y)
            for (int x = 0; x < s.cellW; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                const double d = std::hypot(dx, dy);
                // The rising heat stretches the turbulence upward.
                const double lobes = noise.Fractal((x + c * 2.1) * scale * 0.55 + 7, (y + c * 4.3) * scale * 0.5 + 3);
                const double n = noise.Fractal((x + c * 3.1) * scale, (y + c * 5.7) * scale * 0.85);
                const double edge = radius * (0.62 + 0.5 * lobes + 0.22 * n);
                if (d > edge) continue;
                const double density = 1 - d / edge;
                const double fold = noise.Fractal(x * scale * 2.2 + 40, y * scale * 2.2 - c * 0.9 + 40);
                // Hot inside, cooling to a dark red rim that fades into the frame.
                double temp = heat * std::pow(density, 0.55) * (0.5 + 0.8 * fold);
                if (c == 0) temp = heat * density * (0.85 + 0.3 * fold);
                if (breakup > 0) {
                    const double cut = noise.Fractal(x * scale * 1.3 + 90, y * scale * 1.3 + 90 + c * 0.7);
                    const double keep = cut + 0.25 * density - breakup * 0.5;
                    if (keep < 0.3) continue;
                    temp *= std::min(1.0, (keep - 0.3) * 4);
                }
                const Rgb col = FireColour(temp);
                if (std::max({col.r, col.g, col.b}) >= 10) s.Set(s.CellX(c) + x, s.CellY(c) + y, col);
            }
        // Sparks fly out from the fourth cell on and cool as they go.
        if (c >= 3)
            for (const Spark& sp : sparks) {
                const double dist = R * sp.speed * (0.35 + 0.09 * c);
                const double px = cx + std::cos(sp.a) * dist, py = cy + std::sin(sp.a) * dist + 0.04 * c * c;
                const Rgb col = FireColour(std::max(0.3, 1.0 - 0.06 * c));
                for (int k = 0; k < (sp.size > 1 ? 3 : 2); ++k) {
                    const int ix = static_cast<int>(px - std::cos(sp.a) * k), iy = static_cast<int>(py - std::sin(sp.a) * k);
                    if (ix >= 0 && iy >= 0 && ix < s.cellW && iy < s.cellH) s.Set(s.CellX(c) + ix, s.CellY(c) + iy, col);
                }
            }
    }
}

void Fireball(Sheet& s, Rng& rng) {
    for (int c = 0; c < 7; ++c) {
        Layer L(32, 48);
        if (c < 2) {
            // Falling fire bomb: hot head at the bottom centre, trail upward.
            L.Ellipse(16, 41, 5, 5);
            L.FillRadial(16, 41, 6, kWhite, Hex(0xFF9020));
            Flame(L, 16, 38, -M_PI / 2, 30 + c * 5, 5, rng);
        } else {
            double height = c == 2 ? 14 : c == 3 ? 30 : c == 4 ? 44 : c == 5 ? 30 : 10;
            double heat = c == 6 ? 0.2 : 0.9 - (c - 2) * 0.12;
            int tongues = c == 6 ? 6 : 9;
            for (int k = 0; k < tongues; ++k) {
                double x = rng.Range(6, 26), tall = height * rng.Range(0.5, 1.0);
                L.Ellipse(x, 47 - tall / 2, rng.Range(3, 6), tall / 2);
                L.FillRadial(x, 47 - tall * 0.2, tall * 0.7, Mix(Hex(0xC03000), Hex(0xFFF0B0), heat), Hex(0x801000), 1.0,
                             0.0);
            }
        }
        L.StampLight(s, s.CellX(c), s.CellY(c), 10);
    }
}

void Puffs(Sheet& s, Rng& rng, Rgb light, Rgb dark) {
    double w = s.cellW, h = s.cellH;
    for (int c = 0; c < 7; ++c) {
        Layer L(s.cellW, s.cellH);
        double r = std::min(w, h) * (0.16 + c * 0.055);
        double dens = 1.0 - c * 0.11;
        for (int k = 0; k < 6; ++k) {
            double a = rng.Range(0, 2 * M_PI), d = rng.Range(0, r * 0.5);
            double x = w / 2 + std::cos(a) * d, y = h / 2 + std::sin(a) * d;
            L.Ellipse(x, y, r * rng.Range(0.5, 0.8), r * rng.Range(0.5, 0.75));
            L.FillRadial(x, y - r * 0.2, r, Scale(light, dens), Scale(dark, dens), 1.0, 0.0);
        }
        L.StampLight(s, s.CellX(c), s.CellY(c), 14);
    }
}
// Damage smoke, mixed in at 0.6 over the frame. The game stacks the cells
// into a column, 20 pixels apart, with the lower cells higher up (the top
// puff is always cell 0, the one leaving the fire is the newest cell), and
// over a column's life every cell passes every height. So each puff thins
// upward in itself: a thick, dark body below that tears into ragged wisps
// above; and from cell 6 to cell 0 the puffs grow wider, greyer and more
// torn, the column's top being its thinnest part while it rises. A picture
// drawn at a fixed alpha thins only by letting the frame through, so the
// thinning is in the holes, not in a fading colour.
void Smoke(Sheet& s, Rng& rng) {
    const double w = s.cellW, h = s.cellH;
    Noise2 noise(rng);
    for (int c = 0; c < 7; ++c) {
        const double rise = (6 - c) / 6.0;  // 0 the thickest puff, 1 the thinnest
        const double rx = w / 2 * (0.95 + 0.12 * rise), ry = h / 2 * 0.92;
        const double cx = w / 2 + rng.Range(-1.5, 1.5), cy = h / 2 + 1;
        const double ox = c * 9.7, oy = c * 6.1;
        for (int y = 0; y < s.cellH; ++y)
            for (int x = 0; x < s.cellW; ++x) {
                // The swirl: the point is pushed about by a coarse field first.
                const double wx = x + 8 * (noise.Fractal(x * 0.08 + ox, y * 0.08 + oy) - 0.5);
                const double wy = y + 8 * (noise.Fractal(x * 0.08 + oy + 31, y * 0.08 + ox + 13) - 0.5);
                const double dx = (wx + 0.5 - cx) / rx, dy = (wy + 0.5 - cy) / ry;
                const double lobes = noise.Fractal(wx * 0.14 + ox + 50, wy * 0.14 + oy + 50);
                const double d = std::hypot(dx, dy) / (0.55 + 0.75 * lobes);
                if (d >= 1) continue;
                // Holes open toward the top of the puff and in the thinner puffs.
                const double body = 1 - d * d;
                const double up = std::clamp(-dy, 0.0, 1.0);
                const double tear = noise.Fractal(x * 0.33 + ox + 90, y * 0.33 + oy + 90);
                // ... and along the cell's border, so that no puff shows a straight cut.
                const double border = std::min({x + 0.5, w - x - 0.5, y + 0.5, h - y - 0.5});
                const double frayed = std::max(0.0, 3.5 - border) * 0.12;
                if (0.65 * body + 0.8 * tear < 0.4 + 0.42 * rise + 0.4 * up + frayed) continue;
                // Billows lit from above: light tops, dark undersides and folds.
                const double fold = noise.Fractal(wx * 0.3 + ox + 120, wy * 0.3 + oy + 120);
                const double light =
                    std::clamp(0.45 - 0.3 * dy - 0.1 * dx + 1.2 * (fold - 0.5) + 0.15 * (body - 0.5), 0.0, 1.0);
                // Thick smoke is dark and rich in contrast; thin smoke turns a flatter grey.
                const Rgb dark = Mix(Hex(0x1C1C1E), Hex(0x46464A), rise);
                const Rgb lit = Mix(Hex(0x7E7E80), Hex(0x8E8E92), rise);
                s.Set(s.CellX(c) + x, s.CellY(c) + y, Mix(dark, lit, light));
            }
    }
}
void Powder(Sheet& s, Rng& rng) { Puffs(s, rng, Hex(0xF0ECE0), Hex(0x9A968C)); }

void Detect1(Sheet& s, Rng&) { s.FillRect(0, 0, 16, 70, Rgb{200, 200, 200}); }

void Spark(Sheet& s, Rng& rng) {
    for (int c = 0; c < 3; ++c) {
        Layer L(23, 22);
        int rays = 6 + c;
        for (int k = 0; k < rays; ++k) {
            double a = k * 2 * M_PI / rays + rng.Range(-0.2, 0.2), len = rng.Range(6, 10);
            L.Line(11, 9, 11 + std::cos(a) * len, 9 + std::sin(a) * len, Hex(0xFFB030), 1.4);
        }
        L.Ellipse(11, 9, 2.6, 2.6);
        L.Fill(kWhite);
        L.StampHard(s, s.CellX(c), s.CellY(c), 100);
    }
}

void Glassbreak(Sheet& s, Rng& rng) {
    // The 56 x 60 pane sits at rows 10..69; shards burst, fall and spread.
    struct Shard { double x, y, vx, vy, size, rot, spin; };
    std::vector<Shard> shards;
    for (int k = 0; k < 26; ++k)
        shards.push_back({rng.Range(4, 52), rng.Range(12, 66), rng.Range(-0.6, 0.6), rng.Range(0.0, 1.0),
                          rng.Range(2.5, 6), rng.Range(0, 3), rng.Range(-0.5, 0.5)});
    for (int c = 0; c < 9; ++c) {
        Layer L(60, 85);
        for (size_t k = 0; k < shards.size(); ++k) {
            if (c >= 5 && k % (10 - c) == 0) continue;  // thinning out
            const Shard& sh = shards[k];
            double t = c;
            double x = sh.x + sh.vx * t * 2.2, y = sh.y + sh.vy * t + 0.45 * t * t;
            if (y > 84) continue;
            cairo_save(L.cr);
            cairo_translate(L.cr, x, y);
            cairo_rotate(L.cr, sh.rot + sh.spin * t);
            L.Poly({0, -sh.size, sh.size * 0.6, sh.size * 0.5, -sh.size * 0.5, sh.size * 0.3});
            L.FillKeep(Hex(0xD8ECFF));
            L.Stroke(Hex(0x90B0D0), 0.8);
            cairo_restore(L.cr);
        }
        L.StampHard(s, s.CellX(c), s.CellY(c), 100);
    }
}

void Rain(Sheet& s, Rng& rng) {
    for (int c = 0; c < 16; ++c) {
        int k = c % 8;
        int len = 3 + k % 5, x0 = 1 + (k * 3) % 5 + len * 4 / 3 / 2, y0 = (k * 5) % 3;
        for (int i = 0; i < len; ++i) {
            int x = x0 - (i * 4) / 3 / 2, y = y0 + i;
            if (x >= 0 && x < 8 && y < 8) s.Set(s.CellX(c) + x, s.CellY(c) + y, Rgb{static_cast<uint8_t>(150 + 10 * (i % 3)), 175, 210});
        }
        (void)rng;
    }
}

void Rainbig(Sheet& s, Rng& rng) {
    // Sparse streaks along (-4, +3), wrapped so the tile is seamless.
    for (int k = 0; k < 70; ++k) {
        int x0 = rng.Int(0, 127), y0 = rng.Int(0, 127), len = rng.Int(5, 12);
        int v = rng.Int(30, 90);
        for (int i = 0; i < len; ++i) {
            int x = ((x0 - i * 4 / 3) % 128 + 128) % 128, y = (y0 + i) % 128;
            s.Set(x, y, Rgb{static_cast<uint8_t>(v * 0.8), static_cast<uint8_t>(v * 0.9), static_cast<uint8_t>(v)});
        }
    }
}

void Lightmap(Sheet& s, Rng&) {
    // A cone of lamplight from the top centre to an elliptical pool on the floor.
    for (int y = 0; y < 350; ++y)
        for (int x = 0; x < 120; ++x) {
            double cx = x - 59.5;
            double cone = 0;
            double half = 6 + y * 0.2;
            if (std::fabs(cx) < half) cone = (1 - std::fabs(cx) / half) * std::max(0.0, 1 - y / 300.0) * 0.7;
            double py = (y - 170) / 45.0, px = cx / 56.0;
            double pool = std::max(0.0, 1 - (px * px + py * py));
            double v = std::min(1.0, cone + pool * 0.9);
            // Exact black on all four borders.
            double edge = std::min({x / 8.0, (119 - x) / 8.0, y / 8.0, (349 - y) / 8.0, 1.0});
            v *= std::max(0.0, edge);
            Rgb c = Scale(Hex(0xFFC878), v);
            if (c.r | c.g | c.b) s.Set(x, y, c);
            else s.Set(x, y, Rgb{0, 0, 0});
        }
}

void Lightbulb(Sheet& s, Rng&) {
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 26; ++x) {
            double d = std::hypot((x - 11) / 12.0, (y - 9) / 9.0);
            double v = std::max(0.0, 1 - d);
            s.Set(x, y, Mix(Rgb{0, 0, 0}, Mix(Hex(0xFFC060), kWhite, v), v));
        }
}

void Kestshadow(Sheet& s, Rng&) {
    Layer L(36, 9);
    L.Ellipse(18, 4.5, 17.5, 4.4);
    L.Fill(Hex(0x202020));
    L.StampHard(s, 0, 0);
}

}  // namespace

void AddEffectImages(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/System/Bullets.png"] = Bullets;
    m["Data/Graphics/System/Missile.png"] = Missile;
    m["Data/Graphics/System/Shells.png"] = Shells;
    m["Data/Graphics/System/Firegun.png"] = Firegun;
    m["Data/Graphics/System/Deflect.png"] = Deflect;
    m["Data/Graphics/System/Fireball.png"] = Fireball;
    m["Data/Graphics/System/Explodesmall.png"] = Explosion;
    m["Data/Graphics/System/Explodemed.png"] = Explosion;
    m["Data/Graphics/System/Explodebig.png"] = Explosion;
    m["Data/Graphics/System/Smokegfx.png"] = Smoke;
    m["Data/Graphics/System/Drugpowder.png"] = Powder;
    m["Data/Graphics/System/detect1.png"] = Detect1;
    m["Data/Graphics/System/Spark.png"] = Spark;
    m["Data/Graphics/System/Glassbreak.png"] = Glassbreak;
    m["Data/Graphics/System/Rain.png"] = Rain;
    m["Data/Graphics/System/Rainbig.png"] = Rainbig;
    m["Data/Graphics/Levels/Street/Lightmap.png"] = Lightmap;
    m["Data/Graphics/Levels/Street/Lightbulb.png"] = Lightbulb;
    m["Data/Graphics/System/kestshadow.png"] = Kestshadow;
}

}  // namespace dg
