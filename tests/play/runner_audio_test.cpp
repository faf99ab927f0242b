// The headless runner's recording of the sound (--audio), through the
// runner's own start-up: the mix is made once for every millisecond the
// virtual clock moves, so a shot is recorded just as its file plays it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "media_internal.h"

namespace {

namespace fs = std::filesystem;

const fs::path Out = fs::path(STREETWARDEN_BUILD_DIR) / "tests" / "play" / "runner_audio";

// Runs section 6 for 320 passes with `timeline`, recording the mix; the
// runner's output stays beside the recording.
int RecordSection6(const std::string& name, const std::string& timeline, media::Sound* mix) {
    fs::create_directories(Out);
    const fs::path input = Out / (name + ".txt");
    std::ofstream(input) << timeline;
    const fs::path wav = Out / (name + ".wav");
    const std::string cmd = std::string("\"") + RUNNER_EXE + "\" --data \"" + STREETWARDEN_DATA_DIR +
                            "\" --stage 6 --passes 320 --input \"" + input.string() + "\" --audio \"" +
                            wav.string() + "\" > \"" + (Out / (name + ".out")).string() + "\" 2>&1";
    const int status = std::system(cmd.c_str());
    if (status != 0) return status;
    return media::DecodeWav(wav.string(), *mix, nullptr) ? 0 : -1;
}

media::Sound Effect(const std::string& file) {
    media::Sound s;
    EXPECT_TRUE(media::DecodeWav(std::string(STREETWARDEN_DATA_DIR) + "/Audio/Sfx/" + file, s, nullptr)) << file;
    return s;
}

}  // namespace

TEST(RunnerAudio, RecordsAShotSampleForSampleAsItsFilePlaysIt) {
#ifndef RUNNER_EXE
    GTEST_SKIP() << "the runner is run on the build machine only";
#else
    // The two runs are the same up to pass 300, where one fires a shot; the
    // hero stands at the left edge (pan -1). Their difference over the shot
    // is the gun at 0.6 with the rustle of the shooting pose at 0.2, on the
    // left side only, both as their files hold them, up to the rounding.
    media::Sound quiet, shot;
    ASSERT_EQ(RecordSection6("quiet", "", &quiet), 0) << "runner output in " << Out;
    ASSERT_EQ(RecordSection6("shot", "300 key tap 90\n", &shot), 0) << "runner output in " << Out;
    ASSERT_EQ(shot.samples.size(), quiet.samples.size());
    ASSERT_EQ(shot.channels, 2);
    const media::Sound gun = Effect("Kestgun.wav"), rustle = Effect("Kestmove.wav");
    ASSERT_FALSE(gun.samples.empty());

    const int64_t frames = shot.Frames();
    std::vector<int32_t> left(frames), right(frames);
    for (int64_t i = 0; i < frames; ++i) {
        left[i] = shot.samples[2 * i] - quiet.samples[2 * i];
        right[i] = shot.samples[2 * i + 1] - quiet.samples[2 * i + 1];
    }
    const int64_t firstChange = std::find_if(left.begin(), left.end(), [](int32_t v) { return v != 0; }) - left.begin();
    ASSERT_LT(firstChange, frames) << "no shot recorded";

    // The files may begin with a few silent frames: the shot's start is the
    // offset just before the first change that fits best.
    const int64_t length = static_cast<int64_t>(gun.samples.size());
    auto expected = [&](int64_t i) {
        const double r = i < static_cast<int64_t>(rustle.samples.size()) ? rustle.samples[i] : 0.0;
        return 0.6 * gun.samples[i] + 0.2 * r;
    };
    double bestError = 1e9;
    int64_t start = 0;
    for (int64_t s = std::max<int64_t>(0, firstChange - 16); s <= firstChange && s + length <= frames; ++s) {
        double worst = 0;
        for (int64_t i = 0; i < length; ++i) worst = std::max(worst, std::abs(left[s + i] - expected(i)));
        if (worst < bestError) {
            bestError = worst;
            start = s;
        }
    }
    // Each of the two mixes rounds to whole samples: they differ by up to one.
    EXPECT_LT(bestError, 1.01) << "largest difference from the files over the shot, frame " << start;
    int32_t rightPeak = 0;
    for (int64_t i = start; i < start + length && i < frames; ++i) rightPeak = std::max(rightPeak, std::abs(right[i]));
    EXPECT_EQ(rightPeak, 0);
#endif
}
