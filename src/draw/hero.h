// The hero's sprite: legs, torso and its lit and talking overlays, the
// whole-body gun-draw and hurt cells, the lying body, the flying helmet and
// the muzzle flash.
#pragma once

#include <cstdint>

// The hero's screen x and foot y, kept by the muzzle flash each drawn frame.
extern int32_t HeroScreenX;
extern int32_t HeroScreenY;

// Once per drawn frame, from the street band at the key HeroLane.
void DrawHero();
// The body with the helmet on, and bare-headed.
void DrawHeroHelmetOn();
void DrawHeroHelmetOff();
// The lying body once his energy has run out; sets HeroFootY to 302.
void DrawHeroOffline();
// The flash at the gun's muzzle; counts MuzzleFlash up and clears it.
void DrawMuzzleFlash();
