// The music: a small synth band (drums, bass, pads, lead, bells) playing
// arrangements of the game's own themes. Loops are rendered with their tails
// wrapped round to the start so they join without a seam.
#include <algorithm>
#include <functional>

#include "finish.h"
#include "generators.h"
#include "synth.h"

namespace dg {
namespace {

using Stereo = std::vector<float>;  // interleaved L, R

double Hz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

struct Chord {
    int root;   // MIDI note of the root (bass octave 2..3)
    bool minor;
};

class Band {
public:
    Band(double bpm, double seconds, uint64_t seed) : beat_(60.0 / bpm), rng_(seed) {
        len_ = Samples(seconds + 3.0);
        buf_.assign(static_cast<size_t>(len_) * 2, 0.0f);
    }
    double Beat() const { return beat_; }

    void Kick(double b, double vel = 1.0) {
        Voice(b, 0.4, 0.0, [&](double t, double) {
            double f = 45 + 110 * std::exp(-t / 0.03);
            kickPhase_ += f / kRate;
            return std::sin(kTau * kickPhase_) * Decay(t, 0.18) * vel * 0.9;
        });
        kickPhase_ = 0;
    }
    void Snare(double b, double vel = 1.0) {
        Biquad hp;
        hp.HighPass(1200, 0.7);
        Voice(b, 0.3, 0.05, [&](double t, double) {
            double n = hp.Run(rng_.Uniform() * 2 - 1);
            return (0.7 * n * Decay(t, 0.09) + 0.4 * std::sin(kTau * 190 * t) * Decay(t, 0.05)) * vel * 0.55;
        });
    }
    void Hat(double b, double vel = 1.0, bool open = false) {
        Biquad hp;
        hp.HighPass(7500, 0.7);
        Voice(b, open ? 0.25 : 0.06, 0.25, [&](double t, double) {
            return hp.Run(rng_.Uniform() * 2 - 1) * Decay(t, open ? 0.09 : 0.018) * vel * 0.3;
        });
    }
    void Bass(double b, double beats, int midi, double vel = 1.0, double cutoff = 700) {
        Osc a, c;
        Biquad lp;
        double f = Hz(midi), dur = beats * beat_;
        int n = 0;
        Voice(b, dur + 0.1, 0.0, [&](double t, double) {
            if ((n++ & 31) == 0) lp.LowPass(cutoff * (0.4 + 1.6 * Decay(t, 0.08)), 1.2);
            double s = a.Saw(f) + 0.6 * c.Saw(f * 1.005) + 0.5 * std::sin(kTau * f * 0.5 * t);
            return lp.Run(s) * Ahr(t, 0.004, dur - 0.004, 0.08) * vel * 0.35;
        });
    }
    void Pad(double b, double beats, const std::vector<int>& notes, double vel = 1.0, double cutoff = 1400) {
        double dur = beats * beat_;
        int k = 0;
        for (int m : notes) {
            Osc o1, o2, o3;
            Biquad lp;
            lp.LowPass(cutoff, 0.8);
            double f = Hz(m), pan = (k % 2 ? 0.35 : -0.35);
            Voice(b, dur + 0.8, pan, [&](double t, double) {
                double s = o1.Saw(f * 0.996) + o2.Saw(f * 1.004) + 0.5 * o3.Saw(f * 2.002);
                return lp.Run(s) * Ahr(t, 0.35, std::max(0.0, dur - 0.35), 0.8) * vel * 0.06;
            });
            ++k;
        }
    }
    void Lead(double b, double beats, int midi, double vel = 1.0, double pan = 0.1) {
        Osc o, o2, vib;
        Biquad lp;
        double f = Hz(midi), dur = beats * beat_;
        int n = 0;
        Voice(b, dur + 0.25, pan, [&](double t, double) {
            double v = 1 + 0.006 * std::sin(kTau * vib.Step(5.5)) * std::min(1.0, t / 0.3);
            if ((n++ & 31) == 0) lp.LowPass(2400 + 1500 * Decay(t, 0.1), 1.0);
            double s = 0.6 * o.Square(f * v, 0.35) + 0.4 * o2.Saw(f * v * 1.003);
            return lp.Run(s) * Ahr(t, 0.01, std::max(0.0, dur - 0.05), 0.2) * vel * 0.16;
        });
    }
    void Pluck(double b, int midi, double vel = 1.0, double pan = -0.2) {
        Osc o;
        Biquad lp;
        double f = Hz(midi);
        int n = 0;
        Voice(b, 0.4, pan, [&](double t, double) {
            if ((n++ & 31) == 0) lp.LowPass(600 + 4000 * Decay(t, 0.05), 1.5);
            return lp.Run(o.Saw(f)) * Decay(t, 0.12) * vel * 0.16;
        });
    }
    void Bell(double b, int midi, double vel = 1.0, double pan = 0.25) {
        double f = Hz(midi);
        Voice(b, 2.5, pan, [&](double t, double) {
            double idx = 2.5 * Decay(t, 0.4);
            return std::sin(kTau * f * t + idx * std::sin(kTau * f * 3.5 * t)) * Decay(t, 0.8) * vel * 0.18;
        });
    }
    void Boom(double b, double vel = 1.0) {
        Biquad lp;
        lp.LowPass(200, 0.7);
        Voice(b, 3.0, 0.0, [&](double t, double) {
            double s = std::sin(kTau * (35 + 40 * std::exp(-t / 0.1)) * t) + 2.0 * lp.Run(rng_.Uniform() * 2 - 1);
            return s * Decay(t, 0.8) * vel * 0.6;
        });
    }

