// How the busy mix sounds, section by section: the hero walks right with
// fire held for P passes while the headless runner records what the mixer
// plays (--audio). Each section is run three times on the same play (sound
// never steers play, and the final states must agree): with the whole Data
// folder, with the voice lines silenced (the rest of the mix) and with
// nothing but the voice lines. Prints per section:
//   hot      share of 50 ms windows whose peak reaches -1 dBFS (the output
//            limiter's ceiling lies just above)
//   flat     longest run of one sample value at or above half scale, on
//            either side (a squashed or clipped peak)
//   speech, cry
//            how loud the quietest spoken line and the quietest cry of the
//            hero are against the rest of the mix over the same span, in dB
//            (the data's loudness meter), with the number of lines heard
//   loudness the whole mix, and its loudest 3 s, in the data's loudness
//            scale (dB of the power on both speakers, ear-weighted)
//
//   mix_headroom_bench [--passes P] [--data DIR] [--out DIR] [--lines] [section...]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <vector>

#include "loudness.h"
#include "media_internal.h"
#include "tool_options.h"

namespace {

namespace fs = std::filesystem;

const char* const Usage =
    "usage: mix_headroom_bench [--passes P] [--data DIR] [--out DIR] [--lines] [section...]\n"
    "  --passes P   passes of each run (default 3000)\n"
    "  --data DIR   the Data folder to measure (default: this build's)\n"
    "  --lines      also print every voice line: where, how long, how loud\n"
    "  --out DIR    where the Data variants, recordings and runner output go\n"
    "               (default: mix_headroom in the working directory)\n"
    "  section      1..11, 16, 21 (default: all thirteen)\n";

constexpr int32_t Rate = 44100;
constexpr int32_t HalfScale = 16384;
const int32_t HotLevel = static_cast<int32_t>(std::ceil(32768.0 * std::pow(10.0, -1.0 / 20.0)));  // -1 dBFS

// The hero's lines: the spoken ones and his cry (line 8).
bool IsVoiceLine(const std::string& rel) {
    static const char* const lines[] = {"BeTrouble", "ComeWithMe", "DeadAlive",    "DropIt",  "Thankyou",
                                        "StoneHarbor", "YourMove", "RemainSilent", "KestArgh"};
    for (const char* l : lines)
        if (rel == std::string("Audio/Voice/") + l + ".wav") return true;
    return false;
}

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The WAV file with every sample of its data chunk set to zero: the same
// length, so every channel stays busy exactly as long.
std::string Silenced(std::string wav) {
    size_t at = 12;
    while (at + 8 <= wav.size()) {
        const auto* b = reinterpret_cast<const unsigned char*>(wav.data() + at + 4);
        const size_t size = b[0] | b[1] << 8 | b[2] << 16 | static_cast<size_t>(b[3]) << 24;
        if (wav.compare(at, 4, "data") == 0) {
            std::fill(wav.begin() + static_cast<std::ptrdiff_t>(at + 8),
                      wav.begin() + static_cast<std::ptrdiff_t>(std::min(wav.size(), at + 8 + size)), '\0');
            break;
        }
        at += 8 + size + (size & 1);
    }
    return wav;
}

// A copy of the Data folder (links to its files) in which the sounds that
// `keep` refuses are silent. A silent Ogg becomes the silenced rain loop (the
// game tells a sound's kind by its first bytes).
bool MakeVariant(const fs::path& data, const fs::path& to, bool (*keep)(const std::string&)) {
    std::error_code ec;
    fs::remove_all(to.parent_path(), ec);
    const std::string silentOgg = Silenced(ReadBytes(data / "Audio/Sfx/Rainatmos.wav"));
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(data)) {
        if (!e.is_regular_file()) continue;
        const std::string rel = e.path().lexically_relative(data).generic_string();
        const fs::path target = to / rel;
        fs::create_directories(target.parent_path());
        const std::string ext = e.path().extension().string();
        if ((ext == ".wav" || ext == ".ogg") && !keep(rel)) {
            std::ofstream(target, std::ios::binary) << (ext == ".wav" ? Silenced(ReadBytes(e.path())) : silentOgg);
        } else {
            fs::create_symlink(fs::absolute(e.path()), target, ec);
            if (ec && !fs::copy_file(e.path(), target, ec)) return false;
        }
    }
    return true;
}

bool KeepAll(const std::string&) { return true; }
bool KeepAllButVoices(const std::string& rel) { return !IsVoiceLine(rel); }
bool KeepVoicesOnly(const std::string& rel) { return IsVoiceLine(rel); }

