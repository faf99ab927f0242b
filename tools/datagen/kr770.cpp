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
const Rgb kWhite{255, 255, 255};

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
    Limb(L, kx, ky, ax, ay, 6, 4.5, Scale(c, 0.9), kOut);
    L.Line((hx + kx) / 2 + 4, (hy + ky) / 2, (kx + ax) / 2 + 3, (ky + ay) / 2, Hex(0xB8BCC0), 2.0);  // piston
    L.Ellipse(kx, ky, 6.5, 6.5);
    L.StrokeKeep(kOut, 2);
    L.FillGradient(kx - 6, ky - 6, kx + 6, ky + 6, Hex(0xC0C4CA), Hex(0x5A5E66));
    Plate(L, {ax - 14, footY, ax - 10, footY - 8, ax + 12, footY - 8, ax + 19, footY}, Scale(c, 0.8), footY - 8, footY);
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
    // Panel lines and rivets.
    L.Line(28, body + 40, 132, body + 36, Scale(hull, 0.5), 1.4);
    L.Line(60, body + 6, 58, body + 78, Scale(hull, 0.5), 1.4);
    for (int k = 0; k < 6; ++k) {
        L.Ellipse(32 + k * 18, body + 46, 1.3, 1.3);
        L.Fill(Mix(hull, kWhite, 0.5));
    }
    // Sensor eye and cockpit slit.
    L.Poly({104, body + 14, 128, body + 22, 126, body + 28, 104, body + 22});
    L.StrokeKeep(kOut, 1.6);
    L.Fill(Hex(0x101418));
    L.Ellipse(118, body + 21, 3, 2.2);
    L.Fill(damage > 0.6 ? Hex(0x602020) : Hex(0xFF3020));
    // Missile pod on the back.
    Plate(L, {64, body - 4, 92, body - 4, 94, body + 14, 62, body + 14}, kHullDark, body - 4, body + 14);
    for (int k = 0; k < 3; ++k) {
        L.Ellipse(70 + k * 9, body + 5, 3, 3);
        L.StrokeKeep(kOut, 1.2);
        L.Fill(Hex(0xD04020));
    }
    // Twin guns at the front edge (barrels near rows 43..46 and 52..55).
    double gy = 44 + bob * 0.0;
    Plate(L, {118, gy - 4, 136, gy - 4, 136, gy + 16, 118, gy + 16}, kHullDark, gy - 4, gy + 16);
    L.Rect(134, gy, 16, 3.5);
    L.StrokeKeep(kOut, 1.4);
    L.Fill(kMetal);
    L.Rect(134, gy + 9, 12, 3.5);
    L.StrokeKeep(kOut, 1.4);
    L.Fill(kMetal);
    // Near leg.
    leg(phase, hull);
    // Damage: scorch holes and flames.
    if (damage > 0) {
        int holes = static_cast<int>(damage * 10);
        for (int k = 0; k < holes; ++k) {
            double x = rng.Range(30, 125), y = body + rng.Range(8, 70);
            L.Ellipse(x, y, rng.Range(2, 5), rng.Range(2, 4));
            L.Fill(Hex(0x141414));
        }
        int flames = damage < 0.95 ? static_cast<int>(damage * 6) : 2;
        for (int k = 0; k < flames; ++k) {
            double x = rng.Range(35, 120), y = body + rng.Range(0, 40);
            L.Ellipse(x, y, 6, 8);
            L.FillRadial(x, y, 8, Hex(0xFFF0A0), Hex(0xE04010));
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
