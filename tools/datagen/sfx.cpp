// Synthesised sound effects: guns, steps, impacts, machines, pickups.
#include <algorithm>

#include "generators.h"
#include "synth.h"

namespace dg {
namespace {

double Noise(Rng& r) { return r.Uniform() * 2.0 - 1.0; }

// Noise burst through a low pass, with exponential decay.
Wave NoiseBurst(Rng& r, double len, double cutoff, double tau, double q = 0.7) {
    Wave w(Samples(len));
    Biquad f;
    f.LowPass(cutoff, q);
    for (size_t i = 0; i < w.size(); ++i) w[i] = static_cast<float>(f.Run(Noise(r)) * Decay(i / kRate, tau));
    return w;
}

// Pitched thump: sine falling from f0 to f1.
Wave Thump(double len, double f0, double f1, double tau) {
    Wave w(Samples(len));
    Osc o;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate;
        double f = f1 + (f0 - f1) * std::exp(-t / (tau * 0.5));
        w[i] = static_cast<float>(o.Sine(f) * Decay(t, tau));
    }
    return w;
}

// Metallic clank: inharmonic partials with fast decay.
Wave Clank(Rng& r, double len, double base, double tau, int partials = 6) {
    Wave w(Samples(len));
    std::vector<double> freqs, amps, taus;
    for (int k = 0; k < partials; ++k) {
        freqs.push_back(base * (1.0 + k * 0.73 + r.Range(-0.1, 0.1)) * (1 + k * k * 0.08));
        amps.push_back(1.0 / (1 + k * 0.6));
        taus.push_back(tau * r.Range(0.5, 1.2));
    }
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, s = 0;
        for (int k = 0; k < partials; ++k) s += amps[k] * std::sin(kTau * freqs[k] * t) * Decay(t, taus[k]);
        w[i] = static_cast<float>(s);
    }
    return w;
}

// A gunshot: noise crack, body thump and an optional echo.
Wave Shot(Rng& r, double len, double crackCut, double crackTau, double body, double bodyTau, double echoDelay,
          double echoGain) {
    Wave w(Samples(len));
    MixInto(w, NoiseBurst(r, len, crackCut, crackTau), 0, 1.0);
    MixInto(w, Thump(len, body * 2.2, body, bodyTau), 0, 0.9);
    Wave click(Samples(0.004));
    for (size_t i = 0; i < click.size(); ++i) click[i] = static_cast<float>(Noise(r));
    MixInto(w, click, 0, 0.8);
    if (echoGain > 0) {
        Wave dry = w;
        Biquad lp;
        lp.LowPass(2500, 0.7);
        int d = Samples(echoDelay);
        for (size_t i = d; i < w.size(); ++i) w[i] += static_cast<float>(lp.Run(dry[i - d]) * echoGain);
    }
    w.resize(std::min(w.size(), static_cast<size_t>(Samples(len))));
    FadeEdges(w, 0.2, 15);
    return w;
}

Wave Tone(double len, double freq, double attack, double release, int shape) {
    Wave w(Samples(len));
    Osc o;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate;
        double s = shape == 0 ? o.Sine(freq) : shape == 1 ? o.Square(freq) * 0.5 : o.Tri(freq);
        w[i] = static_cast<float>(s * Ahr(t, attack, len - attack - release, release));
    }
    return w;
}

Wave CompBeep(Rng&) { return Tone(0.12, 1400, 0.004, 0.04, 1); }
Wave CompBeepLow(Rng&) { return Tone(0.15, 700, 0.004, 0.05, 1); }

Wave PowerUp(Rng& r) {
    Wave w(Samples(1.2));
    Osc o, o2, sp;
    Biquad f;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / 1.2;
        double freq = 200 * std::pow(8.0, std::min(1.0, k * 1.2));
        f.LowPass(300 + 5000 * k, 2.0);
        double s = f.Run(o.Saw(freq) + 0.5 * o2.Saw(freq * 1.01));
        if (k > 0.75) s += 0.3 * sp.Sine(3200 + 800 * std::sin(t * 60)) * r.Uniform();
        w[i] = static_cast<float>(s * Ahr(t, 0.02, 0.9, 0.28));
    }
    return w;
}