    // Finishes a one-shot piece of `seconds`, ending with a short fade, at a
    // gain of `gainDb`.
    Stereo OneShot(double seconds, double fadeMs, double gainDb) {
        Stereo out(buf_.begin(), buf_.begin() + static_cast<size_t>(Samples(seconds)) * 2);
        size_t frames = out.size() / 2, fade = static_cast<size_t>(Samples(fadeMs / 1000.0));
        for (size_t i = 0; i < fade && i < frames; ++i) {
            float g = static_cast<float>(i) / fade;
            out[(frames - 1 - i) * 2] *= g;
            out[(frames - 1 - i) * 2 + 1] *= g;
        }
        FinishMusic(out, gainDb, false);
        return out;
    }
    // Finishes a loop of `seconds`: what rings on past the end is added to the start.
    Stereo Loop(double seconds, double gainDb) {
        size_t frames = static_cast<size_t>(Samples(seconds));
        Stereo out(buf_.begin(), buf_.begin() + frames * 2);
        for (size_t i = frames * 2; i < buf_.size(); ++i) out[i % (frames * 2)] += buf_[i];
        FinishMusic(out, gainDb, true);
        return out;
    }

private:
    template <typename F>
    void Voice(double b, double seconds, double pan, F f) {
        int start = Samples(b * beat_);
        int n = Samples(seconds);
        double gl = std::sqrt(0.5 * (1 - pan)), gr = std::sqrt(0.5 * (1 + pan));
        for (int i = 0; i < n && start + i < len_; ++i) {
            double s = f(i / kRate, 0.0);
            buf_[static_cast<size_t>(start + i) * 2] += static_cast<float>(s * gl);
            buf_[static_cast<size_t>(start + i) * 2 + 1] += static_cast<float>(s * gr);
        }
    }
    double beat_;
    Rng rng_;
    int len_;
    Stereo buf_;
    double kickPhase_ = 0;
};

std::vector<int> Triad(const Chord& c, int octaveUp = 24) {
    int r = c.root + octaveUp;
    return {r, r + (c.minor ? 3 : 4), r + 7};
}

// The main motif of the game, in scale steps over A minor (MIDI offsets from A).
struct Note {
    double at, len;
    int midi;
};
const std::vector<Note> kMotif = {{0, 1.5, 69}, {1.5, 0.5, 72}, {2, 1, 71}, {3, 1, 67},  {4, 2, 69}, {6, 1, 64},
                                  {7, 1, 67},   {8, 1.5, 65},   {9.5, 0.5, 64}, {10, 1, 62}, {11, 1, 64}, {12, 4, 57}};

void Drums(Band& b, double bar, int style, bool fill) {
    double o = bar * 4;
    if (style == 0) {  // four on the floor, hats on the off beats
        for (int k = 0; k < 4; ++k) b.Kick(o + k);
        b.Snare(o + 1);
        b.Snare(o + 3);
        for (int k = 0; k < 8; ++k) b.Hat(o + k * 0.5, k % 2 ? 1.0 : 0.5, k == 7);
    } else if (style == 1) {  // broken beat
        b.Kick(o);
        b.Kick(o + 1.5);
        b.Kick(o + 2.75, 0.7);
        b.Snare(o + 1);
        b.Snare(o + 3);
        for (int k = 0; k < 16; ++k) b.Hat(o + k * 0.25, k % 4 == 2 ? 0.9 : 0.35);
    } else if (style == 2) {  // slow half-time
        b.Kick(o);
        b.Kick(o + 2.5, 0.8);
        b.Snare(o + 2);
        for (int k = 0; k < 8; ++k) b.Hat(o + k * 0.5, k % 2 ? 0.7 : 0.4);
    }
    if (fill) {
        for (int k = 0; k < 4; ++k) b.Snare(o + 3 + k * 0.25, 0.5 + 0.15 * k);
    }
}

void BassLine(Band& b, double bar, const Chord& c, int pattern, double vel = 1.0) {
    double o = bar * 4;
    if (pattern == 0) {
        for (int k = 0; k < 8; ++k) b.Bass(o + k * 0.5, 0.45, c.root + (k == 3 || k == 7 ? 12 : 0), vel);
    } else if (pattern == 1) {
        b.Bass(o, 1.5, c.root, vel);
        b.Bass(o + 1.5, 0.5, c.root + 12, vel * 0.8);
        b.Bass(o + 2, 1.5, c.root, vel);
        b.Bass(o + 3.5, 0.5, c.root + 7, vel * 0.8);
    } else {
        b.Bass(o, 4, c.root, vel, 400);
    }
}

void Arp(Band& b, double bar, const Chord& c, double vel) {
    auto t = Triad(c, 36);
    int seq[8] = {0, 1, 2, 1, 0, 2, 1, 2};
    for (int k = 0; k < 8; ++k) b.Pluck(bar * 4 + k * 0.5, t[seq[k]] + (k >= 4 ? 12 : 0), vel, k % 2 ? 0.3 : -0.3);
}

void Motif(Band& b, double bar, int transpose, double vel, bool bell) {
    for (const Note& n : kMotif) {
        if (bell) b.Bell(bar * 4 + n.at, n.midi + transpose, vel);
        else b.Lead(bar * 4 + n.at, n.len * 0.95, n.midi + transpose, vel);
    }
}

// --------------------------------------------------------------- pieces

// Each piece's gain, set so it is heard at the music's level; an intro shares
// its long part's gain, so the two meet at one level. The stage tracks sit
// 2 dB under the front end's pieces: under the fight, below the hero's gun.
constexpr double kTrack1Gain = -13.6;
constexpr double kTrack2Gain = -12.9;
constexpr double kTitleGain = -6.7;
constexpr double kCreditsGain = -3.6;  // played at 0.9
constexpr double kEndGain = -3.4;
const std::vector<Chord> kActionA = {{45, true}, {41, false}, {43, false}, {45, true}};  // Am F G Am
const std::vector<Chord> kActionB = {{38, true}, {46, false}, {48, false}, {45, true}};  // Dm Bb C Am

// Stage track 1, 133.33 bpm: a 7-bar build-up, then a 32-bar loop.
void Track1Bars(Band& b, int bar0, int bars, bool intro) {
    for (int i = 0; i < bars; ++i) {
        int bar = bar0 + i;
        const Chord& c = kActionA[i % 4];
        if (intro) {
            if (i >= 2) Drums(b, bar, 0, i == 6);
            else b.Kick(bar * 4), b.Kick(bar * 4 + 2);
            Arp(b, bar, c, 0.5 + 0.08 * i);
            if (i >= 4) BassLine(b, bar, c, 0, 0.8);
            b.Pad(bar * 4, 4, Triad(c), 0.7);
        } else {
            int section = i / 8;
            Drums(b, bar, section == 2 ? 1 : 0, i % 8 == 7);
            BassLine(b, bar, c, section == 2 ? 1 : 0);
            b.Pad(bar * 4, 4, Triad(c), section == 2 ? 1.0 : 0.6);
            if (section != 2) Arp(b, bar, c, 0.7);
            if ((section == 1 || section == 3) && i % 4 == 0) Motif(b, bar, 0, 1.0, false);
            if (section == 2 && i % 4 == 0) Motif(b, bar, 12, 0.8, true);
        }
    }
}

Stereo Track1Intro() {
    Band b(133.333333, 12.6, 11);
    Track1Bars(b, 0, 7, true);
    b.Kick(28);  // the downbeat the long part takes over
    return b.OneShot(12.6, 8, kTrack1Gain);
}
Stereo Track1Loop() {
    Band b(133.333333, 57.6, 12);
    Track1Bars(b, 0, 32, false);
    return b.Loop(57.6, kTrack1Gain);
}

// Stage track 2, 127.36 bpm: a 16-bar build, then a 32-bar loop.
void Track2Bars(Band& b, int bar0, int bars, bool intro) {
    for (int i = 0; i < bars; ++i) {
        int bar = bar0 + i;
        const Chord& c = kActionB[i % 4];
        if (intro) {
            b.Pad(bar * 4, 4, Triad(c), 0.5 + 0.03 * i);
            if (i >= 4) BassLine(b, bar, c, 1, 0.6 + 0.02 * i);
            if (i >= 8) Drums(b, bar, 2, false);
            if (i >= 12) Arp(b, bar, c, 0.6);
            if (i == 15) Drums(b, bar, 1, true);
        } else {
            int section = i / 8;
            Drums(b, bar, section % 2 ? 0 : 1, i % 8 == 7);
            BassLine(b, bar, c, section % 2 ? 0 : 1);
            b.Pad(bar * 4, 4, Triad(c), 0.7);
            Arp(b, bar, c, 0.55);
            if (section >= 1 && i % 4 == 0) Motif(b, bar, -7, 0.9, section == 3);
        }
    }
}

Stereo Track2Intro() {
    Band b(127.36, 30.15, 21);
    Track2Bars(b, 0, 16, true);
    b.Kick(64);
    return b.OneShot(30.15, 8, kTrack2Gain);
}
Stereo Track2Loop() {
    Band b(127.36, 60.3, 22);
    Track2Bars(b, 0, 32, false);
    return b.Loop(60.3, kTrack2Gain);
}

// Title: brooding, 100 bpm, 24 bars.
Stereo Title() {
    Band b(100, 57.6, 31);
    const std::vector<Chord> prog = {{40, true}, {36, false}, {38, false}, {35, true}};  // Em C D Bm
    for (int i = 0; i < 24; ++i) {
        const Chord& c = prog[i % 4];
        b.Pad(i * 4, 4, Triad(c), 0.9, 1000);
        BassLine(b, i, c, 2, 0.8);
        if (i >= 4) Drums(b, i, 2, i % 8 == 7);
        if (i >= 8 && i % 4 == 0) Motif(b, i, -5, 0.8, false);
        if (i >= 16) Arp(b, i, c, 0.4);
    }
    return b.Loop(57.6, kTitleGain);
}

// Credits and story: slow, bells over strings, 80 bpm, 20 bars.
Stereo Credits() {
    Band b(80, 60.0, 41);
    const std::vector<Chord> prog = {{41, false}, {36, false}, {38, true}, {46, false}};  // F C Dm Bb
    for (int i = 0; i < 20; ++i) {
        const Chord& c = prog[i % 4];
        b.Pad(i * 4, 4, Triad(c), 1.0, 900);
        b.Bass(i * 4, 4, c.root, 0.6, 300);
        auto t = Triad(c, 36);
        for (int k = 0; k < 4; ++k) b.Bell(i * 4 + k, t[k % 3] + (k == 3 ? 12 : 0), 0.35, k % 2 ? 0.4 : -0.4);
        if (i >= 4 && i % 4 == 0) Motif(b, i, -4, 0.7, true);
    }
    return b.Loop(60.0, kCreditsGain);
}

// The end music: a slow descending line over a low pad, a final low hit.
Stereo End() {
    Band b(70, 15.0, 51);
    const std::vector<Chord> prog = {{45, true}, {41, false}, {38, true}, {40, false}};
    const int line[8] = {76, 74, 72, 71, 69, 67, 65, 64};
    for (int i = 0; i < 4; ++i) {
        b.Pad(i * 4, i == 3 ? 2 : 4, Triad(prog[i]), 0.9, 800);
        b.Bass(i * 4, i == 3 ? 2 : 4, prog[i].root, 0.6, 300);
        if (i < 3) {
            b.Lead(i * 4, 1.9, line[i * 2], 0.7);
            b.Lead(i * 4 + 2, 1.9, line[i * 2 + 1], 0.7);
        }
    }
    b.Boom(13);
    b.Bell(13, 45, 0.6);
    return b.OneShot(15.0, 300, kEndGain);
}

}  // namespace

void AddMusic(Generators& g) {
    g.oggs["Data/Audio/Music/end.ogg"] = End;
    g.oggs["Data/Audio/Music/Title.ogg"] = Title;
    g.oggs["Data/Audio/Music/Credits.ogg"] = Credits;
    g.oggs["Data/Audio/Music/track1_s.ogg"] = Track1Intro;
    g.oggs["Data/Audio/Music/track1_l.ogg"] = Track1Loop;
    g.oggs["Data/Audio/Music/track2_s.ogg"] = Track2Intro;
    g.oggs["Data/Audio/Music/track2_l.ogg"] = Track2Loop;
}

}  // namespace dg
