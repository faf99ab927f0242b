// Section backgrounds indoors and out of town: the factory hall and its
// storage room, the graveyard, the tower's entrance, lift and boardroom, and
// the junkyard with its far end.
#include <algorithm>

#include "generators.h"
#include "glyphs.h"
#include "scene.h"

namespace dg {
namespace {

const Rgb kOut = Hex(0x0A0A0E);

void ClearRect(Layer& L, double x, double y, double w, double h) {
    cairo_save(L.cr);
    cairo_set_operator(L.cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(L.cr, x, y, w, h);
    cairo_fill(L.cr);
    cairo_restore(L.cr);
}

// Factory wall: panels, pipes, a catwalk. `captioned`: the first screen
// shows the stage caption, and the hazard stripes stop short of it.
void HallWall(Layer& L, double x0, double x1, Rgb tone, bool captioned) {
    L.Rect(x0, 0, x1 - x0, kWallFoot);
    L.FillGradient(0, 0, 0, kWallFoot, Scale(tone, 0.5), tone);
    for (double x = x0 - std::fmod(x0, 80); x < x1; x += 80) L.Line(x, 0, x, kWallFoot, Scale(tone, 0.6), 2);
    L.Rect(x0, 200, x1 - x0, 37);
    L.Fill(Scale(tone, 0.75));
    for (double x = x0 - std::fmod(x0, 40); x < x1; x += 40)
        if (!captioned || !UnderCaption(x - 4, x + 24)) L.Line(x, 200, x + 20, 237, Hex(0xC0A020), 6);
    L.Rect(x0, 92, x1 - x0, 6);  // catwalk
    L.Fill(Hex(0x3A3C40));
    for (double x = x0 - std::fmod(x0, 16); x < x1; x += 16) L.Line(x, 72, x, 92, Hex(0x3A3C40), 1.5);
    L.Line(x0, 72, x1, 72, Hex(0x4A4C50), 2);
    L.Line(x0, 60, x1, 60, Hex(0x5A4A3A), 6);  // pipe
}

void SmallWindowFrame(Layer& L, double x) {
    L.Rect(x - 6, 141, 56, 56);
    L.StrokeKeep(kOut, 2);
    L.Fill(Hex(0x5A5E66));
    L.Rect(x, 147, 44, 44);
    L.Fill(Hex(0x101418));
    L.Rect(x - 8, 197, 60, 5);
    L.Fill(Hex(0x7A7E86));
}

void LampBracket(Layer& L, double x, double y) {
    L.Rect(x + 14, y + 18, 27, 10);
    L.StrokeKeep(kOut, 1.5);
    L.Fill(Hex(0x3A3C42));
    L.Line(x + 27, y + 28, x + 27, y + 40, Hex(0x3A3C42), 4);
}

void FactoryStrip(Sheet& s, Rng& r) {
    const int W = 1920;
    Layer L(W, 480);
    HallWall(L, 0, W, Hex(0x5A6068), true);
    // The open bay and a narrow gap: skylit openings to the yard.
    for (Span g : {Span{452, 480}, Span{932, 1591}}) {
        double a = g.a - 10, b = g.b + 10;
        ClearRect(L, a, 0, b - a, 200);
        L.Rect(a, 200, b - a, 37);
        L.FillGradient(0, 200, 0, 237, Hex(0x22242A), Hex(0x30323A));
        L.Rect(a - 5, 0, 10, kWallFoot);
        L.Fill(Hex(0x2A2C30));
        L.Rect(b - 5, 0, 10, kWallFoot);
        L.Fill(Hex(0x2A2C30));
    }
    for (double x : {36.0, 372.0, 516.0, 852.0, 1627.0}) SmallWindowFrame(L, x);
    for (double x : {170.0, 299.0, 650.0, 779.0, 1761.0}) LampBracket(L, x, 106);
    // Pipes and valves, hazard signs.
    for (double x = 120; x < W; x += 330) {
        L.Rect(x, 0, 12, 200);
        L.StrokeKeep(kOut, 1.5);
        L.FillGradient(x, 0, x + 12, 0, Hex(0x8A6A4A), Hex(0x4A3420));
        L.Ellipse(x + 6, 120, 9, 9);
        L.StrokeKeep(kOut, 1.5);
        L.Fill(Hex(0xB02820));
    }
    for (double x : {330.0, 1200.0, 1860.0}) {
        L.Poly({x, 110, x + 18, 140, x - 18, 140});
        L.StrokeKeep(kOut, 1.5);
        L.Fill(Hex(0xE0B020));
        L.Rect(x - 1.5, 118, 3, 12);
        L.Fill(kOut);
    }
    // Machines against the wall.
    for (double x : {200.0, 700.0, 1700.0}) {
        L.Rect(x, 150, 70, 87);
        L.StrokeKeep(kOut, 2);
        L.FillGradient(x, 0, x + 70, 0, Hex(0x6A7A5A), Hex(0x3A4430));
        L.Ellipse(x + 35, 180, 14, 14);
        L.Fill(Hex(0x2A2C30));
    }
    ConcreteFloor(L, 0, W, Hex(0x5A5A58), r);
    FinishStrip(L, s, r, 0.1);
    ShadeUnderCaption(s);
}

void StorageStrip(Sheet& s, Rng& r) {
    Layer L(640, 480);
    HallWall(L, 0, 640, Hex(0x4E545A), false);
    for (double x : {40.0, 220.0, 400.0}) {  // shelving
        L.Rect(x, 110, 150, 127);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x2A2C30));
        for (double y = 130; y < 237; y += 35) {
            L.Rect(x, y, 150, 4);
            L.Fill(Hex(0xC06020));
            for (double bx = x + 6; bx < x + 140; bx += 34) {
                L.Rect(bx, y - 24, 28, 24);
                L.StrokeKeep(kOut, 1.2);
                L.Fill(Hex(0xA08050));
            }
        }
    }
    LampBracket(L, 580, 134);
    ConcreteFloor(L, 0, 640, Hex(0x55555A), r);
    FinishStrip(L, s, r, 0.1);
}

void GraveyardStrip(Sheet& s, Rng& r) {
    const int W = 2560;
    Layer L(W, 480);
    // Low cemetery wall and hedges on the horizon; sky and trees show above.
    L.Rect(0, 196, W, 41);
    L.FillGradient(0, 196, 0, 237, Hex(0x4A4A46), Hex(0x2E2E2C));
    for (double x = 0; x < W; x += 22) L.Line(x, 196, x, 237, Hex(0x262624), 1);
    for (double x = 0; x < W; x += 90) {
        L.Ellipse(x + 40, 196, 46, 14);
        L.Fill(Hex(0x1A2A1A));
    }
    // Wall pillars with caps, a mausoleum and an iron gate.
    for (double x = 100; x < W; x += 220) {
        L.Rect(x, 180, 18, 57);
        L.StrokeKeep(kOut, 1.5);
        L.FillGradient(x, 0, x + 18, 0, Hex(0x6A6A64), Hex(0x3A3A36));
        L.Poly({x - 3, 180, x + 9, 170, x + 21, 180});
        L.Fill(Hex(0x5A5A54));
    }
    for (double x : {520.0, 1900.0}) {
        L.Poly({x, 196, x, 150, x + 40, 128, x + 80, 150, x + 80, 196});
        L.StrokeKeep(kOut, 2);
        L.FillGradient(x, 0, x + 80, 0, Hex(0x5A5A56), Hex(0x2E2E2C));
        L.Rect(x + 30, 160, 20, 36);
        L.Fill(Hex(0x141414));
    }
    for (double gx = 980; gx < 1060; gx += 6) L.Line(gx, 176, gx, 237, Hex(0x1E1E22), 2);
    L.Line(980, 184, 1060, 184, Hex(0x1E1E22), 2);
    // Distant chapel.
    L.Poly({1200, 196, 1200, 150, 1240, 120, 1280, 150, 1280, 196});
    L.Fill(Hex(0x26262A));
    L.Poly({1232, 122, 1240, 90, 1248, 122});
    L.Fill(Hex(0x26262A));
    // Grass and paths, graves painted flat on the ground.
    L.Rect(0, kWallFoot, W, 480 - kWallFoot);
    L.FillGradient(0, kWallFoot, 0, 480, Hex(0x1E2A1C), Hex(0x2A3A24));
    for (double x = 0; x < W; x += 8) {  // a gravel path, its edges uneven
        L.Rect(x, 300 + r.Range(-2, 2), 8, 28 + r.Range(-2, 2));
        L.Fill(Hex(0x46402F));
    }
    for (int k = 0; k < 60; ++k) {
        double x = r.Range(0, W), y = r.Range(250, 290);
        L.Rect(x, y, 26, 8);
        L.Fill(Hex(0x3A3A36));
        double y2 = r.Range(350, 460);
        L.Rect(r.Range(0, W), y2, 40, 12);
        L.Fill(Hex(0x323430));
    }
    for (int k = 0; k < 900; ++k) {
        double x = r.Range(0, W), y = r.Range(240, 480);
        L.Line(x, y, x + r.Range(-2, 2), y - r.Range(3, 7), Hex(0x3A5A2E), 1);
    }
    FinishStrip(L, s, r, 0.12);
    ShadeUnderCaption(s);
}

void EntranceStrip(Sheet& s, Rng& r) {
    const int W = 1920;
    Layer L(W, 480);
    // Lobby at night: dark marble wall, the company mark, lift doors,
    // wall lights, reception desks; the forecourt outside at the start.
    L.Rect(144, 0, W - 144, kWallFoot);
    L.FillGradient(0, 0, 0, kWallFoot, Hex(0x2A2A2E), Hex(0x46423C));
    for (double x = 144; x < W; x += 120) {
        L.Line(x, 30, x, kWallFoot, Hex(0x24221F), 2);
        L.Line(x + r.Range(20, 90), 30, x + r.Range(20, 90), kWallFoot, Hex(0x55504A), 0.8);  // veins
    }
    L.Rect(144, 0, W - 144, 30);
    L.FillGradient(0, 0, 0, 30, Hex(0x18181C), Hex(0x2A2A30));
    L.Rect(144, 30, W - 144, 3);
    L.Fill(Hex(0xB89A50));
    // Wall lights with their glow.
    for (double x = 230; x < W; x += 240) {
        L.Ellipse(x, 70, 26, 34);
        L.FillRadial(x, 70, 34, Hex(0x8A7048), Hex(0x2A2A2E), 0.9, 0.0);
        L.Rect(x - 4, 60, 8, 14);
        L.Fill(Hex(0xF0D8A0));
    }
    // Lift doors.
    for (double x : {380.0, 980.0, 1500.0}) {
        L.Rect(x - 4, 96, 88, 141);
        L.StrokeKeep(kOut, 2);
        L.Fill(Hex(0x6A5A3A));
        L.Rect(x, 104, 40, 133);
        L.FillGradient(x, 0, x + 40, 0, Hex(0x8A9098), Hex(0x4A5058));
        L.Rect(x + 40, 104, 40, 133);
        L.FillGradient(x + 40, 0, x + 80, 0, Hex(0x8A9098), Hex(0x4A5058));
        L.Rect(x + 34, 86, 12, 6);
        L.Fill(Hex(0xE04020));
    }
    // Glass front of the forecourt: transparent above the entrance canopy.
    L.Rect(0, 200, 150, 37);
    L.Fill(Hex(0x1E2026));
    L.Rect(140, 0, 12, kWallFoot);
    L.Fill(Hex(0x3A3E48));
    // The company mark: a stylised tower in a ring.
    for (double x : {640.0, 1240.0}) {
        L.Rect(x, 50, 170, 100);
        L.StrokeKeep(kOut, 2);
        L.FillGradient(0, 50, 0, 150, Hex(0x1A2A4A), Hex(0x0E1424));
        cairo_new_sub_path(L.cr);
        cairo_arc(L.cr, x + 40, 100, 28, 0, 2 * M_PI);
        L.Stroke(Hex(0xE8C870), 4);
        L.Poly({x + 34, 126, x + 37, 80, x + 40, 72, x + 43, 80, x + 46, 126});
        L.Fill(Hex(0xE8C870));
        BlockText(L, "VXC", x + 80, 86, 4, 1);
        L.Fill(Hex(0xE8D8A0));
    }
    // Reception desks and potted plants.
    for (double x : {700.0, 1100.0, 1600.0}) {
        L.Rect(x, 184, 160, 53);
        L.StrokeKeep(kOut, 2);
        L.FillGradient(0, 184, 0, 237, Hex(0x4A2E1C), Hex(0x22140C));
        L.Rect(x, 184, 160, 5);
        L.Fill(Hex(0xB89A60));
    }
    for (double x = 300; x < W; x += 430) {
        if (UnderCaption(x - 24, x + 24)) continue;
        L.Rect(x - 10, 212, 20, 25);
        L.StrokeKeep(kOut, 1.5);
        L.Fill(Hex(0x4A4038));
        for (int k = 0; k < 7; ++k) {
            double a = -1.2 + k * 0.4;
            L.Line(x, 212, x + std::sin(a) * 24, 212 - std::cos(a) * 30, Hex(0x2A5A2A), 4);
        }
    }
    TiledFloor(L, 0, W, Hex(0x4A4640), Hex(0x36322C), 40);
    // Reflections of the wall lights on the polished floor.
    for (double x = 230; x < W; x += 240) {
        L.Ellipse(x, 300, 18, 50);
        L.Colour(Hex(0x7A6A50), 0.35);
        cairo_fill(L.cr);
    }
    FinishStrip(L, s, r, 0.05);
    ShadeUnderCaption(s);
}

void ElevatorStrip(Sheet& s, Rng& r) {
    Layer L(640, 480);
    // Cage sides and posts; the shaft between x 105 and 534 stays open.
    L.Rect(0, 0, 104, kWallFoot);
    L.FillGradient(0, 0, 105, 0, Hex(0x3A3E46), Hex(0x22252A));
    L.Rect(536, 0, 104, kWallFoot);
    L.FillGradient(535, 0, 640, 0, Hex(0x22252A), Hex(0x3A3E46));
    // Yellow posts, dark where they rise out of the cage's lamp light.
    for (double x : {88.0, 537.0}) {
        L.Rect(x, 0, 15, kWallFoot);
        L.StrokeKeep(kOut, 1.5);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 110);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.2, 0.17, 0.06);
        cairo_pattern_add_color_stop_rgb(p, 0.4, 0.26, 0.22, 0.07);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.75, 0.63, 0.13);
        cairo_set_source(L.cr, p);
        cairo_fill(L.cr);
        cairo_pattern_destroy(p);
    }
    for (double y = 20; y < kWallFoot; y += 40) {
        L.Line(0, y, 90, y + 30, Hex(0x4A4E56), 3);
        L.Line(550, y + 30, 640, y, Hex(0x4A4E56), 3);
    }
    // Platform floor: steel tread plate with a yellow edge.
    L.Rect(0, kWallFoot, 640, 480 - kWallFoot);
    L.FillGradient(0, kWallFoot, 0, 480, Hex(0x4A4E54), Hex(0x5A5E66));
    for (double y = kWallFoot + 10; y < 480; y += 12)
        for (double x = 0; x < 640; x += 16) L.Line(x, y, x + 5, y - 3, Hex(0x6A6E76), 1);
    L.Rect(0, kWallFoot, 640, 6);
    L.Fill(Hex(0xD0A020));
    FinishStrip(L, s, r, 0.08);
}