struct Recording {
    std::vector<float> mix;  // interleaved L, R, full scale 1
    std::string finalState;  // the runner's last line
};

bool Record(const fs::path& data, int32_t stage, int64_t passes, const fs::path& input, const fs::path& base,
            Recording* out) {
    const fs::path wav = base.string() + ".wav", json = base.string() + ".json";
    const std::string cmd = std::string("\"") + RUNNER_EXE + "\" --data \"" + data.string() + "\" --stage " +
                            std::to_string(stage) + " --passes " + std::to_string(passes) + " --input \"" +
                            input.string() + "\" --audio \"" + wav.string() + "\" > \"" + json.string() + "\"";
    if (std::system(cmd.c_str()) != 0) {
        std::fprintf(stderr, "mix_headroom_bench: the runner failed: %s\n", cmd.c_str());
        return false;
    }
    media::Sound s;
    if (!media::DecodeWav(wav.string(), s, nullptr) || s.channels != 2) return false;
    out->mix.resize(s.samples.size());
    std::transform(s.samples.begin(), s.samples.end(), out->mix.begin(), [](int16_t v) { return v / 32768.0f; });
    std::istringstream lines(ReadBytes(json));
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) out->finalState = line;
    return true;
}

// The mix's loudness on the data's scale: the meter takes a stereo file's
// sides at half power each (as the mixer pans a stereo sound to the centre),
// while the recording is what the two speakers play.
double SpeakerLoudness(const std::vector<float>& stereo, size_t firstFrame, size_t frames) {
    const std::vector<float> part(stereo.begin() + static_cast<std::ptrdiff_t>(2 * firstFrame),
                                  stereo.begin() + static_cast<std::ptrdiff_t>(2 * (firstFrame + frames)));
    return dg::LongLoudness(part, 2, 1.0) + 10.0 * std::log10(2.0);
}

struct Figures {
    double hotShare = 0;
    int32_t flat = 0;
    double speech = 1e9, cry = 1e9;  // quietest line against the rest, dB
    int32_t speechLines = 0, cries = 0;
    double loudness = 0, loudest3s = -1e9;
};

bool gLines = false;  // --lines: every line's figures

Figures Measure(const Recording& whole, const Recording& rest, const Recording& voices) {
    Figures f;
    const std::vector<float>& m = whole.mix;
    const size_t frames = m.size() / 2, window = Rate / 20;
    int32_t hot = 0, windows = 0;
    for (size_t w = 0; w + window <= frames; w += window, ++windows) {
        float peak = 0;
        for (size_t i = 2 * w; i < 2 * (w + window); ++i) peak = std::max(peak, std::fabs(m[i]));
        hot += peak * 32768.0f >= static_cast<float>(HotLevel);
    }
    f.hotShare = windows ? static_cast<double>(hot) / windows : 0.0;
    for (int side = 0; side < 2; ++side) {
        int32_t run = 1;
        for (size_t i = 1; i < frames; ++i) {
            const float v = m[2 * i + side];
            run = (v == m[2 * (i - 1) + side] && std::fabs(v) * 32768.0f >= HalfScale) ? run + 1 : 1;
            f.flat = std::max(f.flat, run);
        }
    }
    f.loudness = SpeakerLoudness(m, 0, frames);
    for (size_t w = 0; w + 3 * Rate <= frames; w += Rate / 2)
        f.loudest3s = std::max(f.loudest3s, SpeakerLoudness(m, w, 3 * Rate));

    // The lines: where the voices-only mix sounds, gaps under 150 ms bridged.
    const std::vector<float>& v = voices.mix;
    const size_t n = std::min({frames, v.size() / 2, rest.mix.size() / 2});
    const size_t gap = Rate * 15 / 100;
    size_t i = 0;
    while (i < n) {
        if (v[2 * i] == 0 && v[2 * i + 1] == 0) {
            ++i;
            continue;
        }
        size_t end = i, quiet = 0;
        for (size_t k = i; k < n && quiet < gap; ++k) {
            const bool sounds = v[2 * k] != 0 || v[2 * k + 1] != 0;
            quiet = sounds ? 0 : quiet + 1;
            if (sounds) end = k + 1;
        }
        const size_t length = end - i;
        if (length >= static_cast<size_t>(Rate / 10)) {
            const double voice = SpeakerLoudness(v, i, length), others = SpeakerLoudness(rest.mix, i, length);
            const double against = voice - others;
            if (gLines)
                std::printf("         line at %6.2f s, %4.2f s long: voice %6.1f, the rest %6.1f\n",
                            static_cast<double>(i) / Rate, static_cast<double>(length) / Rate, voice, others);
            // The cry lasts 0.42 s (0.6 s in slow motion), a spoken line a second or more.
            if (length < static_cast<size_t>(Rate * 3 / 4)) {
                f.cry = std::min(f.cry, against);
                ++f.cries;
            } else {
                f.speech = std::min(f.speech, against);
                ++f.speechLines;
            }
        }
        i = end;
    }
    return f;
}

