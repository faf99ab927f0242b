#include "finish.h"

#include <algorithm>
#include <cmath>

namespace dg {
namespace {

constexpr double kKnee = 0.5;

// Gain and ceiling, then the offset the bending made taken out again (and
// the little that this lifts a peak past the ceiling taken back).
std::vector<float> Leveled(const std::vector<float>& in, int channels, double gain, bool loop) {
    std::vector<float> out(in.size());
    for (size_t i = 0; i < in.size(); ++i) out[i] = static_cast<float>(SoftCeiling(in[i] * gain));
    RemoveOffset(out, channels, loop);
    float peak = 0.0f;
    for (float v : out) peak = std::max(peak, std::fabs(v));
    if (peak > kCeiling) {
        const float down = static_cast<float>(kCeiling / peak);
        for (float& v : out) v *= down;
    }
    return out;
}

}  // namespace

double ClassLevel(SoundClass c) {
    switch (c) {
        case SoundClass::Music: return -24.0;
        case SoundClass::Voice: return -16.0;
        case SoundClass::Beep: return -23.5;
        case SoundClass::HeroGun: return -18.0;
        case SoundClass::EnemyGun: return -21.0;
        case SoundClass::Blast: return -19.0;
        case SoundClass::Impact: return -21.0;
        case SoundClass::Cry: return -19.0;
        case SoundClass::Machine: return -21.0;
        case SoundClass::Movement: return -30.0;
        case SoundClass::Pickup: return -19.0;
        case SoundClass::Ambience: return -28.0;
    }
    return -24.0;
}

double SoftCeiling(double x) {
    const double a = std::fabs(x);
    if (a <= kKnee) return x;
    const double bent = kKnee + (kCeiling - kKnee) * std::tanh((a - kKnee) / (kCeiling - kKnee));
    return x < 0 ? -bent : bent;
}

void RemoveOffset(std::vector<float>& samples, int channels, bool loop) {
    if (channels <= 0) return;
    const size_t frames = samples.size() / channels;
    const double r = 1.0 - 2.0 * 3.14159265358979323846 * 20.0 / 44100.0;
    for (int ch = 0; ch < channels; ++ch) {
        double x1 = 0.0, y1 = 0.0;
        auto run = [&](bool keep) {
            for (size_t i = 0; i < frames; ++i) {
                const double x = samples[i * channels + ch];
                const double y = x - x1 + r * y1;
                x1 = x;
                y1 = y;
                if (keep) samples[i * channels + ch] = static_cast<float>(y);
            }
        };
        if (loop) run(false);
        run(true);
    }
}

void FinishEffect(std::vector<float>& mono, const SoundUse& use, bool loop) {
    RemoveOffset(mono, 1, loop);
    float peak = 0.0f;
    for (float v : mono) peak = std::max(peak, std::fabs(v));
    if (peak <= 0.0f) return;
    // Loudness rises with the gain, more and more slowly as the ceiling bends
    // the peaks: halve the interval (in dB) until the target is met. The peak
    // is driven at most 12 dB past the knee; beyond that a short bang only
    // gets distorted, so it stays a little under its class's level.
    const double target = ClassLevel(use.cls);
    double low = -60.0, high = 12.0;
    const double base = 20.0 * std::log10(kKnee / peak);  // puts the peak at the knee
    for (int k = 0; k < 16; ++k) {
        const double mid = 0.5 * (low + high);
        const std::vector<float> trial = Leveled(mono, 1, std::pow(10.0, (base + mid) / 20.0), loop);
        if (HeardLoudness(use, trial, 1) < target) low = mid;
        else high = mid;
    }
    mono = Leveled(mono, 1, std::pow(10.0, (base + low) / 20.0), loop);
}

void FinishMusic(std::vector<float>& stereo, double gainDb, bool loop) {
    RemoveOffset(stereo, 2, loop);
    stereo = Leveled(stereo, 2, std::pow(10.0, gainDb / 20.0), loop);
}

}  // namespace dg
