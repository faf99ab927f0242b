// The hero: an armoured police cyborg drawn from the figure model. All his
// sheets hang on the hip point P; the left-facing sheets are the right-facing
// drawings mirrored about P.x + 20.5.
#include <algorithm>

#include "figure.h"
#include "generators.h"

namespace dg {
namespace {

Build HeroBuild() {
    Build b;
    b.torso = 18.5;
    b.headR = 7;
    b.upperArm = 13;
    b.foreArm = 12;
    b.thigh = 21;
    b.shin = 20;
    b.chestW = 11;
    b.hipW = 8.5;
    b.limbR = 3.6;
    b.footLen = 9;
    return b;
}

Look HeroLook(bool bare) {
    Look l;
    l.outline = Hex(0x0C0E14);
    l.torso = Hex(0x8C9AB4);
    l.arms = Hex(0x7F8DA8);
    l.legs = Hex(0x74829C);
    l.boots = Hex(0x3A404C);
    l.belt = Hex(0x2A2E36);
    l.gun = Hex(0x5A606C);
    l.helmet = Hex(0xA4B2CA);
    l.accent = Hex(0x60D8FF);
    l.skin = Hex(0xE0B8A0);
    l.hair = Hex(0x2A2020);
    l.head = bare ? Look::Bare : Look::Visor;
    l.armour = true;
    return l;
}

const double kAnkleY = 39.6;  // ankle height below the hips when the sole is on the line

// Sets the shin so the ankle sits `lift` px above the sole line.
double SolveShin(const Build& b, double thigh, double lift) {
    double c = (kAnkleY - lift - 1 - b.thigh * std::cos(thigh)) / b.shin;
    c = std::clamp(c, -1.0, 1.0);
    double a = std::acos(c);
    double c1 = a, c2 = -a;  // candidates; the knee bends forward, so the shin angle is below the thigh's
    double best = c1 <= thigh + 1e-9 ? c1 : c2;
    if (c1 <= thigh + 1e-9 && c2 <= thigh + 1e-9) best = std::max(c1, c2);
    return best;
}

// Leg angles of walk step k (0..7), 8 the braced stance.
void WalkLegs(const Build& b, int k, Pose& p) {
    static const double nearT[9] = {0.36, 0.14, -0.06, -0.22, -0.36, -0.14, 0.06, 0.24, 0.42};
    static const double nearL[9] = {0, 0, 0, 0, 0, 0, 6, 2, 0};
    int f = (k + 4) % 8;
    double farT = k == 8 ? -0.42 : nearT[f], farL = k == 8 ? 0 : nearL[f];
    p.legF1 = nearT[k];
    p.legF2 = SolveShin(b, p.legF1, nearL[k]);
    p.legB1 = farT;
    p.legB2 = SolveShin(b, p.legB1, farL);
    p.footF = nearL[k] > 0 ? -0.25 : 0;
    p.footB = farL > 0 ? -0.25 : 0;
}

// Upper body of torso pose n (0..6), for a figure whose hips are at (hx, hy).
Pose TorsoPose(int n, double hx, double hy) {
    Pose p;
    p.hipX = hx;
    p.hipY = hy;
    p.gun = Gun::BigPistol;
    p.armB1 = 0.5;
    p.armB2 = 1.7;
    switch (n) {
    case 0:  // ready, gun at the chest
    default:
        p.armF1 = 0.45, p.armF2 = 2.0, p.gunAngle = 1.75;
        break;
    case 1:  // idle: gun lowered along the leg
        p.armF1 = 0.15, p.armF2 = 0.6, p.gunAngle = 0.9, p.armB1 = 0.1, p.armB2 = 0.3;
        break;
    case 2:  // firing: arm straight out
        p.lean = 0.04, p.armF1 = 1.52, p.armF2 = 1.52, p.gunAngle = M_PI / 2, p.armB1 = 0.9, p.armB2 = 1.45;
        break;
    case 3:  // aiming up and forward
        p.armF1 = 2.2, p.armF2 = 2.3, p.gunAngle = 2.36, p.armB1 = 1.2, p.armB2 = 2.2;
        break;
    case 4:  // aiming straight up
        p.armF1 = 2.75, p.armF2 = 2.95, p.gunAngle = M_PI, p.armB1 = 1.3, p.armB2 = 2.6;
        break;
    case 5:  // hunched, gun lowered
        p.lean = 0.22, p.head = 0.2, p.armF1 = 0.35, p.armF2 = 0.75, p.gunAngle = 0.6, p.armB1 = 0.3, p.armB2 = 0.5;
        break;
    case 6:  // special: launcher on the shoulder
        p.armF1 = 0.6, p.armF2 = 1.6, p.gunAngle = 1.5, p.armB1 = 2.5, p.armB2 = 2.9;
        break;
    }
    return p;
}

// Mirror transform for a facing: 1 right (as drawn), 0 left (mirrored).
void Place(Layer& L, double px, double py, int facing) {
    cairo_identity_matrix(L.cr);
    if (facing == 1) {
        cairo_translate(L.cr, px, py);
    } else {
        cairo_translate(L.cr, px + 41, py);
        cairo_scale(L.cr, -1, 1);
    }
}

void ShoulderLauncher(Layer& L) {
    L.Rect(4, -50, 10, 32);
    L.StrokeKeep(Hex(0x0C0E14), 2.0);
    L.FillGradient(4, 0, 14, 0, Hex(0xB8C2D0), Hex(0x50586A));
    L.Rect(3, -50, 12, 4);
    L.Fill(Hex(0x2A2E36));
    L.Rect(6, -40, 6, 3);
    L.Fill(Hex(0xE0A030));
}

// Draws the hero's upper body (pose n) with P at (0, 0) of the current transform.
void HeroUpper(Layer& L, int n, bool bare, bool mouth = false) {
    Build b = HeroBuild();
    Pose p = TorsoPose(n, 20, 0);
    p.mouthOpen = mouth;
    if (n == 6) ShoulderLauncher(L);
    DrawFigure(L, b, HeroLook(bare), p, kUpper);
}

void HeroLegs(Layer& L, int k) {
    Build b = HeroBuild();
    Pose p;
    p.hipX = 20;
    p.hipY = 0;
    WalkLegs(b, k, p);
    DrawFigure(L, b, HeroLook(false), p, kLegs);
}

// ------------------------------------------------------------ sheets
// Left-facing sheets are pixel mirrors of the right-facing drawings, so both
// facings have exactly the same shapes: right col c lands on left col axis2 - c.
void CopyOrMirror(const Sheet& right, Sheet& s, int facing, int axis2) {
    for (int c = 0; c < s.count; ++c) {
        if (facing) {
            for (int y = 0; y < s.cellH; ++y)
                for (int x = 0; x < s.cellW; ++x) {
                    bool on = x < right.cellW && right.On(right.CellX(c) + x, right.CellY(c) + y);
                    if (on) s.Set(s.CellX(c) + x, s.CellY(c) + y, right.Get(right.CellX(c) + x, right.CellY(c) + y));
                    else s.Clear(s.CellX(c) + x, s.CellY(c) + y);
                }
        } else {
            s.MirrorFrom(right, c, c, axis2);
        }
    }
}

void LegSheet(Sheet& s, int facing) {
    Sheet right;
    right.InitCells(40, 46, 9, kMaskGreen);
    for (int k = 0; k < 9; ++k) {
        Layer L(40, 46);
        Place(L, 0, 0, 1);
        HeroLegs(L, k);
        L.StampHard(right, right.CellX(k), right.CellY(k));
    }
    CopyOrMirror(right, s, facing, 40);
}
void LegWalkLeft(Sheet& s, Rng&) { LegSheet(s, 0); }
void LegWalkRight(Sheet& s, Rng&) { LegSheet(s, 1); }

// Torso cells: poses 0..6 helmeted, 7..13 bare-headed, 14 and 15 idle copies.
void TorsoCell(Layer& L, int cell, int px, int py, int facing, bool mouth = false) {
    int pose = cell < 7 ? cell : cell < 14 ? cell - 7 : (cell == 14 ? 1 : 1);
    bool bare = cell >= 7 && cell < 14;
    if (cell == 15) bare = true;
    Place(L, px, py, facing);
    HeroUpper(L, pose, bare, mouth);
}

// The right-facing torso drawings, P at (7 + shift, 50).
Sheet RightTorsos(int shift, bool mouth) {
    Sheet r;
    r.InitCells(79, 64, 16, kMaskGreen);
    for (int c = 0; c < 16; ++c) {
        Layer L(79, 64);
        TorsoCell(L, c, 7 + shift, 50, 1, mouth);
        L.StampHard(r, r.CellX(c), r.CellY(c));
    }
    return r;
}

// Right sheet: P at col 7; left sheet: P at col 32, so left col = 79 - right col.
// `shift` moves the picture right within the cell.
void TorsoSheet(Sheet& s, int facing, int shift) {
    Sheet r = RightTorsos(facing ? shift : 0, false);
    CopyOrMirror(r, s, facing, 79 + shift);
}
void BodyLeft(Sheet& s, Rng&) { TorsoSheet(s, 0, 0); }
void BodyRight(Sheet& s, Rng&) { TorsoSheet(s, 1, 0); }
// Reflection sheets: the same drawings one pixel to the right of their origins.
void MirrorLeft(Sheet& s, Rng&) { TorsoSheet(s, 0, 1); }
void MirrorRight(Sheet& s, Rng&) { TorsoSheet(s, 1, 1); }

// Muzzle-lit parts: the torso's own pixels near the gun arm and the visor,
// warmed and brightened by the flash, more so towards the muzzle, so the
// gun keeps its shape and shading under the light.
void LitSheet(Sheet& s, int facing) {
    Sheet body = RightTorsos(0, false);
    Sheet lit;
    lit.InitCells(79, 64, 16, kMaskGreen);
    const double px = 7, py = 50;
    for (int c = 0; c < 16; ++c) {
        Build b = HeroBuild();
        Pose p = TorsoPose(c % 7, 20, 0);
        double gx, gy;
        GunTip(b, p, gx, gy);
        Joints j = Solve(b, p);
        const double ax = px + j.elF[0], ay = py + j.elF[1], bx = px + gx, by = py + gy;
        const double hx = px + j.headX + 5, hy = py + j.headY - 1;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 79; ++x) {
                int sx = body.CellX(c) + x, sy = body.CellY(c) + y;
                if (!body.On(sx, sy)) continue;
                double vx = bx - ax, vy = by - ay, wx = x + 0.5 - ax, wy = y + 0.5 - ay;
                double t = std::clamp((vx * wx + vy * wy) / std::max(1e-6, vx * vx + vy * vy), 0.0, 1.0);
                double d = std::hypot(wx - vx * t, wy - vy * t);
                double dv = std::hypot(x + 0.5 - hx, y + 0.5 - hy);
                if (d < 4.5 || (dv < 3.5 && c < 7)) {
                    const double tip = std::hypot(x + 0.5 - bx, y + 0.5 - by);
                    const double k = d < 4.5 ? 0.25 + 0.5 * std::clamp(1 - tip / 34, 0.0, 1.0) : 0.45;
                    const Rgb b = body.Get(sx, sy);
                    auto warm = [&](uint8_t v, double add) {
                        return static_cast<uint8_t>(std::min(255.0, v * (1 + 0.2 * k) + add * k));
                    };
                    lit.Set(lit.CellX(c) + x, lit.CellY(c) + y, Rgb{warm(b.r, 74), warm(b.g, 58), warm(b.b, 24)});
                }
            }
    }
    CopyOrMirror(lit, s, facing, 79);
}
void LightLeft(Sheet& s, Rng&) { LitSheet(s, 0); }
void LightRight(Sheet& s, Rng&) { LitSheet(s, 1); }

// Talking mouth: only the jaw area of each torso cell, mouth open.
void TalkSheet(Sheet& s, int facing) {
    Sheet open = RightTorsos(0, true);
    Sheet talk;
    talk.InitCells(79, 64, 16, kMaskGreen);
    for (int c = 0; c < 16; ++c) {
        Build b = HeroBuild();
        Pose p = TorsoPose(c % 7, 20, 0);
        if (c == 14 || c == 15) p = TorsoPose(1, 20, 0);
        Joints j = Solve(b, p);
        int cx = static_cast<int>(7 + j.headX + 4.2), cy = static_cast<int>(50 + j.headY + 5.0);
        for (int y = cy - 3; y <= cy + 3; ++y)
            for (int x = cx - 4; x <= cx + 4; ++x)
                if (x >= 0 && y >= 0 && x < 79 && y < 64 && open.On(open.CellX(c) + x, open.CellY(c) + y))
                    talk.Set(talk.CellX(c) + x, talk.CellY(c) + y, open.Get(open.CellX(c) + x, open.CellY(c) + y));
    }
    CopyOrMirror(talk, s, facing, 79);
}
void TalkLeft(Sheet& s, Rng&) { TalkSheet(s, 0); }
void TalkRight(Sheet& s, Rng&) { TalkSheet(s, 1); }

// Kneeling legs (hips at P', soles 27 px lower), drawn by hand.
void KneelLegs(Layer& L) {
    Look look = HeroLook(false);
    Rgb far = Scale(look.legs, 0.72), near = look.legs, o = look.outline;
    // Far leg: knee on the ground, shin trailing back.
    Limb(L, 17, 2, 13, 23, 4.6, 3.8, far, o);
    Limb(L, 13, 23, -1, 23.5, 3.8, 3.2, far, o);
    L.Poly({-4, 20, 1, 20, 1, 27, -5, 27});
    L.StrokeKeep(o, 2.0);
    L.Fill(Scale(look.boots, 0.72));
    // Near leg: foot planted forward, knee up.
    Limb(L, 23, 2, 34, 6, 4.8, 4.0, near, o);
    Limb(L, 34, 6, 33, 22, 4.0, 3.4, near, o);
    L.Ellipse(34, 6, 2.6, 2.6);
    L.Fill(Mix(near, kWhite, 0.35));
    L.Poly({29, 21, 35, 21, 39, 24, 39, 27, 29, 27});
    L.StrokeKeep(o, 2.0);
    L.FillGradient(0, 21, 0, 27, Mix(look.boots, kWhite, 0.25), Scale(look.boots, 0.7));
    L.Ellipse(20, 2, 9, 4.5);
    L.StrokeKeep(o, 2.0);
    L.Fill(Scale(look.legs, 0.8));
}
Sheet KneelRightSheet() {
    Sheet r;
    r.InitWhole(50, 30, kMaskGreen);
    Layer L(50, 30);
    Place(L, 10, 0, 1);
    KneelLegs(L);
    L.StampHard(r, 0, 0);
    return r;
}
// Right: P' at col 10; left: P' at col 4, so left col = 54 - right col.
void KneelLeft(Sheet& s, Rng&) { s.MirrorFrom(KneelRightSheet(), 0, 0, 54); }
void KneelRight(Sheet& s, Rng&) {
    Sheet r = KneelRightSheet();
    CopyOrMirror(r, s, 1, 0);
}

// Whole-body drawing for the gun-draw and hurt sheets: P at (2, 34).
void WholeBody(Layer& L, const Pose& upper, bool bare, int legStep, bool holster) {
    Build b = HeroBuild();
    Place(L, 2, 34, 1);
    Pose legs;
    legs.hipX = 20;
    legs.hipY = 0;
    WalkLegs(b, legStep, legs);
    legs.rotate = upper.rotate;
    DrawFigure(L, b, HeroLook(bare), legs, kLegs);
    if (holster) {
        L.Rect(24, 2, 7, 12);
        L.StrokeKeep(Hex(0x0C0E14), 1.6);
        L.Fill(Hex(0x2E323A));
    }
    DrawFigure(L, b, HeroLook(bare), upper, kUpper);
}

Pose Blend(const Pose& a, const Pose& b, double t) {
    Pose p = a;
    auto m = [t](double x, double y) { return x + (y - x) * t; };
    p.lean = m(a.lean, b.lean);
    p.head = m(a.head, b.head);
    p.armF1 = m(a.armF1, b.armF1);
    p.armF2 = m(a.armF2, b.armF2);
    p.armB1 = m(a.armB1, b.armB1);
    p.armB2 = m(a.armB2, b.armB2);
    p.gunAngle = m(a.gunAngle, b.gunAngle);
    p.gun = t < 0.5 ? a.gun : b.gun;
    return p;
}

void GunDraw(Sheet& s, Rng&) {
    Pose relaxed = TorsoPose(1, 20, 0);
    relaxed.armF1 = 0.08, relaxed.armF2 = 0.02, relaxed.armB1 = 0.08, relaxed.armB2 = 0.1, relaxed.gun = Gun::None;
    Pose grip = relaxed;
    grip.armF1 = 0.12, grip.armF2 = -0.15, grip.gun = Gun::BigPistol, grip.gunAngle = 0.05;
    Pose low = TorsoPose(1, 20, 0);
    low.armF1 = 0.35, low.armF2 = 1.1, low.gunAngle = 1.2;
    Pose ready = TorsoPose(0, 20, 0);
    Pose high = TorsoPose(0, 20, 0);
    high.armF1 = 2.5, high.armF2 = 2.8, high.gunAngle = 2.95, high.armB1 = 0.3, high.armB2 = 0.4;
    for (int c = 0; c < 32; ++c) {
        int k = c % 16;
        bool bare = c >= 16;
        Pose p;
        if (k == 0) p = relaxed;
        else if (k <= 4) p = Blend(relaxed, grip, k / 4.0);
        else if (k <= 8) p = Blend(grip, low, (k - 4) / 4.0);
        else if (k <= 11) p = Blend(low, ready, (k - 8) / 3.0);
        else p = Blend(ready, high, (k - 11) / 4.0);
        Layer L(57, 80);
        WholeBody(L, p, bare, 5, p.gun == Gun::None);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void HitFrame(Sheet& s, Rng&) {
    for (int c = 0; c < 2; ++c) {
        Pose p = TorsoPose(5, 20, 0);
        p.lean = -0.18, p.head = -0.3, p.armF1 = 0.9, p.armF2 = 1.6, p.armB1 = -0.6, p.armB2 = -0.2;
        p.gunAngle = 1.9, p.flash = 0.55;
        Layer L(57, 80);
        WholeBody(L, p, c == 1, 1, false);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

void HitFrame2(Sheet& s, Rng&) {
    for (int c = 0; c < 2; ++c) {
        Pose p = TorsoPose(5, 20, 0);
        p.lean = 0.5, p.head = 0.35, p.armF1 = 0.3, p.armF2 = 0.2, p.armB1 = 0.2, p.armB2 = 0.1, p.gunAngle = 0.2;
        Layer L(57, 40);
        Place(L, 2, 34, 1);
        DrawFigure(L, HeroBuild(), HeroLook(c == 1), p, kUpper);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

// The helmet alone, rolling.
void HelmetShape(Layer& L, double cx, double cy, double ang) {
    cairo_save(L.cr);
    cairo_translate(L.cr, cx, cy);
    cairo_rotate(L.cr, ang);
    L.Poly({-6, 3, -6, -2, -3, -5.5, 3, -5.5, 6, -2, 6, 3, 3, 4.5, -3, 4.5});
    L.StrokeKeep(Hex(0x0C0E14), 1.8);
    L.FillGradient(0, -5, 0, 4, Hex(0xD0DAEA), Hex(0x5A6680));
    L.Rect(-1, -2, 6, 2.6);
    L.Fill(Hex(0x10141C));
    L.Line(0, -0.7, 5, -0.7, Hex(0x60D8FF), 0.9);
    cairo_restore(L.cr);
}
void HelmetRoll(Sheet& s, Rng&) {
    for (int c = 0; c < 16; ++c) {
        double ang = (c < 8 ? c : -(c - 8)) * M_PI / 4;
        Layer L(14, 13);
        HelmetShape(L, 7, 6.5, ang);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}

// Lying dead hero: 0..4 facing left settling, 5..9 facing right.
void Offline(Sheet& s, Rng& rng) {
    for (int c = 0; c < 10; ++c) {
        int k = c % 5;
        int facing = c >= 5 ? 1 : 0;
        Layer L(94, 31);
        // Lying on his back: the figure rotated a quarter turn backwards.
        cairo_identity_matrix(L.cr);
        if (facing == 0) {
            cairo_translate(L.cr, 94, 0);
            cairo_scale(L.cr, -1, 1);
        }
        // Seen lying side-on: a little shorter and flatter than standing.
        cairo_translate(L.cr, 47, 12);
        cairo_scale(L.cr, 0.9, 0.78);
        cairo_translate(L.cr, -47, -12);
        Pose p = TorsoPose(5, 47, 12);
        p.rotate = -M_PI / 2 + (4 - k) * 0.012;
        p.lean = 0.04 * (4 - k), p.head = -0.1;
        p.armF1 = 0.25 - 0.04 * k, p.armF2 = 0.5, p.armB1 = -0.2, p.armB2 = 0.1, p.gunAngle = 0.9;
        p.legF1 = 0.12, p.legF2 = 0.05, p.legB1 = -0.05, p.legB2 = -0.1;
        Build slim = HeroBuild();
        slim.chestW = 8.5, slim.hipW = 7, slim.limbR = 3.2;
        DrawFigure(L, slim, HeroLook(false), p);
        L.StampHard(s, s.CellX(c), s.CellY(c));
        // Sparks and smoke die down as he settles.
        for (int n = 0; n < (4 - k) * 4; ++n) {
            int x = rng.Int(20, 70), y = rng.Int(2, 14);
            int fx = facing ? x : 93 - x;
            s.Set(s.CellX(c) + fx, s.CellY(c) + y, n % 3 ? Rgb{255, 220, 90} : Rgb{110, 110, 120});
        }
    }
}

// HUD heads: helmet (black mask) and bare face (blue mask), a light sweeping
// across. The top row stays empty: the energy figure stands just above.
void HeadIcon(Sheet& s, bool bare) {
    for (int c = 0; c < 8; ++c) {
        Layer L(14, 14);
        cairo_translate(L.cr, 7, 7.5);
        Look look = HeroLook(bare);
        L.Ellipse(0, 0, 6, 6);
        L.StrokeKeep(Hex(0x20242C), 1.4);
        if (bare) {
            L.FillGradient(-6, -6, 6, 6, look.skin, Scale(look.skin, 0.7));
            L.Poly({-6, -2, -6, -6, 6, -7, 6, -3, 2, -4});
            L.Fill(look.hair);
            L.Rect(-3.5, -1, 2, 1.5);
            L.Fill(Hex(0x302020));
            L.Rect(1.5, -1, 2, 1.5);
            L.Fill(Hex(0x302020));
            L.Line(-2, 3.5, 2, 3.5, Hex(0x905850), 1.0);
        } else {
            L.FillGradient(-6, -6, 6, 6, Hex(0xC8D2E4), Hex(0x56627A));
            L.Rect(-5.5, -2, 11, 3);
            L.Fill(Hex(0x18202C));
            L.Rect(-3, 2.5, 6, 3);
            L.Fill(look.skin);
        }
        // The glint sweeps across over the loop.
        double gx = -6 + c * 12.0 / 7.0;
        L.Line(gx, -6, gx - 2, 6, kWhite, 1.2, 0.8);
        L.StampHard(s, s.CellX(c), s.CellY(c));
    }
}
void LifesAnim(Sheet& s, Rng&) { HeadIcon(s, false); }
void LifesAnimFace(Sheet& s, Rng&) { HeadIcon(s, true); }

}  // namespace

void DrawHeroFigure(Layer& L, double px, double py, double scale, int torsoPose, bool mouthOpen) {
    cairo_save(L.cr);
    cairo_translate(L.cr, px, py);
    cairo_scale(L.cr, scale, scale);
    HeroLegs(L, 8);
    HeroUpper(L, torsoPose, false, mouthOpen);
    cairo_restore(L.cr);
}

void AddHeroImages(Generators& g) {
    auto& m = g.images;
    m["Data/Graphics/Kestrion/legwalkf.png"] = LegWalkLeft;
    m["Data/Graphics/Kestrion/legwalk.png"] = LegWalkRight;
    m["Data/Graphics/Kestrion/bodyf.png"] = BodyLeft;
    m["Data/Graphics/Kestrion/body.png"] = BodyRight;
    m["Data/Graphics/Kestrion/legkneelf.png"] = KneelLeft;
    m["Data/Graphics/Kestrion/legkneel.png"] = KneelRight;
    m["Data/Graphics/Kestrion/bodymirrorf.png"] = MirrorLeft;
    m["Data/Graphics/Kestrion/bodymirror.png"] = MirrorRight;
    m["Data/Graphics/Kestrion/gundraw.png"] = GunDraw;
    m["Data/Graphics/Kestrion/hitframe.png"] = HitFrame;
    m["Data/Graphics/Kestrion/hitframe2.png"] = HitFrame2;
    m["Data/Graphics/Kestrion/bodyflight.png"] = LightLeft;
    m["Data/Graphics/Kestrion/bodylight.png"] = LightRight;
    m["Data/Graphics/Kestrion/bodyftalk.png"] = TalkLeft;
    m["Data/Graphics/Kestrion/bodytalk.png"] = TalkRight;
    m["Data/Graphics/Kestrion/helmetroll.png"] = HelmetRoll;
    m["Data/Graphics/Kestrion/offline.png"] = Offline;
    m["Data/Graphics/Kestrion/Lifesanim.png"] = LifesAnim;
    m["Data/Graphics/System/Lifesanimface.png"] = LifesAnimFace;
}

}  // namespace dg
