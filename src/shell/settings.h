// The settings file "Data/save.kvg": 24 bytes, little-endian, no header:
// GamesPlayed, ControlScheme, MusicOn, AltEnergyBar, ShowPlayClock (int32)
// and Brightness (float32).
#pragma once

#include <cstdint>

constexpr const char* SettingsPath = "Data/save.kvg";
// Where a save is written before it takes the place of the settings file.
constexpr const char* SettingsTempPath = "Data/save.kvg.new";

// Reads the settings file when it is there; values it does not hold keep
// their defaults, and values out of range are set right.
void LoadSettings();
// Writes the six values, replacing the file only once the new one is whole.
void SaveSettings();
// Brings the six saved values into their ranges: a negative games-played
// count, a layout outside 0..5 and a switch other than 0 or 1 become 0;
// brightness NaN becomes 0, then 0..0.5.
void SanitiseSettings();
// Counts one more game played, stopping at the largest int32.
void CountGamePlayed();
