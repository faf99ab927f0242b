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

bool InSpans(const std::vector<Span>& spans, double x);

}  // namespace dg