Wave PowerDown(Rng&) {
    Wave w(Samples(1.2));
    Osc o, lfo;
    Biquad f;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / 1.2;
        double vib = 1 + 0.06 * std::sin(kTau * lfo.Step(12 - 9 * k));
        double freq = 1400 * std::pow(120.0 / 1400.0, k) * vib;
        f.LowPass(4000 - 3200 * k, 1.5);
        w[i] = static_cast<float>(f.Run(o.Saw(freq) * 0.7 + o.Square(freq * 0.5) * 0.0) * Ahr(t, 0.01, 0.9, 0.29));
    }
    return w;
}

Wave Keststep(Rng& r) {
    Wave w(Samples(0.28));
    MixInto(w, Thump(0.12, 140, 70, 0.05), 0, 1.0);
    MixInto(w, Clank(r, 0.25, 900, 0.04), Samples(0.005), 0.35);
    Wave hiss = NoiseBurst(r, 0.2, 9000, 0.05);
    Biquad hp;
    hp.HighPass(3000, 0.7);
    for (auto& s : hiss) s = static_cast<float>(hp.Run(s));
    MixInto(w, hiss, Samples(0.03), 0.12);
    FadeEdges(w, 0.1, 20);
    return w;
}

Wave Servo(double len, double f0, double f1, Rng& r) {
    Wave w(Samples(len));
    Osc o, g;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / len;
        double f = f0 + (f1 - f0) * k;
        double s = 0.6 * o.Sine(f) + 0.25 * g.Square(f * 0.25) + 0.05 * Noise(r);
        w[i] = static_cast<float>(s * Ahr(t, 0.02, len - 0.07, 0.05));
    }
    return w;
}

Wave Gunarm(Rng& r) {
    Wave w(Samples(0.8));
    MixInto(w, Servo(0.45, 500, 1100, r), 0, 0.6);
    MixInto(w, Clank(r, 0.15, 1800, 0.02), Samples(0.5), 1.0);
    MixInto(w, NoiseBurst(r, 0.05, 6000, 0.01), Samples(0.5), 0.6);
    MixInto(w, Clank(r, 0.18, 1500, 0.03), Samples(0.64), 1.0);
    MixInto(w, NoiseBurst(r, 0.05, 6000, 0.01), Samples(0.64), 0.6);
    w.resize(Samples(0.8));
    FadeEdges(w, 1, 20);
    return w;
}

Wave Gunstow(Rng& r) {
    Wave w(Samples(0.8));
    MixInto(w, Clank(r, 0.15, 1600, 0.025), 0, 1.0);
    MixInto(w, Servo(0.4, 1100, 450, r), Samples(0.1), 0.6);
    MixInto(w, Thump(0.2, 160, 90, 0.05), Samples(0.55), 1.0);
    MixInto(w, Clank(r, 0.2, 700, 0.04), Samples(0.55), 0.5);
    w.resize(Samples(0.8));
    FadeEdges(w, 1, 20);
    return w;
}

Wave Rainatmos(Rng& r) {
    const double len = 6.0, overlap = 0.5;
    Wave w(Samples(len + overlap));
    Biquad bp, lp;
    bp.BandPass(2500, 0.5);
    lp.LowPass(700, 0.7);
    double pink = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        double n = Noise(r);
        pink = 0.97 * pink + 0.03 * n;
        double s = bp.Run(n) * 0.35 + lp.Run(pink * 3) * 0.5;
        w[i] = static_cast<float>(s);
    }
    // Droplet ticks.
    for (int k = 0; k < 180; ++k) {
        int at = r.Int(0, static_cast<int>(w.size()) - Samples(0.03));
        double f = r.Range(2000, 6000);
        Wave d = Tone(0.02, f, 0.0005, 0.018, 0);
        MixInto(w, d, at, r.Range(0.05, 0.2));
    }
    MakeLoop(w, Samples(overlap));
    return w;
}

