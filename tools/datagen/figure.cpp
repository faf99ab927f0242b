#include "figure.h"

#include <algorithm>

namespace dg {

void Limb(Layer& L, double x0, double y0, double x1, double y1, double r0, double r1, Rgb c, Rgb outline) {
    L.Capsule(x0, y0, x1, y1, r0 + 1.0, r1 + 1.0);
    L.Fill(outline);
    L.Capsule(x0, y0, x1, y1, r0, r1);
    // Light from above and the front: the gradient runs across the limb.
    double dx = x1 - x0, dy = y1 - y0, len = std::max(1e-6, std::hypot(dx, dy));
    double nx = -dy / len, ny = dx / len;
    if (ny > 0 || (std::fabs(ny) < 1e-6 && nx < 0)) nx = -nx, ny = -ny;  // normal pointing up
    double r = std::max(r0, r1);
    double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    L.FillGradient(mx + nx * r, my + ny * r, mx - nx * r, my - ny * r, Mix(c, kWhite, 0.28), Scale(c, 0.62));
}

Joints Solve(const Build& b, const Pose& p) {
    Joints j{};
    j.hipX = p.hipX;
    j.hipY = p.hipY;
    Along(j.hipX, j.hipY, M_PI - p.lean, b.torso, j.neckX, j.neckY);
    Along(j.neckX, j.neckY, M_PI - p.lean - p.head, b.headR + 0.5, j.headX, j.headY);
    // Shoulders sit a little below the neck, spread along the trunk's depth.
    double sx, sy;
    Along(j.neckX, j.neckY, -p.lean, 3.0, sx, sy);
    j.shF[0] = sx + 2.0;
    j.shF[1] = sy;
    j.shB[0] = sx - 2.5;
    j.shB[1] = sy;
    Along(j.shB[0], j.shB[1], p.armB1, b.upperArm, j.elB[0], j.elB[1]);
    Along(j.elB[0], j.elB[1], p.armB2, b.foreArm, j.haB[0], j.haB[1]);
    Along(j.shF[0], j.shF[1], p.armF1, b.upperArm, j.elF[0], j.elF[1]);
    Along(j.elF[0], j.elF[1], p.armF2, b.foreArm, j.haF[0], j.haF[1]);
    j.hpF[0] = j.hipX + 2;
    j.hpF[1] = j.hipY + 1;
    j.hpB[0] = j.hipX - 2;
    j.hpB[1] = j.hipY + 1;
    Along(j.hpB[0], j.hpB[1], p.legB1, b.thigh, j.knB[0], j.knB[1]);
    Along(j.knB[0], j.knB[1], p.legB2, b.shin, j.anB[0], j.anB[1]);
    Along(j.hpF[0], j.hpF[1], p.legF1, b.thigh, j.knF[0], j.knF[1]);
    Along(j.knF[0], j.knF[1], p.legF2, b.shin, j.anF[0], j.anF[1]);
    return j;
}

static void Foot(Layer& L, double ax, double ay, double tilt, double len, Rgb c, Rgb outline) {
    // A boot: heel under the ankle, toe forward.
    cairo_save(L.cr);
    cairo_translate(L.cr, ax, ay);
    cairo_rotate(L.cr, -tilt);
    L.Poly({-3.5, -3, 2, -3, len - 1, 0.5, len - 1, 3.2, -3.5, 3.2});
    L.StrokeKeep(outline, 2.0);
    L.FillGradient(0, -3, 0, 3, Mix(c, kWhite, 0.25), Scale(c, 0.7));
    cairo_restore(L.cr);
}

static void Leg(Layer& L, const Build& b, const Look& look, double hx, double hy, double kx, double ky, double ax,
                double ay, double foot, double shade) {
    Rgb c = Scale(look.legs, shade);
    Limb(L, hx, hy, kx, ky, b.limbR + 1.3, b.limbR + 0.6, c, look.outline);
    Limb(L, kx, ky, ax, ay, b.limbR + 0.6, b.limbR, c, look.outline);
    if (look.armour) {
        L.Ellipse(kx, ky, 2.6, 2.6);
        L.Fill(Mix(c, kWhite, 0.35));
    }
    Foot(L, ax, ay, foot, b.footLen, Scale(look.boots, shade), look.outline);
}

static void Arm(Layer& L, const Build& b, const Look& look, const double* s, const double* e, const double* h,
                double shade) {
    Rgb c = Scale(look.arms, shade);
    Limb(L, s[0], s[1], e[0], e[1], b.limbR + 0.5, b.limbR, c, look.outline);
    Limb(L, e[0], e[1], h[0], h[1], b.limbR, b.limbR - 0.4, c, look.outline);
    if (look.armour) {
        L.Ellipse(s[0], s[1], b.limbR + 1.8, b.limbR + 1.6);
        L.StrokeKeep(look.outline, 1.6);
        L.FillGradient(s[0], s[1] - 4, s[0], s[1] + 4, Mix(c, kWhite, 0.45), Scale(c, 0.7));
    }
    // Hand (gloved or bare).
    L.Ellipse(h[0], h[1], 2.4, 2.4);
    L.StrokeKeep(look.outline, 1.6);
    L.Fill(look.armour ? Scale(look.arms, shade * 0.8) : Scale(look.skin, shade));
}

static void DrawGun(Layer& L, const Look& look, Gun gun, double hx, double hy, double angle, double scale) {
    if (gun == Gun::None) return;
    cairo_save(L.cr);
    cairo_translate(L.cr, hx, hy);
    cairo_rotate(L.cr, M_PI / 2 - angle);
    cairo_scale(L.cr, scale, scale);
    Rgb g = look.gun, o = look.outline;
    switch (gun) {
    case Gun::Pistol:
        L.Poly({-2, -3, 9, -3, 9, 0, 1, 0, 0, 4, -3, 4});
        L.StrokeKeep(o, 1.8);
        L.FillGradient(0, -3, 0, 4, Mix(g, kWhite, 0.3), Scale(g, 0.6));
        break;
    case Gun::BigPistol:
        // The hero's heavy sidearm: long slide, chunky frame, grip in the hand.
        L.Poly({-4, -5, 21, -5, 22, -3, 22, 1, 6, 1.5, 4, 6, -3, 6, -4, 1});
        L.StrokeKeep(o, 2.0);
        L.FillGradient(0, -5, 0, 6, Scale(g, 0.9), Scale(g, 0.35));
        L.Rect(-3, -5, 24, 2.2);
        L.Fill(Mix(g, kWhite, 0.45));
        L.Rect(17, -2.6, 3, 3);
        L.Fill(Scale(g, 0.3));
        break;
    case Gun::Rifle:
        L.Poly({-12, -2, -4, -3, 24, -3, 24, -0.5, 4, 0, 1, 4, -2, 4, -4, 1, -12, 3});
        L.StrokeKeep(o, 1.8);
        L.FillGradient(0, -3, 0, 4, Mix(g, kWhite, 0.3), Scale(g, 0.55));
        L.Rect(2, -5.5, 8, 2);  // scope
        L.FillKeep(Scale(g, 0.5));
        L.Stroke(o, 1.0);
        break;
    case Gun::Chainsaw: {
        // Engine block in the hands, blade running forward.
        L.Rect(-6, -8, 20, 15);
        L.StrokeKeep(o, 2.0);
        L.FillGradient(0, -8, 0, 7, Hex(0xE0A020), Hex(0x8A5A10));
        L.Rect(-3, -11, 10, 4);  // handle
        L.StrokeKeep(o, 1.6);
        L.Fill(Hex(0x303030));
        L.Poly({14, -5, 44, -4, 47, -1, 44, 3, 14, 4});
        L.StrokeKeep(o, 2.0);
        L.FillGradient(0, -5, 0, 4, Hex(0xD8DCE0), Hex(0x7A8088));
        for (int k = 0; k < 8; ++k) {
            L.Rect(16 + k * 3.6, -6, 1.4, 1.6);
            L.Fill(Hex(0x404448));
            L.Rect(16 + k * 3.6, 3.6, 1.4, 1.6);
            L.Fill(Hex(0x404448));
        }
        break;
    }
    case Gun::Launcher:
        L.Rect(-3, -4, 24, 8);
        L.StrokeKeep(o, 2.0);
        L.FillGradient(0, -4, 0, 4, Hex(0x9AA4B0), Hex(0x4A525C));
        L.Rect(19, -5, 4, 10);
        L.StrokeKeep(o, 1.5);
        L.Fill(Hex(0x3A3F46));
        break;
    case Gun::None:
        break;
    }
    cairo_restore(L.cr);
}

static void Trunk(Layer& L, const Build& b, const Look& look, const Joints& j, const Pose& p) {
    // Trunk as a tapered quad from the pelvis to the shoulders.
    double ux = std::sin(p.lean), uy = -std::cos(p.lean);  // up the trunk
    double nx = -uy, ny = ux;                               // towards the front
    double hw = b.hipW, cw = b.chestW;
    double x0 = j.hipX, y0 = j.hipY + 2, x1 = j.neckX + ux * 1.0, y1 = j.neckY + uy * 1.0;
    auto path = [&]() {
        cairo_move_to(L.cr, x0 - nx * hw, y0 - ny * hw);
        cairo_line_to(L.cr, x0 + nx * hw, y0 + ny * hw);
        cairo_curve_to(L.cr, x0 + nx * (hw + 2) + ux * 10, y0 + ny * (hw + 2) + uy * 10, x1 + nx * (cw + 1) - ux * 6,
                       y1 + ny * (cw + 1) - uy * 6, x1 + nx * cw * 0.8, y1 + ny * cw * 0.8);
        cairo_line_to(L.cr, x1 - nx * cw * 0.8, y1 - ny * cw * 0.8);
        cairo_curve_to(L.cr, x1 - nx * (cw + 1) - ux * 6, y1 - ny * (cw + 1) - uy * 6, x0 - nx * (hw + 1) + ux * 10,
                       y0 - ny * (hw + 1) + uy * 10, x0 - nx * hw, y0 - ny * hw);
        cairo_close_path(L.cr);
    };
    path();
    L.StrokeKeep(look.outline, 2.4);
    L.FillGradient(x0 + nx * hw, y0 + ny * hw - 10, x0 - nx * hw, y0 - ny * hw + 4, Mix(look.torso, kWhite, 0.3),
                   Scale(look.torso, 0.6));
    if (look.armour) {
        // Chest plate and a waist line.
        double cx = x1 - ux * 6 + nx * 2, cy = y1 - uy * 6 + ny * 2;
        L.Ellipse(cx, cy, cw * 0.75, 4.5);
        L.FillGradient(cx, cy - 4, cx, cy + 4, Mix(look.torso, kWhite, 0.55), Scale(look.torso, 0.85));
        L.Line(x0 - nx * hw + ux * 6, y0 - ny * hw + uy * 6, x0 + nx * hw + ux * 6, y0 + ny * hw + uy * 6,
               Scale(look.torso, 0.5), 1.2);
        L.Ellipse(cx + nx * 4, cy - 1, 1.3, 1.3);
        L.Fill(look.accent);
    } else {
        // Jacket seam and collar.
        L.Line(x1 + nx * 2, y1 + ny * 2, x0 + nx * 3 + ux * 2, y0 + ny * 3 + uy * 2, Scale(look.torso, 0.55), 1.0);
        L.Line(x1 - nx * 3, y1 - ny * 3, x1 + nx * 4, y1 + ny * 4, Mix(look.torso, kWhite, 0.2), 2.0);
    }
    if (look.head == Look::PeakedCap) {
        // Cross strap over the chest, buttons, an epaulette on the shoulder.
        L.Line(x1 - nx * cw * 0.6, y1 - ny * cw * 0.6, x0 + nx * hw * 0.9 + ux * 3, y0 + ny * hw * 0.9 + uy * 3, look.trim,
               2.2);
        for (int k = 1; k <= 3; ++k) {
            L.Ellipse(x1 + nx * 4 - ux * 4.5 * k, y1 + ny * 4 - uy * 4.5 * k, 0.9, 0.9);
            L.Fill(Hex(0xC8A848));
        }
        L.Poly({x1 - nx * 5 + ux * 1, y1 - ny * 5 + uy * 1, x1 + nx * 4 + ux * 1, y1 + ny * 4 + uy * 1,
                x1 + nx * 4 - ux * 2, y1 + ny * 4 - uy * 2, x1 - nx * 5 - ux * 2, y1 - ny * 5 - uy * 2});
        L.StrokeKeep(look.outline, 1.2);
        L.Fill(look.trim);
    }
    // Belt.
    L.Line(x0 - nx * (hw + 0.5) + ux * 2, y0 - ny * hw + uy * 2, x0 + nx * (hw + 0.5) + ux * 2, y0 + ny * hw + uy * 2,
           look.belt, 3.0);
}

// The skirt of a long coat: from the waist to just below the knees, its
// hem following the legs as they stride.
static void CoatSkirt(Layer& L, const Build& b, const Look& look, const Joints& j, const Pose& p) {
    double ux = std::sin(p.lean), uy = -std::cos(p.lean);  // up the trunk
    double nx = -uy, ny = ux;                               // towards the front
    const double hw = b.hipW + 2.5;
    const double wx = j.hipX + ux * 6, wy = j.hipY + uy * 6;  // the waist
    const double backX = std::min(j.knB[0], j.knF[0]) - 4, frontX = std::max(j.knB[0], j.knF[0]) + 4;
    const double hemY = std::max(j.knB[1], j.knF[1]) + 3;
    L.Poly({wx - nx * hw, wy - ny * hw, wx + nx * hw, wy + ny * hw, frontX, hemY - 2, (backX + frontX) / 2, hemY + 1,
            backX, hemY});
    L.StrokeKeep(look.outline, 2.2);
    L.FillGradient(wx, wy, wx, hemY, Mix(look.torso, kWhite, 0.18), Scale(look.torso, 0.6));
    // The split at the back and a fold down the front.
    L.Line(j.hipX, j.hipY + 2, (backX + frontX) / 2, hemY, Scale(look.torso, 0.45), 1.2);
    L.Line(wx + nx * (hw - 3), wy + ny * (hw - 3), frontX - 3, hemY - 3, Mix(look.torso, kWhite, 0.18), 1.0);
}

static void Head(Layer& L, const Build& b, const Look& look, const Joints& j, const Pose& p) {
    double hx = j.headX, hy = j.headY, r = b.headR;
    cairo_save(L.cr);
    cairo_translate(L.cr, hx, hy);
    cairo_rotate(L.cr, p.lean + p.head);
    Rgb o = look.outline;
    // Neck.
    Limb(L, -0.5, r * 0.6, -1.0, r + 3, 2.6, 2.6, look.head == Look::Visor ? Scale(look.helmet, 0.6) : look.skin, o);
    auto skull = [&]() { L.Ellipse(0, 0, r * 0.95, r); };
    skull();
    L.StrokeKeep(o, 2.2);
    switch (look.head) {
    case Look::Bare:
    case Look::Cap: {
        L.FillGradient(-r, -r, r, r, Mix(look.skin, kWhite, 0.2), Scale(look.skin, 0.72));
        // Hair over the crown and the back of the head.
        cairo_save(L.cr);
        skull();
        cairo_clip(L.cr);
        L.Poly({-r - 1, -r - 1, r + 1, -r - 1, r + 1, -r * 0.35, 0, -r * 0.45, -r * 0.3, 0.2 * r, -r - 1, r * 0.4});
        L.Fill(look.head == Look::Cap ? look.accent : look.hair);
        if (look.head == Look::Cap) {
            L.Rect(-r, -r * 0.42, 2 * r, 1.6);
            L.Fill(Scale(look.accent, 0.6));
        }
        cairo_restore(L.cr);
        L.Rect(r * 0.35, -r * 0.15, 1.6, 1.6);  // eye
        L.Fill(Hex(0x1A1410));
        L.Ellipse(-r * 0.15, r * 0.05, 1.4, 2.0);  // ear
        L.Fill(Scale(look.skin, 0.7));
        L.Line(r * 0.35, r * 0.55, r * 0.8, r * 0.5, Scale(look.skin, 0.45), p.mouthOpen ? 2.2 : 1.0);
        break;
    }
    case Look::Visor: {
        L.FillGradient(-r, -r, r, r, Mix(look.helmet, kWhite, 0.35), Scale(look.helmet, 0.55));
        cairo_save(L.cr);
        skull();
        cairo_clip(L.cr);
        // Jaw below the helmet: skin, mouth.
        L.Rect(-r * 0.1, r * 0.35, r * 1.2, r);
        L.Fill(look.skin);
        L.Rect(-r * 0.1, r * 0.3, r * 1.2, 1.2);
        L.Fill(o);
        if (p.mouthOpen) {
            L.Ellipse(r * 0.62, r * 0.72, 1.8, 1.4);
            L.Fill(Hex(0x301010));
        } else {
            L.Line(r * 0.4, r * 0.72, r * 0.9, r * 0.7, Scale(look.skin, 0.45), 1.0);
        }
        // Visor band.
        L.Rect(-r * 0.2, -r * 0.38, r * 1.4, r * 0.5);
        L.Fill(Hex(0x10141C));
        L.Line(r * 0.05, -r * 0.14, r * 1.0, -r * 0.14, look.accent, 1.0);
        // Helmet ridge.
        L.Line(-r * 0.8, -r * 0.55, r * 0.2, -r * 0.9, Mix(look.helmet, kWhite, 0.6), 1.2);
        cairo_restore(L.cr);
        break;
    }
    case Look::Balaclava: {
        L.FillGradient(-r, -r, r, r, Mix(look.hair, kWhite, 0.15), Scale(look.hair, 0.7));
        L.Rect(r * 0.05, -r * 0.35, r * 0.85, r * 0.38);
        L.Fill(look.skin);
        L.Rect(r * 0.45, -r * 0.3, 1.4, 1.4);
        L.Fill(Hex(0x101010));
        break;
    }
    case Look::PeakedCap: {
        // A stern face under a peaked cap, dark goggles glinting.
        L.FillGradient(-r, -r, r, r, Mix(look.skin, kWhite, 0.1), Scale(look.skin, 0.62));
        cairo_save(L.cr);
        skull();
        cairo_clip(L.cr);
        L.Rect(r * 0.05, -r * 0.34, r * 1.1, r * 0.5);  // goggles
        L.Fill(Hex(0x141014));
        L.Line(r * 0.2, -r * 0.1, r * 1.0, -r * 0.1, look.accent, 1.6);
        L.Line(r * 0.3, r * 0.6, r * 0.85, r * 0.6, Scale(look.skin, 0.4), 1.2);  // set mouth
        L.Rect(-r, r * 0.2, r * 0.5, r);  // collar shadow at the nape
        L.Fill(Scale(look.skin, 0.5));
        cairo_restore(L.cr);
        // Cap: a tall crown tipping forward, the band, the peak over the eyes.
        L.Poly({-r * 1.05, -r * 0.35, -r * 1.15, -r * 1.2, r * 0.2, -r * 1.55, r * 1.2, -r * 1.15, r * 1.0, -r * 0.35});
        L.StrokeKeep(o, 1.8);
        L.FillGradient(0, -r * 1.55, 0, -r * 0.35, Mix(look.helmet, kWhite, 0.25), Scale(look.helmet, 0.7));
        L.Rect(-r * 1.05, -r * 0.62, r * 2.05, r * 0.3);
        L.Fill(look.trim);
        L.Poly({r * 0.3, -r * 0.42, r * 1.75, -r * 0.2, r * 1.6, -r * 0.02, r * 0.3, -r * 0.22});  // peak
        L.StrokeKeep(o, 1.4);
        L.Fill(Hex(0x0E0E12));
        L.Ellipse(r * 0.35, -r * 0.95, 1.4, 1.4);  // badge
        L.Fill(Hex(0xE0C050));
        break;
    }
    case Look::RedVisor:
    case Look::BikeHelmet: {
        L.FillGradient(-r, -r, r, r, Mix(look.helmet, kWhite, 0.3), Scale(look.helmet, 0.5));
        cairo_save(L.cr);
        skull();
        cairo_clip(L.cr);
        L.Rect(-r * 0.1, -r * 0.4, r * 1.3, r * 0.55);
        L.Fill(look.head == Look::RedVisor ? Hex(0xE02018) : Hex(0x202830));
        L.Line(r * 0.1, -r * 0.25, r * 0.9, -r * 0.25, look.head == Look::RedVisor ? Hex(0xFFA090) : Hex(0x7090B0), 0.9);
        if (look.head == Look::RedVisor) {
            L.Rect(-r * 0.1, r * 0.35, r * 1.2, r);
            L.Fill(Scale(look.helmet, 0.45));
        }
        cairo_restore(L.cr);
        break;
    }
    }
    cairo_restore(L.cr);
}

void DrawFigure(Layer& L, const Build& b, const Look& lookIn, const Pose& p, unsigned parts) {
    Look look = lookIn;
    if (p.flash > 0) {
        Rgb hot{255, 240, 220};
        look.torso = Mix(look.torso, hot, p.flash);
        look.arms = Mix(look.arms, hot, p.flash);
        look.legs = Mix(look.legs, hot, p.flash);
        look.helmet = Mix(look.helmet, hot, p.flash);
        look.skin = Mix(look.skin, hot, p.flash * 0.6);
    }
    Joints j = Solve(b, p);
    cairo_save(L.cr);
    cairo_translate(L.cr, p.hipX, p.hipY);
    cairo_rotate(L.cr, p.rotate);
    cairo_translate(L.cr, -p.hipX, -p.hipY);
    const double back = 0.72;
    if (parts & kUpper) {
        if (p.gunInBack) DrawGun(L, look, p.gun, j.haB[0], j.haB[1], p.gunAngle, p.gunScale);
        Arm(L, b, look, j.shB, j.elB, j.haB, back);
    }
    if (parts & kLegs) {
        Leg(L, b, look, j.hpB[0], j.hpB[1], j.knB[0], j.knB[1], j.anB[0], j.anB[1], p.footB, back);
        Leg(L, b, look, j.hpF[0], j.hpF[1], j.knF[0], j.knF[1], j.anF[0], j.anF[1], p.footF, 1.0);
        // Pelvis block joining the legs.
        L.Ellipse(j.hipX, j.hipY + 2, b.hipW + 0.5, 4.5);
        L.StrokeKeep(look.outline, 2.0);
        L.FillGradient(j.hipX, j.hipY - 2, j.hipX, j.hipY + 6, Mix(look.legs, kWhite, 0.2), Scale(look.legs, 0.7));
        if (look.coat && (parts & kUpper)) CoatSkirt(L, b, look, j, p);
    }
    if (parts & kUpper) {
        Trunk(L, b, look, j, p);
        Head(L, b, look, j, p);
        if (!p.gunInBack) DrawGun(L, look, p.gun, j.haF[0], j.haF[1], p.gunAngle, p.gunScale);
        Arm(L, b, look, j.shF, j.elF, j.haF, 1.0);
    }
    cairo_restore(L.cr);
}

void GunTip(const Build& b, const Pose& p, double& x, double& y) {
    Joints j = Solve(b, p);
    double len = (p.gun == Gun::BigPistol ? 22 : p.gun == Gun::Rifle ? 24 : p.gun == Gun::Chainsaw ? 47 : 9) * p.gunScale;
    double hx = p.gunInBack ? j.haB[0] : j.haF[0], hy = p.gunInBack ? j.haB[1] : j.haF[1];
    double tx, ty;
    Along(hx, hy, p.gunAngle, len, tx, ty);
    double dx = tx - p.hipX, dy = ty - p.hipY, c = std::cos(p.rotate), s = std::sin(p.rotate);
    x = p.hipX + dx * c - dy * s;
    y = p.hipY + dx * s + dy * c;
}

}  // namespace dg
