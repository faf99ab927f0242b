// The software mixer on the headless backend: channel lifetimes on the
// virtual clock, the rendered mix (pan, rate, loop seam, cue), and the
// decoders' handling of good and broken files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "headless.h"
#include "media_internal.h"

namespace {

namespace fs = std::filesystem;

void Put(std::string& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A RIFF WAVE file's bytes; `extra` is a chunk placed before "fmt ".
std::string WavBytes(int rate, int channels, int bits, const std::vector<int16_t>& samples,
                     const std::string& extra = "") {
    std::string data;
    for (int16_t s : samples) {
        Put(data, bits == 8 ? (s >> 8) + 128 : static_cast<uint16_t>(s), bits / 8);
    }
    std::string body = "WAVE" + extra + "fmt ";
    for (auto [value, bytes] : {std::pair{16, 4}, {1, 2}, {channels, 2}, {rate, 4},
                                {rate * channels * bits / 8, 4}, {channels * bits / 8, 2}, {bits, 2}})
        Put(body, value, bytes);
    body += "data";
    Put(body, static_cast<uint32_t>(data.size()), 4);
    std::string file = "RIFF";
    Put(file, static_cast<uint32_t>(body.size() + data.size()), 4);
    return file + body + data;
}

class Mixer : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset(5000);
        dir_ = fs::path(STREETWARDEN_BUILD_DIR) / "mixer_test" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(dir_);
    }
    void TearDown() override {
        headless::Reset();
        fs::remove_all(dir_);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // A mono 44100 Hz sound of `frames` frames of one value.
    int32_t Flat(int frames, int16_t value = 10000, int32_t flags = 0, int rate = 44100) {
        return LoadSoundFile(Write("flat" + std::to_string(++files_) + ".wav",
                                   WavBytes(rate, 1, 16, std::vector<int16_t>(frames, value))),
                             flags);
    }
    std::vector<int16_t> Render(int frames) {
        std::vector<int16_t> out(2 * frames);
        media::MixAudio(out.data(), frames);
        return out;
    }
    fs::path dir_;
    int files_ = 0;
};

TEST_F(Mixer, ChannelsEndOnTheClockAtTheirRate) {
    const int32_t tenMs = Flat(441);
    const int32_t slowData = Flat(441, 10000, 0, 22050);  // 20 ms of data
    const int32_t normal = PlaySoundOn(tenMs, 0);
    const int32_t halfRate = PlaySoundOn(tenMs, 0);
    SetChannelRate(halfRate, 0.5f);
    const int32_t resampled = PlaySoundOn(slowData, 0);
    // Stepping a millisecond at a time carries the 0.1-frame fractions.
    for (int ms = 1; ms <= 9; ++ms) headless::AdvanceClock(1);
    EXPECT_EQ(IsChannelPlaying(normal), 1);
    headless::AdvanceClock(1);
    EXPECT_EQ(IsChannelPlaying(normal), 0);
    headless::AdvanceClock(9);
    EXPECT_EQ(IsChannelPlaying(halfRate) + IsChannelPlaying(resampled), 2);
    headless::AdvanceClock(1);
    EXPECT_EQ(media::LiveChannelCount(), 0);
}

TEST_F(Mixer, PausedAndCuedChannelsAreBusyAndHoldTheirPlace) {
    const int32_t sound = Flat(4410);  // 100 ms
    const int32_t paused = PlaySoundOn(sound, 0);
    const int32_t cued = CueSoundOn(sound, 0);
    EXPECT_TRUE(media::QueryChannel(cued).paused);
    headless::AdvanceClock(40);
    PauseChannel(paused);
    headless::AdvanceClock(5000);
    EXPECT_EQ(IsChannelPlaying(paused) + IsChannelPlaying(cued), 2);
    ResumeChannel(paused);
    ResumeChannel(cued);
    // Each plays out only what it had left.
    headless::AdvanceClock(59);
    EXPECT_EQ(IsChannelPlaying(paused), 1);
    headless::AdvanceClock(1);
    EXPECT_EQ(IsChannelPlaying(paused), 0);
    headless::AdvanceClock(39);
    EXPECT_EQ(IsChannelPlaying(cued), 1);
}

TEST_F(Mixer, FreedChannelHandlesStayInert) {
    const int32_t sound = Flat(441);
    const int32_t loop = Flat(441, 10000, 1);
    const int32_t ended = PlaySoundOn(sound, 0);
    const int32_t stopped = PlaySoundOn(loop, 0);
    const int32_t idle = AllocateChannel();
    headless::AdvanceClock(1000);
    EXPECT_EQ(IsChannelPlaying(stopped), 1);  // a loop never ends by itself
    StopChannel(stopped);
    EXPECT_FALSE(media::QueryChannel(ended).exists);
    EXPECT_FALSE(media::QueryChannel(stopped).exists);
    EXPECT_TRUE(media::QueryChannel(idle).exists);
    // Later sounds get new handles; the old ones answer and do nothing.
    const int32_t later = PlaySoundOn(loop, 0);
    for (int32_t h : {ended, stopped, idle, 0, 999999}) {
        ResumeChannel(h);
        SetChannelVolume(h, 0.5f);
        EXPECT_EQ(IsChannelPlaying(h), 0);
    }
    EXPECT_EQ(media::QueryChannel(later).volume, 1.0f);
    EXPECT_EQ(PlaySoundOn(0, 0) + PlaySoundOn(idle, 0), 0);
    // A thousand short effects leave nothing behind.
    for (int i = 0; i < 1000; ++i) PlaySoundOn(sound, 0);
    headless::AdvanceClock(11);
    EXPECT_EQ(media::LiveChannelCount(), 1);
    // Releasing a sound ends its playbacks.
    ReleaseHandle(loop);
    EXPECT_EQ(IsChannelPlaying(later), 0);
    EXPECT_EQ(PlaySoundOn(loop, 0), 0);
}

TEST_F(Mixer, PanAndVolumeInTheMix) {
    media::SetMixerDriven(true);
    const int32_t sound = Flat(1000, 20000);
    const int32_t ch = PlaySoundOn(sound, 0);
    SetChannelPan(ch, -3.0f);  // clamps to hard left
    EXPECT_EQ(media::QueryChannel(ch).pan, -1.0f);
    std::vector<int16_t> out = Render(100);
    EXPECT_EQ(out[98], 20000);
    EXPECT_EQ(out[99], 0);
    SetChannelPan(ch, 1.0f);
    out = Render(100);
    EXPECT_EQ(out[98], 0);
    EXPECT_EQ(out[99], 20000);
    // Equal power at the centre, scaled by the volume.
    SetChannelPan(ch, 0.0f);
    SetChannelVolume(ch, 0.5f);
    out = Render(100);
    EXPECT_NEAR(out[0], 20000 * 0.5 * std::sqrt(0.5), 1.0);
    EXPECT_EQ(out[0], out[1]);
}

// The output stage after the channels are summed: a busy scene is held under
// full scale without wrapping, a quiet one passes sample for sample.
TEST_F(Mixer, OutputStageLimitsLoudSumsAndLeavesQuietOnesAlone) {
    media::SetMixerDriven(true);
    constexpr double pi = std::numbers::pi;
    auto sine = [&](const std::string& name, double hz, double amplitude) {
        std::vector<int16_t> wave(44100);
        for (int i = 0; i < 44100; ++i)
            wave[i] = static_cast<int16_t>(std::lround(amplitude * std::sin(i * 2 * pi * hz / 44100)));
        return std::pair{LoadSoundFile(Write(name, WavBytes(44100, 1, 16, wave)), 1), wave};
    };
    const auto [quiet, quietWave] = sine("quiet.wav", 331, 12000);
    const auto [loud, loudWave] = sine("loud.wav", 220, 30000);
    auto quietPassesUnchanged = [&] {
        const int32_t ch = PlaySoundOn(quiet, 0);
        SetChannelPan(ch, -1.0f);
        const std::vector<int16_t> out = Render(4000);
        StopChannel(ch);
        int changed = 0;
        for (int i = 0; i < 4000; ++i) changed += out[2 * i] != quietWave[i] || out[2 * i + 1] != 0;
        return changed;
    };
    EXPECT_EQ(quietPassesUnchanged(), 0);

    // Seventeen effects and two music parts at full volume, all in phase,
    // mixed in the device's 1024-frame buffers for a second.
    std::vector<int32_t> busy;
    for (int i = 0; i < 19; ++i) {
        busy.push_back(PlaySoundOn(loud, 0));
        SetChannelPan(busy.back(), -0.9f + 0.1f * i);
    }
    std::vector<int16_t> out;
    for (int done = 0; done < 44100; done += 1024) {
        const std::vector<int16_t> part = Render(std::min(1024, 44100 - done));
        out.insert(out.end(), part.begin(), part.end());
    }
    int longestAtFullScale = 0, run = 0, wrapped = 0, peak = 0;
    for (size_t k = 0; k < out.size(); ++k) {
        const int v = out[k];
        run = (v >= 32767 || v <= -32768) ? run + 1 : 0;
        longestAtFullScale = std::max(longestAtFullScale, run);
        peak = std::max(peak, std::abs(v));
        // Where the wave is clearly off zero, the mix keeps its sign.
        const int16_t w = loudWave[k / 2];
        if (std::abs(w) > 3000 && (v > 0) != (w > 0)) ++wrapped;
    }
    EXPECT_LE(longestAtFullScale, 3);
    EXPECT_EQ(wrapped, 0);
    EXPECT_GT(peak, 28000);  // turned down to just under full scale, not to silence

    // Once the scene quietens, the stage lets the sound through untouched again.
    for (int32_t ch : busy) StopChannel(ch);
    Render(44100);
    EXPECT_EQ(quietPassesUnchanged(), 0);
}

TEST_F(Mixer, RecordedMixFollowsTheVirtualClock) {
    headless::RecordMix(true);
    const int32_t ch = PlaySoundOn(Flat(441, 20000), 0);  // 10 ms
    SetChannelPan(ch, -1.0f);
    // 44.1 frames a millisecond, the tenths carried from step to step.
    for (int ms = 0; ms < 10; ++ms) headless::AdvanceClock(1);
    const std::vector<int16_t>& mix = headless::RecordedMix();
    ASSERT_EQ(mix.size(), 2u * 441);
    EXPECT_EQ(mix[0], 20000);
    EXPECT_EQ(mix[2 * 440], 20000);
    EXPECT_EQ(IsChannelPlaying(ch), 0);  // ended with its last frame
    headless::AdvanceClock(990);
    EXPECT_EQ(headless::RecordedMix().size(), 2u * 44100);
    EXPECT_EQ(headless::RecordedMix().back(), 0);
}

TEST_F(Mixer, HalfRateTakesTwiceTheFramesAndCueStartsAtTheBeginning) {
    media::SetMixerDriven(true);
    std::vector<int16_t> ramp(100);
    for (int i = 0; i < 100; ++i) ramp[i] = static_cast<int16_t>(100 * (i + 1));
    const int32_t sound = LoadSoundFile(Write("ramp.wav", WavBytes(44100, 1, 16, ramp)), 0);
    const int32_t cued = CueSoundOn(sound, 0);
    SetChannelPan(cued, -1.0f);
    SetChannelRate(cued, 0.5f);
    EXPECT_EQ(Render(50)[0], 0);  // cued: silent, not moving
    ResumeChannel(cued);
    const std::vector<int16_t> out = Render(300);
    EXPECT_EQ(out[0], 100);
    EXPECT_EQ(out[2], 150);  // half-way between the first two samples
    EXPECT_NE(out[2 * 199], 0);
    EXPECT_EQ(out[2 * 200], 0);
    EXPECT_EQ(IsChannelPlaying(cued), 0);
}

TEST_F(Mixer, LoopSeamIsSmoothAtAnyRate) {
    media::SetMixerDriven(true);
    // Exactly four periods of a cosine: the end runs straight into the start,
    // which is at full height, so a seam that dropped to 0 would show.
    constexpr double pi = std::numbers::pi;
    std::vector<int16_t> wave(400);
    for (int i = 0; i < 400; ++i) wave[i] = static_cast<int16_t>(std::lround(16000 * std::cos(i * 2 * pi / 100)));
    const int32_t sound = LoadSoundFile(Write("wave.wav", WavBytes(44100, 1, 16, wave)), 1);
    for (float rate : {1.0f, 0.73f, 1.9f}) {
        const int32_t ch = PlaySoundOn(sound, 0);
        SetChannelPan(ch, -1.0f);
        SetChannelRate(ch, rate);
        const std::vector<int16_t> out = Render(3000);
        // The steepest step of the wave itself bounds every step of the mix.
        const double maxStep = 16000 * 2 * pi / 100 * rate + 2;
        for (int i = 1; i < 3000; ++i) ASSERT_LE(std::abs(out[2 * i] - out[2 * i - 2]), maxStep) << rate << " " << i;
        StopChannel(ch);
    }
}

TEST_F(Mixer, WavDecoding) {
    // 8-bit stereo at 11025 Hz, behind an odd-sized chunk with its pad byte.
    const std::string list = std::string("LIST") + std::string("\x03\0\0\0abc\0", 8);
    media::Sound s;
    std::string error;
    const std::vector<int16_t> samples{-32768, 0, 32512, -256};
    ASSERT_TRUE(media::DecodeWav(Write("s8.wav", WavBytes(11025, 2, 8, samples, list)), s, &error)) << error;
    EXPECT_EQ(s.rate + s.channels, 11025 + 2);
    EXPECT_EQ(s.samples, samples);

    // Every truncation of a good file fails cleanly, as do garbage and foreign formats.
    const std::string good = WavBytes(44100, 1, 16, std::vector<int16_t>(64, 7));
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(media::DecodeWav(Write("cut.wav", good.substr(0, n)), s, &error)) << n;
    std::string garbage = "RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\xff";
    for (int i = 0; i < 200; ++i) garbage += static_cast<char>(i * 37);
    EXPECT_FALSE(media::DecodeWav(Write("garbage.wav", garbage), s, &error));
    std::string float32 = good;
    float32[20] = 3;  // IEEE float format
    EXPECT_FALSE(media::DecodeWav(Write("float.wav", float32), s, &error));
    EXPECT_EQ(LoadSoundFile(Write("garbage.ogg", garbage.substr(12)), 0), 0);
    EXPECT_EQ(LoadSoundFile((dir_ / "missing.wav").string(), 0), 0);
    // Content decides over the name.
    EXPECT_NE(LoadSoundFile(Write("really_a_wav.ogg", good), 0), 0);
}

// The Ogg files of the generated Data, shortest first.
std::vector<std::string> GeneratedOggFiles() {
    std::vector<std::pair<uintmax_t, std::string>> found;
    if (fs::is_directory(STREETWARDEN_DATA_DIR))
        for (const auto& entry : fs::recursive_directory_iterator(STREETWARDEN_DATA_DIR))
            if (entry.path().extension() == ".ogg") found.emplace_back(entry.file_size(), entry.path().string());
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (const auto& f : found) paths.push_back(f.second);
    return paths;
}

TEST_F(Mixer, OggDecodingOfGeneratedMusic) {
    const std::vector<std::string> files = GeneratedOggFiles();
    if (files.empty()) GTEST_SKIP() << "no generated Data with Ogg files";
    const std::string found = files.back();
    media::Sound s;
    std::string error;
    ASSERT_TRUE(media::DecodeOgg(found, s, &error)) << error;
    EXPECT_EQ(s.rate, 44100);
    EXPECT_GT(s.Frames(), 44100 / 10);
}

// Music is decoded only as it plays, so damage past its headers must be
// found when it loads: a byte changed inside the audio, or the file cut
// short anywhere (empty too), is refused there and named.
TEST_F(Mixer, MusicDamagedOrCutAnywhereIsRefusedWhenItLoads) {
    const std::vector<std::string> files = GeneratedOggFiles();
    if (files.empty()) GTEST_SKIP() << "no generated Data with Ogg files";
    std::ifstream in(files.front(), std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t inside = good.size() * 3 / 4;
    std::string changed = good;
    changed[inside] = static_cast<char>(changed[inside] ^ 0x5a);
    media::Sound s;
    std::string error;
    const std::string changedPath = Write("changed.ogg", changed);
    EXPECT_FALSE(media::OpenOgg(changedPath, s, &error));
    EXPECT_EQ(error.rfind(changedPath + ": damaged", 0), 0u) << error;
    const std::string cutPath = Write("cut.ogg", good.substr(0, inside));
    EXPECT_FALSE(media::OpenOgg(cutPath, s, &error));
    EXPECT_EQ(error, cutPath + ": cut short");
    EXPECT_EQ(LoadSoundFile(changedPath, 1), 0);
    EXPECT_NE(LoadSoundFile(Write("whole.ogg", good), 1), 0);

    // Cut anywhere, down to nothing: refused and named, and never read past
    // its end (every byte of the first page, steps through the header pages,
    // longer ones across the rest).
    std::vector<size_t> cuts;
    for (size_t n = 0; n < good.size(); n += n < 256 ? 1 : n < 8192 ? 97 : 8191) cuts.push_back(n);
    for (size_t n : cuts) {
        const std::string path = Write("cut" + std::to_string(n) + ".ogg", good.substr(0, n));
        error.clear();
        EXPECT_FALSE(media::OpenOgg(path, s, &error)) << "cut to " << n << " bytes";
        EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << "cut to " << n << " bytes: " << error;
    }
}

// Music streams from its file as it plays; the mix must not hear it: the
// same length, and sample for sample the mix of the whole decoded sound,
// across loop seams, at other rates and after the clock moved it on unmixed.
TEST_F(Mixer, StreamedMusicMixesAsTheWholeDecodedSound) {
    const std::vector<std::string> files = GeneratedOggFiles();
    if (files.empty()) GTEST_SKIP() << "no generated Data with Ogg files";
    for (const std::string& path : files) {
        media::Sound streamed, decoded;
        std::string error;
        ASSERT_TRUE(media::OpenOgg(path, streamed, &error)) << error;
        ASSERT_TRUE(media::DecodeOgg(path, decoded, &error)) << error;
        EXPECT_EQ(streamed.Frames(), decoded.Frames()) << path;
        for (int ch = 0; ch < decoded.channels && !decoded.samples.empty(); ++ch)
            EXPECT_EQ(streamed.firstFrame[ch], decoded.samples[ch]) << path << " first frame, channel " << ch;
    }

    const std::string& path = files.front();
    media::Sound probe;
    std::string error;
    ASSERT_TRUE(media::DecodeOgg(path, probe, &error)) << error;
    const int length = static_cast<int>(probe.Frames());
    // A playback of each, looping or not: the streamed one as LoadSoundFile
    // makes it, the other decoded whole.
    auto load = [&](bool whole, bool loop) {
        auto sound = std::make_unique<media::Sound>();
        EXPECT_TRUE(whole ? media::DecodeOgg(path, *sound, &error) : media::OpenOgg(path, *sound, &error)) << error;
        sound->loop = loop;
        return media::RegisterSound(std::move(sound));
    };
    struct Case {
        const char* what;
        bool loop;
        float rate;
        int skipMs;  // moved on by the clock, unmixed, before mixing
        int frames;
    };
    const Case cases[] = {
        {"to its end", false, 1.0f, 0, length + 3000},
        {"over its loop seam twice", true, 1.0f, 0, 2 * length + 5000},
        {"at rate 0.73", true, 0.73f, 0, length + length / 3},
        {"at rate 1.9", true, 1.9f, 0, length},
        {"after the clock moved it on", true, 1.0f, length * 10 / 441 - 700, 90000},
    };
    media::SetMixerDriven(true);
    for (const Case& c : cases) {
        std::vector<int16_t> mixes[2];
        for (int whole = 0; whole < 2; ++whole) {
            const int32_t sound = load(whole == 1, c.loop);
            const int32_t ch = PlaySoundOn(sound, 0);
            SetChannelPan(ch, -0.3f);
            SetChannelVolume(ch, 0.8f);
            SetChannelRate(ch, c.rate);
            if (c.skipMs > 0) {
                media::SetMixerDriven(false);
                headless::AdvanceClock(c.skipMs);
                media::SetMixerDriven(true);
            }
            // In the audio device's blocks.
            for (int done = 0; done < c.frames; done += 1024) {
                const std::vector<int16_t> block = Render(std::min(1024, c.frames - done));
                mixes[whole].insert(mixes[whole].end(), block.begin(), block.end());
            }
            ReleaseHandle(sound);
        }
        ASSERT_EQ(mixes[0].size(), mixes[1].size()) << c.what;
        const auto differ = std::mismatch(mixes[0].begin(), mixes[0].end(), mixes[1].begin());
        EXPECT_TRUE(differ.first == mixes[0].end())
            << c.what << ": first difference at output sample " << (differ.first - mixes[0].begin());
        EXPECT_NE(std::count(mixes[0].begin(), mixes[0].end(), int16_t{0}), static_cast<long>(mixes[0].size()))
            << c.what << ": silent";
    }
}

}  // namespace
