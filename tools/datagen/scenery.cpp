// Stage ornaments and foreground pieces: junkyard scrap, graveyard stones,
// factory pipes and belts, the steel mill's hooks and girders, and the
// corporate tower's glass, pillars, couches and lift shaft.
#include <algorithm>

#include "generators.h"
#include "scene.h"

namespace dg {
namespace {

const Rgb kOut = Hex(0x0C0C10);

void Shade(Layer& L, double x0, double x1, Rgb c) { L.FillGradient(x0, 0, x1, 0, Mix(c, kWhite, 0.25), Scale(c, 0.5)); }
void ShadeV(Layer& L, double y0, double y1, Rgb c) { L.FillGradient(0, y0, 0, y1, Mix(c, kWhite, 0.25), Scale(c, 0.5)); }

// ------------------------------------------------------------ junkyard
void ScrapHeap(Layer& L, double x0, double x1, double base, double height, Rng& r) {
    for (int k = 0; k < (x1 - x0) / 6; ++k) {
        double x = r.Range(x0, x1), w = r.Range(8, 26), h = r.Range(height * 0.3, height);
        L.Poly({x - w / 2, base, x - w / 3, base - h, x + w / 3, base - h * r.Range(0.6, 1.0), x + w / 2, base});
        L.StrokeKeep(kOut, 1.5);
        Rgb c = Mix(Hex(0x5A4A3A), Hex(0x7A5A3A), r.Uniform());
        if (r.Chance(0.2)) c = Hex(0x3A4A5A);
        ShadeV(L, base - h, base, c);
    }
}

void Junkfront(Sheet& s, Rng& r) {
    Layer L(757, 38);
    // Seamless at 756: the heap is drawn three times, shifted by the period.
    Rng a(r.Next());
    for (int rep = -1; rep <= 1; ++rep) {
        Rng b = a;
        cairo_save(L.cr);
        cairo_translate(L.cr, rep * 756, 0);
        ScrapHeap(L, 0, 756, 40, 30, b);
        cairo_restore(L.cr);
    }
    L.StampHard(s, 0, 0);
    for (int y = 0; y < 38; ++y) {  // the last column repeats the first
        if (s.On(0, y)) s.Set(756, y, s.Get(0, y));
        else s.Clear(756, y);
    }
}

// Rust blotches and scratches inside the current clip.
void Grime(Layer& L, Rng& r, double x0, double y0, double x1, double y1, int n, Rgb rust) {
    for (int k = 0; k < n; ++k) {
        const double x = r.Range(x0, x1), y = r.Range(y0, y1);
        L.Ellipse(x, y, r.Range(1.5, 5), r.Range(1, 3.5));
        L.Colour(k % 3 ? rust : Scale(rust, 0.55), r.Range(0.35, 0.75));
        cairo_fill(L.cr);
    }
    for (int k = 0; k < n / 2; ++k) {
        const double x = r.Range(x0, x1), y = r.Range(y0, y1);
        L.Line(x, y, x + r.Range(-6, 6), y + r.Range(-2, 2), Hex(0xD8D0C0), 0.7, 0.35);
    }
}

// A lit edge along the top and left of a shape (light from above the street).
void Rim(Layer& L, std::initializer_list<double> xy, Rgb c) {
    auto it = xy.begin();
    double px = *it++, py = *it++;
    while (it != xy.end()) {
        const double x = *it++, y = *it++;
        L.Line(px, py, x, y, Mix(c, kWhite, 0.55), 1.0);
        px = x, py = y;
    }
}

// A shape with a gradient body, clipped grime and a lit rim.
void Body(Layer& L, Rng& r, std::initializer_list<double> xy, Rgb c, double x0, double y0, double x1, double y1, int grime,
          Rgb rust) {
    L.Poly(xy);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(x0, y0, x1, y1, Mix(c, kWhite, 0.22), Scale(c, 0.5), true);
    cairo_save(L.cr);
    cairo_clip(L.cr);
    Grime(L, r, x0, y0, x1, y1, grime, rust);
    cairo_restore(L.cr);
    cairo_new_path(L.cr);
}

void Tyre(Layer& L, double cx, double cy, double rx, double ry) {
    L.Ellipse(cx, cy, rx, ry);
    L.StrokeKeep(kOut, 1.5);
    L.FillGradient(0, cy - ry, 0, cy + ry, Hex(0x3A3A3E), Hex(0x0E0E10));
    for (int k = -3; k <= 3; ++k) L.Line(cx + k * rx / 4, cy - ry * 0.9, cx + k * rx / 4 + 2, cy - ry * 0.3, Hex(0x1A1A1C), 1.2);
    L.Ellipse(cx, cy - ry * 0.2, rx * 0.45, ry * 0.35);
    L.Fill(Hex(0x060608));
    L.Line(cx - rx * 0.7, cy - ry * 0.75, cx + rx * 0.5, cy - ry * 0.9, Hex(0x5A5A60), 1.0, 0.8);
}

void JunkA(Sheet& s, Rng& r) {
    const Rgb rust = Hex(0x8A4A20);
    for (int c = 0; c < 14; ++c) {
        Layer L(79, 77);
        const bool old = c >= 7;  // the second set: rustier, with scrap piled on
        const int grime = old ? 26 : 12;
        L.Ellipse(40, 76, 38, 3);  // contact shadow
        L.Fill(Hex(0x0E0C0A));
        switch (c % 7) {
        case 0:  // a car's front end: grille, lamps, bumper, smashed windscreen
            Body(L, r, {2, 77, 4, 40, 20, 30, 50, 28, 70, 40, 77, 77}, Hex(0x8A3A2A), 0, 28, 0, 77, grime, rust);
            L.Poly({20, 33, 48, 31, 62, 41, 16, 43});
            L.StrokeKeep(kOut, 1.5);
            L.FillGradient(0, 31, 0, 43, Hex(0x4A5A6A), Hex(0x141A22));
            L.Line(26, 34, 36, 42, Hex(0xA8B8C8), 0.8);
            L.Line(30, 33, 42, 40, Hex(0xA8B8C8), 0.8);
            L.Rect(18, 52, 44, 10);
            L.StrokeKeep(kOut, 1.5);
            L.Fill(Hex(0x1A1A1C));
            for (int k = 0; k < 6; ++k) L.Line(21 + k * 7, 53, 21 + k * 7, 61, Hex(0x6A6E74), 1.5);
            L.Ellipse(10, 56, 5, 4);
            L.StrokeKeep(kOut, 1.2);
            L.Fill(Hex(0xB8B49A));
            L.Ellipse(70, 56, 4, 3.5);
            L.StrokeKeep(kOut, 1.2);
            L.Fill(Hex(0x2A2A26));  // the other lamp smashed
            L.Rect(3, 64, 74, 5);
            L.StrokeKeep(kOut, 1.2);
            L.FillGradient(0, 64, 0, 69, Hex(0xC8CCD0), Hex(0x5A5E64));
            Rim(L, {4, 40, 20, 30, 50, 28, 70, 40}, Hex(0x8A3A2A));
            break;
        case 1:  // a washing machine, dented
            Body(L, r, {12, 77, 12, 14, 64, 14, 64, 77}, Hex(0xC8C8C0), 12, 14, 64, 77, grime, rust);
            L.Rect(12, 14, 52, 10);
            L.StrokeKeep(kOut, 1.2);
            L.Fill(Hex(0x9A9A94));
            L.Ellipse(52, 19, 3, 3);
            L.Fill(Hex(0x3A3A3A));
            L.Rect(18, 17, 14, 4);
            L.Fill(Hex(0x2A3A3A));
            L.Ellipse(38, 50, 17, 17);
            L.StrokeKeep(kOut, 2);
            L.Fill(Hex(0x8A8E94));
            L.Ellipse(38, 50, 12, 12);
            L.FillRadial(34, 45, 14, Hex(0x5A7088), Hex(0x141C26));
            L.Line(30, 44, 36, 40, Hex(0xC0D0E0), 1.2);
            L.Ellipse(22, 66, 6, 3);  // a dent
            L.Fill(Hex(0x8A8A84));
            Rim(L, {12, 77, 12, 14, 64, 14}, Hex(0xC8C8C0));
            break;
        case 2:  // a fridge, the door hanging open a crack
            Body(L, r, {18, 77, 18, 2, 60, 2, 60, 77}, Hex(0xB8BCB0), 18, 2, 60, 77, grime, rust);
            L.Line(18, 28, 60, 28, kOut, 1.5);
            L.Poly({60, 30, 66, 33, 66, 76, 60, 77});
            L.StrokeKeep(kOut, 1.2);
            L.Fill(Hex(0x7A7E74));
            L.Rect(53, 8, 3, 14);
            L.FillGradient(53, 0, 56, 0, Hex(0xE0E0E0), Hex(0x5A5A5A));
            L.Rect(53, 34, 3, 18);
            L.FillGradient(53, 0, 56, 0, Hex(0xE0E0E0), Hex(0x5A5A5A));
            L.Rect(22, 60, 34, 3);
            L.Fill(Hex(0x1A1A1A));  // the vent
            Rim(L, {18, 77, 18, 2, 60, 2}, Hex(0xB8BCB0));
            break;
        case 3:  // a stack of tyres
            for (int k = 0; k < 4; ++k) Tyre(L, 40 + (k % 2) * 3 - 1, 69 - k * 15, 30, 9);
            break;
        case 4:  // a crushed car: roof folded down, glass gone
            Body(L, r, {0, 77, 2, 52, 18, 46, 30, 40, 58, 42, 72, 50, 79, 54, 79, 77}, Hex(0x3A5A7A), 0, 40, 0, 77, grime,
                 rust);
            L.Poly({22, 47, 32, 42, 56, 44, 66, 51});
            L.StrokeKeep(kOut, 1.2);
            L.Fill(Hex(0x0E1218));
            for (double x : {8.0, 26.0, 44.0, 62.0}) L.Line(x, 56, x + 3, 76, Scale(Hex(0x3A5A7A), 0.45), 1.2);  // creases
            L.Line(2, 62, 78, 60, Hex(0x1E2E3E), 2);
            Tyre(L, 16, 72, 9, 4);
            Tyre(L, 62, 72, 9, 4);
            Rim(L, {2, 52, 18, 46, 30, 40, 58, 42, 72, 50, 79, 54}, Hex(0x3A5A7A));
            break;
        case 5:  // an engine block: cylinder heads, a pulley, hoses
            Body(L, r, {10, 77, 10, 34, 68, 34, 68, 77}, Hex(0x5A5A58), 10, 34, 68, 77, grime, rust);
            L.Rect(12, 28, 54, 8);
            L.StrokeKeep(kOut, 1.5);
            L.FillGradient(0, 28, 0, 36, Hex(0x8A8A84), Hex(0x3A3A36));
            for (int k = 0; k < 4; ++k) {
                L.Ellipse(20 + k * 13, 31, 4.5, 2.5);
                L.Fill(Hex(0x1A1A1A));
            }
            L.Ellipse(20, 56, 9, 9);
            L.StrokeKeep(kOut, 1.5);
            L.FillRadial(18, 53, 10, Hex(0xB0B0A8), Hex(0x4A4A46));
            L.Ellipse(20, 56, 3, 3);
            L.Fill(Hex(0x2A2A28));
            cairo_move_to(L.cr, 40, 40);
            cairo_curve_to(L.cr, 50, 30, 62, 46, 72, 38);
            L.Stroke(Hex(0x141414), 3);
            for (int k = 0; k < 5; ++k) L.Line(38 + k * 6, 48, 38 + k * 6, 72, Hex(0x3A3A38), 1.5);
            Rim(L, {10, 77, 10, 34, 68, 34}, Hex(0x5A5A58));
            break;
        case 6:  // two oil drums, ribbed, one with a hazard mark
            for (int k = 0; k < 2; ++k) {
                const double x = 6 + k * 36;
                const Rgb col = k ? Hex(0x8A4A1A) : Hex(0x3A5A2A);
                Body(L, r, {x, 77, x, 30, x + 32, 30, x + 32, 77}, col, x, 0, x + 32, 0, grime, rust);
                L.Ellipse(x + 16, 30, 16, 3);
                L.StrokeKeep(kOut, 1.2);
                L.Fill(Mix(col, kWhite, 0.15));
                for (double ry : {44.0, 60.0}) L.Line(x, ry, x + 32, ry, Scale(col, 0.45), 2);
                Rim(L, {x, 77, x, 30}, col);
            }
            L.Poly({17, 48, 23, 58, 11, 58});
            L.StrokeKeep(kOut, 1);
            L.Fill(Hex(0xE0B020));
            break;
        }
        if (old) ScrapHeap(L, 10, 69, 77, 20, r);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void JunkB(Sheet& s, Rng& r) {
    const Rgb rust = Hex(0x8A4A20);
    for (int c = 0; c < 10; ++c) {
        Layer L(39, 100);
        const int grime = c >= 5 ? 14 : 6;
        L.Ellipse(20, 99, 16, 1.6);
        L.Fill(Hex(0x0E0C0A));
        switch (c % 5) {
        case 0:  // a bent street sign on its post
            L.Line(20, 100, 18, 40, kOut, 5);
            L.Line(20, 100, 18, 40, Hex(0x8A9098), 3);
            L.Line(19, 100, 17.5, 42, Hex(0xC8D0D8), 1);
            L.Line(18, 40, 26, 18, kOut, 5);
            L.Line(18, 40, 26, 18, Hex(0x8A9098), 3);
            Body(L, r, {12, 4, 38, 4, 38, 22, 12, 22}, Hex(0x2A6A3A), 12, 4, 38, 22, grime, rust);
            L.Rect(14, 6, 22, 14);
            L.Stroke(Hex(0xD8E0D0), 1);
            for (int k = 0; k < 3; ++k) L.Line(17, 10 + k * 3, 32 - k * 3, 10 + k * 3, Hex(0xD8E0D0), 1);
            break;
        case 1:  // an exhaust pipe with its silencer
            L.Line(10, 100, 24, 30, kOut, 8);
            L.Line(10, 100, 24, 30, Hex(0x7A6A5A), 6);
            L.Line(9, 98, 23, 30, Hex(0xB09A84), 1.5);
            Body(L, r, {14, 76, 20, 46, 30, 48, 24, 78}, Hex(0x6A5A4A), 14, 46, 30, 78, grime + 6, rust);
            L.Ellipse(24, 30, 5, 5);
            L.StrokeKeep(kOut, 1.2);
            L.Fill(Hex(0x2A2420));
            break;
        case 2:  // a broken lamp post, the head hanging
            L.Line(20, 100, 20, 20, kOut, 7);
            L.Line(20, 100, 20, 20, Hex(0x4A4E56), 5);
            L.Line(18.5, 100, 18.5, 22, Hex(0x7A7E86), 1.2);
            L.Poly({16, 22, 24, 22, 30, 8, 12, 12});
            L.StrokeKeep(kOut, 1.5);
            L.FillGradient(0, 8, 0, 22, Hex(0x5A5E66), Hex(0x2A2C30));
            L.Poly({14, 14, 28, 10, 26, 14});
            L.Fill(Hex(0x6A6A5A));
            L.Rect(15, 90, 10, 10);
            L.StrokeKeep(kOut, 1.2);
            L.Fill(Hex(0x3A3E44));
            break;
        case 3:  // a rusted girder stub, riveted
            Body(L, r, {10, 100, 10, 26, 16, 20, 30, 24, 30, 100}, Hex(0x8A5030), 10, 20, 30, 100, grime + 10, rust);
            L.Line(14, 26, 14, 100, Hex(0x5A3020), 2);
            L.Line(26, 28, 26, 100, Hex(0x5A3020), 2);
            for (int k = 0; k < 6; ++k) {
                L.Ellipse(20, 34 + k * 12, 1.3, 1.3);
                L.Fill(Hex(0xC08A60));
            }
            Rim(L, {10, 100, 10, 26, 16, 20, 30, 24}, Hex(0x8A5030));
            break;
        case 4:  // a ladder leaning, a rung broken
            L.Line(8, 100, 14, 10, kOut, 4);
            L.Line(30, 100, 34, 10, kOut, 4);
            L.Line(8, 100, 14, 10, Hex(0x7A5A3A), 2);
            L.Line(30, 100, 34, 10, Hex(0x7A5A3A), 2);
            for (int k = 0; k < 9; ++k) {
                if (k == 5) {
                    L.Line(10, 45, 18, 48, Hex(0x9A7A4A), 2.5);
                    continue;
                }
                L.Line(9 + k * 0.6, 95 - k * 10, 31 + k * 0.4, 95 - k * 10, kOut, 3.5);
                L.Line(9 + k * 0.6, 95 - k * 10, 31 + k * 0.4, 95 - k * 10, Hex(0x9A7A4A), 2);
            }
            break;
        }
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

// ------------------------------------------------------------ graveyard
void Stone(Layer& L, Rgb c, double x0, double x1) { Shade(L, x0, x1, c); }

void Grass(Sheet& s, Rng& r) {
    Layer L(274, 18);
    Rng a(r.Next());
    for (int rep = -1; rep <= 1; ++rep) {
        Rng b = a;
        for (int k = 0; k < 130; ++k) {
            double x = b.Range(0, 273) + rep * 273, h = b.Range(6, 18), lean = b.Range(-4, 4);
            L.Poly({x - 1.5, 18, x + lean, 18 - h, x + 1.5, 18});
            L.Fill(Mix(Hex(0x1E3A1E), Hex(0x3A6A32), b.Uniform()));
        }
    }
    L.StampHard(s, 0, 0);
    for (int y = 0; y < 18; ++y) {
        if (s.On(0, y)) s.Set(273, y, s.Get(0, y));
        else s.Clear(273, y);
    }
}

void StoneAngel(Sheet& s, Rng&) {
    Layer L(27, 53);
    Rgb c = Hex(0x8A8C86);
    L.Poly({1, 22, 8, 8, 12, 24});  // wings
    L.StrokeKeep(kOut, 1.5);
    Stone(L, c, 0, 12);
    L.Poly({26, 22, 19, 8, 15, 24});
    L.StrokeKeep(kOut, 1.5);
    Stone(L, c, 15, 27);
    L.Poly({9, 53, 10, 20, 17, 20, 18, 53});
    L.StrokeKeep(kOut, 1.5);
    Stone(L, c, 9, 18);
    L.Ellipse(13.5, 14, 4.5, 5);
    L.StrokeKeep(kOut, 1.5);
    Stone(L, c, 9, 18);
    L.StampHard(s, 0, 0);
}

void Headstone(Sheet& s, int kind) {
    Layer L(s.width, s.height);
    double w = s.width, h = s.height;
    Rgb c = Hex(0x7A7C78);
    if (kind == 0) {  // low stone in grass
        L.Rect(6, 4, w - 12, h - 4);
        L.StrokeKeep(kOut, 1.6);
        Stone(L, c, 6, w - 6);
        for (int k = 0; k < 14; ++k) L.Line(k * 3, h, k * 3 + 1, h - 8 - (k % 3) * 3, Hex(0x2A4A26), 1.4);
    } else if (kind == 1) {  // boulder
        L.Poly({2, h, 4, h * 0.4, 14, 4, 34, 2, 46, h * 0.35, 47, h});
        L.StrokeKeep(kOut, 1.6);
        Stone(L, Hex(0x6A6A64), 2, 47);
    } else if (kind == 2) {  // cross
        L.Rect(w / 2 - 3.5, 2, 7, h - 2);
        L.StrokeKeep(kOut, 1.6);
        Stone(L, c, w / 2 - 4, w / 2 + 4);
        L.Rect(3, 10, w - 6, 6);
        L.StrokeKeep(kOut, 1.6);
        Stone(L, c, 3, w - 3);
    } else {  // round-topped
        cairo_move_to(L.cr, 4, h);
        cairo_line_to(L.cr, 4, 16);
        cairo_arc(L.cr, w / 2, 16, w / 2 - 4, M_PI, 2 * M_PI);
        cairo_line_to(L.cr, w - 4, h);
        cairo_close_path(L.cr);
        L.StrokeKeep(kOut, 1.6);
        Stone(L, c, 4, w - 4);
        L.Line(w / 2 - 6, 18, w / 2 + 6, 18, Hex(0x4A4C48), 1.2);
        L.Line(w / 2 - 6, 23, w / 2 + 6, 23, Hex(0x4A4C48), 1.2);
    }
    L.StampHard(s, 0, 0);
}
void StoneGrass(Sheet& s, Rng&) { Headstone(s, 0); }
void StoneRock(Sheet& s, Rng&) { Headstone(s, 1); }
void StoneCross(Sheet& s, Rng&) { Headstone(s, 2); }
void StoneCurve(Sheet& s, Rng&) { Headstone(s, 3); }

// ------------------------------------------------------------ factory
void Roofpipes(Sheet& s, Rng&) {
    Layer L(508, 70);
    L.Rect(0, 0, 508, 12);
    ShadeV(L, 0, 12, Hex(0x3A3E44));
    const double ys[3] = {18, 32, 46};
    const Rgb cs[3] = {Hex(0x6A5A3A), Hex(0x4A6A7A), Hex(0x7A3A2A)};
    for (int k = 0; k < 3; ++k) {
        L.Rect(0, ys[k] - 5 + k, 508, 10 - k * 2);
        L.StrokeKeep(kOut, 1.5);
        ShadeV(L, ys[k] - 5, ys[k] + 5, cs[k]);
        for (int j = 0; j < 6; ++j) {
            L.Rect(30 + j * 85 + k * 20, ys[k] - 7 + k, 6, 14 - k * 2);
            L.Fill(Scale(cs[k], 0.6));
        }
    }
    for (int j = 0; j < 5; ++j) {
        L.Line(50 + j * 100, 0, 50 + j * 100, 56, kOut, 3);
        L.Ellipse(50 + j * 100, 58, 5, 4);
        L.StrokeKeep(kOut, 1.2);
        L.Fill(Hex(0xB03020));
    }
    L.StampHard(s, 0, 0);
    // Drawn 14 rows above the screen, the pipes run right under the energy
    // figure and the life icons: kept darker than the rest of the ceiling.
    s.DimForDisplay(kDisplayRows + 14, 8, 30, 0.2);
}

void Boxes(Sheet& s, Rng&) {
    Layer L(64, 27);
    for (int k = 0; k < 2; ++k) {
        L.Rect(2 + k * 31, 4 + k * 3, 29, 24);
        L.StrokeKeep(kOut, 1.6);
        ShadeV(L, 4, 27, Hex(0xB08A58));
        L.Line(16 + k * 31, 4 + k * 3, 16 + k * 31, 27, Hex(0xD8C090), 3);
    }
    L.StampHard(s, 0, 0);
}

void Conveyor(Sheet& s, Rng&) {
    for (int c = 0; c < 2; ++c) {
        Layer L(79, 40);
        L.Rect(0, 4, 79, 12);
        L.StrokeKeep(kOut, 1.5);
        ShadeV(L, 4, 16, Hex(0x2A2C30));
        for (int k = -1; k < 8; ++k) {
            double x = k * 13 + (c ? 6.5 : 0);
            L.Line(x, 5, x + 4, 15, Hex(0x5A5E64), 2);
        }
        L.Rect(0, 16, 79, 24);
        ShadeV(L, 16, 40, Hex(0x4A5058));
        L.Rect(10, 20, 58, 6);
        L.Fill(Hex(0xD0A020));
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void Redlight(Sheet& s, Rng&) {
    for (int c = 0; c < 6; ++c) {
        Layer L(55, 24);
        double a = c * 2 * M_PI / 6;
        double fx = 27.5 + std::cos(a) * 20;
        L.Poly({27.5, 12, fx - 6, 4 + std::sin(a) * 4, fx + 6, 20 + std::sin(a) * 2});
        L.Colour(Hex(0xFF3020), 0.6);
        cairo_fill(L.cr);
        L.Rect(19, 18, 17, 6);
        L.StrokeKeep(kOut, 1.5);
        L.Fill(Hex(0x3A3A3A));
        L.Ellipse(27.5, 15, 8, 8);
        L.StrokeKeep(kOut, 1.5);
        L.FillRadial(27.5 + std::cos(a) * 3, 13, 9, Hex(0xFFD0C0), Hex(0xC01008));
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void Handrail(Sheet& s, Rng&) {
    Layer L(640, 79);
    for (int k = 0; k < 2; ++k) {
        double y = 8 + k * 30;
        L.Rect(0, y, 640, 6);
        L.StrokeKeep(kOut, 1.5);
        L.Fill(Hex(0xD8B020));
        for (int j = 0; j < 64; ++j) {
            L.Poly({j * 10.0, y, j * 10.0 + 5, y, j * 10.0 + 1, y + 6, j * 10.0 - 4, y + 6});
            L.Fill(Hex(0x1A1A1A));
        }
    }
    for (int j = 0; j < 9; ++j) {
        if (j == 4) continue;  // the gate opening
        L.Rect(20 + j * 75, 6, 6, 73);
        L.StrokeKeep(kOut, 1.5);
        Shade(L, 20 + j * 75, 26 + j * 75, Hex(0xD8B020));
    }
    L.StampHard(s, 0, 0);
}

void ReflectFactory(Sheet& s, Rng&) {
    Layer L(44, 44);
    L.Rect(0, 0, 44, 44);
    ShadeV(L, 0, 44, Hex(0x2A3A50));
    L.Rect(4, 24, 16, 20);
    L.Fill(Hex(0x1A2230));
    L.Rect(24, 18, 14, 26);
    L.Fill(Hex(0x202A3A));
    L.Line(30, 0, 30, 8, Hex(0x101820), 1);
    L.Ellipse(30, 10, 4, 3);
    L.Fill(Hex(0xA0C0E0));
    L.StampHard(s, 0, 0);
}

void Girderlift(Sheet& s, Rng&) {
    Layer L(640, 80);
    L.Rect(0, 20, 640, 10);
    L.StrokeKeep(kOut, 2);
    ShadeV(L, 20, 30, Hex(0x583A20));
    L.Rect(0, 54, 640, 10);
    L.StrokeKeep(kOut, 2);
    ShadeV(L, 54, 64, Hex(0x583A20));
    L.Rect(0, 30, 640, 24);
    L.Fill(Hex(0x4A301A));
    for (int k = 0; k < 40; ++k) {
        L.Line(k * 16, 30, k * 16 + 16, 54, Hex(0x3A2412), 2);
        L.Ellipse(k * 16 + 4, 25, 1.5, 1.5);
        L.Fill(Hex(0x8A6A48));
        L.Ellipse(k * 16 + 4, 59, 1.5, 1.5);
        L.Fill(Hex(0x8A6A48));
    }
    L.StampHard(s, 0, 0);
}

// ------------------------------------------------------------ steel mill
void Roofhook(Sheet& s, Rng&) {
    const double angles[8] = {0, 8, 12, 8, 0, -8, -12, -8};
    for (int c = 0; c < 8; ++c) {
        Layer L(36, 46);
        cairo_translate(L.cr, 18, 0);
        cairo_rotate(L.cr, angles[c] * M_PI / 180);
        for (int k = 0; k < 6; ++k) {
            L.Ellipse(0, 3 + k * 5, 2, 3);
            L.Stroke(Hex(0x6A6E74), 1.6);
        }
        L.Rect(-6, 31, 12, 5);
        L.StrokeKeep(kOut, 1.5);
        L.Fill(Hex(0xC09020));
        cairo_new_sub_path(L.cr);
        cairo_arc(L.cr, 0, 38, 5, 0, M_PI * 1.3);
        L.Stroke(Hex(0x8A8E94), 3);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
    s.DimForDisplay(kDisplayRows, 4);
}

void Frontgirder(Sheet& s, Rng&) {
    Layer L(49, 480);
    L.Rect(2, 0, 45, 480);
    L.StrokeKeep(kOut, 2);
    Shade(L, 2, 47, Hex(0x5A4A3C));
    L.Rect(10, 0, 29, 480);
    L.Fill(Hex(0x3A2E24));
    for (int k = 0; k < 30; ++k) {
        L.Ellipse(6, 8 + k * 16, 1.6, 1.6);
        L.Fill(Hex(0x9A8A7A));
        L.Ellipse(43, 8 + k * 16, 1.6, 1.6);
        L.Fill(Hex(0x9A8A7A));
    }
    L.StampHard(s, 0, 0);
    s.DimForDisplay(kDisplayRows, 12);
}

// ------------------------------------------------------------ tower (VXC)
void Pillarglass(Sheet& s, Rng&) {
    Layer L(263, 480);
    const Rgb steel = Hex(0x3A4250);
    for (double x : {20.0, 120.0, 240.0}) {
        L.Rect(x, 0, 14, 480);
        L.StrokeKeep(kOut, 1.5);
        Shade(L, x, x + 14, steel);
    }
    L.Rect(0, 0, 263, 24);
    L.StrokeKeep(kOut, 1.5);
    ShadeV(L, 0, 24, steel);
    L.Rect(0, 88, 263, 8);
    ShadeV(L, 88, 96, steel);
    L.StampHard(s, 0, 0);
    s.DimForDisplay(kDisplayRows, 12);
}

void GlassPane(Sheet& s, Rgb tint) {
    Layer L(s.width, s.height);
    L.Rect(0, 0, s.width, s.height);
    L.FillGradient(0, 0, s.width, s.height, Mix(tint, kWhite, 0.4), Scale(tint, 0.6));
    for (int k = 0; k < 3; ++k) {
        double x = s.width * (0.2 + 0.3 * k), h = s.height;
        L.Poly({x, 0, x + 14, 0, x - h * 0.4 + 14, h, x - h * 0.4, h});
        L.Colour(kWhite, 0.25);
        cairo_fill(L.cr);
    }
    L.StampHard(s, 0, 0);
}
void Pillarglass2(Sheet& s, Rng&) { GlassPane(s, Hex(0x8AA0B8)); }
void Pillarglass4(Sheet& s, Rng&) { GlassPane(s, Hex(0x6A90C0)); }
// The lobby's glass front on the first screen, drawn at 0.3 from y 86 over
// the whole width: smoked glass, tamed again behind the stage caption.
void Pillarglass3(Sheet& s, Rng&) {
    GlassPane(s, Hex(0x4A5E78));
    for (int x = 0; x < 640; x += 80)
        for (int y = 0; y < 151; ++y) s.Set(x, y, Hex(0x2A3440));
    ShadeUnderCaption(s, 86);
}

void Pillar(Sheet& s, Rng&) {
    // A marble column under a ceiling beam; the lobby lights are low, so the
    // beam and the column's head stay in shadow.
    Layer L(297, 480);
    L.Rect(0, 0, 297, 28);
    L.StrokeKeep(kOut, 1.5);
    ShadeV(L, 0, 28, Hex(0x4A463E));
    L.Rect(0, 22, 297, 4);
    L.Fill(Hex(0x3A362E));
    L.Rect(1, 0, 38, 480);
    L.StrokeKeep(kOut, 2);
    Shade(L, 1, 39, Hex(0xE0D8CC));
    for (int k = 0; k < 4; ++k) L.Line(8 + k * 8, 30, 8 + k * 8, 480, Hex(0xB8AE9C), 1.2);
    // The shadow under the ceiling fades down the column.
    L.Rect(1, 0, 38, 130);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 130);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.05, 0.05, 0.06, 0.85);
    cairo_pattern_add_color_stop_rgba(p, 0.45, 0.05, 0.05, 0.06, 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.05, 0.06, 0.0);
    cairo_set_source(L.cr, p);
    cairo_fill(L.cr);
    cairo_pattern_destroy(p);
    L.StampHard(s, 0, 0);
    s.DimForDisplay(kDisplayRows, 16);
}

void Ropes(Sheet& s, Rng&) {
    Layer L(170, 38);
    for (int k = 0; k < 3; ++k) {
        double x = 6 + k * 78;
        if (k < 2) {
            cairo_move_to(L.cr, x + 3, 8);
            cairo_curve_to(L.cr, x + 30, 26, x + 50, 26, x + 81, 8);
            L.Stroke(Hex(0xB02030), 3);
        }
        L.Rect(x, 4, 6, 34);
        L.StrokeKeep(kOut, 1.2);
        Shade(L, x, x + 6, Hex(0xD0A040));
        L.Ellipse(x + 3, 4, 4, 4);
        L.StrokeKeep(kOut, 1.2);
        L.Fill(Hex(0xE8C060));
    }
    L.StampHard(s, 0, 0);
}

void Boarddoor(Sheet& s, Rng&) {
    Layer L(640, 120);
    L.Rect(0, 0, 26, 120);
    L.StrokeKeep(kOut, 1.5);
    Shade(L, 0, 26, Hex(0x4A3020));
    L.Rect(0, 110, 640, 10);
    L.StrokeKeep(kOut, 1.5);
    ShadeV(L, 110, 120, Hex(0x8A7A5A));
    L.StampHard(s, 0, 0);
}

void Facetv(Sheet& s, Rng& r) {
    Layer L(80, 60);
    L.Rect(0, 0, 80, 60);
    L.Fill(Hex(0x102040));
    L.Ellipse(40, 30, 16, 21);
    L.FillRadial(36, 24, 24, Hex(0x8AB0E0), Hex(0x203860));
    L.Rect(30, 24, 7, 3);
    L.Fill(Hex(0x102040));
    L.Rect(44, 24, 7, 3);
    L.Fill(Hex(0x102040));
    L.Line(33, 40, 47, 40, Hex(0x102040), 2);
    L.Rect(24, 48, 32, 12);
    L.Fill(Hex(0x2A3A5A));
    L.StampHard(s, 0, 0);
    for (int y = 0; y < 60; y += 2)
        for (int x = 0; x < 80; ++x) s.Set(x, y, Scale(s.Get(x, y), 0.7 + 0.1 * r.Uniform()));
}

void Couch(Sheet& s, Rng&) {
    Layer L(89, 47);
    L.Rect(6, 4, 77, 28);
    L.StrokeKeep(kOut, 1.6);
    ShadeV(L, 4, 32, Hex(0x5A2A1A));
    L.Rect(0, 14, 14, 33);
    L.StrokeKeep(kOut, 1.6);
    Shade(L, 0, 14, Hex(0x6A3422));
    L.Rect(75, 14, 14, 33);
    L.StrokeKeep(kOut, 1.6);
    Shade(L, 75, 89, Hex(0x6A3422));
    for (int k = 0; k < 3; ++k) {
        L.Ellipse(24 + k * 21, 14, 1.5, 1.5);
        L.Fill(Hex(0x2A1008));
    }
    L.StampHard(s, 0, 0);
}

void Boardpillar(Sheet& s, Rng&) {
    Layer L(640, 480);
    L.Rect(0, 0, 640, 20);
    ShadeV(L, 0, 20, Hex(0x3A2A22));
    for (double x : {0.0, 604.0}) {
        L.Rect(x, 0, 36, 480);
        L.StrokeKeep(kOut, 1.5);
        Shade(L, x, x + 36, Hex(0x4A1E22));
        for (int k = 0; k < 4; ++k) L.Line(x + 6 + k * 8, 20, x + 6 + k * 8, 480, Hex(0x3A1418), 1.5);
    }
    L.StampHard(s, 0, 0);
    s.DimForDisplay(kDisplayRows, 12);
}

void Liftscroll(Sheet& s, Rng&) {
    // 430 x 592, seamless top to bottom: walls, bracing, cables, level marks.
    Layer L(430, 592);
    L.Rect(0, 0, 430, 592);
    L.Fill(Hex(0x2A2E36));
    for (int rep = -1; rep <= 1; ++rep) {
        double o = rep * 592;
        for (int k = 0; k < 4; ++k) {
            double y = o + k * 148;
            L.Line(0, y, 430, y + 148, Hex(0x3E444E), 6);
            L.Line(430, y, 0, y + 148, Hex(0x3E444E), 6);
            L.Rect(0, y - 4, 430, 8);  // straddles the seam at the period's start
            L.Fill(Hex(0x50565E));
        }
        for (int k = 0; k < 2; ++k) {  // level marks, dim paint on the shaft wall
            double y = o + k * 296 + 120;
            L.Rect(20, y, 60, 24);
            L.Fill(Hex(0x806818));
            L.Rect(26, y + 6, 48, 12);
            L.Fill(Hex(0x1A1A1A));
        }
    }
    L.Rect(0, 0, 22, 592);
    L.Fill(Hex(0x1C1F24));
    L.Rect(408, 0, 22, 592);
    L.Fill(Hex(0x1C1F24));
    // The cables run past the clock of the heads-up display: dull steel.
    L.Line(200, 0, 200, 592, Hex(0x585C64), 2);
    L.Line(230, 0, 230, 592, Hex(0x585C64), 2);
    L.StampHard(s, 0, 0);
}

}  // namespace

void AddSceneryImages(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/Levels/Junkyard/Junkfront.png"] = Junkfront;
    m["Data/Graphics/Levels/Junkyard/JunkobjectsA.png"] = JunkA;
    m["Data/Graphics/Levels/Junkyard/JunkobjectsB.png"] = JunkB;
    m["Data/Graphics/Levels/Graveyard/Grass.png"] = Grass;
    m["Data/Graphics/Levels/Graveyard/Stoneangel.png"] = StoneAngel;
    m["Data/Graphics/Levels/Graveyard/Stonegrass.png"] = StoneGrass;
    m["Data/Graphics/Levels/Graveyard/Stonerock.png"] = StoneRock;
    m["Data/Graphics/Levels/Graveyard/Stonecross.png"] = StoneCross;
    m["Data/Graphics/Levels/Graveyard/Stonecurve.png"] = StoneCurve;
    m["Data/Graphics/Levels/Factory/Roofpipes.png"] = Roofpipes;
    m["Data/Graphics/Levels/Factory/Boxes.png"] = Boxes;
    m["Data/Graphics/Levels/Factory/Conveyorbelt.png"] = Conveyor;
    m["Data/Graphics/Levels/Factory/Redlight.png"] = Redlight;
    m["Data/Graphics/Levels/Factory/Handrailgate.png"] = Handrail;
    m["Data/Graphics/Levels/Factory/ReflectfactoryInt.png"] = ReflectFactory;
    m["Data/Graphics/Levels/Factory/Girderlift.png"] = Girderlift;
    m["Data/Graphics/Levels/Steelmill/Roofhook.png"] = Roofhook;
    m["Data/Graphics/Levels/Steelmill/Frontgirder.png"] = Frontgirder;
    m["Data/Graphics/Levels/Vxc/Pillarglass.png"] = Pillarglass;
    m["Data/Graphics/Levels/Vxc/Pillarglass2.png"] = Pillarglass2;
    m["Data/Graphics/Levels/Vxc/Pillarglass3.png"] = Pillarglass3;
    m["Data/Graphics/Levels/Vxc/Pillarglass4.png"] = Pillarglass4;
    m["Data/Graphics/Levels/Vxc/Pillar.png"] = Pillar;
    m["Data/Graphics/Levels/Vxc/Ropes.png"] = Ropes;
    m["Data/Graphics/Levels/Vxc/Boarddoor.png"] = Boarddoor;
    m["Data/Graphics/Levels/Vxc/Facetv.png"] = Facetv;
    m["Data/Graphics/Levels/Vxc/Couch.png"] = Couch;
    m["Data/Graphics/Levels/Vxc/Boardpillar.png"] = Boardpillar;
    m["Data/Graphics/Levels/Vxc/Liftscroll.png"] = Liftscroll;
}

}  // namespace dg
