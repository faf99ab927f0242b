// The balance of the sounds as the game plays them: every class of sound is
// heard at the volume the game plays it at within its window, the voices
// stand over the music and the effects, the beeps are no louder than the
// hero's gun; the peaks leave the busy mix its headroom; the loops keep their
// lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "data_access.h"
#include "loudness.h"

using namespace datatest;

namespace {

struct Heard {
    const dg::SoundUse* use;
    double loudness;  // at the game volume, as the meter measures
    double peakDb;    // the highest sample at the loudest volume it is played at, dBFS
};

// Every sound file decoded and measured once for the whole test program.
const std::vector<Heard>& AllHeard() {
    static const std::vector<Heard> heard = [] {
        std::vector<Heard> out;
        for (int i = 0; i < dg::kSoundUseCount; ++i) {
            const dg::SoundUse& use = dg::kSoundUses[i];
            media::Sound s;
            const dg::FileSpec* spec = Spec(use.path);
            if (!spec || !LoadSound(*spec, s)) {
                ADD_FAILURE() << "cannot load " << use.path;
                continue;
            }
            std::vector<float> samples(s.samples.size());
            float peak = 0.0f;
            for (size_t k = 0; k < samples.size(); ++k) {
                samples[k] = s.samples[k] / 32768.0f;
                peak = std::max(peak, std::fabs(samples[k]));
            }
            out.push_back({&use, dg::HeardLoudness(use, samples, s.channels),
                           20.0 * std::log10(std::max(1e-9, peak * use.PeakVolume()))});
        }
        return out;
    }();
    return heard;
}

const Heard* Find(const std::string& path) {
    for (const Heard& h : AllHeard())
        if (path == h.use->path) return &h;
    return nullptr;
}

bool IsIntro(const Heard& h) {
    const std::string path = h.use->path;
    return path.ends_with("_s.ogg");
}

// The loudest and the quietest of a class (intros left out).
double Extreme(dg::SoundClass cls, bool loudest) {
    double value = loudest ? -1e9 : 1e9;
    for (const Heard& h : AllHeard())
        if (h.use->cls == cls && !IsIntro(h)) value = loudest ? std::max(value, h.loudness) : std::min(value, h.loudness);
    return value;
}

}  // namespace

TEST(Balance, EverySoundFileHasItsUseAndClass) {
    int sounds = 0;
    for (int i = 0; i < dg::kFileCount; ++i) {
        if (dg::kFiles[i].kind == dg::FileKind::Png) continue;
        ++sounds;
        EXPECT_NE(dg::FindSoundUse(dg::kFiles[i].path), nullptr) << dg::kFiles[i].path;
    }
    EXPECT_EQ(dg::kSoundUseCount, sounds);
}