// A raised wooden panel: lit top and left bevel, shadowed bottom and right.
void WoodPanel(Layer& L, double x, double y, double w, double h, Rgb wood) {
    L.Rect(x, y, w, h);
    L.FillGradient(x, y, x + w, y + h, Mix(wood, kWhite, 0.08), Scale(wood, 0.8));
    L.Line(x, y, x + w, y, Mix(wood, kWhite, 0.3), 1.5);
    L.Line(x, y, x, y + h, Mix(wood, kWhite, 0.2), 1.5);
    L.Line(x, y + h, x + w, y + h, Scale(wood, 0.45), 1.5);
    L.Line(x + w, y, x + w, y + h, Scale(wood, 0.45), 1.5);
}

void Sconce(Layer& L, double x, double y) {
    L.Ellipse(x, y, 22, 30);
    L.FillRadial(x, y, 30, Hex(0x8A5A30), Hex(0x3A2418), 0.55, 0.0);
    L.Rect(x - 2, y + 4, 4, 10);
    L.Fill(Hex(0xB08A40));
    L.Poly({x - 7, y - 6, x + 7, y - 6, x + 5, y + 4, x - 5, y + 4});
    L.StrokeKeep(kOut, 1);
    L.FillGradient(0, y - 6, 0, y + 4, Hex(0xFFE8B0), Hex(0xD0A060));
}