Wave Chime(double len, std::initializer_list<double> notes, double step) {
    Wave w(Samples(len));
    int k = 0;
    for (double f : notes) {
        Wave n(Samples(len - step * k));
        Osc a, b;
        for (size_t i = 0; i < n.size(); ++i) {
            double t = i / kRate;
            n[i] = static_cast<float>((0.7 * a.Tri(f) + 0.3 * b.Sine(f * 2.01)) * Decay(t, 0.12) * Ahr(t, 0.003, 1, 1));
        }
        MixInto(w, n, Samples(step * k), 1.0);
        ++k;
    }
    FadeEdges(w, 0.5, 30);
    return w;
}

Wave Energypickup(Rng& r) {
    Wave w = Chime(0.5, {880, 1108.7, 1318.5}, 0.08);
    Wave sh(Samples(0.35));
    Osc o;
    for (size_t i = 0; i < sh.size(); ++i)
        sh[i] = static_cast<float>(o.Sine(2637 + 200 * std::sin(i / kRate * 80)) * Decay(i / kRate, 0.1) * r.Uniform());
    MixInto(w, sh, Samples(0.16), 0.2);
    w.resize(Samples(0.5));
    return w;
}

Wave Weaponpickup(Rng& r) {
    Wave w(Samples(0.5));
    MixInto(w, Clank(r, 0.08, 2200, 0.015), 0, 1.0);
    MixInto(w, Clank(r, 0.08, 2600, 0.015), Samples(0.07), 1.0);
    MixInto(w, Chime(0.3, {1046.5, 1568}, 0.07), Samples(0.18), 0.6);
    w.resize(Samples(0.5));
    return w;
}

Wave Fireberretta(Rng& r) { return Shot(r, 0.28, 5000, 0.035, 150, 0.07, 0.07, 0.45); }
Wave Fireuzi(Rng& r) { return Shot(r, 0.34, 8000, 0.03, 180, 0.07, 0.11, 0.6); }
Wave Kestgun(Rng& r) { return Shot(r, 0.11, 4500, 0.045, 120, 0.06, 0, 0); }
Wave Firemagnum(Rng& r) { return Shot(r, 0.38, 3500, 0.07, 80, 0.12, 0.08, 0.3); }

Wave Fire770uzi(Rng& r) {
    Wave w(Samples(0.3));
    for (int k = 0; k < 3; ++k) MixInto(w, Shot(r, 0.15, 3000, 0.03, 70, 0.05, 0, 0), Samples(0.05 * k), 1.0);
    w.resize(Samples(0.3));
    FadeEdges(w, 0.1, 20);
    return w;
}

Wave Blast(Rng& r, double len, double cutoff, double thumpFreq, double tau) {
    Wave w(Samples(len));
    Biquad lp;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate;
        lp.LowPass(cutoff * (0.3 + 0.7 * Decay(t, tau)), 0.8);
        w[i] = static_cast<float>(lp.Run(Noise(r)) * Decay(t, tau) * 1.5);
    }
    MixInto(w, Thump(len, thumpFreq * 2, thumpFreq, tau * 0.7), 0, 1.2);
    for (int k = 0; k < 40; ++k) {
        int at = r.Int(0, Samples(len * 0.6));
        MixInto(w, NoiseBurst(r, 0.01, 6000, 0.002), at, 0.4 * Decay(at / kRate, tau * 2));
    }
    w.resize(Samples(len));
    FadeEdges(w, 0.2, 40);
    return w;
}

Wave Specialexplode(Rng& r) { return Blast(r, 0.75, 2500, 50, 0.15); }
Wave Explosion(Rng& r) {
    Wave w = Blast(r, 2.2, 1800, 40, 0.45);
    Wave rumble(Samples(2.2));
    Biquad lp;
    lp.LowPass(120, 0.7);
    for (size_t i = 0; i < rumble.size(); ++i)
        rumble[i] = static_cast<float>(lp.Run(Noise(r)) * 4 * Ahr(i / kRate, 0.05, 0.3, 1.8));
    MixInto(w, rumble, 0, 1.0);
    FadeEdges(w, 0.2, 200);
    return w;
}

