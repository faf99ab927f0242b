// How loud each sound is heard: a loudness meter, and the volume the game
// plays every sound file at with the class it belongs to. Shared by the
// generator, which sets each file's level from it, and its tests.
#pragma once

#include <string>
#include <vector>

namespace dg {

// Loudness as heard at `volume`, in dB of the power on the two speakers
// together (the mixer's pan keeps that power, so the pan does not matter; a
// full scale 1 kHz sine reads -3): the samples are weighted for the ear (a
// shelf lifting the presence band, a cut below 40 Hz) and their power is
// averaged.
//  - Events (anything shorter than a few seconds) are judged by their loudest
//    window of 400 ms, so a short shot counts less than a long one of the
//    same height, as the ear hears it.
//  - Long sounds (music, ambience loops) by their power over the whole file.
// `frames` interleaved with `channels` channels (1 or 2), 44100 Hz, full
// scale 1.0.
double EventLoudness(const std::vector<float>& samples, int channels, double volume);
double LongLoudness(const std::vector<float>& samples, int channels, double volume);
// The DC offset, relative to full scale: the largest mean of a channel over
// the whole sound and over any second of it (seconds starting every half
// second).
double Offset(const std::vector<float>& samples, int channels);

enum class SoundClass {
    Music,      // stage, title, credits and end music
    Voice,      // spoken lines (the hero, the end scene)
    Warning,    // the machine's spoken warning as it enters
    Beep,       // clock and go beeps
    HeroGun,    // the hero's guns
    EnemyGun,   // the enemies' guns
    Blast,      // explosions and smoke
    Impact,     // hits, ricochets, breaking props, falls
    Cry,        // screams and roars
    Machine,    // engines, chainsaw, the machine's legs, the lift
    Movement,   // the hero's steps, servo and gun handling, the walkers' steps
    Pickup,     // pickups, power-up and power-down
    Ambience,   // the rain
};
const char* ClassName(SoundClass c);

struct SoundUse {
    const char* path;
    SoundClass cls;
    double volume;  // the volume the game plays it at (its most common use)
    bool longSound; // measured over the whole file
    // The loudest it is heard at, where that is more (two copies started
    // together in step count twice); its peaks are kept down for that.
    double loudestVolume = 0.0;
    double PeakVolume() const { return loudestVolume > volume ? loudestVolume : volume; }
};
// Every sound file of the Data folder.
extern const SoundUse kSoundUses[];
extern const int kSoundUseCount;
const SoundUse* FindSoundUse(const std::string& path);

// Loudness of a sound at its game volume, by the measure of its kind.
double HeardLoudness(const SoundUse& use, const std::vector<float>& samples, int channels);

}  // namespace dg