// Loudness at the game volume in dB of the power on both speakers (-3 for a
// full scale sine): loudest 400 ms for events, the whole file for music and
// ambience. Each class within its window, and the classes in their order.
TEST(Balance, EachClassIsHeardWithinItsWindowAndInItsPlace) {
    struct Window {
        dg::SoundClass cls;
        double low, high;
    };
    const Window windows[] = {
        {dg::SoundClass::Music, -27, -23},     {dg::SoundClass::Voice, -16.5, -13},
        {dg::SoundClass::Warning, -27, -24},   {dg::SoundClass::Beep, -30, -27},
        {dg::SoundClass::HeroGun, -24, -22},   {dg::SoundClass::EnemyGun, -33, -27},
        {dg::SoundClass::Blast, -31, -22},     {dg::SoundClass::Impact, -39, -30},
        {dg::SoundClass::Cry, -26, -24},       {dg::SoundClass::Machine, -35, -26},
        {dg::SoundClass::Movement, -38, -36},  {dg::SoundClass::Pickup, -23, -21},
        {dg::SoundClass::Ambience, -31, -29},
    };
    for (const Heard& h : AllHeard()) {
        const Window* w = std::find_if(std::begin(windows), std::end(windows),
                                       [&](const Window& x) { return x.cls == h.use->cls; });
        ASSERT_NE(w, std::end(windows)) << dg::ClassName(h.use->cls);
        if (IsIntro(h)) continue;  // below
        EXPECT_GE(h.loudness, w->low) << h.use->path << " (" << dg::ClassName(h.use->cls) << ")";
        EXPECT_LE(h.loudness, w->high) << h.use->path << " (" << dg::ClassName(h.use->cls) << ")";
    }
    // An intro builds up to its long part: never louder, and not lost.
    for (const auto& [intro, loop] : {std::pair{"Data/Audio/Music/track1_s.ogg", "Data/Audio/Music/track1_l.ogg"},
                                      std::pair{"Data/Audio/Music/track2_s.ogg", "Data/Audio/Music/track2_l.ogg"}}) {
        const Heard* a = Find(intro);
        const Heard* b = Find(loop);
        ASSERT_TRUE(a && b) << intro;
        EXPECT_LE(a->loudness, b->loudness + 0.5) << intro;
        EXPECT_GE(a->loudness, b->loudness - 6) << intro;
    }

    // Voices stand over the music and every effect; the hero's gun is heard
    // over the stage music and the enemies' guns, which stay near it; beeps
    // stay under the hero's gun.
    const double music = Extreme(dg::SoundClass::Music, true);
    const double stageMusic = std::max(Find("Data/Audio/Music/track1_l.ogg")->loudness, Find("Data/Audio/Music/track2_l.ogg")->loudness);
    const double quietestVoice = Extreme(dg::SoundClass::Voice, false);
    EXPECT_GE(quietestVoice - music, 6.0) << "quietest voice over the loudest music";
    for (dg::SoundClass effect : {dg::SoundClass::HeroGun, dg::SoundClass::EnemyGun, dg::SoundClass::Blast, dg::SoundClass::Impact,
                                  dg::SoundClass::Cry, dg::SoundClass::Machine, dg::SoundClass::Pickup})
        EXPECT_GE(quietestVoice - Extreme(effect, true), 6.0) << "quietest voice over the loudest " << dg::ClassName(effect);
    const double quietestHeroGun = Extreme(dg::SoundClass::HeroGun, false);
    EXPECT_GE(quietestHeroGun - stageMusic, 3.0) << "quietest hero gun over the stage music";
    EXPECT_GE(quietestHeroGun - Extreme(dg::SoundClass::EnemyGun, true), 3.0) << "quietest hero gun over the loudest enemy gun";
    EXPECT_GE(Extreme(dg::SoundClass::EnemyGun, false) - stageMusic, -6.0) << "quietest enemy gun against the stage music";
    EXPECT_LE(Extreme(dg::SoundClass::Beep, true), quietestHeroGun) << "loudest beep against the quietest hero gun";
}

// A fight piles a dozen effects on top of each other and of a voice line:
// played at the loudest volume the game gives them, the effects peak at
// -10 dBFS or under and the voices at -5.4 dBFS, so that their sum rarely
// reaches the mixer's limiter.
TEST(Balance, PeaksLeaveTheBusyMixItsHeadroom) {
    for (const Heard& h : AllHeard()) {
        if (h.use->cls == dg::SoundClass::Music) continue;
        const bool voice = h.use->cls == dg::SoundClass::Voice;
        EXPECT_LE(h.peakDb, voice ? -5.4 : -10.0) << h.use->path << " (" << dg::ClassName(h.use->cls) << ")";
    }
}

TEST(Loops, KeepTheirLengths) {
    media::Sound rain, lift;
    ASSERT_TRUE(LoadSound(*Spec("Data/Audio/Sfx/Rainatmos.wav"), rain));
    ASSERT_TRUE(LoadSound(*Spec("Data/Audio/Sfx/Liftloop.wav"), lift));
    EXPECT_EQ(rain.Frames(), 6 * 44100);
    EXPECT_EQ(lift.Frames(), 3 * 44100);
    // The long stage parts hold whole bars of their intros' tempos (4/4, 32 bars).
    media::Sound l1, l2;
    ASSERT_TRUE(LoadSound(*Spec("Data/Audio/Music/track1_l.ogg"), l1));
    ASSERT_TRUE(LoadSound(*Spec("Data/Audio/Music/track2_l.ogg"), l2));
    EXPECT_NEAR(static_cast<double>(l1.Frames()) / 44100, 32 * 1.8, 0.02);
    EXPECT_NEAR(static_cast<double>(l2.Frames()) / 44100, 32 * 30.15 / 16, 0.02);
}
