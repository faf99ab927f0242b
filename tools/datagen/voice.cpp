// The hero's voice lines and the machine's announcement: a speech
// synthesiser (espeak-ng) read flat and then processed to sound robotic.
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>
#include <string>

#include "generators.h"
#include "synth.h"

namespace dg {
namespace {

std::mutex gSpeechLock;  // the synthesiser keeps global state
bool gSpeechReady = false;
bool gSpeechFailed = false;
std::vector<short>* gSink = nullptr;
int gSpeechRate = 22050;

int Collect(short* wav, int n, espeak_EVENT*) {
    if (wav && gSink) gSink->insert(gSink->end(), wav, wav + n);
    return 0;
}

// Speaks `text` flat at `wpm`; returns samples at 44100 Hz with the silence
// at both ends cut away.
Wave Speak(const std::string& text, int wpm, int pitch) {
    if (!gSpeechReady && !gSpeechFailed) {
        int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0) {
            gSpeechFailed = true;
        } else {
            gSpeechRate = rate;
            espeak_SetSynthCallback(Collect);
            espeak_SetVoiceByName("en-us");
            gSpeechReady = true;
        }
    }
    std::vector<short> pcm;
    if (gSpeechReady) {
        espeak_SetParameter(espeakRATE, wpm, 0);
        espeak_SetParameter(espeakPITCH, pitch, 0);
        espeak_SetParameter(espeakRANGE, 0, 0);  // monotone
        espeak_SetParameter(espeakVOLUME, 100, 0);
        gSink = &pcm;
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO, nullptr, nullptr);
        espeak_Synchronize();
        gSink = nullptr;
    }
    Wave w;
    if (pcm.empty()) {
        // No synthesiser data: a buzzing stand-in of about the right length.
        double len = 0.08 * text.size();
        w.resize(Samples(len));
        Osc o;
        for (size_t i = 0; i < w.size(); ++i)
            w[i] = static_cast<float>(o.Saw(110) * 0.3 * (0.5 + 0.5 * std::sin(i / kRate * 25)));
        return w;
    }
    Wave in(pcm.size());
    for (size_t i = 0; i < pcm.size(); ++i) in[i] = pcm[i] / 32768.0f;
    w = Resample(in, 44100.0 / gSpeechRate);
    size_t a = 0, b = w.size();
    while (a < b && std::fabs(w[a]) < 0.01f) ++a;
    while (b > a && std::fabs(w[b - 1]) < 0.01f) --b;
    return Wave(w.begin() + a, w.begin() + b);
}

// Speaks at the slowest rate that still fits in `maxLen` seconds.
Wave FitSpeech(const std::string& text, double maxLen, int pitch, int wpm) {
    Wave w = Speak(text, wpm, pitch);
    while (w.size() > static_cast<size_t>(Samples(maxLen)) && wpm < 400) {
        wpm += 20;
        w = Speak(text, wpm, pitch);
    }
    return w;
}

// The synthesiser carries state from one phrase to the next, so every phrase
// is spoken once, in this fixed order, whatever order the lines are asked in.
struct Request {
    const char* text;
    double maxLen;
    int pitch, wpm;
};
const Request kRequests[] = {
    {"Citizen. Do not be trouble.", 1.55, 38, 150},
    {"Come along quietly.", 1.55, 38, 150},
    {"Your condition is irrelevant. Arrest proceeds.", 1.95, 38, 150},
    {"Drop the weapon. Now.", 1.15, 38, 150},
    {"Thank you. Area secure.", 1.35, 38, 150},
    {"Stone Harbor police. Stand down.", 1.75, 38, 150},
    {"Next suspect. Decide.", 1.35, 38, 150},
    {"Silence noted. Case filed.", 1.35, 38, 150},
    {"Primary target down.", 1.2, 38, 140},
    {"The city is quiet.", 1.0, 38, 140},
    {"For tonight.", 0.7, 38, 140},
    {"Warning. Enforcement unit active. Hostiles in sector.", 2.55, 10, 170},
};

Wave SpeakWithin(const std::string& text, double, int, int = 150) {
    static std::vector<Wave> spoken;
    std::lock_guard<std::mutex> lock(gSpeechLock);
    if (spoken.empty())
        for (const Request& r : kRequests) spoken.push_back(FitSpeech(r.text, r.maxLen, r.pitch, r.wpm));
    for (size_t i = 0; i < spoken.size(); ++i)
        if (text == kRequests[i].text) return spoken[i];
    return FitSpeech(text, 1.5, 38, 150);
}