std::string Db(double v, int32_t count) {
    if (count == 0) return "    -";
    char text[32];
    std::snprintf(text, sizeof text, "%+5.1f", v);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    int64_t passes = 3000;
    fs::path out = "mix_headroom";
    fs::path data = MIX_BENCH_DATA_DIR;
    std::vector<int32_t> stages;
    ArgReader args(argc, argv, "mix_headroom_bench", Usage);
    while (args.Next()) {
        if (args.Arg() == "--passes") passes = args.Number(1, 1000000);
        else if (args.Arg() == "--lines") gLines = true;
        else if (args.Arg() == "--data") data = args.Value();
        else if (args.Arg() == "--out") out = args.Value();
        else if (args.Positional()) stages.push_back(SectionIn(args, args.Arg()));
        else args.Unknown();
    }
    if (stages.empty()) stages = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 21};

    out = fs::absolute(out);
    data = fs::absolute(data);
    const struct {
        const char* name;
        bool (*keep)(const std::string&);
    } variants[] = {{"whole", KeepAll}, {"rest", KeepAllButVoices}, {"voices", KeepVoicesOnly}};
    for (const auto& variant : variants) {
        if (variant.keep != KeepAll && !MakeVariant(data, out / variant.name / "Data", variant.keep)) {
            std::fprintf(stderr, "mix_headroom_bench: cannot make %s\n", (out / variant.name).string().c_str());
            return 1;
        }
    }
    const fs::path input = out / "walk_fire.txt";
    std::ofstream(input) << "1 key down 39\n1 key down 90\n";

    std::printf("the hero walks right with fire held, %lld passes; dB on the data's loudness scale\n",
                static_cast<long long>(passes));
    std::printf("section  hot %%  flat  speech  cry  lines  loudness  loudest 3 s  play\n");
    Figures worst;
    worst.loudness = worst.loudest3s = 1e9;
    for (int32_t stage : stages) {
        // The three runs side by side.
        Recording runs[3];
        std::future<bool> done[3];
        for (int k = 0; k < 3; ++k) {
            const fs::path dataDir = k == 0 ? data : out / variants[k].name / "Data";
            const fs::path base = out / ("section" + std::to_string(stage) + "_" + variants[k].name);
            done[k] = std::async(std::launch::async, Record, dataDir, stage, passes, input, base, &runs[k]);
        }
        if (!(done[0].get() & done[1].get() & done[2].get())) return 1;
        const bool samePlay = runs[0].finalState == runs[1].finalState && runs[0].finalState == runs[2].finalState;
        const Figures f = Measure(runs[0], runs[1], runs[2]);
        std::printf("%7d  %5.1f  %4d  %s  %s  %2d+%-2d  %8.1f  %11.1f  %s\n", stage, 100.0 * f.hotShare, f.flat,
                    Db(f.speech, f.speechLines).c_str(), Db(f.cry, f.cries).c_str(), f.speechLines, f.cries,
                    f.loudness, f.loudest3s, samePlay ? "same" : "DIFFERS");
        std::fflush(stdout);
        worst.hotShare = std::max(worst.hotShare, f.hotShare);
        worst.flat = std::max(worst.flat, f.flat);
        worst.speech = std::min(worst.speech, f.speech);
        worst.cry = std::min(worst.cry, f.cry);
        worst.speechLines += f.speechLines;
        worst.cries += f.cries;
        worst.loudness = std::min(worst.loudness, f.loudness);
        worst.loudest3s = std::min(worst.loudest3s, f.loudest3s);
    }
    std::printf("  worst  %5.1f  %4d  %s  %s  %2d+%-2d  %8.1f  %11.1f\n", 100.0 * worst.hotShare, worst.flat,
                Db(worst.speech, worst.speechLines).c_str(), Db(worst.cry, worst.cries).c_str(), worst.speechLines,
                worst.cries, worst.loudness, worst.loudest3s);
    return 0;
}