// Wordless cry: saw voice through two formants gliding from "aa" to "oh".
Wave Scream(Rng& r, double len, double f0, double f1, double rasp, bool gurgle) {
    Wave w(Samples(len));
    Osc o, trem;
    Biquad fa, fb, fc;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / len;
        double pitch = (f0 + (f1 - f0) * k) * (1 + 0.03 * std::sin(kTau * 6 * t));
        if (gurgle) pitch *= 1 + 0.15 * trem.Square(28);
        double src = o.Saw(pitch) + rasp * Noise(r);
        fa.BandPass(800 - 350 * k, 5);
        fb.BandPass(1200 - 400 * k, 6);
        fc.BandPass(2600, 8);
        double s = fa.Run(src) + 0.7 * fb.Run(src) + 0.3 * fc.Run(src);
        w[i] = static_cast<float>(s * Ahr(t, 0.03, len * 0.5, len * 0.5 - 0.03));
    }
    FadeEdges(w, 1, 30);
    return w;
}
Wave Scream4(Rng& r) { return Scream(r, 0.8, 260, 190, 0.25, false); }
Wave Scream1(Rng& r) { return Scream(r, 0.65, 200, 140, 0.3, false); }
Wave Scream2(Rng& r) { return Scream(r, 0.95, 300, 200, 0.35, false); }
Wave Scream3(Rng& r) { return Scream(r, 0.75, 180, 120, 0.3, true); }

Wave Ricochet(Rng& r, double len, bool upDown) {
    Wave w(Samples(len));
    MixInto(w, Clank(r, len, 2600, 0.03, 5), 0, 0.7);
    Osc o;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / len;
        double f = upDown ? 1800 + 1600 * std::sin(M_PI * k) : 3000 * std::pow(0.3, k);
        w[i] += static_cast<float>(0.5 * o.Sine(f) * Ahr(t, 0.01, len * 0.3, len * 0.7 - 0.01));
    }
    FadeEdges(w, 0.2, 20);
    return w;
}
Wave Ricochet1(Rng& r) { return Ricochet(r, 0.42, false); }
Wave Ricochet2(Rng& r) { return Ricochet(r, 0.32, true); }

Wave Bloodhit(Rng& r) {
    Wave w(Samples(0.13));
    MixInto(w, NoiseBurst(r, 0.06, 900, 0.03), 0, 1.0);
    MixInto(w, Thump(0.08, 180, 90, 0.035), 0, 0.7);
    Osc o;
    for (size_t i = Samples(0.03); i < w.size(); ++i) {
        double t = i / kRate - 0.03;
        w[i] += static_cast<float>(0.2 * o.Sine(400 + 900 * t * 10) * Decay(t, 0.02));
    }
    FadeEdges(w, 0.1, 10);
    return w;
}

Wave Bodyland(Rng& r) {
    Wave w(Samples(0.4));
    MixInto(w, Thump(0.3, 120, 60, 0.08), 0, 1.0);
    MixInto(w, NoiseBurst(r, 0.15, 1200, 0.04), 0, 0.6);
    for (int k = 0; k < 5; ++k) MixInto(w, Clank(r, 0.05, 1500 + 300 * k, 0.01, 3), Samples(0.05 + 0.03 * k), 0.15);
    w.resize(Samples(0.4));
    FadeEdges(w, 0.1, 30);
    return w;
}

Wave Breakmetal(Rng& r) {
    Wave w(Samples(0.8));
    Wave scrape(Samples(0.7));
    Biquad bp;
    for (size_t i = 0; i < scrape.size(); ++i) {
        bp.BandPass(1500 + 800 * std::sin(i / kRate * 20), 3);
        scrape[i] = static_cast<float>(bp.Run(Noise(r)) * Ahr(i / kRate, 0.01, 0.2, 0.5));
    }
    MixInto(w, scrape, 0, 0.8);
    double times[] = {0, 0.06, 0.17, 0.3, 0.45};
    for (double t : times) MixInto(w, Clank(r, 0.3, r.Range(500, 1400), 0.06), Samples(t), 1.0 - t);
    MixInto(w, Thump(0.2, 140, 70, 0.05), 0, 0.8);
    w.resize(Samples(0.8));
    FadeEdges(w, 0.1, 40);
    return w;
}