void BoardroomStrip(Sheet& s, Rng& r) {
    Layer L(640, 480);
    const Rgb wood = Hex(0x4A2C1E);
    // Dark coffered ceiling, a gilt cornice below it.
    L.Rect(0, 0, 640, kWallFoot);
    L.FillGradient(0, 0, 0, kWallFoot, Hex(0x2A1810), Hex(0x3A2418));
    for (double x = 0; x < 640; x += 80) {
        L.Rect(x + 6, 2, 68, 10);
        L.Fill(Hex(0x140C08));
    }
    L.Rect(0, 14, 640, 26);
    L.FillGradient(0, 14, 0, 40, Hex(0x1E120C), Hex(0x2E1C14));
    for (double x = 40; x < 640; x += 80) {  // recessed downlights, dim from below
        L.Ellipse(x, 14, 8, 3);
        L.StrokeKeep(kOut, 1);
        L.Fill(Hex(0x4A3E2C));
    }
    L.Rect(0, 40, 640, 6);
    L.FillGradient(0, 40, 0, 46, Hex(0x6A4A2A), Hex(0x2A1A10));
    L.Line(0, 46, 640, 46, Hex(0xA08040), 1);
    // Panelled wall: upper panels, a chair rail, the wainscot.
    for (double x = 40; x < 290; x += 50) {
        WoodPanel(L, x, 56, 40, 72, wood);
        WoodPanel(L, x, 156, 40, 66, Scale(wood, 0.85));
    }
    for (double x = 36; x < 294; x += 7) L.Line(x, 46, x + r.Range(-1, 1), 237, Scale(wood, 0.9), 0.6, 0.5);  // grain
    L.Rect(0, 140, 294, 6);
    L.StrokeKeep(kOut, 1);
    L.FillGradient(0, 140, 0, 146, Hex(0x8A5A34), Hex(0x3A2212));
    L.Rect(0, 228, 294, 9);
    L.Fill(Hex(0x1E120A));
    // A tall bookcase at the left.
    L.Rect(42, 64, 68, 173);
    L.StrokeKeep(kOut, 2);
    L.Fill(Hex(0x2A160E));
    static const uint32_t spines[6] = {0x6A1A1A, 0x1A3A5A, 0x5A4A1A, 0x2A4A2A, 0x7A6A5A, 0x3A1A3A};
    for (double y = 70; y < 230; y += 32) {
        for (double bx = 46; bx < 104;) {
            const double bw = r.Range(3, 6), bh = r.Range(18, 26);
            L.Rect(bx, y + 28 - bh, bw, bh);
            L.Fill(Hex(spines[r.Int(0, 5)]));
            L.Line(bx + 1, y + 30 - bh, bx + 1, y + 26, Hex(0xC8A860), 0.6, 0.5);
            bx += bw + 0.6;
        }
        L.Rect(42, y + 28, 68, 4);
        L.Fill(Hex(0x5A3420));
    }
    // Wall screen frame for the face, the company mark over it.
    L.Rect(118, 146, 92, 72);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, 146, 0, 218, Hex(0x2A2A30), Hex(0x121216));
    L.Rect(124, 152, 80, 60);
    L.Fill(Hex(0x06080C));
    L.Ellipse(200, 214, 1.6, 1.6);
    L.Fill(Hex(0x30C060));
    cairo_new_sub_path(L.cr);
    cairo_arc(L.cr, 164, 100, 18, 0, 2 * M_PI);
    L.Stroke(Hex(0xC8A860), 3);
    L.Poly({160, 116, 162, 90, 164, 84, 166, 90, 168, 116});
    L.Fill(Hex(0xC8A860));
    // A portrait in a gilt frame, a sideboard with a lamp and a decanter.
    L.Rect(226, 60, 56, 70);
    L.StrokeKeep(Hex(0xB89050), 3);
    L.FillGradient(226, 60, 282, 130, Hex(0x6A2A2A), Hex(0x1A2A4A));
    L.Ellipse(254, 88, 12, 15);
    L.Fill(Hex(0xC0A070));
    L.Poly({236, 130, 240, 110, 254, 102, 268, 110, 272, 130});
    L.Fill(Hex(0x1A1A22));
    Sconce(L, 214, 96);
    L.Rect(218, 186, 72, 42);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, 186, 0, 228, Hex(0x5A3420), Hex(0x24140C));
    L.Line(254, 190, 254, 226, kOut, 1);
    L.Rect(216, 182, 76, 5);
    L.Fill(Hex(0x7A4A2A));
    L.Poly({232, 182, 236, 162, 242, 162, 246, 182});
    L.FillGradient(0, 162, 0, 182, Hex(0xF0D8A0), Hex(0xB08040));
    L.Rect(238, 150, 2, 12);
    L.Fill(Hex(0xB08A40));
    L.Ellipse(272, 176, 5, 6);
    L.Fill(Hex(0x6A3A20));
    L.Rect(270.5, 164, 3, 7);
    L.Fill(Hex(0x8A6A40));
    // The window wall, open from x 295 onto the city.
    ClearRect(L, 295, 50, 345, 180);
    for (double x : {363.0, 434.0, 505.0}) {
        L.Rect(x, 50, 6, 180);
        L.FillGradient(x, 0, x + 6, 0, Hex(0x4A4E58), Hex(0x16181C));
    }
    L.Rect(579, 50, 12, 180);
    L.FillGradient(579, 0, 591, 0, Hex(0x4A4E58), Hex(0x16181C));
    L.Rect(290, 44, 350, 6);
    L.Fill(Hex(0x22242A));
    L.Rect(289, 44, 7, 186);  // the window's jamb
    L.FillGradient(289, 0, 296, 0, Hex(0x3A3E46), Hex(0x16181C));
    L.Rect(290, 226, 350, 11);  // sill
    L.FillGradient(0, 226, 0, 237, Hex(0x5A5E66), Hex(0x2A2C30));
    L.Line(290, 226, 640, 226, Hex(0x8A8E96), 1);
    // Polished parquet and a patterned rug.
    L.Rect(0, kWallFoot, 640, 480 - kWallFoot);
    L.FillGradient(0, kWallFoot, 0, 480, Hex(0x3A2014), Hex(0x5A3420));
    for (double y = kWallFoot + 10; y < 480; y += 10 + (y - kWallFoot) / 24) {
        L.Line(0, y, 640, y, Hex(0x2A160C), 1);
        const double step = 28 + (y - kWallFoot) / 4;
        for (double x = std::fmod(y * 1.7, step); x < 640; x += step) L.Line(x, y, x - 4, y + 10, Hex(0x2A160C), 1);
    }
    L.Rect(80, 300, 480, 140);
    L.StrokeKeep(Hex(0x8A6A30), 3);
    L.Colour(Hex(0x4A1E1E), 0.85);
    cairo_fill(L.cr);
    L.Rect(92, 310, 456, 120);
    L.Stroke(Hex(0x7A5A2A), 2);
    for (double x = 100; x < 540; x += 22) {
        L.Poly({x, 318, x + 8, 314, x + 16, 318, x + 8, 322});
        L.Fill(Hex(0x6A3A22));
        L.Poly({x, 422, x + 8, 418, x + 16, 422, x + 8, 426});
        L.Fill(Hex(0x6A3A22));
    }
    L.Ellipse(320, 370, 70, 34);
    L.StrokeKeep(Hex(0x8A6A30), 2);
    L.Fill(Hex(0x3A1616));
    L.Ellipse(320, 370, 40, 18);
    L.Stroke(Hex(0x7A5A2A), 1.5);
    FinishStrip(L, s, r, 0.06);
}

