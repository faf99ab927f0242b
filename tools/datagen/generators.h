// The generators of every file, grouped by role. Each module adds its
// generators to the tables under the file's path.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "canvas.h"

namespace dg {

// Draws a picture into a sheet already laid out with the file's cells.
using ImageFn = void (*)(Sheet& sheet, Rng& rng);
// Returns mono samples at 44100 Hz (any level: the level is set afterwards,
// by the sound's class and game volume).
using WavFn = std::vector<float> (*)(Rng& rng);
// Returns interleaved stereo samples at 44100 Hz in -1..1.
using OggFn = std::vector<float> (*)();

struct Generators {
    std::map<std::string, ImageFn> images;
    std::map<std::string, WavFn> wavs;
    std::map<std::string, OggFn> oggs;
};

void AddHeroImages(Generators& g);
void AddEnemyImages(Generators& g);
void AddKr770Images(Generators& g);
void AddStripImages(Generators& g);
void AddStreetStrips(Generators& g);
void AddLayerImages(Generators& g);
void AddPropImages(Generators& g);
void AddSceneryImages(Generators& g);
void AddEffectImages(Generators& g);
void AddHudImages(Generators& g);
void AddFrontEndImages(Generators& g);
void AddSoundEffects(Generators& g);
void AddVoices(Generators& g);
void AddMusic(Generators& g);
// Releases the speech synthesiser once every voice line is made.
void ShutdownSpeech();

// The hero drawn whole, hip point at (px, py), scaled; for the front-end pictures.
void DrawHeroFigure(Layer& L, double px, double py, double scale, int torsoPose, bool mouthOpen);

}  // namespace dg