Wave Breakwood(Rng& r) {
    Wave w(Samples(0.6));
    MixInto(w, NoiseBurst(r, 0.05, 5000, 0.01), 0, 1.2);
    MixInto(w, Thump(0.12, 300, 150, 0.03), 0, 0.8);
    for (int k = 0; k < 30; ++k) {
        int at = Samples(r.Range(0.01, 0.45));
        Wave g(Samples(0.02));
        Biquad bp;
        bp.BandPass(r.Range(800, 2500), 4);
        for (size_t i = 0; i < g.size(); ++i) g[i] = static_cast<float>(bp.Run(Noise(r)) * Decay(i / kRate, 0.004));
        MixInto(w, g, at, 1.2 * Decay(at / kRate, 0.2));
    }
    w.resize(Samples(0.6));
    FadeEdges(w, 0.1, 30);
    return w;
}

Wave Breakglass(Rng& r) {
    Wave w(Samples(1.0));
    Wave burst = NoiseBurst(r, 0.2, 12000, 0.04);
    Biquad hp;
    hp.HighPass(2000, 0.7);
    for (auto& s : burst) s = static_cast<float>(hp.Run(s));
    MixInto(w, burst, 0, 1.0);
    for (int k = 0; k < 60; ++k) {
        double t = 0.02 + 0.8 * std::pow(r.Uniform(), 1.5);
        MixInto(w, Tone(0.06, r.Range(3000, 8000), 0.0005, 0.055, 0), Samples(t), 0.25 * (1.0 - t));
    }
    w.resize(Samples(1.0));
    FadeEdges(w, 0.1, 40);
    return w;
}

Wave WalkerStep(Rng& r, double pitch) {
    Wave w(Samples(0.16));
    MixInto(w, Thump(0.06, 220 * pitch, 110 * pitch, 0.025), 0, 0.8);
    Wave scuff = NoiseBurst(r, 0.12, 3000 * pitch, 0.05);
    MixInto(w, scuff, Samples(0.01), 0.5);
    MixInto(w, NoiseBurst(r, 0.01, 8000, 0.002), 0, 0.6);
    w.resize(Samples(0.16));
    FadeEdges(w, 0.1, 15);
    return w;
}
Wave WalkerStepLeft(Rng& r) { return WalkerStep(r, 1.0); }
Wave WalkerStepRight(Rng& r) { return WalkerStep(r, 1.15); }

Wave Go(Rng&) {
    Wave w(Samples(0.22));
    MixInto(w, Tone(0.09, 880, 0.003, 0.02, 1), 0, 1.0);
    MixInto(w, Tone(0.12, 1320, 0.003, 0.05, 1), Samples(0.095), 1.0);
    w.resize(Samples(0.22));
    return w;
}

Wave Kr770legs(Rng& r) {
    Wave w(Samples(0.65));
    Wave hiss = NoiseBurst(r, 0.35, 7000, 0.12);
    Biquad hp;
    hp.HighPass(2500, 0.7);
    for (auto& s : hiss) s = static_cast<float>(hp.Run(s));
    MixInto(w, hiss, 0, 0.3);
    MixInto(w, Servo(0.25, 700, 400, r), 0, 0.25);
    MixInto(w, Thump(0.4, 90, 45, 0.12), Samples(0.2), 1.3);
    MixInto(w, Clank(r, 0.3, 300, 0.06), Samples(0.2), 0.4);
    w.resize(Samples(0.65));
    FadeEdges(w, 1, 40);
    return w;
}

Wave Krroar(Rng& r) {
    Wave w(Samples(1.5));
    Osc o, ring;
    Biquad f1, f2;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / 1.5;
        double src = o.Saw(80 + 15 * std::sin(kTau * 3 * t)) + 0.2 * Noise(r);
        f1.BandPass(400 + 900 * std::sin(M_PI * k), 4);
        f2.BandPass(1400 + 600 * k, 6);
        double s = f1.Run(src) + 0.5 * f2.Run(src);
        s *= 0.6 + 0.4 * ring.Sine(55);
        w[i] = static_cast<float>(SoftClip(s * 4) * Ahr(t, 0.1, 0.9, 0.5));
    }
    FadeEdges(w, 1, 30);
    return w;
}