// Heaps of junk on a low horizon; the sky shows above them. A heap is a
// mound of scrap: panels, pipes, wheels and drums catching the light on
// their upper edges.
void Heap(Layer& L, double x, double h, Rgb c, Rng& r) {
    double w = h * r.Range(1.2, 2.0);
    L.Poly({x - w, 237, x - w * 0.4, 237 - h * 0.8, x - w * 0.1, 237 - h, x + w * 0.3, 237 - h * 0.85, x + w, 237});
    L.StrokeKeep(kOut, 1.5);
    L.FillGradient(0, 237 - h, 0, 237, Mix(c, kWhite, 0.12), Scale(c, 0.55));
    static const uint32_t scrap[6] = {0x6A2A20, 0x2A4A6A, 0x5A5A5E, 0x6A5A2A, 0x3A4A3A, 0x7A6A5A};
    for (int k = 0; k < h / 5; ++k) {
        // Pieces higher up the heap lie within its outline.
        const double py = 237 - r.Range(4, h * 0.85), spread = w * (1 - (237 - py) / h) * 0.85;
        const double px = x + r.Range(-spread, spread) + w * 0.1;
        const Rgb col = Hex(scrap[r.Int(0, 5)]);
        switch (r.Int(0, 3)) {
        case 0: {  // a panel
            const double pw = r.Range(8, 18), ph = r.Range(4, 8), a = r.Range(-0.5, 0.5);
            cairo_save(L.cr);
            cairo_translate(L.cr, px, py);
            cairo_rotate(L.cr, a);
            L.Rect(-pw / 2, -ph / 2, pw, ph);
            L.StrokeKeep(kOut, 1);
            L.FillGradient(0, -ph / 2, 0, ph / 2, Mix(col, kWhite, 0.2), Scale(col, 0.6));
            cairo_restore(L.cr);
            break;
        }
        case 1:  // a wheel
            L.Ellipse(px, py, 5, 4.5);
            L.StrokeKeep(kOut, 1);
            L.Fill(Hex(0x141416));
            L.Ellipse(px, py, 2, 1.8);
            L.Fill(Hex(0x6A6E74));
            break;
        case 2:  // a pipe
            L.Line(px - 8, py + r.Range(-3, 3), px + 8, py + r.Range(-3, 3), kOut, 3.4);
            L.Line(px - 8, py, px + 8, py - 1, Mix(col, kWhite, 0.25), 1.6);
            break;
        default:  // a drum on its side
            L.Rect(px - 6, py - 4, 12, 8);
            L.StrokeKeep(kOut, 1);
            L.FillGradient(0, py - 4, 0, py + 4, Mix(col, kWhite, 0.2), Scale(col, 0.55));
            L.Line(px - 2, py - 4, px - 2, py + 4, Scale(col, 0.4), 1);
            break;
        }
    }
}

