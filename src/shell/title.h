// The title screen: the hub between games. It waits for a start or a quit,
// lets the player pick one of six control layouts (X), shows the version and
// the games played (C held), offers a hidden section select (K and L held,
// Left and Right) and a typed debug code.
#pragma once

#include <cstdint>

// 1: start a new game (Z, Space, Enter, or a joystick's fire or start
// button), 0: quit (Escape).
int32_t RunTitleScreen();

// The attract cycle's demo: one of the first sections of stages 1 to 7,
// picked at random, played by the demo script through the stage starter.
// The player's control device and weapon pick-up rule are given back
// afterwards; debug mode is switched off.
void RunAttractDemo();

// Control layouts by ControlScheme (0..5, letters A to F): the fire, jump and
// duck keys and joystick buttons, and the label naming what Z, X and C do.
struct ControlLayout {
    char letter;
    const char* label;
    int32_t fireKey, jumpKey, duckKey;
    int32_t fireButton, jumpButton, duckButton;
};
constexpr int32_t ControlLayoutCount = 6;
extern const ControlLayout ControlSchemeTable[ControlLayoutCount];

// The typed code that switches debug mode on and off.
constexpr const char* DebugCode = "STONEHARBOR";
// The maker's line at the foot of the title screen.
constexpr const char* MakerLine = "A STREETWARDEN GAME";
