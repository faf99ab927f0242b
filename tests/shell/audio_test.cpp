// The audio services and the function keys.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "headless.h"
#include "media_internal.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/hotkeys.h"
#include "shell/records.h"
#include "shell_fixture.h"

namespace {

using Slots = std::array<int32_t, SfxChannelCount>;

Slots Pool() {
    Slots slots;
    for (int32_t i = 0; i < SfxChannelCount; ++i) slots[i] = SfxChannels[i];
    return slots;
}
int32_t SoundIn(int32_t channel) { return media::QueryChannel(channel).sound; }
// Seeds the generator with the first seed on which `draws` holds.
void SeedWhere(const std::function<bool()>& draws) {
    for (int32_t seed = 1;; ++seed) {
        SeedRandom(seed);
        if (draws()) return SeedRandom(seed);
    }
}

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        const std::string wav = dir_ + "/s.wav";
        // Every entry a sound of its own that plays until stopped.
        for (int32_t& s : SfxSounds) s = LoadSoundFile(wav, 1);
        for (int32_t& s : VoiceSounds) s = LoadSoundFile(wav, 1);
        for (int32_t& s : MusicSounds) s = LoadSoundFile(wav, 1);
        AllocateChannels();
        SlowMotion = 0;
        MusicOn = 1;
        LiveEnemyCount = 1;
        HeroState = 0;
        LastAmbientVoice = headless::Clock();
    }
    static void SetUpTestSuite() {
        dir_ = shelltest::MakeTempDir();
        shelltest::WriteWav(dir_ + "/s.wav");
    }
    static void TearDownTestSuite() { shelltest::RemoveTree(dir_); }
    static std::string dir_;
};
std::string AudioTest::dir_;

TEST_F(AudioTest, EffectsKeepToTheirSlotsAndAFullRangeDrops) {
    PlaySfx(11, 1.0f, 0.0f);
    EXPECT_EQ(SoundIn(SfxChannels[16]), SfxSounds[11]);
    Slots before = Pool();
    PlaySfx(11, 1.0f, 0.0f);  // slot 16 busy: dropped though 0..15 are idle
    EXPECT_EQ(Pool(), before);

    for (int i = 0; i < 11; ++i) PlaySfx(9, 1.0f, 0.0f);  // 0..9, then 10
    EXPECT_EQ(SoundIn(SfxChannels[10]), SfxSounds[9]);
    before = Pool();
    PlaySfx(47, 1.0f, 0.0f);  // slot 10 taken by a general sound
    EXPECT_EQ(Pool(), before);
    StopChannel(SfxChannels[10]);
    PlaySfx(47, 1.0f, 0.0f);
    EXPECT_EQ(SoundIn(SfxChannels[10]), SfxSounds[47]);

    for (int i = 0; i < 3; ++i) PlaySfx(19, 1.0f, 0.0f);
    for (int i = 0; i < 3; ++i) PlaySfx(24, 1.0f, 0.0f);
    EXPECT_EQ(SoundIn(SfxChannels[12]), SfxSounds[19]);
    EXPECT_EQ(SoundIn(SfxChannels[15]), SfxSounds[24]);
    before = Pool();  // all 17 busy
    for (int sound : {9, 19, 24}) PlaySfx(sound, 1.0f, 0.0f);
    EXPECT_EQ(Pool(), before);
    EXPECT_EQ(media::LiveChannelCount(), 17);
}

