// The human enemies: street gunmen in three outfits, the sniper, the chainsaw
// killer, the rogue officer, and the biker on his machine. Right-facing cells
// are drawn; left-facing cells are their pixel mirrors.
#include <algorithm>

#include "figure.h"
#include "generators.h"

namespace dg {
namespace {

// Shin angle that puts the ankle `drop` px below the hip joint, `lift` above that line.
double Shin(const Build& b, double thigh, double drop, double lift) {
    double c = std::clamp((drop - lift - b.thigh * std::cos(thigh)) / b.shin, -1.0, 1.0);
    double a = std::acos(c);
    if (a <= thigh + 1e-9 && -a <= thigh + 1e-9) return a;
    return a <= thigh + 1e-9 ? a : -a;
}

// A walking stride at phase t (0..1): near leg forward at 0, far leg at 0.5.
void Stride(const Build& b, double t, double amp, double drop, Pose& p) {
    auto leg = [&](double ph, double& thigh, double& shin, double& foot) {
        double s = std::cos(2 * M_PI * ph);
        bool swing = std::sin(2 * M_PI * ph) < -0.2;
        double lift = swing ? 5.0 * std::sin(-2 * M_PI * ph) : 0.0;
        thigh = amp * s;
        shin = Shin(b, thigh, drop, lift);
        foot = swing ? -0.3 : 0.0;
    };
    leg(t, p.legF1, p.legF2, p.footF);
    leg(t + 0.5, p.legB1, p.legB2, p.footB);
    // Arms swing against the legs.
    double s = std::cos(2 * M_PI * t);
    p.armB1 = 0.35 * s;
    p.armB2 = p.armB1 + 0.5;
}

// Makes cells n + 24 and n + 48 have exactly the silhouette of cell n.
void MatchSilhouettes(Sheet& s, int from, int to, Rgb fill) {
    for (int y = 0; y < s.cellH; ++y)
        for (int x = 0; x < s.cellW; ++x) {
            bool a = s.On(s.CellX(from) + x, s.CellY(from) + y);
            bool b = s.On(s.CellX(to) + x, s.CellY(to) + y);
            if (a && !b) s.Set(s.CellX(to) + x, s.CellY(to) + y, fill);
            if (!a && b) s.Clear(s.CellX(to) + x, s.CellY(to) + y);
        }
}

void Stamp(Sheet& s, int cell, const Build& b, const Look& look, const Pose& p) {
    Layer L(s.cellW, s.cellH);
    DrawFigure(L, b, look, p);
    L.StampHard(s, s.CellX(cell), s.CellY(cell));
}

// ------------------------------------------------------------ street gunman
Build GunmanBuild() {
    Build b;
    b.torso = 24;
    b.headR = 7;
    b.upperArm = 12;
    b.foreArm = 11;
    b.thigh = 18;
    b.shin = 17.5;
    b.chestW = 9.5;
    b.hipW = 7.5;
    b.limbR = 3.2;
    return b;
}

Look GunmanLook(int look) {
    Look l;
    l.outline = Hex(0x0E0C10);
    l.gun = Hex(0x3A3C42);
    l.head = Look::Bare;
    if (look == 0) {
        l.torso = l.arms = Hex(0x3C4458);
        l.legs = Hex(0x2C3040);
        l.hair = Hex(0x2A1E18);
        l.skin = Hex(0xC89A78);
    } else if (look == 1) {
        l.torso = l.arms = Hex(0x5E6234);
        l.legs = Hex(0x4A3C2C);
        l.head = Look::Cap;
        l.accent = Hex(0x3E4224);
        l.hair = Hex(0x3E4224);
        l.skin = Hex(0xB08060);
    } else {
        l.torso = l.arms = Hex(0xB02828);
        l.legs = Hex(0x2A2A30);
        l.hair = Hex(0x140E0C);
        l.skin = Hex(0xD8AC88);
    }
    l.boots = Hex(0x1E1A18);
    return l;
}

// Pose of a right-facing gunman cell (0..10, 22, 23).
Pose GunmanPose(int c) {
    Build b = GunmanBuild();
    Pose p;
    p.hipX = 42;
    p.hipY = 43;
    p.gun = Gun::Pistol;
    p.gunScale = 1.35;
    const double drop = 81 - 43 - 4.5;
    if (c <= 3 || c >= 22) {
        Stride(b, (c % 4) / 4.0, 0.42, drop, p);
        p.armF1 = 0.35, p.armF2 = 1.1, p.gunAngle = 1.4;  // gun held low, ready
        p.lean = 0.06;
    } else if (c == 4) {
        Stride(b, 0.12, 0.25, drop, p);
        p.gunScale = 1.6;
        p.armF1 = 1.62, p.armF2 = 1.66, p.gunAngle = 1.68;
        p.armB1 = 1.2, p.armB2 = 1.7;
    } else if (c == 5) {
        // Kneeling whole within the cell, gun level at chest height: the near
        // foot planted forward, the far knee down with the shin and the top
        // of the foot flat on the ground behind, the head kept below row 26.
        p.hipY = 63;
        p.hipX = 42;
        p.lean = 0.42;
        p.head = 0.12;
        p.gunScale = 1.6;
        p.legF1 = 1.8, p.legF2 = 0.04, p.footF = 0;
        p.legB1 = -0.98, p.legB2 = -1.45, p.footB = -M_PI;
        p.armF1 = 1.52, p.armF2 = 1.58, p.gunAngle = 1.6;
        p.armB1 = 1.25, p.armB2 = 1.7;
    } else if (c == 6) {
        Stride(b, 0.3, 0.3, drop, p);
        p.lean = -0.35, p.head = -0.4, p.armF1 = 2.3, p.armF2 = 2.7, p.armB1 = -0.8, p.armB2 = -0.2, p.gunAngle = 2.9;
    } else if (c == 7) {
        p.hipY = 50;
        p.rotate = -0.7, p.head = -0.3, p.armF1 = 2.6, p.armF2 = 2.9, p.armB1 = 2.0, p.armB2 = 2.4, p.gunAngle = 3.0;
        p.legF1 = 0.5, p.legF2 = 0.1, p.legB1 = 0.2, p.legB2 = 0.0;
    } else if (c == 8) {
        p.hipY = 58, p.hipX = 48;
        p.rotate = -1.25, p.head = -0.2, p.armF1 = 2.2, p.armF2 = 2.6, p.armB1 = 1.6, p.armB2 = 2.0, p.gunAngle = 2.8;
        p.legF1 = 0.6, p.legF2 = 0.3, p.legB1 = 0.3, p.legB2 = 0.2;
    } else {  // 9, 10: lying on his back
        p.hipY = 47, p.hipX = 45;
        p.rotate = -M_PI / 2, p.head = 0.1, p.armF1 = 0.5, p.armF2 = 0.3, p.armB1 = -0.3, p.armB2 = -0.1, p.gunAngle = 0.4;
        p.legF1 = 0.35, p.legF2 = -0.1, p.legB1 = 0.1, p.legB2 = -0.05;
    }
    return p;
}

void Walkers(Sheet& s, Rng&) {
    Build b = GunmanBuild();
    for (int look = 0; look < 3; ++look) {
        for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 22, 23}) Stamp(s, look * 24 + c, b, GunmanLook(look), GunmanPose(c));
        // Left-facing: 11..14 walk, 15 fire, 16 crouch, 17..21 death.
        for (int k = 0; k <= 10; ++k) s.MirrorCell(look * 24 + k, look * 24 + 11 + k, 83);
    }
    for (int c = 0; c < 24; ++c) {
        MatchSilhouettes(s, c, c + 24, GunmanLook(1).outline);
        MatchSilhouettes(s, c, c + 48, GunmanLook(2).outline);
    }
}

