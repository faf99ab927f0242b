#include "synth.h"

#include <algorithm>

namespace dg {

static void Norm(Biquad& f, double b0, double b1, double b2, double a0, double a1, double a2) {
    f.b0 = b0 / a0;
    f.b1 = b1 / a0;
    f.b2 = b2 / a0;
    f.a1 = a1 / a0;
    f.a2 = a2 / a0;
}

void Biquad::LowPass(double freq, double q) {
    freq = std::clamp(freq, 10.0, kRate * 0.45);
    double w = kTau * freq / kRate, c = std::cos(w), al = std::sin(w) / (2 * q);
    Norm(*this, (1 - c) / 2, 1 - c, (1 - c) / 2, 1 + al, -2 * c, 1 - al);
}
void Biquad::HighPass(double freq, double q) {
    freq = std::clamp(freq, 10.0, kRate * 0.45);
    double w = kTau * freq / kRate, c = std::cos(w), al = std::sin(w) / (2 * q);
    Norm(*this, (1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + al, -2 * c, 1 - al);
}
void Biquad::BandPass(double freq, double q) {
    freq = std::clamp(freq, 10.0, kRate * 0.45);
    double w = kTau * freq / kRate, c = std::cos(w), al = std::sin(w) / (2 * q);
    Norm(*this, al, 0, -al, 1 + al, -2 * c, 1 - al);
}

void Biquad::AllPass(double freq, double q) {
    freq = std::clamp(freq, 10.0, kRate * 0.45);
    double w = kTau * freq / kRate, c = std::cos(w), al = std::sin(w) / (2 * q);
    Norm(*this, 1 - al, -2 * c, 1 + al, 1 + al, -2 * c, 1 - al);
}

void MixInto(Wave& dst, const Wave& src, int at, double gain) {
    if (at < 0) at = 0;
    if (dst.size() < src.size() + at) dst.resize(src.size() + at, 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[at + i] += static_cast<float>(src[i] * gain);
}

void FadeEdges(Wave& w, double inMs, double outMs) {
    int in = std::min<int>(Samples(inMs / 1000.0), static_cast<int>(w.size()));
    int out = std::min<int>(Samples(outMs / 1000.0), static_cast<int>(w.size()));
    for (int i = 0; i < in; ++i) w[i] *= static_cast<float>(i) / in;
    for (int i = 0; i < out; ++i) w[w.size() - 1 - i] *= static_cast<float>(i) / out;
}

Wave Resample(const Wave& w, double factor) {
    Wave out(static_cast<size_t>(w.size() * factor));
    for (size_t i = 0; i < out.size(); ++i) {
        double p = i / factor;
        size_t k = static_cast<size_t>(p);
        double f = p - k;
        float a = k < w.size() ? w[k] : 0.0f, b = k + 1 < w.size() ? w[k + 1] : 0.0f;
        out[i] = static_cast<float>(a + (b - a) * f);
    }
    return out;
}

void MakeLoop(Wave& w, int overlap) {
    int n = static_cast<int>(w.size()) - overlap;
    for (int i = 0; i < overlap; ++i) {
        double t = static_cast<double>(i) / overlap;
        double fadeIn = std::sin(t * kTau / 4), fadeOut = std::cos(t * kTau / 4);
        w[i] = static_cast<float>(w[i] * fadeIn + w[n + i] * fadeOut);
    }
    w.resize(n);
}

}  // namespace dg
