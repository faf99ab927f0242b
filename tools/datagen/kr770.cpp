// KR770: the heavy two-legged enforcement machine. A boxy armoured body
// with twin guns at the front and a missile pod, on bird-like legs.
#include <algorithm>

#include "figure.h"
#include "generators.h"

namespace dg {
namespace {

const Rgb kOut = Hex(0x0A0C10);
const Rgb kHull = Hex(0x6E7A70);    // olive-grey armour
const Rgb kHullDark = Hex(0x3A423C);
const Rgb kMetal = Hex(0x8A929C);

void Plate(Layer& L, std::initializer_list<double> xy, Rgb c, double y0, double y1) {
    L.Poly(xy);
    L.StrokeKeep(kOut, 2.2);
    L.FillGradient(0, y0, 0, y1, Mix(c, kWhite, 0.3), Scale(c, 0.55));
}

// One leg by two-bone reach: hip to foot, the knee bending backwards like a
// bird's. The foot plate rests with its sole on `footY`.
void MechLeg(Layer& L, double hx, double hy, double fx, double footY, Rgb c) {
    const double a = 30, b = 32;
    double ax = fx, ay = footY - 7;
    double dx = ax - hx, dy = ay - hy, d = std::hypot(dx, dy);
    d = std::clamp(d, 10.0, a + b - 0.5);
    double along = (a * a - b * b + d * d) / (2 * d), h = std::sqrt(std::max(0.0, a * a - along * along));
    double ux = dx / d, uy = dy / d;
    double kx = hx + ux * along + uy * h, ky = hy + uy * along - ux * h;  // knee towards the back
    if (kx > hx) kx = hx + ux * along - uy * h, ky = hy + uy * along + ux * h;
    Limb(L, hx, hy, kx, ky, 8, 6.5, c, kOut);
    // An armour plate on the thigh.
    const double mx = (hx + kx) / 2, my = (hy + ky) / 2;
    L.Ellipse(mx, my, 5.5, 4);
    L.StrokeKeep(kOut, 1.2);
    L.FillGradient(mx, my - 4, mx, my + 4, Mix(c, kWhite, 0.4), Scale(c, 0.7));
    Limb(L, kx, ky, ax, ay, 6, 4.5, Scale(c, 0.9), kOut);
    // The hydraulic ram: dark cylinder, bright rod.
    const double px0 = mx + 4, py0 = my, px1 = (kx + ax) / 2 + 3, py1 = (ky + ay) / 2;
    L.Line(px0, py0, (px0 + px1) / 2, (py0 + py1) / 2, kOut, 4.0);
    L.Line(px0, py0, (px0 + px1) / 2, (py0 + py1) / 2, Hex(0x4A4E56), 2.6);
    L.Line((px0 + px1) / 2, (py0 + py1) / 2, px1, py1, Hex(0xD8DCE0), 1.6);
    L.Ellipse(kx, ky, 6.5, 6.5);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(kx - 6, ky - 6, kx + 6, ky + 6, Hex(0xC0C4CA), Hex(0x5A5E66));
    L.Ellipse(kx, ky, 2.2, 2.2);
    L.Fill(Hex(0x2A2E34));
    Plate(L, {ax - 14, footY, ax - 10, footY - 8, ax + 12, footY - 8, ax + 19, footY}, Scale(c, 0.8), footY - 8, footY);
    for (double tx : {ax - 8, ax + 2, ax + 12}) L.Line(tx, footY - 7, tx + 3, footY - 1, Scale(c, 0.45), 1.2);  // toes
}

// The machine facing right. `phase` 0..1 of the stride, `bob` body offset,
// `damage` 0..1 for the breaking cells, `fallen` 0..1 for the wreck.
void Machine(Layer& L, double phase, double bob, double damage, double fallen, Rng& rng) {
    const double ground = 126;
    double body = 8 + bob + fallen * 38;
    Rgb hull = Mix(kHull, Hex(0x303030), damage * 0.7);
    // Legs: far leg first.
    auto leg = [&](double ph, Rgb c) {
        // Feet swing forward lifted and push back planted.
        double sw = std::sin(2 * M_PI * ph);
        double lift = std::max(0.0, -std::cos(2 * M_PI * ph)) * 9 * (1 - fallen);
        double fx = 78 + 22 * sw * (1 - fallen) + fallen * 30;
        MechLeg(L, 76, body + 74, fx, ground - lift, c);
    };
    leg(phase + 0.5, Scale(hull, 0.7));
    // Hip block.
    Plate(L, {58, body + 62, 94, body + 62, 98, body + 84, 54, body + 84}, kHullDark, body + 62, body + 84);
    // Main body: a wedge-fronted armoured box.
    Plate(L, {22, body + 10, 110, body + 2, 134, body + 22, 138, body + 56, 120, body + 74, 30, body + 76, 20, body + 50}, hull,
          body, body + 76);
    // The top face catches the light; the belly falls into shadow.
    L.Poly({24, body + 12, 110, body + 4, 131, body + 21, 116, body + 17, 34, body + 20});
    L.FillGradient(0, body + 4, 0, body + 20, Mix(hull, kWhite, 0.45), Mix(hull, kWhite, 0.15));
    L.Line(23, body + 11, 110, body + 3, Mix(hull, Hex(0xC8E0FF), 0.55), 1.0);  // cool rim light
    L.Poly({22, body + 56, 30, body + 74, 120, body + 72, 136, body + 56, 120, body + 66, 34, body + 68});
    L.Fill(Scale(hull, 0.42));
    // Armour panels set into the side: lit top edges, shadowed lower edges.
    auto panel = [&](double x0, double y0, double x1, double y1) {
        L.Rect(x0, body + y0, x1 - x0, y1 - y0);
        L.FillGradient(0, body + y0, 0, body + y1, Mix(hull, kWhite, 0.12), Scale(hull, 0.78));
        L.Line(x0, body + y0, x1, body + y0, Mix(hull, kWhite, 0.5), 1.0);
        L.Line(x0, body + y0, x0, body + y1, Mix(hull, kWhite, 0.3), 1.0);
        L.Line(x0, body + y1, x1, body + y1, Scale(hull, 0.35), 1.2);
        L.Line(x1, body + y0, x1, body + y1, Scale(hull, 0.35), 1.2);
    };
    panel(30, 24, 56, 38);
    panel(64, 22, 100, 36);
    panel(30, 44, 56, 60);
    panel(64, 42, 112, 60);
    // Panel seams and rivets.
    L.Line(28, body + 40, 132, body + 36, Scale(hull, 0.4), 1.4);
    L.Line(60, body + 6, 58, body + 78, Scale(hull, 0.4), 1.4);
    for (int k = 0; k < 6; ++k) {
        L.Ellipse(32 + k * 18, body + 41.5, 1.3, 1.3);
        L.Fill(Mix(hull, kWhite, 0.55));
    }
    // Cooling vents behind the front plate.
    for (int k = 0; k < 4; ++k) {
        L.Rect(102, body + 44 + k * 4, 12, 2);
        L.Fill(Hex(0x14181A));
    }
    // Hazard stripes along the lower front edge.
    cairo_save(L.cr);
    L.Poly({96, body + 62, 128, body + 62, 120, body + 70, 96, body + 70});
    cairo_clip(L.cr);
    for (double x = 90; x < 136; x += 8) {
        L.Poly({x, body + 70, x + 4, body + 70, x + 12, body + 62, x + 8, body + 62});
        L.Fill(damage > 0.6 ? Hex(0x5A4A18) : Hex(0xD0A020));
    }
    cairo_restore(L.cr);
    // A warning diamond stencilled on the flank (the left-facing cells are
    // mirrors, so no lettering); grime streaks down the side.
    L.Poly({82, body + 23, 89, body + 29, 82, body + 35, 75, body + 29});
    L.StrokeKeep(Scale(hull, 0.35), 1.2);
    L.Fill(damage > 0.6 ? Hex(0x5A4A18) : Hex(0xD0A020));
    L.Rect(81.2, body + 25.5, 1.6, 4.5);
    L.Rect(81.2, body + 31, 1.6, 1.6);
    L.Fill(Hex(0x141414));
    for (int k = 0; k < 7; ++k) {
        const double x = 34 + k * 13 + (k % 3) * 2;
        L.Line(x, body + 40, x + 1, body + 52 + (k % 4) * 4, Scale(hull, 0.62), 1.0, 0.7);
    }
    // Sensor eye and cockpit slit.
    L.Poly({104, body + 14, 128, body + 22, 126, body + 28, 104, body + 22});
    L.StrokeKeep(kOut, 1.6);
    L.Fill(Hex(0x101418));
    L.Ellipse(118, body + 21, 5, 3.6);  // the sensor's glow in the slit
    L.FillRadial(118, body + 21, 5, damage > 0.6 ? Hex(0x401818) : Hex(0xA01810), Hex(0x101418));
    L.Ellipse(118, body + 21, 3, 2.2);
    L.Fill(damage > 0.6 ? Hex(0x602020) : Hex(0xFF3020));
    L.Ellipse(117, body + 20.2, 1.0, 0.8);
    L.Fill(damage > 0.6 ? Hex(0x804040) : Hex(0xFFD0C0));
    // Missile pod on the back.
    Plate(L, {64, body - 4, 92, body - 4, 94, body + 14, 62, body + 14}, kHullDark, body - 4, body + 14);
    L.Line(65, body - 3, 91, body - 3, Mix(kHullDark, kWhite, 0.45), 1.0);
    for (int k = 0; k < 3; ++k) {
        L.Ellipse(70 + k * 9, body + 5, 3, 3);
        L.StrokeKeep(kOut, 1.2);
        L.FillRadial(69 + k * 9, body + 4, 3.5, Hex(0xFF9070), Hex(0xA02010));
    }
    // Twin guns at the front edge (barrels near rows 43..46 and 52..55).
    double gy = 44 + bob * 0.0;
    Plate(L, {118, gy - 4, 136, gy - 4, 136, gy + 16, 118, gy + 16}, kHullDark, gy - 4, gy + 16);
    L.Rect(134, gy, 16, 3.5);
    L.StrokeKeep(kOut, 1.4);
    L.FillGradient(0, gy, 0, gy + 3.5, Mix(kMetal, kWhite, 0.5), Scale(kMetal, 0.5));
    L.Rect(134, gy + 9, 12, 3.5);
    L.StrokeKeep(kOut, 1.4);
    L.FillGradient(0, gy + 9, 0, gy + 12.5, Mix(kMetal, kWhite, 0.5), Scale(kMetal, 0.5));
    for (double rx : {138.0, 142.0}) {  // cooling rings
        L.Line(rx, gy - 0.5, rx, gy + 4, kOut, 1.0);
        L.Line(rx, gy + 8.5, rx, gy + 13, kOut, 1.0);
    }
    L.Line(119, gy - 3, 135, gy - 3, Mix(kHullDark, kWhite, 0.4), 1.0);
    // Near leg.
    leg(phase, hull);
    // Damage: torn, scorched holes and tongues of fire.
    if (damage > 0) {
        int holes = static_cast<int>(damage * 10);
        for (int k = 0; k < holes; ++k) {
            const double x = rng.Range(30, 125), y = body + rng.Range(8, 70), r = rng.Range(2.5, 5.5);
            cairo_new_path(L.cr);
            for (int v = 0; v < 7; ++v) {
                const double a = v * 2 * M_PI / 7 + rng.Range(-0.3, 0.3), rr = r * rng.Range(0.5, 1.2);
                if (v == 0) cairo_move_to(L.cr, x + std::cos(a) * rr, y + std::sin(a) * rr * 0.8);
                else cairo_line_to(L.cr, x + std::cos(a) * rr, y + std::sin(a) * rr * 0.8);
            }
            cairo_close_path(L.cr);
            L.StrokeKeep(k % 2 ? Hex(0x2A2420) : Hex(0xB05018), 1.2);  // scorched or still glowing edges
            L.Fill(Hex(0x0E0E10));
        }
        int flames = damage < 0.95 ? static_cast<int>(damage * 6) : 2;
        for (int k = 0; k < flames; ++k) {
            const double x = rng.Range(35, 120), y = body + rng.Range(4, 40), hgt = rng.Range(9, 15);
            L.Poly({x - 5, y + 3, x - 4, y - hgt * 0.6, x - 1, y - hgt * 0.35, x + 1, y - hgt, x + 3, y - hgt * 0.45,
                    x + 5, y - hgt * 0.7, x + 5, y + 3});
            L.FillGradient(0, y - hgt, 0, y + 3, Hex(0xFF7018), Hex(0xC02808));
            L.Poly({x - 2.5, y + 2, x - 1, y - hgt * 0.45, x + 1, y - hgt * 0.7, x + 2.5, y + 2});
            L.FillGradient(0, y - hgt * 0.7, 0, y + 2, Hex(0xFFF0A0), Hex(0xFFB040));
        }
    }
}

void Kr770(Sheet& s, Rng& rng) {
    for (int c = 0; c < 16; ++c) {
        Layer L(151, 139);
        double ph = c / 16.0;
        double bob = -2.0 * std::fabs(std::sin(2 * M_PI * ph));  // stomps on 3 and 11
        Rng r(7);
        Machine(L, ph, bob + 2, 0, 0, r);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
    // Breaking apart: 16 start .. 22 the wreck.
    for (int k = 0; k < 7; ++k) {
        Layer L(151, 139);
        Rng r(100 + k);
        double fallen = std::clamp((k - 2) / 4.0, 0.0, 1.0);
        Machine(L, 0.25, 0, std::min(1.0, 0.3 + k * 0.15), fallen, r);
        L.StampHard(s, s.CellX(16 + k), s.CellY(16 + k));
    }
    (void)rng;
    s.CopyCell(0, 23);
    s.CopyCell(0, 24);
    for (int c = 0; c < 25; ++c) s.MirrorCell(c, c + 25, 150);
}

}  // namespace

void AddKr770Images(Generators& g) { g.images["Data/Graphics/Enemy/kr770.png"] = Kr770; }

}  // namespace dg