// ------------------------------------------------------------ sniper
Build SniperBuild() {
    Build b = GunmanBuild();
    b.torso = 25;
    return b;
}
Look SniperLook() {
    Look l;
    l.outline = Hex(0x0A0A0E);
    l.torso = l.arms = Hex(0x2A2E34);
    l.legs = Hex(0x22262C);
    l.hair = Hex(0x18191C);
    l.skin = Hex(0xC09070);
    l.head = Look::Balaclava;
    l.gun = Hex(0x2E3034);
    l.boots = Hex(0x141416);
    return l;
}

void Sniper(Sheet& s, Rng&) {
    Build b = SniperBuild();
    Look look = SniperLook();
    const double drop = 92 - 55 - 4.5;
    auto base = [&]() {
        Pose p;
        p.hipX = 27;
        p.hipY = 55;
        p.gun = Gun::Rifle;
        p.gunScale = 0.8;
        p.legF1 = 0.12, p.legF2 = Shin(b, 0.12, drop, 0);
        p.legB1 = -0.12, p.legB2 = Shin(b, -0.12, drop, 0);
        p.armB1 = 0.9, p.armB2 = 1.6;
        return p;
    };
    // 2: aiming down and to the right.
    Pose aim = base();
    aim.armF1 = 0.75, aim.armF2 = 1.45, aim.gunAngle = 1.25, aim.lean = 0.05;
    Stamp(s, 2, b, look, aim);
    s.MirrorCell(2, 0, 56);
    // 1: aiming straight down over the edge.
    Pose down = base();
    down.lean = 0.12, down.head = 0.3, down.armF1 = 0.35, down.armF2 = 0.55, down.gunAngle = 0.12;
    down.armB1 = 0.5, down.armB2 = 0.9;
    down.gunScale = 0.65;
    Stamp(s, 1, b, look, down);
    // 3: hit, toppling.
    Pose hit = base();
    hit.rotate = -0.45, hit.head = -0.4, hit.armF1 = 2.2, hit.armF2 = 2.6, hit.armB1 = 1.8, hit.armB2 = 2.3;
    hit.gunAngle = 2.8, hit.hipY = 60;
    Stamp(s, 3, b, look, hit);
    // 5, 6: lying, painted in the upper half (the cell has sunk 50 px).
    Pose dead = base();
    dead.hipX = 36, dead.hipY = 37, dead.rotate = -M_PI / 2, dead.head = 0.15;
    dead.hipX = 40, dead.hipY = 33;
    dead.legF1 = 0.7, dead.legF2 = -0.5, dead.legB1 = 0.5, dead.legB2 = -0.4;
    dead.armF1 = 0.4, dead.armF2 = 0.2, dead.armB1 = -0.4, dead.armB2 = -0.2, dead.gunAngle = 0.5;
    Stamp(s, 5, b, look, dead);
    s.CopyCell(5, 6);
    // 8, 9: looking away, rifle resting on the shoulder.
    Pose rest = base();
    rest.armF1 = 0.5, rest.armF2 = 2.6, rest.gunAngle = 2.7, rest.head = -0.15;
    Stamp(s, 9, b, look, rest);
    s.MirrorCell(9, 8, 56);
    s.CopyCell(1, 4);
    // 7: the dark doorway he stands in (seen only in slow motion).
    Layer L(57, 102);
    L.Rect(1, 6, 55, 96);
    L.FillGradient(0, 6, 0, 102, Hex(0x30343C), Hex(0x1C1E24));
    L.Rect(6, 11, 45, 91);
    L.Fill(Hex(0x0C0E14));
    L.Rect(1, 6, 55, 4);
    L.Fill(Hex(0x4A505C));
    L.StampHard(s, s.CellX(7), s.CellY(7));
}