// A stack of crushed cars, squashed flat, windows as dark slots.
void CarStack(Layer& L, double x, int n, Rng& r) {
    static const uint32_t cars[5] = {0x7A3A2A, 0x3A5A7A, 0x6A6A30, 0x5A5A5E, 0x2A5A4A};
    for (int k = 0; k < n; ++k) {
        const double y = 237 - 14 * (k + 1), cx = x + r.Range(-4, 4);
        const Rgb col = Hex(cars[r.Int(0, 4)]);
        L.Rect(cx, y, 54, 13);
        L.StrokeKeep(kOut, 1.2);
        L.FillGradient(0, y, 0, y + 13, Mix(col, kWhite, 0.2), Scale(col, 0.55));
        L.Rect(cx + 10, y + 2, 30, 4);
        L.Fill(Hex(0x101418));
        L.Ellipse(cx + 8, y + 11, 4, 2.5);
        L.Ellipse(cx + 46, y + 11, 4, 2.5);
        L.Fill(Hex(0x0E0E10));
        L.Line(cx, y + 0.5, cx + 54, y + 0.5, Mix(col, kWhite, 0.45), 1);
        if (r.Chance(0.5)) {  // rust bleeding down
            L.Rect(cx + r.Range(4, 44), y + 5, r.Range(4, 8), 7);
            L.Colour(Hex(0x6A3418), 0.6);
            cairo_fill(L.cr);
        }
    }
}