Wave Firemissile(Rng& r) {
    Wave w(Samples(0.8));
    MixInto(w, NoiseBurst(r, 0.06, 3000, 0.015), 0, 1.0);
    MixInto(w, Thump(0.1, 200, 100, 0.03), 0, 0.8);
    Biquad bp;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / 0.8;
        bp.BandPass(400 + 3000 * k, 1.5);
        w[i] += static_cast<float>(bp.Run(Noise(r)) * Ahr(t, 0.08, 0.3, 0.42) * 1.5);
    }
    FadeEdges(w, 0.1, 30);
    return w;
}

Wave Smoke(Rng& r) {
    Wave w = NoiseBurst(r, 0.4, 1500, 0.1);
    for (size_t i = 0; i < w.size(); ++i) w[i] *= static_cast<float>(Ahr(i / kRate, 0.015, 0, 0.385));
    FadeEdges(w, 0.5, 20);
    return w;
}

// Two-stroke engine: a pulse train at the firing rate through a resonant filter.
Wave Engine(Rng& r, double len, double rate0, double rate1, double swellAt, double cut) {
    Wave w(Samples(len));
    Osc o, sub;
    Biquad lp;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / len;
        double swell = std::exp(-std::pow((k - swellAt) / 0.25, 2));
        double rate = rate0 + (rate1 - rate0) * swell;
        double p = o.Step(rate);
        double pulse = std::exp(-p * 8) * 2 - 0.25 + 0.15 * Noise(r);
        lp.LowPass(cut * (0.6 + 0.8 * swell), 3);
        double s = lp.Run(pulse) + 0.3 * sub.Saw(rate * 0.5);
        w[i] = static_cast<float>(SoftClip(s * 1.5) * Ahr(t, 0.05, len * 0.6, len * 0.4 - 0.05));
    }
    FadeEdges(w, 1, 50);
    return w;
}
Wave Motorbike(Rng& r) { return Engine(r, 1.8, 40, 95, 0.35, 900); }
Wave Chainidle(Rng& r) { return Engine(r, 1.2, 25, 30, 0.5, 600); }

Wave Chainattack(Rng& r) {
    Wave w(Samples(0.72));
    Osc o, o2;
    Biquad bp;
    bp.BandPass(1800, 1.0);
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate, k = t / 0.72;
        double f = 130 + 30 * k;
        // The narrow pulse is centred on zero: it carries no offset.
        double s = 0.6 * (o.Square(f, 0.3) + 0.4) + 0.3 * o2.Saw(f * 2.01) + 0.5 * bp.Run(Noise(r));
        w[i] = static_cast<float>(SoftClip(s * 1.8) * Ahr(t, 0.03, 0.5, 0.19));
    }
    FadeEdges(w, 1, 20);
    return w;
}

Wave Kestmove(Rng& r) { return Servo(0.2, 600, 900, r); }

Wave Liftstartend(Rng& r) {
    Wave w(Samples(1.5));
    MixInto(w, Thump(0.4, 110, 50, 0.12), 0, 1.2);
    MixInto(w, Clank(r, 0.5, 400, 0.1), 0, 0.6);
    Osc o;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / kRate;
        double spin = std::min(1.0, t / 0.8);
        w[i] += static_cast<float>(0.35 * o.Saw(50 + 60 * spin) * Ahr(t, 0.1, 0.9, 0.5) * 0.6);
    }
    for (int k = 0; k < 14; ++k) MixInto(w, Clank(r, 0.04, 2000, 0.008, 3), Samples(0.2 + 0.07 * k), 0.2);
    w.resize(Samples(1.5));
    FadeEdges(w, 1, 60);
    return w;
}

Wave Liftloop(Rng& r) {
    const double len = 3.0, overlap = 0.3;
    Wave w(Samples(len + overlap));
    Osc a, b, c;
    Biquad lp;
    lp.LowPass(300, 0.8);
    for (size_t i = 0; i < w.size(); ++i) {
        double s = 0.5 * a.Sine(50) + 0.25 * b.Sine(100) + 0.12 * c.Saw(150) + 0.2 * lp.Run(Noise(r));
        w[i] = static_cast<float>(s);
    }
    for (int k = 0; k < 24; ++k) MixInto(w, Clank(r, 0.03, 1800, 0.006, 3), Samples(0.12 * k + 0.05), 0.06);
    // One creak per loop.
    Wave creak(Samples(0.35));
    Osc o;
    Biquad bp;
    bp.BandPass(700, 6);
    for (size_t i = 0; i < creak.size(); ++i) {
        double t = i / kRate;
        creak[i] = static_cast<float>(bp.Run(o.Saw(90 + 40 * std::sin(t * 20))) * std::sin(M_PI * t / 0.35));
    }
    MixInto(w, creak, Samples(1.2), 1.5);
    MakeLoop(w, Samples(overlap));
    return w;
}

}  // namespace