// ------------------------------------------------------------ chainsaw killer
Build ChainBuild() {
    Build b;
    b.torso = 24;
    b.headR = 7.5;
    b.upperArm = 13;
    b.foreArm = 12;
    b.thigh = 18.5;
    b.shin = 18;
    b.chestW = 14;
    b.hipW = 10;
    b.limbR = 4.4;
    b.footLen = 10;
    return b;
}
Look ChainLook() {
    Look l;
    l.outline = Hex(0x0E0A08);
    l.torso = Hex(0x6A4A32);  // leather apron over a stained shirt
    l.arms = Hex(0xC89878);
    l.skin = Hex(0xC89878);
    l.legs = Hex(0x3A3A44);
    l.hair = Hex(0x1A1410);
    l.boots = Hex(0x2A2018);
    l.belt = Hex(0x1E1612);
    l.head = Look::Bare;
    return l;
}

Pose ChainPose(int c) {
    Build b = ChainBuild();
    Pose p;
    p.hipX = 60;
    p.hipY = 47;
    p.gun = Gun::Chainsaw;
    p.lean = 0.1;
    const double drop = 86 - 47 - 4.5;
    if (c <= 3) Stride(b, c / 4.0, 0.38, drop, p);
    else Stride(b, 0.1, 0.3, drop, p);
    switch (c) {
    case 0: case 1: case 2:
        p.armF1 = 0.9, p.armF2 = 1.7, p.gunAngle = 2.0, p.armB1 = 0.7, p.armB2 = 1.6;
        break;
    case 3:  // saw raised, the swing begins
        p.armF1 = 1.8, p.armF2 = 2.2, p.gunAngle = 2.0, p.armB1 = 1.6, p.armB2 = 2.1, p.lean = -0.05;
        break;
    case 4:
        p.armF1 = 1.6, p.armF2 = 2.0, p.gunAngle = 2.0, p.armB1 = 1.4, p.armB2 = 1.9, p.lean = 0.15;
        break;
    case 5:  // full reach
        p.armF1 = 1.45, p.armF2 = 1.5, p.gunAngle = 1.6, p.armB1 = 1.3, p.armB2 = 1.5, p.lean = 0.3, p.hipX = 66;
        break;
    case 6:
        p.armF1 = 1.35, p.armF2 = 1.4, p.gunAngle = 1.45, p.armB1 = 1.2, p.armB2 = 1.4, p.lean = 0.36, p.hipX = 68;
        break;
    default: break;
    }
    if (c >= 7) {  // death: 7 hit, 8 falling, 9 nearly down, 10/11 lying
        int k = c - 7;
        p.gun = Gun::None;
        p.armF1 = 2.4, p.armF2 = 2.8, p.armB1 = -0.6, p.armB2 = -0.2;
        if (k == 0) p.lean = -0.35, p.head = -0.4;
        if (k == 1) p.rotate = -0.7, p.hipY = 52;
        if (k == 2) p.rotate = -1.2, p.hipY = 58, p.hipX = 66;
        if (k >= 3) {
            p.rotate = -M_PI / 2, p.hipY = 47, p.hipX = 72;
            p.armF1 = 0.5, p.armF2 = 0.3, p.armB1 = -0.3, p.armB2 = -0.1;
            p.legF1 = 0.3, p.legF2 = -0.1, p.legB1 = 0.1, p.legB2 = 0.0;
        }
    }
    return p;
}