void TyrePile(Layer& L, double x) {
    for (int k = 0; k < 9; ++k) {
        const int row = k < 4 ? 0 : k < 7 ? 1 : 2;
        const double tx = x + (k - (row == 0 ? 0 : row == 1 ? 4 : 7)) * 18 + row * 9, ty = 229 - row * 12;
        L.Ellipse(tx, ty, 9.5, 8);
        L.StrokeKeep(kOut, 1.2);
        L.FillGradient(0, ty - 8, 0, ty + 8, Hex(0x3A3A3E), Hex(0x0E0E10));
        L.Ellipse(tx, ty, 3.5, 3);
        L.Fill(Hex(0x050506));
    }
}

// A floodlight mast; the lamp head is below the heads-up display's rows.
void Floodlight(Layer& L, double x) {
    L.Line(x, 237, x, 112, kOut, 5);
    L.Line(x, 237, x, 112, Hex(0x4A4E56), 3);
    for (double y = 230; y > 120; y -= 14) L.Line(x - 4, y, x + 4, y - 7, Hex(0x3A3E44), 1);
    L.Rect(x - 14, 104, 28, 9);
    L.StrokeKeep(kOut, 1.5);
    L.Fill(Hex(0x2A2C30));
    for (double lx : {x - 9.0, x, x + 9.0}) {
        L.Rect(lx - 3.5, 107, 7, 5);
        L.Fill(Hex(0xF0E0A8));
    }
    // Its light falling on the ground below.
    L.Poly({x - 12, 113, x + 12, 113, x + 60, 237, x - 60, 237});
    L.Colour(Hex(0xF0E0A8), 0.07);
    cairo_fill(L.cr);
}

// A site cabin on stilts with a lit window.
void Cabin(Layer& L, double x) {
    for (double lx : {x + 6.0, x + 74.0}) L.Line(lx, 237, lx, 186, Hex(0x2A2C30), 4);
    L.Line(x + 6, 200, x + 74, 226, Hex(0x2A2C30), 1.5);
    L.Line(x + 6, 226, x + 74, 200, Hex(0x2A2C30), 1.5);
    L.Rect(x, 140, 80, 46);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, 140, 0, 186, Hex(0x5A6A5A), Hex(0x2E3A2E));
    for (double gx = x + 6; gx < x + 80; gx += 8) L.Line(gx, 142, gx, 184, Hex(0x3A463A), 1);
    L.Rect(x - 4, 134, 88, 7);
    L.StrokeKeep(kOut, 1.5);
    L.Fill(Hex(0x2A2C30));
    L.Rect(x + 12, 150, 26, 16);
    L.StrokeKeep(kOut, 1.5);
    L.Fill(Hex(0xE0B860));
    L.Line(x + 25, 150, x + 25, 166, Hex(0x6A4A20), 1.5);
    L.Rect(x + 52, 150, 16, 36);
    L.StrokeKeep(kOut, 1.5);
    L.Fill(Hex(0x2A2420));
    // Steps down to the yard.
    for (int k = 0; k < 5; ++k) L.Line(x + 84 + k * 5, 188 + k * 10, x + 94 + k * 5, 188 + k * 10, Hex(0x3A3C40), 2);
    L.Line(x + 82, 186, x + 106, 237, Hex(0x3A3C40), 2);
}

