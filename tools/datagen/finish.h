// The last step of every generated sound before it is written: the offset
// taken out and the level set, so that each sound is heard at its class's
// loudness at the volume the game plays it at.
#pragma once

#include <vector>

#include "loudness.h"

namespace dg {

// Peaks never pass -1 dBFS in the files (ClassPeak keeps most far lower).
constexpr double kCeiling = 0.891;

// The loudness each class is heard at (see EventLoudness and LongLoudness):
// voices clearly over the music, the guns over it, the beeps no louder than
// the guns, small noises under it.
double ClassLevel(SoundClass c);

// The highest peak of a class as the game plays it (at its volume), in dBFS:
// low enough that the sounds of a busy fight, summed, keep their headroom
// under the mixer's limiter.
double ClassPeak(SoundClass c);

// Unchanged up to 0.56 of `ceiling`, then bending smoothly towards it.
double SoftCeiling(double x, double ceiling);

// A look-ahead limiter: the gain comes down over 2 ms before any peak that
// would pass `ceiling` and recovers over about 20 ms. Evens speech out
// without the grit of bent peaks.
void Limit(std::vector<float>& mono, double ceiling);

// Takes out any DC offset with a 20 Hz high pass. A loop is filtered as it
// repeats (the filter runs over it once before the pass that is kept), so
// its end still runs straight into its start.
void RemoveOffset(std::vector<float>& samples, int channels, bool loop);

// A mono sound effect or voice line, any level in: out with its offset taken
// out and raised or lowered to its class's level, the peaks bent under its
// class's peak (which also thickens short bangs; speech is limited instead).
void FinishEffect(std::vector<float>& mono, const SoundUse& use, bool loop);

// A piece of music: its offset taken out, then a fixed gain (so an intro and
// its long part keep one level) and the soft ceiling. Interleaved stereo.
void FinishMusic(std::vector<float>& stereo, double gainDb, bool loop);

}  // namespace dg
