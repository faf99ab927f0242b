// The hero's sprite: legs, torso and its lit and talking overlays, the
// whole-body gun-draw and hurt cells, the lying body, the flying helmet and
// the muzzle flash.
#pragma once

#include <cstdint>

// The hero's screen x and foot y, kept by the muzzle flash each drawn frame.
extern int32_t HeroScreenX;
extern int32_t HeroScreenY;

// One cell of the hero's body: a HeroImages entry and its frame.
struct HeroCell {
    int32_t entry;
    int32_t frame;
};
// The cells of the hero's body in drawing order (at most three: a hurt cell,
// the legs, the torso; or one whole-body cell), as his state, step, facing
// and pose choose them, from the helmet set or the bare-headed one, with
// `hitCell` as the hurt cells' frame. The sprite draws them and lays the lit
// and talking torsos over the torso; the shadows copy them.
struct HeroBody {
    HeroCell cells[3] = {};
    int32_t count = 0;
    bool torso = false;  // the last cell is the torso
};
HeroBody HeroBodyCells(int32_t helmetOn, int32_t hitCell);

// Once per drawn frame, from the street band at the key HeroLane.
void DrawHero();
// The body with the helmet on, and bare-headed.
void DrawHeroHelmetOn();
void DrawHeroHelmetOff();
// The lying body once his energy has run out; sets HeroFootY to 302.
void DrawHeroOffline();
// The flash at the gun's muzzle; counts MuzzleFlash up and clears it.
void DrawMuzzleFlash();