// The yard's sign on two posts.
void YardSign(Layer& L, double x) {
    for (double px : {x + 14.0, x + 106.0}) L.Line(px, 237, px, 150, Hex(0x3A3C40), 4);
    L.Rect(x, 118, 120, 36);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, 118, 0, 154, Hex(0xD0B040), Hex(0x8A6A20));
    BlockText(L, "SCRAP", x + 15, 125, 3.4, 1);
    L.Fill(Hex(0x1A1410));
    for (int k = 0; k < 8; ++k) {  // rust streaks
        L.Line(x + 8 + k * 15, 120, x + 9 + k * 15, 128 + (k % 3) * 6, Hex(0x6A3A18), 1.5, 0.6);
    }
}

void JunkHorizon(Layer& L, double x0, double x1, Rng& r) {
    // Low enough that the junk city and the sky show above them.
    for (double x = x0; x < x1; x += r.Range(70, 150)) Heap(L, x, r.Range(30, 62), Hex(0x3A3028), r);
    for (double x = x0 + r.Range(0, 200); x < x1; x += r.Range(300, 600)) CarStack(L, x, r.Int(3, 5), r);
    for (double x = x0; x < x1; x += r.Range(40, 90)) Heap(L, x, r.Range(14, 32), Hex(0x4A3C30), r);
    // Wire fence in front of the heaps, barbed along the top.
    L.Line(x0, 208, x1, 208, Hex(0x5A5E64), 1.5);
    L.Line(x0, 203, x1, 203, Hex(0x4A4E54), 1);
    for (double x = x0 - std::fmod(x0, 6); x < x1; x += 6) L.Line(x, 201, x + 3, 205, Hex(0x6A6E74), 0.8);
    for (double x = x0 - std::fmod(x0, 60); x < x1; x += 60) {
        L.Line(x, 200, x, 237, kOut, 4);
        L.Line(x, 200, x, 237, Hex(0x5A5E64), 2);
    }
    for (double x = x0 - std::fmod(x0, 8); x < x1; x += 8) {
        L.Line(x, 208, x + 8, 237, Hex(0x4A4E54), 0.7);
        L.Line(x + 8, 208, x, 237, Hex(0x4A4E54), 0.7);
    }
}

void DirtFloor(Layer& L, double x0, double x1, Rng& r) {
    L.Rect(x0, kWallFoot, x1 - x0, 480 - kWallFoot);
    L.FillGradient(0, kWallFoot, 0, 480, Hex(0x3A3024), Hex(0x4A3C2C));
    // Tyre ruts running along the yard.
    for (double y : {300.0, 318.0, 410.0, 430.0}) {
        L.Rect(x0, y, x1 - x0, 7);
        L.Colour(Hex(0x2A2218), 0.55);
        cairo_fill(L.cr);
        L.Line(x0, y + 7, x1, y + 7, Hex(0x5A4A36), 1, 0.5);
    }
    for (int k = 0; k < (x1 - x0) / 8; ++k) {
        L.Ellipse(r.Range(x0, x1), r.Range(245, 478), r.Range(2, 8), r.Range(1, 3));
        L.Colour(r.Chance(0.5) ? Hex(0x2A2218) : Hex(0x5A4A38), 0.7);
        cairo_fill(L.cr);
    }
    // Oil puddles with a sheen, bits of scrap, tufts of weed.
    for (int k = 0; k < (x1 - x0) / 160; ++k) {
        const double x = r.Range(x0, x1), y = r.Range(260, 470), w = r.Range(20, 50);
        L.Ellipse(x, y, w, w * 0.1);
        L.Colour(Hex(0x1C1818), 0.7);
        cairo_fill(L.cr);
        L.Line(x - w * 0.5, y - 1, x + w * 0.2, y - 1, Hex(0x5A5A78), 1, 0.5);
    }
    static const uint32_t bits[4] = {0x6A6E74, 0x6A2A20, 0x2A4A6A, 0x8A7A5A};
    for (int k = 0; k < (x1 - x0) / 30; ++k) {
        const double x = r.Range(x0, x1), y = r.Range(250, 478);
        L.Rect(x, y, r.Range(2, 6), r.Range(1.5, 3));
        L.Fill(Hex(bits[r.Int(0, 3)]));
    }
    for (int k = 0; k < (x1 - x0) / 40; ++k) {
        const double x = r.Range(x0, x1), y = r.Range(245, 478);
        for (int j = 0; j < 4; ++j) L.Line(x, y, x + r.Range(-3, 3), y - r.Range(3, 7), Hex(0x3A4A26), 1);
    }
    for (double x = x0; x < x1; x += 30) L.Line(x, 240, x + 8, 232, Hex(0x5A5E64), 1);  // wire fence foot
}

