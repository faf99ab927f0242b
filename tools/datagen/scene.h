// Building blocks of the section backgrounds: floors, facades, openings,
// lamps and windows, drawn on one long layer (x = section x, y = screen y).
// The back wall meets the walkable floor at y 237.
#pragma once

#include <vector>

#include "canvas.h"

namespace dg {

constexpr int kWallFoot = 237;

struct Span {
    double a, b;
};

// Floors, from y 237 down.
void StreetFloor(Layer& L, double x0, double x1, Rng& r);
void ConcreteFloor(Layer& L, double x0, double x1, Rgb tone, Rng& r);
void TiledFloor(Layer& L, double x0, double x1, Rgb a, Rgb b, double tile);

// A building front from `top` to the wall foot with rows of windows.
// `sign`: now and then a lettered sign over the ground floor.
void Facade(Layer& L, double x0, double x1, double top, Rgb wall, Rgb trim, Rng& r, bool brick, bool sign = true);
// A shop window surround for a 120 x 64 pane at (x, 135); the pane is dark.
void ShopWindow(Layer& L, double x, Rng& r);
// Wall lamp whose head is at about (x, 110..130).
void WallLamp(Layer& L, double x);
// A dark doorway or dock recess, x centred, from `top` to the wall foot.
void Recess(Layer& L, double cx, double w, double top);
// A side street seen through a gap: road running back, lit windows at the sides.
void SideStreet(Layer& L, double x0, double x1, double horizon, Rng& r);
// An archway under upper floors.
void Archway(Layer& L, double x0, double x1, double top);
// Roller door.
void RollerDoor(Layer& L, double x, double w, double top);

// Stamps the layer into the strip and adds a fine grain to the art.
void FinishStrip(Layer& L, Sheet& s, Rng& r, double grain);

// The stage caption stands on a section's first screen, added onto the
// frame at rows 205..229 over the middle columns: world x 240..400 of a
// strip (the camera starts at 0), just above the wall foot. Whether the span
// a..b meets those columns: nothing bright or striped is put there.
constexpr double kCaptionX0 = 240, kCaptionX1 = 400;
bool UnderCaption(double a, double b);
// Tames the art behind the caption (rows 196 to the wall foot, soft at the
// sides and the top): above a low knee the brightness rises only at a third.
// `top` is the screen y of the sheet's row 0; `left` the world x of its column 0.
void ShadeUnderCaption(Sheet& s, int top = 0, int left = 0);

bool InSpans(const std::vector<Span>& spans, double x);

}  // namespace dg