void Chainsaw(Sheet& s, Rng&) {
    Build b = ChainBuild();
    Look look = ChainLook();
    for (int c = 0; c < 12; ++c) {
        Stamp(s, c, b, look, ChainPose(c));
        if (c >= 7) {
            // The dropped saw lies beside the body.
            Layer L(160, 88);
            cairo_translate(L.cr, c >= 9 ? 104 : 96, c >= 9 ? 80 : 74);
            cairo_rotate(L.cr, c >= 9 ? 0.05 : 0.5);
            L.Rect(-8, -6, 18, 12);
            L.StrokeKeep(look.outline, 2);
            L.Fill(Hex(0xC08A20));
            L.Rect(10, -3, 28, 6);
            L.StrokeKeep(look.outline, 2);
            L.Fill(Hex(0xA8B0B8));
            L.StampHard(s, s.CellX(c), s.CellY(c));
        }
    }
    for (int c = 0; c < 12; ++c) s.MirrorCell(c, c + 12, 159);
}

// ------------------------------------------------------------ rogue officer
Build RogueBuild() {
    Build b;
    b.torso = 21;
    b.headR = 7;
    b.upperArm = 12;
    b.foreArm = 11;
    b.thigh = 18.5;
    b.shin = 17.5;
    b.chestW = 12;
    b.hipW = 9;
    b.limbR = 3.8;
    return b;
}
// Nothing like the hero's pale armour: an oxblood leather greatcoat with red
// straps, a peaked cap and goggles, a bare face.
Look RogueLook() {
    Look l;
    l.outline = Hex(0x08080A);
    l.torso = Hex(0x4A2C32);
    l.arms = Hex(0x42282E);
    l.legs = Hex(0x24242A);
    l.boots = Hex(0x121214);
    l.belt = Hex(0x5A1410);
    l.helmet = Hex(0x26242A);
    l.gun = Hex(0x34363C);
    l.skin = Hex(0xC8967A);
    l.accent = Hex(0xFF8A20);
    l.trim = Hex(0xD83024);
    l.head = Look::PeakedCap;
    l.coat = true;
    return l;
}