// The robot chain: ring modulation, a metallic comb, a slight bit crush and
// a band limit.
Wave Robot(const Wave& in, double ringHz, double comb, double crushBits, double drive) {
    Wave w(in.size() + Samples(0.06));
    Osc ring;
    int d = Samples(comb);
    std::vector<double> delay(std::max(d, 1), 0.0);
    size_t di = 0;
    Biquad hp, lp;
    hp.HighPass(180, 0.7);
    lp.LowPass(5500, 0.7);
    double levels = std::pow(2.0, crushBits);
    for (size_t i = 0; i < w.size(); ++i) {
        double x = i < in.size() ? in[i] : 0.0;
        double m = x * (0.45 + 0.55 * ring.Sine(ringHz));
        double y = m + 0.55 * delay[di];
        delay[di] = y;
        di = (di + 1) % delay.size();
        y = std::round(y * levels) / levels;
        y = SoftClip(y * drive) / SoftClip(drive);
        w[i] = static_cast<float>(lp.Run(hp.Run(y)));
    }
    FadeEdges(w, 2, 20);
    return w;
}

Wave Line(const std::string& text, double maxLen) { return Robot(SpeakWithin(text, maxLen - 0.05, 38), 45, 0.004, 7, 1.5); }

Wave BeTrouble(Rng&) { return Line("Citizen. Do not be trouble.", 1.6); }
Wave ComeWithMe(Rng&) { return Line("Come along quietly.", 1.6); }
Wave DeadAlive(Rng&) { return Line("Your condition is irrelevant. Arrest proceeds.", 2.0); }
Wave DropIt(Rng&) { return Line("Drop the weapon. Now.", 1.2); }
Wave Thankyou(Rng&) { return Line("Thank you. Area secure.", 1.4); }
Wave StoneHarbor(Rng&) { return Line("Stone Harbor police. Stand down.", 1.8); }
Wave YourMove(Rng&) { return Line("Next suspect. Decide.", 1.4); }
Wave RemainSilent(Rng&) { return Line("Silence noted. Case filed.", 1.4); }

Wave KestArgh(Rng& r) {
    // A pained grunt: voiced buzz through "uh" formants, pitch dropping.
    Wave g(Samples(0.36));
    Osc o;
    Biquad f1, f2;
    f1.BandPass(600, 5);
    f2.BandPass(1100, 6);
    for (size_t i = 0; i < g.size(); ++i) {
        double t = i / kRate, k = t / 0.36;
        double src = o.Saw(150 - 60 * k) + 0.2 * (r.Uniform() * 2 - 1);
        g[i] = static_cast<float>((f1.Run(src) + 0.6 * f2.Run(src)) * Ahr(t, 0.015, 0.15, 0.195));
    }
    Wave w = Robot(g, 40, 0.005, 6, 2.0);
    w.resize(Samples(0.42));
    FadeEdges(w, 1, 20);
    return w;
}

Wave Prime(Rng&) {
    // Three phrases timed to the talking mouth of the end scene.
    Wave w(Samples(5.0));
    const char* lines[3] = {"Primary target down.", "The city is quiet.", "For tonight."};
    const double at[3] = {0.05, 2.05, 4.05}, len[3] = {1.2, 1.0, 0.7};
    for (int k = 0; k < 3; ++k) MixInto(w, Robot(SpeakWithin(lines[k], len[k], 38, 140), 45, 0.004, 7, 1.5), Samples(at[k]), 1.0);
    w.resize(Samples(5.0));
    FadeEdges(w, 1, 30);
    return w;
}

Wave Kr20sec(Rng&) {
    Wave v = SpeakWithin("Warning. Enforcement unit active. Hostiles in sector.", 2.55, 10, 170);
    Wave low = Resample(v, 1.08);  // deeper
    return Robot(low, 70, 0.009, 5, 5.0);
}

}  // namespace

void ShutdownSpeech() {
    std::lock_guard<std::mutex> lock(gSpeechLock);
    if (gSpeechReady) espeak_Terminate();
    gSpeechReady = false;
}

void AddVoices(Generators& g) {
    auto& m = g.wavs;
    m["Data/Audio/Voice/BeTrouble.wav"] = BeTrouble;
    m["Data/Audio/Voice/ComeWithMe.wav"] = ComeWithMe;
    m["Data/Audio/Voice/DeadAlive.wav"] = DeadAlive;
    m["Data/Audio/Voice/DropIt.wav"] = DropIt;
    m["Data/Audio/Voice/Thankyou.wav"] = Thankyou;
    m["Data/Audio/Voice/StoneHarbor.wav"] = StoneHarbor;
    m["Data/Audio/Voice/YourMove.wav"] = YourMove;
    m["Data/Audio/Voice/RemainSilent.wav"] = RemainSilent;
    m["Data/Audio/Voice/KestArgh.wav"] = KestArgh;
    m["Data/Audio/Voice/prime.wav"] = Prime;
    m["Data/Audio/Voice/KR20sec.wav"] = Kr20sec;
}

}  // namespace dg