// A crane over the heaps: lattice boom, cab, a car hanging from the magnet.
void Crane(Layer& L, double x) {
    const Rgb steel = Hex(0x9A7420), o = kOut;
    L.Rect(x - 26, 206, 52, 31);  // the tracked base
    L.StrokeKeep(o, 2);
    L.FillGradient(0, 206, 0, 237, Hex(0x5A5A5E), Hex(0x1E1E22));
    for (double tx = x - 22; tx < x + 24; tx += 8) L.Line(tx, 230, tx, 237, Hex(0x101012), 2);
    L.Rect(x - 18, 176, 36, 30);  // the cab
    L.StrokeKeep(o, 2);
    L.FillGradient(0, 176, 0, 206, Hex(0xC89A30), Hex(0x6A4A10));
    L.Rect(x - 12, 180, 14, 12);
    L.Fill(Hex(0x8AA0A8));
    // Lattice boom from the cab up and out.
    const double bx0 = x + 6, by0 = 178, bx1 = x + 250, by1 = 64;
    L.Line(bx0, by0, bx1, by1, o, 5);
    L.Line(bx0, by0 - 7, bx1, by1 - 3, o, 5);
    L.Line(bx0, by0, bx1, by1, steel, 3);
    L.Line(bx0, by0 - 7, bx1, by1 - 3, steel, 3);
    for (int k = 0; k < 16; ++k) {
        const double t0 = k / 16.0, t1 = (k + 1) / 16.0;
        L.Line(bx0 + (bx1 - bx0) * t0, by0 + (by1 - by0) * t0, bx0 + (bx1 - bx0) * t1, by0 - 7 + (by1 - 3 - by0 + 7) * t1,
               steel, 1.2);
    }
    // Cable, magnet and the car it holds.
    L.Line(bx1 - 4, by1, bx1 - 4, 140, Hex(0x2A2A2A), 1.5);
    L.Ellipse(bx1 - 4, 144, 14, 5);
    L.StrokeKeep(o, 1.5);
    L.Fill(Hex(0x3A3A3E));
    L.Rect(bx1 - 30, 150, 52, 18);
    L.StrokeKeep(o, 1.5);
    L.FillGradient(0, 150, 0, 168, Hex(0x4A7A9A), Hex(0x1E3A4E));
    L.Rect(bx1 - 20, 153, 30, 6);
    L.Fill(Hex(0x101418));
}

void JunkyardStrip(Sheet& s, Rng& r) {
    const int W = 5400;
    Layer L(W, 480);
    JunkHorizon(L, -40, W + 40, r);
    // The first pile stands clear of the stage caption.
    for (double x : {440.0, 1980.0, 3300.0, 4700.0}) TyrePile(L, x);
    for (double x : {620.0, 2400.0, 4300.0}) Cabin(L, x);
    for (double x : {120.0, 1180.0, 2880.0, 4020.0, 5200.0}) Floodlight(L, x);
    YardSign(L, 900);
    // The shed front, the only wall of the yard.
    L.Rect(3615, 100, 221, 137);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, 100, 0, 237, Hex(0x6A5A44), Hex(0x4A3C2C));
    for (double x = 3615; x < 3836; x += 10) L.Line(x, 100, x, 237, Hex(0x3A2E20), 1.5);
    L.Poly({3600, 100, 3725, 70, 3850, 100});
    L.StrokeKeep(kOut, 2);
    L.Fill(Hex(0x5A3A2A));
    L.Rect(3690, 160, 60, 77);
    L.Fill(Hex(0x1A1410));
    L.Rect(3640, 130, 30, 18);
    L.StrokeKeep(kOut, 1.5);
    L.Fill(Hex(0xC8A050));
    Crane(L, 1500);
    DirtFloor(L, 0, W, r);
    FinishStrip(L, s, r, 0.12);
    ShadeUnderCaption(s);
}

void JunkendStrip(Sheet& s, Rng& r) {
    Layer L(640, 480);
    JunkHorizon(L, -40, 680, r);
    Floodlight(L, 60);
    TyrePile(L, 110);  // clear of the stage caption
    // A container front between 419 and 584.
    L.Rect(409, 110, 185, 127);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(0, 110, 0, 237, Hex(0x2A5A7A), Hex(0x1A3A50));
    for (double x = 415; x < 590; x += 9) L.Line(x, 112, x, 235, Hex(0x1A3A50), 2);
    L.Line(409, 111, 594, 111, Hex(0x6A9AB8), 1);
    for (double x : {430.0, 560.0}) {  // door bars and handles
        L.Line(x, 118, x, 230, Hex(0x5A7A90), 3);
        L.Rect(x - 3, 170, 6, 10);
        L.Fill(Hex(0x8AA0B0));
    }
    L.Rect(470, 130, 60, 14);
    L.Colour(Hex(0x6A3418), 0.7);
    cairo_fill(L.cr);
    DirtFloor(L, 0, 640, r);
    FinishStrip(L, s, r, 0.12);
    ShadeUnderCaption(s);
}

}  // namespace

void AddStripImages(Generators& g) {
    AddStreetStrips(g);
    auto& m = g.images;
    m["Data/Graphics/Levels/Factory/Factory.png"] = FactoryStrip;
    m["Data/Graphics/Levels/Factory/Storage.png"] = StorageStrip;
    m["Data/Graphics/Levels/Graveyard/Graveyard.png"] = GraveyardStrip;
    m["Data/Graphics/Levels/Vxc/Entrance.png"] = EntranceStrip;
    m["Data/Graphics/Levels/Vxc/Elevator.png"] = ElevatorStrip;
    m["Data/Graphics/Levels/Vxc/Boardroom.png"] = BoardroomStrip;
    m["Data/Graphics/Levels/Junkyard/Junkyard.png"] = JunkyardStrip;
    m["Data/Graphics/Levels/Junkyard/Junkend.png"] = JunkendStrip;
}

}  // namespace dg