Pose RoguePose(int c) {
    Build b = RogueBuild();
    Pose p;
    p.hipX = 45;
    p.hipY = 38;
    p.gun = Gun::BigPistol;
    p.gunScale = 0.82;
    const double drop = 77 - 38 - 4.5;
    if (c <= 7) {
        Stride(b, c / 8.0, 0.36, drop, p);
        p.armF1 = 0.5, p.armF2 = 1.9, p.gunAngle = 1.7;
        p.armB1 *= 0.5;
    } else if (c == 8) {
        Stride(b, 0.1, 0.2, drop, p);
        p.armF1 = 1.52, p.armF2 = 1.56, p.gunAngle = 1.58, p.armB1 = 1.0, p.armB2 = 1.5;
    } else {  // 9..12 collapsing where he stands
        int k = c - 9;
        p.gun = Gun::None;
        p.hipY = 42 + 8 * k;
        p.lean = 0.3 + 0.25 * k, p.head = 0.3;
        const double dropK = 77 - p.hipY - 4.5;
        p.legF1 = 0.9 + 0.2 * k, p.legF2 = Shin(b, p.legF1, dropK, 0), p.legB1 = 0.4 + 0.3 * k, p.legB2 = -1.0;
        p.armF1 = 0.3, p.armF2 = 0.2, p.armB1 = 0.2, p.armB2 = 0.1;
        if (k == 3) p.rotate = 0.6, p.hipY = 64, p.lean = 0.6;
    }
    return p;
}

void Roguecop(Sheet& s, Rng&) {
    Build b = RogueBuild();
    Look look = RogueLook();
    for (int c = 0; c <= 12; ++c) Stamp(s, c, b, look, RoguePose(c));
    s.CopyCell(12, 13);
    for (int c = 0; c < 14; ++c) s.MirrorCell(c, c + 14, 90);
}

// ------------------------------------------------------------ biker
void Wheel(Layer& L, double cx, double cy, double spin) {
    L.Ellipse(cx, cy, 10.5, 10.5);
    L.Fill(Hex(0x0C0C10));
    L.Ellipse(cx, cy, 7.5, 7.5);
    L.Fill(Hex(0x2A2C32));
    for (int k = 0; k < 5; ++k) {
        double a = spin + k * 2 * M_PI / 5;
        L.Line(cx, cy, cx + 7 * std::cos(a), cy + 7 * std::sin(a), Hex(0x9098A4), 1.2);
    }
    L.Ellipse(cx, cy, 2.5, 2.5);
    L.Fill(Hex(0xB0B8C4));
}

void BikeAndRider(Layer& L, int frame) {
    Rgb o = Hex(0x0C0A0C);
    Wheel(L, 20, 56, frame * 0.6);
    Wheel(L, 84, 56, frame * 0.6 + 0.3);
    // Frame, engine, tank, seat, forks, exhaust.
    L.Line(84, 56, 74, 26, o, 5);
    L.Line(84, 56, 74, 26, Hex(0xA0A8B4), 2.5);
    L.Poly({30, 40, 46, 34, 72, 30, 78, 40, 66, 54, 36, 54});
    L.StrokeKeep(o, 2);
    L.FillGradient(0, 30, 0, 54, Hex(0x5A5E68), Hex(0x24262C));
    L.Poly({44, 36, 50, 28, 70, 26, 74, 34, 58, 38});
    L.StrokeKeep(o, 2);
    L.FillGradient(0, 26, 0, 38, Hex(0xE04020), Hex(0x801810));
    L.Poly({24, 34, 48, 36, 46, 40, 24, 40});
    L.StrokeKeep(o, 1.6);
    L.Fill(Hex(0x1A1A1E));
    L.Line(30, 50, 8, 46, o, 5);
    L.Line(30, 50, 8, 46, Hex(0xB8BCC4), 3);
    L.Ellipse(80, 24, 3.5, 3.5);  // headlight
    L.StrokeKeep(o, 1.5);
    L.Fill(Hex(0xFFF0B0));
    if (frame == 1) {
        L.Ellipse(3, 44, 3, 2.5);
        L.Fill(Hex(0x8A8A90));
    }
    // Rider, hunched forward: leather jacket, dark helmet.
    Build b;
    b.torso = 22, b.headR = 6.5, b.upperArm = 12, b.foreArm = 11, b.thigh = 17, b.shin = 16, b.chestW = 9, b.hipW = 8;
    Look l;
    l.torso = l.arms = Hex(0x2C2426);
    l.legs = Hex(0x22242E);
    l.boots = Hex(0x141214);
    l.helmet = Hex(0x303440);
    l.head = Look::BikeHelmet;
    Pose p;
    p.hipX = 42, p.hipY = 32;
    p.lean = 1.05, p.head = -0.9;
    p.armF1 = 1.6, p.armF2 = 1.1, p.armB1 = 1.5, p.armB2 = 1.0;
    p.legF1 = 1.3, p.legF2 = -0.1, p.legB1 = 1.2, p.legB2 = -0.2;
    DrawFigure(L, b, l, p);
}

