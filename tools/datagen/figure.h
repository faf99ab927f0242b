// The figure model shared by the hero and the human enemies: a skeleton of
// joints posed by angles, drawn as shaded, outlined body parts.
#pragma once

#include "canvas.h"

namespace dg {

// Colours and shapes of one character.
struct Look {
    Rgb outline{14, 14, 20};
    Rgb skin{214, 170, 140};
    Rgb hair{40, 30, 26};
    Rgb torso{60, 64, 80};
    Rgb arms{60, 64, 80};
    Rgb legs{40, 42, 54};
    Rgb boots{26, 24, 28};
    Rgb belt{30, 28, 30};
    Rgb gun{70, 72, 80};
    Rgb accent{200, 200, 210};  // visor, stripes, lights
    Rgb helmet{150, 160, 180};
    enum Head { Bare, Visor, Balaclava, Cap, RedVisor, BikeHelmet, PeakedCap } head = Bare;
    bool armour = false;  // plates and rims on the limbs
    bool coat = false;    // a long coat from the shoulders to the knees, in `torso`
    Rgb trim{150, 20, 20};  // cap band, epaulettes and cross strap (peaked cap)
};

// Body measurements in pixels.
struct Build {
    double torso = 22;      // hip to neck
    double headR = 7;       // head half height
    double upperArm = 12, foreArm = 11;
    double thigh = 20, shin = 19;
    double chestW = 10, hipW = 8;  // half widths of the trunk
    double limbR = 3.2;     // half thickness of upper limbs
    double footLen = 9;
};

enum class Gun { None, Pistol, BigPistol, Rifle, Chainsaw, Launcher };

// Angles in radians, 0 pointing straight down, positive turning forward
// (towards +x for a figure facing right). Limb angles are absolute.
struct Pose {
    double hipX = 0, hipY = 0;  // pelvis centre
    double lean = 0;            // trunk, from vertical
    double head = 0;            // head tilt
    double armB1 = 0.2, armB2 = 0.6, armF1 = 0.3, armF2 = 1.2;  // back/front arm: upper, fore
    double legB1 = 0, legB2 = 0, legF1 = 0, legF2 = 0;          // back/front leg: thigh, shin
    double footB = 0, footF = 0;  // foot tilt
    double rotate = 0;            // whole figure about the pelvis (falls, lying)
    Gun gun = Gun::None;
    double gunAngle = M_PI / 2;  // absolute, pi/2 = level forward
    double gunScale = 1.0;
    bool gunInBack = false;      // held in the back hand
    bool mouthOpen = false;
    double flash = 0;            // 0..1 hurt tint
};

enum Parts : unsigned { kLegs = 1, kUpper = 2, kAll = 3 };

// Point at distance `len` from (x, y) along angle `a`.
inline void Along(double x, double y, double a, double len, double& ox, double& oy) {
    ox = x + std::sin(a) * len;
    oy = y + std::cos(a) * len;
}

// Joint positions of a pose (before the whole-figure rotation).
struct Joints {
    double hipX, hipY, neckX, neckY, headX, headY;
    double shB[2], elB[2], haB[2], shF[2], elF[2], haF[2];
    double hpB[2], knB[2], anB[2], hpF[2], knF[2], anF[2];
};
Joints Solve(const Build& b, const Pose& p);

// Draws the figure into the layer in its current transform.
void DrawFigure(Layer& L, const Build& b, const Look& look, const Pose& p, unsigned parts = kAll);

// Where the gun's muzzle ends up (after rotation), for placing flashes.
void GunTip(const Build& b, const Pose& p, double& x, double& y);

// Shaded limb: outline, fill with a cross gradient.
void Limb(Layer& L, double x0, double y0, double x1, double y1, double r0, double r1, Rgb c, Rgb outline);

}  // namespace dg
