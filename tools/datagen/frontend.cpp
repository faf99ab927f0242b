// Front-end pictures: the title picture, the story background, the end
// scene close-up and its talking mouth.
#include <algorithm>

#include "generators.h"

namespace dg {
namespace {

const Rgb kOut = Hex(0x0A0A0E);

void NightSky(Layer& L, double w, double h, Rgb top, Rgb bottom) {
    L.Rect(0, 0, w, h);
    L.FillGradient(0, 0, 0, h, top, bottom);
}

void Towers(Layer& L, Rng& r, double w, double base, double minH, double maxH, Rgb c, double lit) {
    for (double x = -10; x < w; x += r.Range(18, 46)) {
        double bw = r.Range(16, 44), h = r.Range(minH, maxH);
        L.Rect(x, base - h, bw, h + 400);
        L.Fill(Scale(c, r.Range(0.85, 1.15)));
        for (double y = base - h + 5; y < base - 4; y += 6)
            for (double wx = x + 3; wx < x + bw - 3; wx += 5)
                if (r.Chance(lit)) {
                    L.Rect(wx, y, 2, 3);
                    L.Fill(r.Chance(0.7) ? Hex(0xB08850) : Hex(0x7090B0));
                }
    }
}

void Titlescreen(Sheet& s, Rng& r) {
    Layer L(640, 480);
    NightSky(L, 640, 480, Hex(0x0A0C18), Hex(0x2A2030));
    Towers(L, r, 640, 300, 80, 200, Hex(0x10121A), 0.12);
    Towers(L, r, 640, 330, 40, 120, Hex(0x181822), 0.2);
    // Street.
    L.Rect(0, 330, 640, 150);
    L.FillGradient(0, 330, 0, 480, Hex(0x16181E), Hex(0x0C0D12));
    for (int k = 0; k < 12; ++k) {
        L.Ellipse(r.Range(0, 640), r.Range(350, 470), r.Range(20, 70), r.Range(2, 5));
        L.Colour(Hex(0x3A3850), 0.5);
        cairo_fill(L.cr);
    }
    // The hero on the right, lit from the side.
    DrawHeroFigure(L, 455, 330, 2.3, 0, false);
    // Rain.
    for (int k = 0; k < 260; ++k) {
        double x = r.Range(0, 660), y = r.Range(0, 480), len = r.Range(6, 16);
        L.Line(x, y, x - len * 0.4, y + len, Hex(0x8A90A8), 0.8, 0.35);
    }
    Sheet tmp;
    tmp.InitWhole(640, 480, kMaskGreen);
    L.StampOver(tmp, 0, 0, 1);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) s.Set(x, y, tmp.On(x, y) ? tmp.Get(x, y) : Rgb{8, 8, 12});
}

void Storyback(Sheet& s, Rng& r) {
    Layer L(640, 560);
    NightSky(L, 640, 560, Hex(0x06070C), Hex(0x1C1620));
    // The corporation's towers far away, then the old city crumbling in front.
    // A hazy moon behind the corporation's towers.
    L.Ellipse(520, 110, 60, 60);
    L.FillRadial(520, 110, 60, Hex(0x3A3A44), Hex(0x06070C), 1.0, 0.0);
    L.Ellipse(520, 110, 22, 22);
    L.Fill(Hex(0x4A4A50));
    const double towers[3][3] = {{200, 60, 34}, {280, 30, 40}, {420, 80, 30}};
    for (const auto& t : towers) {
        double x = t[0], top = t[1], w = t[2];
        L.Poly({x, 560, x, top + 40, x + w * 0.3, top, x + w * 0.7, top, x + w, top + 40, x + w, 560});
        L.FillGradient(x, 0, x + w, 0, Hex(0x2A3040), Hex(0x101218));
        for (double y = top + 50; y < 420; y += 9) {
            L.Rect(x + w * 0.45, y, 3, 5);
            L.Fill(Hex(0x5A6A8A));
        }
        L.Line(x + w / 2, top, x + w / 2, top - 24, Hex(0x2A3040), 2);
        L.Ellipse(x + w / 2, top - 25, 3, 3);
        L.Fill(Hex(0xA02020));
    }
    // Low fog over the old city.
    L.Rect(0, 390, 640, 60);
    L.Colour(Hex(0x2A2630), 0.5);
    cairo_fill(L.cr);
    Towers(L, r, 640, 420, 60, 180, Hex(0x12131A), 0.05);
    for (double x = -20; x < 640; x += r.Range(50, 110)) {
        double w = r.Range(40, 100), h = r.Range(60, 160);
        L.Poly({x, 560, x, 560 - h, x + w * 0.3, 560 - h + r.Range(10, 30), x + w * 0.6, 560 - h + r.Range(0, 20), x + w,
                560 - h * r.Range(0.5, 0.9), x + w, 560});
        L.Fill(Hex(0x0C0C10));
    }
    Sheet tmp;
    tmp.InitWhole(640, 560, kMaskGreen);
    L.StampOver(tmp, 0, 0, 1);
    for (int y = 0; y < 560; ++y)
        for (int x = 0; x < 640; ++x) {
            Rgb c = tmp.On(x, y) ? tmp.Get(x, y) : Rgb{6, 6, 10};
            s.Set(x, y, Rgb{std::min<uint8_t>(c.r, 90), std::min<uint8_t>(c.g, 90), std::min<uint8_t>(c.b, 90)});
        }
}

// The end scene: the hero's helmeted head and shoulders in three-quarter
// view against the skyline at dawn; the mouth sits at about (331, 140).
void EndsceneLayer(Layer& L, bool mouthOpen, Rng& r) {
    Towers(L, r, 640, 240, 20, 70, Hex(0x2A2A34), 0.1);
    const Rgb rim = Hex(0xFFC890);  // dawn light from the left
    // Shoulders: armour plates with a rim of dawn light.
    L.Poly({150, 240, 170, 200, 240, 176, 300, 170, 380, 172, 450, 190, 500, 240});
    L.StrokeKeep(kOut, 3);
    L.FillGradient(170, 170, 480, 240, Hex(0xB8C6DE), Hex(0x3E4A5E));
    L.Poly({170, 200, 240, 176, 250, 200, 190, 225});
    L.FillGradient(170, 176, 250, 225, Mix(Hex(0xB8C6DE), rim, 0.4), Hex(0x6A7890));
    L.Line(240, 178, 300, 204, kOut, 2);
    L.Line(380, 174, 360, 206, kOut, 2);
    L.Line(172, 201, 238, 177, rim, 2);
    // Neck rings.
    for (int k = 0; k < 3; ++k) {
        L.Rect(282 - k * 2, 150 + k * 9, 72 + k * 4, 10);
        L.StrokeKeep(kOut, 2);
        L.FillGradient(280, 0, 360, 0, Hex(0x8A96AC), Hex(0x3A4456));
    }
    // Jaw and chin (skin), under the helmet.
    L.Poly({300, 118, 352, 118, 356, 134, 346, 150, 320, 154, 304, 146});
    L.StrokeKeep(kOut, 2.5);
    L.FillGradient(300, 0, 356, 0, Hex(0xF0C8B0), Hex(0xA07868));
    if (mouthOpen) {
        L.Ellipse(331, 141, 7, 4);
        L.Fill(Hex(0x3A1414));
    } else {
        L.Line(322, 141, 340, 140, Hex(0x7A4A40), 2);
    }
    // Helmet shell: crown, back plate, ear disc, visor band wrapping to the front.
    L.Poly({262, 120, 262, 70, 282, 46, 318, 38, 350, 48, 364, 72, 366, 100, 356, 120, 330, 122, 300, 128, 280, 134});
    L.StrokeKeep(kOut, 3);
    L.FillGradient(262, 38, 366, 134, Hex(0xE6EEFA), Hex(0x4E5A72));
    L.Line(272, 70, 300, 46, Mix(Hex(0xFFFFFF), rim, 0.5), 3);
    L.Ellipse(290, 104, 13, 14);
    L.StrokeKeep(kOut, 2.5);
    L.FillGradient(278, 92, 302, 118, Hex(0xC8D2E2), Hex(0x4A566C));
    L.Ellipse(290, 104, 5, 5);
    L.Fill(Hex(0x2A3040));
    L.Poly({300, 80, 368, 78, 370, 100, 302, 102});
    L.StrokeKeep(kOut, 2.5);
    L.FillGradient(0, 78, 0, 102, Hex(0x1A2232), Hex(0x06080E));
    L.Line(306, 88, 366, 86, Hex(0x60D8FF), 2);
    L.Line(310, 95, 340, 94, Hex(0x3A7A9A), 1);
}

void Endscene(Sheet& s, Rng& r) {
    Layer L(640, 240);
    Rng a(r.Next());
    EndsceneLayer(L, false, a);
    L.StampHard(s, 0, 0);
}

void Endtalkface(Sheet& s, Rng& r) {
    Layer L(640, 240);
    Rng a = r;
    Rng b(a.Next());
    EndsceneLayer(L, true, b);
    Sheet open;
    open.InitWhole(640, 240, kMaskGreen);
    L.StampHard(open, 0, 0);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 28; ++x)
            if (open.On(317 + x, 133 + y)) s.Set(x, y, open.Get(317 + x, 133 + y));
}

}  // namespace

void AddFrontEndImages(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/System/Titlescreen.png"] = Titlescreen;
    m["Data/Graphics/System/storyback.png"] = Storyback;
    m["Data/Graphics/System/endscene.png"] = Endscene;
    m["Data/Graphics/System/endtalkface.png"] = Endtalkface;
}

}  // namespace dg