TEST_F(AudioTest, VoiceLineDrawsAndAmbientSpacing) {
    SeedRandom(77);
    const int32_t state = RandomState();
    LiveEnemyCount = 0;
    PlayVoiceLine(-2);
    LiveEnemyCount = 1;
    HeroState = 5;
    PlayVoiceLine(-2);
    EXPECT_EQ(RandomState(), state);  // no draw without enemies or in states 5..11
    HeroState = 4;

    // The 1-in-50 draw passes at exactly 50000 ms: no line, no second draw.
    SeedWhere([] { return RandomInt(0, 49) == 0; });
    const int32_t seeded = RandomState();
    RandomInt(0, 49);
    const int32_t oneDraw = RandomState();
    SeedRandom(seeded);
    LastAmbientVoice = headless::Clock() - 50000;
    PlayVoiceLine(-2);
    EXPECT_EQ(RandomState(), oneDraw);
    EXPECT_EQ(LastAmbientVoice, headless::Clock() - 50000);
    EXPECT_EQ(IsChannelPlaying(VoiceChannel), 0);
    // At 50001 ms the second draw picks line 0, 1, 3 or 5.
    SeedWhere([] { return RandomInt(0, 49) == 0 && RandomInt(0, 3) == 2; });
    LastAmbientVoice = headless::Clock() - 50001;
    HeroPan = -0.3f;
    PlayVoiceLine(-2);
    EXPECT_EQ(LastAmbientVoice, headless::Clock());
    EXPECT_EQ(SoundIn(VoiceChannel), VoiceSounds[3]);
    EXPECT_EQ(media::QueryChannel(VoiceChannel).pan, -0.3f);

    // A line asked for while another plays is lost (an ambient one still counts).
    const int32_t speaking = VoiceChannel;
    SeedWhere([] { return RandomInt(0, 10) == 0; });
    PlayVoiceLine(-3);
    headless::AdvanceClock(50001);
    SeedWhere([] { return RandomInt(0, 49) == 0; });
    PlayVoiceLine(-2);
    EXPECT_EQ(VoiceChannel, speaking);
    EXPECT_EQ(LastAmbientVoice, headless::Clock());

    StopChannel(VoiceChannel);
    SeedWhere([] { return RandomInt(0, 10) == 0 && RandomInt(0, 3) == 1; });
    PlayVoiceLine(-3);
    EXPECT_EQ(SoundIn(VoiceChannel), VoiceSounds[5]);
}

TEST_F(AudioTest, FadeOutAllSoundsRunsTenStepsThenStops) {
    for (int i = 0; i < 17; ++i) PlaySfx(9, 1.0f, 0.0f);
    PlayVoiceLine(4);
    StartMusic();
    int32_t start = headless::Clock();
    FadeOutAllSounds();
    EXPECT_EQ(headless::Clock() - start, 1000);  // 1.0 .. 0.1, no step at 0
    EXPECT_EQ(media::LiveChannelCount(), 0);

    MusicOn = 0;  // the music slots are left alone
    MusicIntroChannel = PlaySoundOn(MusicSounds[0], 0);
    FadeOutAllSounds();
    EXPECT_EQ(IsChannelPlaying(MusicIntroChannel), 1);
    EXPECT_EQ(media::QueryChannel(MusicIntroChannel).volume, 1.0f);
}

TEST_F(AudioTest, LongPartFollowsAtItsCueTime) {
    for (const int32_t pair : {0, 2}) {
        SeedWhere([pair] { return RandomInt(0, 1) == pair / 2; });
        const int32_t oldIntro = MusicIntroChannel;
        StartMusic();  // a pair still playing makes way
        EXPECT_EQ(IsChannelPlaying(oldIntro), 0);
        EXPECT_EQ(SoundIn(MusicIntroChannel), MusicSounds[pair]);
        EXPECT_EQ(SoundIn(MusicLoopChannel), MusicSounds[pair + 1]);
        headless::AdvanceClock(pair == 0 ? 12599 : 30149);
        UpdateMusic();
        EXPECT_TRUE(media::QueryChannel(MusicLoopChannel).paused);
        headless::AdvanceClock(1);
        UpdateMusic();
        EXPECT_FALSE(media::QueryChannel(MusicLoopChannel).paused);
        EXPECT_EQ(MusicLoopStarted, 1);
    }
}

TEST_F(AudioTest, FunctionKeys) {
    Brightness = 0.25f;
    headless::SetKey(112, true);
    headless::SetKey(113, true);
    HandleHotkeys();
    EXPECT_EQ(Brightness, 0.25f);  // F1 and F2 together
    headless::SetKey(112, false);
    for (int i = 0; i < 300; ++i) HandleBrightnessKeys();
    EXPECT_EQ(Brightness, 0.5f);

    StartMusic();
    headless::TapKey(114);
    HandleHotkeys();
    EXPECT_EQ(IsChannelPlaying(MusicIntroChannel) + IsChannelPlaying(MusicLoopChannel) + MusicOn, 0);
    headless::TapKey(114);
    headless::TapKey(114);  // two presses between ticks count as none
    HandleHotkeys();
    EXPECT_EQ(MusicOn, 0);
    headless::TapKey(114);
    HandleHotkeys();
    EXPECT_EQ(IsChannelPlaying(MusicIntroChannel) + MusicOn, 2);
}

}  // namespace