// The crashed machine lying on its near side, seen from the street: wheels
// flat on the ground, the frame and tank twisted up, the fork bent, the
// engine burning. `flare` changes only colours (the flicker cell).
void WreckedBike(Layer& L, bool flare) {
    const Rgb o = Hex(0x0C0A0C), chrome = Hex(0xA8B0BC), dark = Hex(0x1A1A1E);
    // Scrape marks and a spreading pool of fuel.
    L.Ellipse(52, 65, 46, 2.6);
    L.Fill(Hex(0x121014));
    for (int k = 0; k < 4; ++k) L.Line(2 + k * 5, 64 + (k % 2), 24 + k * 5, 63 + (k % 2), Hex(0x2E2C30), 1);
    // Rear wheel flat on the ground, its tyre and rim seen edge on.
    L.Ellipse(24, 58, 15, 6);
    L.StrokeKeep(o, 2);
    L.Fill(Hex(0x101012));
    L.Ellipse(24, 57, 10, 3.6);
    L.StrokeKeep(Hex(0x3A3C42), 1.2);
    L.Fill(Hex(0x24262A));
    for (int k = 0; k < 6; ++k) L.Line(24, 57, 24 + 9 * std::cos(k * 1.05), 57 + 3.2 * std::sin(k * 1.05), Hex(0x7A808A), 0.9);
    // Swing arm and exhaust running forward along the top.
    L.Line(26, 55, 48, 46, o, 5);
    L.Line(26, 55, 48, 46, Hex(0x4A4E56), 3);
    L.Poly({8, 44, 14, 40, 46, 42, 46, 47, 12, 48});
    L.StrokeKeep(o, 1.6);
    L.FillGradient(0, 40, 0, 48, Mix(chrome, kWhite, 0.4), Scale(chrome, 0.45));
    L.Ellipse(9, 44, 2.5, 3.5);
    L.Fill(dark);
    // Engine block with its cooling fins, frame rails, the dented tank.
    L.Poly({38, 62, 36, 44, 50, 36, 66, 38, 70, 52, 62, 63});
    L.StrokeKeep(o, 2);
    L.FillGradient(0, 36, 0, 63, Hex(0x5E626C), Hex(0x1E2024));
    for (int k = 0; k < 5; ++k) L.Line(42 + k * 4, 40 + k * 0.4, 40 + k * 4, 60, Hex(0x2A2C32), 1.2);
    L.Line(44, 44, 62, 42, Hex(0x8A909A), 1);
    L.Poly({52, 36, 58, 24, 80, 22, 88, 30, 78, 38, 64, 38});
    L.StrokeKeep(o, 2);
    L.FillGradient(0, 22, 0, 38, Hex(0xE04A26), Hex(0x6A140C));
    L.Line(60, 27, 78, 25, Hex(0xFF9070), 1.2);  // the highlight along the tank
    L.Poly({66, 30, 72, 27, 74, 31});              // a dent
    L.Fill(Hex(0x4A0E08));
    L.Poly({30, 40, 36, 32, 54, 33, 50, 38});      // the seat, torn
    L.StrokeKeep(o, 1.6);
    L.Fill(Hex(0x1C1A1E));
    L.Line(38, 34, 44, 37, Hex(0x6A5A4A), 1);
    // Front: the fork bent up, the wheel twisted towards us, the bar in the air.
    L.Line(84, 36, 92, 56, o, 5);
    L.Line(84, 36, 92, 56, chrome, 2.6);
    L.Ellipse(92, 58, 11, 8);
    L.StrokeKeep(o, 2);
    L.Fill(Hex(0x101012));
    L.Ellipse(92, 58, 7, 5);
    L.StrokeKeep(Hex(0x3A3C42), 1.2);
    L.Fill(Hex(0x2A2C30));
    L.Line(86, 54, 98, 62, Hex(0x7A808A), 0.9);
    L.Line(88, 62, 97, 53, Hex(0x7A808A), 0.9);
    L.Line(82, 34, 92, 14, o, 4);
    L.Line(82, 34, 92, 14, Hex(0x8A909A), 2);
    L.Line(88, 16, 100, 12, o, 4);
    L.Line(88, 16, 100, 12, Hex(0x3A3C42), 2.2);
    L.Ellipse(84, 30, 4.2, 3.6);  // the headlight, smashed
    L.StrokeKeep(o, 1.5);
    L.Fill(Hex(0x3A3830));
    L.Line(82, 28, 86, 32, Hex(0xC8C0A0), 0.8);
    // Loose parts in the road.
    L.Poly({70, 64, 76, 61, 79, 64});
    L.Fill(Hex(0x8A2418));
    L.Rect(100, 62, 3, 2);
    L.Fill(chrome);
    // Fire licking out of the engine and a curl of smoke.
    const Rgb flameA = flare ? Hex(0xFFE890) : Hex(0xFFB040), flameB = flare ? Hex(0xFF8A20) : Hex(0xD84A10);
    cairo_move_to(L.cr, 44, 14);  // smoke curling back from the fire
    cairo_curve_to(L.cr, 40, 6, 28, 10, 24, 4);
    cairo_curve_to(L.cr, 30, 14, 36, 12, 40, 20);
    cairo_curve_to(L.cr, 44, 26, 50, 24, 52, 30);
    cairo_curve_to(L.cr, 50, 22, 48, 20, 44, 14);
    L.Fill(flare ? Hex(0x4A4448) : Hex(0x3A3638));
    L.Poly({44, 39, 46, 27, 50, 33, 53, 18, 57, 31, 61, 22, 62, 30, 66, 26, 65, 39});
    L.StrokeKeep(Scale(flameB, 0.7), 1.2);
    L.FillGradient(0, 18, 0, 39, flameB, Scale(flameB, 0.8));
    L.Poly({48, 39, 50, 31, 53, 34, 56, 25, 58, 34, 61, 30, 62, 39});
    L.FillGradient(0, 25, 0, 39, Mix(flameA, kWhite, 0.3), flameA);
}

void Biker(Sheet& s, Rng&) {
    for (int f = 0; f < 2; ++f) {
        Layer L(105, 70);
        BikeAndRider(L, f);
        L.StampHard(s, s.CellX(f), s.CellY(f));
        s.MirrorCell(f, f + 2, 104);
    }
    // Wreck: the machine down on its side, rider gone; cell 5 (drawn half
    // see-through) is the same shape with the flames flaring.
    for (int c : {4, 5}) {
        Layer W(105, 70);
        WreckedBike(W, c == 5);
        W.StampHard(s, s.CellX(c), s.CellY(c));
    }
    s.MirrorCell(4, 6, 104);
    s.MirrorCell(5, 7, 104);
}

}  // namespace

void AddEnemyImages(Generators& g) {
    g.images["Data/Graphics/Enemy/sniper.png"] = Sniper;
    g.images["Data/Graphics/Enemy/walkers.png"] = Walkers;
    g.images["Data/Graphics/Enemy/biker.png"] = Biker;
    g.images["Data/Graphics/Enemy/chainsaw.png"] = Chainsaw;
    g.images["Data/Graphics/Enemy/roguecop.png"] = Roguecop;
}

}  // namespace dg
