// Small sound-synthesis kit: oscillators, noise, filters and envelopes, all
// at 44100 Hz on float samples.
#pragma once

#include <cmath>
#include <vector>

namespace dg {

constexpr double kRate = 44100.0;
constexpr double kTau = 6.283185307179586;

using Wave = std::vector<float>;

inline int Samples(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// Biquad filter (RBJ cookbook).
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void LowPass(double freq, double q);
    void HighPass(double freq, double q);
    void BandPass(double freq, double q);
    // Passes every frequency at full strength, turning the phase around `freq`.
    void AllPass(double freq, double q);
    double Run(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// One-pole smoother / low pass.
struct OnePole {
    double a = 0, y = 0;
    void Set(double freq) { a = 1.0 - std::exp(-kTau * freq / kRate); }
    double Run(double x) { return y += a * (x - y); }
};

// Phase accumulator oscillators.
struct Osc {
    double phase = 0;
    double Step(double freq) {
        phase += freq / kRate;
        phase -= std::floor(phase);
        return phase;
    }
    double Sine(double freq) { return std::sin(kTau * Step(freq)); }
    double Saw(double freq) { return 2.0 * Step(freq) - 1.0; }
    double Square(double freq, double duty = 0.5) { return Step(freq) < duty ? 1.0 : -1.0; }
    double Tri(double freq) {
        double p = Step(freq);
        return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    }
};

// Exponential decay envelope value at time t.
inline double Decay(double t, double tau) { return t < 0 ? 0 : std::exp(-t / tau); }
// Attack-hold-release envelope.
inline double Ahr(double t, double attack, double hold, double release) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    if (t < attack + hold) return 1;
    double r = (t - attack - hold) / release;
    return r >= 1 ? 0 : 1 - r;
}

// Mixes src into dst starting at sample `at`, scaled by gain.
void MixInto(Wave& dst, const Wave& src, int at, double gain);
// Fades the first and last `ms` milliseconds to silence.
void FadeEdges(Wave& w, double inMs, double outMs);
// Soft saturation.
inline double SoftClip(double x) { return std::tanh(x); }
// Resamples by linear interpolation (factor > 1 lowers the pitch).
Wave Resample(const Wave& w, double factor);
// Makes a loop seamless: the last `overlap` samples are crossfaded into the
// start, then cut off.
void MakeLoop(Wave& w, int overlap);

}  // namespace dg
