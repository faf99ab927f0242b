#include "loudness.h"

#include <algorithm>
#include <cmath>

#include "synth.h"

namespace dg {
namespace {

// The ear weighting: a +4 dB shelf above about 1.7 kHz and a second-order
// high pass at 38 Hz.
Biquad Shelf() {
    const double gainDb = 3.99984385397, q = 0.7071752369554193, fc = 1681.974450955533;
    const double a = std::pow(10.0, gainDb / 40.0), w = kTau * fc / kRate;
    const double c = std::cos(w), alpha = std::sin(w) / (2 * q), sa = 2 * std::sqrt(a) * alpha;
    const double a0 = (a + 1) - (a - 1) * c + sa;
    return Biquad{a * ((a + 1) + (a - 1) * c + sa) / a0, -2 * a * ((a - 1) + (a + 1) * c) / a0,
                  a * ((a + 1) + (a - 1) * c - sa) / a0, 2 * ((a - 1) - (a + 1) * c) / a0,
                  ((a + 1) - (a - 1) * c - sa) / a0};
}
Biquad LowCut() {
    Biquad f;
    f.HighPass(38.13547087602444, 0.5003270373238773);
    return f;
}

// The weighted power of every frame, summed over the speakers as the mixer
// plays the sound from the centre at volume 1: a mono sound reaches each
// speaker at half its power, a stereo one sends each channel to its side at
// half its power.
std::vector<double> WeightedPower(const std::vector<float>& samples, int channels) {
    const size_t frames = channels > 0 ? samples.size() / channels : 0;
    std::vector<double> power(frames, 0.0);
    for (int ch = 0; ch < channels; ++ch) {
        Biquad shelf = Shelf(), cut = LowCut();
        const double share = channels == 1 ? 1.0 : 0.5;
        for (size_t i = 0; i < frames; ++i) {
            const double y = cut.Run(shelf.Run(samples[i * channels + ch]));
            power[i] += share * y * y;
        }
    }
    return power;
}

double ToDb(double power, double volume) {
    return -0.691 + 10.0 * std::log10(std::max(power, 1e-20)) + 20.0 * std::log10(std::max(volume, 1e-10));
}

}  // namespace

double EventLoudness(const std::vector<float>& samples, int channels, double volume) {
    const std::vector<double> power = WeightedPower(samples, channels);
    const size_t window = static_cast<size_t>(0.4 * kRate);
    // A window sliding in 10 ms steps; a sound shorter than the window counts
    // as if followed by silence.
    const size_t step = static_cast<size_t>(0.01 * kRate);
    std::vector<double> sums(power.size() + 1, 0.0);
    for (size_t i = 0; i < power.size(); ++i) sums[i + 1] = sums[i] + power[i];
    double best = 0.0;
    for (size_t start = 0; start == 0 || start + window <= power.size(); start += step) {
        const size_t end = std::min(power.size(), start + window);
        best = std::max(best, (sums[end] - sums[start]) / static_cast<double>(window));
    }
    return ToDb(best, volume);
}

double LongLoudness(const std::vector<float>& samples, int channels, double volume) {
    const std::vector<double> power = WeightedPower(samples, channels);
    double sum = 0.0;
    for (double p : power) sum += p;
    return ToDb(power.empty() ? 0.0 : sum / static_cast<double>(power.size()), volume);
}

double Offset(const std::vector<float>& samples, int channels) {
    const size_t frames = channels > 0 ? samples.size() / channels : 0;
    const size_t second = static_cast<size_t>(kRate);
    double worst = 0.0;
    for (int ch = 0; ch < channels; ++ch) {
        std::vector<double> sums(frames + 1, 0.0);
        for (size_t i = 0; i < frames; ++i) sums[i + 1] = sums[i] + samples[i * channels + ch];
        auto mean = [&](size_t from, size_t to) { return std::fabs(sums[to] - sums[from]) / static_cast<double>(to - from); };
        if (frames > 0) worst = std::max(worst, mean(0, frames));
        for (size_t start = 0; start + second <= frames; start += second / 2)
            worst = std::max(worst, mean(start, start + second));
    }
    return worst;
}

const char* ClassName(SoundClass c) {
    switch (c) {
        case SoundClass::Music: return "music";
        case SoundClass::Voice: return "voice";
        case SoundClass::Warning: return "warning";
        case SoundClass::Beep: return "beep";
        case SoundClass::HeroGun: return "hero gun";
        case SoundClass::EnemyGun: return "enemy gun";
        case SoundClass::Blast: return "blast";
        case SoundClass::Impact: return "impact";
        case SoundClass::Cry: return "cry";
        case SoundClass::Machine: return "machine";
        case SoundClass::Movement: return "movement";
        case SoundClass::Pickup: return "pickup";
        case SoundClass::Ambience: return "ambience";
    }
    return "?";
}

// The volumes are the game's own: where a sound is played at several, the
// one of its most common use. Section 9 and 21's two machines walk side by
// side: their steps, guns and warnings often start twice at once; smoke
// puffs often rise two or three together.
const SoundUse kSoundUses[] = {
    {"Data/Audio/Music/track1_s.ogg", SoundClass::Music, 1.0, true},
    {"Data/Audio/Music/track1_l.ogg", SoundClass::Music, 1.0, true},
    {"Data/Audio/Music/track2_s.ogg", SoundClass::Music, 1.0, true},
    {"Data/Audio/Music/track2_l.ogg", SoundClass::Music, 1.0, true},
    {"Data/Audio/Music/Title.ogg", SoundClass::Music, 1.0, true},
    {"Data/Audio/Music/Credits.ogg", SoundClass::Music, 0.9, true},
    {"Data/Audio/Music/end.ogg", SoundClass::Music, 1.0, true},
    {"Data/Audio/Voice/BeTrouble.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/ComeWithMe.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/DeadAlive.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/DropIt.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/Thankyou.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/StoneHarbor.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/YourMove.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/RemainSilent.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/KestArgh.wav", SoundClass::Voice, 0.9, false},
    {"Data/Audio/Voice/prime.wav", SoundClass::Voice, 1.0, false},
    {"Data/Audio/Voice/KR20sec.wav", SoundClass::Warning, 1.0, false, 2.0},
    {"Data/Audio/Sfx/CompBeep.wav", SoundClass::Beep, 1.0, false},
    {"Data/Audio/Sfx/CompBeepLow.wav", SoundClass::Beep, 1.0, false},
    {"Data/Audio/Sfx/Go.wav", SoundClass::Beep, 1.0, false},
    {"Data/Audio/Sfx/Kestgun.wav", SoundClass::HeroGun, 0.6, false},
    {"Data/Audio/Sfx/Firemagnum.wav", SoundClass::HeroGun, 0.5, false},
    {"Data/Audio/Sfx/Fireberretta.wav", SoundClass::EnemyGun, 0.4, false},
    {"Data/Audio/Sfx/Fireuzi.wav", SoundClass::EnemyGun, 0.4, false},
    {"Data/Audio/Sfx/Fire770uzi.wav", SoundClass::EnemyGun, 0.4, false, 0.8},
    {"Data/Audio/Sfx/Firemissile.wav", SoundClass::EnemyGun, 0.4, false},
    {"Data/Audio/Sfx/Specialexplode.wav", SoundClass::Blast, 0.5, false, 1.0},
    {"Data/Audio/Sfx/Explosion.wav", SoundClass::Blast, 0.4, false},
    {"Data/Audio/Sfx/Smoke.wav", SoundClass::Blast, 0.7, false, 1.2},
    {"Data/Audio/Sfx/Ricochet.wav", SoundClass::Impact, 1.0, false},
    {"Data/Audio/Sfx/Ricochet2.wav", SoundClass::Impact, 1.0, false},
    {"Data/Audio/Sfx/Bloodhit.wav", SoundClass::Impact, 0.3, false},
    {"Data/Audio/Sfx/Bodyland.wav", SoundClass::Impact, 1.0, false},
    {"Data/Audio/Sfx/Breakmetal.wav", SoundClass::Impact, 1.0, false},
    {"Data/Audio/Sfx/Breakwood.wav", SoundClass::Impact, 1.0, false},
    {"Data/Audio/Sfx/Breakglass.wav", SoundClass::Impact, 1.0, false},
    {"Data/Audio/Voice/Enemyscream1.wav", SoundClass::Cry, 1.0, false},
    {"Data/Audio/Voice/Enemyscream2.wav", SoundClass::Cry, 1.0, false},
    {"Data/Audio/Voice/Enemyscream3.wav", SoundClass::Cry, 1.0, false},
    {"Data/Audio/Voice/Enemyscream4.wav", SoundClass::Cry, 1.0, false},
    {"Data/Audio/Voice/KRroar.wav", SoundClass::Cry, 1.0, false},
    {"Data/Audio/Sfx/Motorbike.wav", SoundClass::Machine, 1.0, false},
    {"Data/Audio/Sfx/Chainattack.wav", SoundClass::Machine, 0.8, false},
    {"Data/Audio/Sfx/Chainidle.wav", SoundClass::Machine, 0.8, false},
    {"Data/Audio/Sfx/KR770legs.wav", SoundClass::Machine, 0.5, false, 1.0},
    {"Data/Audio/Sfx/Liftstartend.wav", SoundClass::Machine, 1.0, false},
    {"Data/Audio/Sfx/Liftloop.wav", SoundClass::Machine, 1.0, true},
    {"Data/Audio/Sfx/Keststep.wav", SoundClass::Movement, 0.7, false},
    {"Data/Audio/Sfx/Kestmove.wav", SoundClass::Movement, 0.2, false},
    {"Data/Audio/Sfx/Gunarm.wav", SoundClass::Movement, 1.0, false},
    {"Data/Audio/Sfx/Gunstow.wav", SoundClass::Movement, 1.0, false},
    {"Data/Audio/Sfx/Walkerstepleft.wav", SoundClass::Movement, 0.3, false},
    {"Data/Audio/Sfx/Walkerstepright.wav", SoundClass::Movement, 0.3, false},
    {"Data/Audio/Sfx/Energypickup.wav", SoundClass::Pickup, 1.0, false},
    {"Data/Audio/Sfx/Weaponpickup.wav", SoundClass::Pickup, 1.0, false},
    {"Data/Audio/Sfx/PowerUp.wav", SoundClass::Pickup, 1.0, false},
    {"Data/Audio/Sfx/PowerDown.wav", SoundClass::Pickup, 1.0, false},
    {"Data/Audio/Sfx/Rainatmos.wav", SoundClass::Ambience, 0.6, true},
};
const int kSoundUseCount = static_cast<int>(sizeof(kSoundUses) / sizeof(kSoundUses[0]));

const SoundUse* FindSoundUse(const std::string& path) {
    for (const SoundUse& u : kSoundUses)
        if (path == u.path) return &u;
    return nullptr;
}

double HeardLoudness(const SoundUse& use, const std::vector<float>& samples, int channels) {
    return use.longSound ? LongLoudness(samples, channels, use.volume) : EventLoudness(samples, channels, use.volume);
}

}  // namespace dg
