// The street gunman's three looks. One strip holds all three, 24 frames
// apart; which look a gunman wears follows from his enemy slot, and every
// place that draws or copies one of his frames (the street band, window
// reflections, the corpse he leaves) adds the same offset.
#pragma once

#include <cstdint>

// Frame offset of a street gunman in enemy slot 0..29: 0, 24 or 48. The
// pattern runs 0, 24, 48 by slot but breaks at the end of the table (slot 24
// wears 48, 26 and 29 wear 0, 27 wears 48). Any other slot gives 0.
inline int32_t StreetGunmanLook(int32_t slot) {
    static constexpr int32_t kLookBySlot[30] = {
        0, 24, 48, 0, 24, 48, 0, 24, 48, 0,   // slots 0..9
        24, 48, 0, 24, 48, 0, 24, 48, 0, 24,  // slots 10..19
        48, 0, 24, 48, 48, 24, 0, 48, 24, 0,  // slots 20..29
    };
    if (slot < 0 || slot >= 30) return 0;
    return kLookBySlot[slot];
}
