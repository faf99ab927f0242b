#include "finish.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "synth.h"

namespace dg {
namespace {

// Where the bending starts, as a share of the ceiling.
constexpr double kKneeShare = 0.5 / 0.891;

// Gain and ceiling (the peaks bent, or limited where `limit`), then the
// offset that this made taken out again (and the little that lifts a peak
// past the ceiling taken back).
std::vector<float> Leveled(const std::vector<float>& in, int channels, double gain, bool loop, double ceiling,
                           bool limit = false) {
    std::vector<float> out(in.size());
    for (size_t i = 0; i < in.size(); ++i)
        out[i] = static_cast<float>(limit ? in[i] * gain : SoftCeiling(in[i] * gain, ceiling));
    if (limit) Limit(out, ceiling);
    RemoveOffset(out, channels, loop);
    float peak = 0.0f;
    for (float v : out) peak = std::max(peak, std::fabs(v));
    if (peak > ceiling) {
        const float down = static_cast<float>(ceiling / peak);
        for (float& v : out) v *= down;
    }
    return out;
}

}  // namespace

double ClassLevel(SoundClass c) {
    switch (c) {
        case SoundClass::Music: return -24.0;
        case SoundClass::Voice: return -13.0;
        case SoundClass::Warning: return -19.0;
        case SoundClass::Beep: return -28.5;
        case SoundClass::HeroGun: return -23.0;
        case SoundClass::EnemyGun: return -28.0;
        case SoundClass::Blast: return -23.0;
        case SoundClass::Impact: return -31.0;
        case SoundClass::Cry: return -25.0;
        case SoundClass::Machine: return -27.0;
        case SoundClass::Movement: return -37.0;
        case SoundClass::Pickup: return -22.0;
        case SoundClass::Ambience: return -30.0;
    }
    return -24.0;
}

double ClassPeak(SoundClass c) {
    switch (c) {
        case SoundClass::Music: return -1.0;
        case SoundClass::Voice: return -5.5;
        case SoundClass::Warning: return -12.0;
        case SoundClass::Beep: return -12.0;
        case SoundClass::HeroGun: return -10.5;
        case SoundClass::EnemyGun: return -16.0;
        case SoundClass::Blast: return -13.0;
        case SoundClass::Impact: return -21.0;
        case SoundClass::Cry: return -14.0;
        case SoundClass::Machine: return -15.0;
        case SoundClass::Movement: return -21.0;
        case SoundClass::Pickup: return -10.0;
        case SoundClass::Ambience: return -12.0;
    }
    return -1.0;
}

double SoftCeiling(double x, double ceiling) {
    const double a = std::fabs(x), knee = ceiling * kKneeShare;
    if (a <= knee) return x;
    const double bent = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
    return x < 0 ? -bent : bent;
}

void Limit(std::vector<float>& mono, double ceiling) {
    const size_t n = mono.size(), ahead = static_cast<size_t>(Samples(0.002));
    std::vector<double> need(n), gain(n);
    for (size_t i = 0; i < n; ++i) {
        const double a = std::fabs(mono[i]);
        need[i] = a > ceiling ? ceiling / a : 1.0;
    }
    // The least gain any sample of the next 2 ms needs (a sliding minimum).
    std::deque<size_t> window;
    for (size_t i = n; i-- > 0;) {
        while (!window.empty() && need[window.back()] >= need[i]) window.pop_back();
        window.push_back(i);
        while (window.front() > i + ahead) window.pop_front();
        gain[i] = need[window.front()];
    }
    // Recovering with a time constant of 20 ms, never past what is needed.
    const double recover = 1.0 - std::exp(-1.0 / (0.02 * kRate));
    double g = 1.0;
    for (size_t i = 0; i < n; ++i) gain[i] = g = std::min(gain[i], g + (1.0 - g) * recover);
    // Averaged over the last 2 ms: every step spread out, and the gain at a
    // peak still no more than it needs.
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i) {
        sum += gain[i];
        if (i > ahead) sum -= gain[i - ahead - 1];
        mono[i] = static_cast<float>(mono[i] * sum / static_cast<double>(std::min(i, ahead) + 1));
    }
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
    const bool speech = use.cls == SoundClass::Voice || use.cls == SoundClass::Warning;
    if (speech) {
        // Turning the phase of the low voice band evens out the lopsided
        // peaks of speech: more loudness under the same ceiling.
        for (double f : {120.0, 240.0, 480.0, 960.0}) {
            Biquad turn;
            turn.AllPass(f, 0.7);
            for (float& v : mono) v = static_cast<float>(turn.Run(v));
        }
    }
    float peak = 0.0f;
    for (float v : mono) peak = std::max(peak, std::fabs(v));
    if (peak <= 0.0f) return;
    // Loudness rises with the gain, more and more slowly as the ceiling bends
    // the peaks: halve the interval (in dB) until the target is met. The peak
    // is driven at most 12 dB past the knee (guns and blasts, whose crunch
    // carries them, 20 dB); beyond that a short bang only gets distorted, so
    // it stays a little under its class's level. Speech takes up to 24 dB
    // into its limiter. The ceiling is the class's peak at the loudest
    // volume the game plays the sound at.
    const double target = ClassLevel(use.cls);
    const double ceiling = std::min(kCeiling, std::pow(10.0, ClassPeak(use.cls) / 20.0) / use.PeakVolume());
    const bool bang = use.cls == SoundClass::HeroGun || use.cls == SoundClass::EnemyGun || use.cls == SoundClass::Blast;
    double low = -60.0, high = speech ? 24.0 : bang ? 20.0 : 12.0;
    const double base = 20.0 * std::log10(ceiling * kKneeShare / peak);  // puts the peak at the knee
    for (int k = 0; k < 16; ++k) {
        const double mid = 0.5 * (low + high);
        const std::vector<float> trial = Leveled(mono, 1, std::pow(10.0, (base + mid) / 20.0), loop, ceiling, speech);
        if (HeardLoudness(use, trial, 1) < target) low = mid;
        else high = mid;
    }
    mono = Leveled(mono, 1, std::pow(10.0, (base + low) / 20.0), loop, ceiling, speech);
}

void FinishMusic(std::vector<float>& stereo, double gainDb, bool loop) {
    RemoveOffset(stereo, 2, loop);
    stereo = Leveled(stereo, 2, std::pow(10.0, gainDb / 20.0), loop, kCeiling);
}

}  // namespace dg
