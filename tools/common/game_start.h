// How the developer tools start the game: from the right folder, and at one
// section the way the title's start begins a new game.
#pragma once

#include <cstdint>
#include <string>

// The game finds its files under Data/ in the working directory: checks that
// `dataPath` is a folder called Data and enters the folder holding it.
bool EnterDataFolder(const std::string& dataPath, std::string* error);

// The game's quiet start-up (StartUp), then a new game as the title's start
// begins it, entered at section `stage` with the control device `device`;
// returns what PlayStage returns.
int32_t PlayOneSection(int32_t stage, int32_t device);