void AddSoundEffects(Generators& g) {
    auto& m = g.wavs;
    m["Data/Audio/Sfx/CompBeep.wav"] = CompBeep;
    m["Data/Audio/Sfx/CompBeepLow.wav"] = CompBeepLow;
    m["Data/Audio/Sfx/PowerUp.wav"] = PowerUp;
    m["Data/Audio/Sfx/PowerDown.wav"] = PowerDown;
    m["Data/Audio/Sfx/Keststep.wav"] = Keststep;
    m["Data/Audio/Sfx/Gunarm.wav"] = Gunarm;
    m["Data/Audio/Sfx/Gunstow.wav"] = Gunstow;
    m["Data/Audio/Sfx/Rainatmos.wav"] = Rainatmos;
    m["Data/Audio/Sfx/Energypickup.wav"] = Energypickup;
    m["Data/Audio/Sfx/Weaponpickup.wav"] = Weaponpickup;
    m["Data/Audio/Sfx/Fireberretta.wav"] = Fireberretta;
    m["Data/Audio/Sfx/Fireuzi.wav"] = Fireuzi;
    m["Data/Audio/Sfx/Kestgun.wav"] = Kestgun;
    m["Data/Audio/Sfx/Specialexplode.wav"] = Specialexplode;
    m["Data/Audio/Voice/Enemyscream4.wav"] = Scream4;
    m["Data/Audio/Voice/Enemyscream1.wav"] = Scream1;
    m["Data/Audio/Voice/Enemyscream2.wav"] = Scream2;
    m["Data/Audio/Voice/Enemyscream3.wav"] = Scream3;
    m["Data/Audio/Sfx/Ricochet.wav"] = Ricochet1;
    m["Data/Audio/Sfx/Ricochet2.wav"] = Ricochet2;
    m["Data/Audio/Sfx/Bloodhit.wav"] = Bloodhit;
    m["Data/Audio/Sfx/Bodyland.wav"] = Bodyland;
    m["Data/Audio/Sfx/Breakmetal.wav"] = Breakmetal;
    m["Data/Audio/Sfx/Breakwood.wav"] = Breakwood;
    m["Data/Audio/Sfx/Breakglass.wav"] = Breakglass;
    m["Data/Audio/Sfx/Walkerstepleft.wav"] = WalkerStepLeft;
    m["Data/Audio/Sfx/Walkerstepright.wav"] = WalkerStepRight;
    m["Data/Audio/Sfx/Go.wav"] = Go;
    m["Data/Audio/Sfx/KR770legs.wav"] = Kr770legs;
    m["Data/Audio/Voice/KRroar.wav"] = Krroar;
    m["Data/Audio/Sfx/Explosion.wav"] = Explosion;
    m["Data/Audio/Sfx/Fire770uzi.wav"] = Fire770uzi;
    m["Data/Audio/Sfx/Firemissile.wav"] = Firemissile;
    m["Data/Audio/Sfx/Smoke.wav"] = Smoke;
    m["Data/Audio/Sfx/Motorbike.wav"] = Motorbike;
    m["Data/Audio/Sfx/Chainattack.wav"] = Chainattack;
    m["Data/Audio/Sfx/Chainidle.wav"] = Chainidle;
    m["Data/Audio/Sfx/Firemagnum.wav"] = Firemagnum;
    m["Data/Audio/Sfx/Kestmove.wav"] = Kestmove;
    m["Data/Audio/Sfx/Liftstartend.wav"] = Liftstartend;
    m["Data/Audio/Sfx/Liftloop.wav"] = Liftloop;
}

}  // namespace dg
