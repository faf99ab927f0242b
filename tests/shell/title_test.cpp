// The title screen's frame rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "headless.h"
#include "media_internal.h"
#include "shell/assets.h"
#include "shell/records.h"
#include "shell/title.h"
#include "shell_fixture.h"

namespace {

using headless::Op;

class TitleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = shelltest::MakeTempDir();
        shelltest::WriteWav(dir_ + "/s.wav");
    }
    static void TearDownTestSuite() { shelltest::RemoveTree(dir_); }

    void SetUp() override {
        headless::Reset();
        headless::SetSynthesiseMissingImages(true);
        SilverfontImage = LoadImageStrip("Data/Graphics/System/silverfont.png", 10, 11, 0, 44, 1);
        TitlescreenImage = LoadImageFile("Data/Graphics/System/Titlescreen.png", 1);
        TitletextImage = LoadImageFile("Data/Graphics/System/Titletext.png", -1);
        FadeScreenImage = CreateBlankImage(640, 480, 1, -1);
        TitleMusic = LoadSoundFile(dir_ + "/s.wav", 1);
        CompBeepSound = LoadSoundFile(dir_ + "/s.wav", 1);  // each beep stays to be counted
        AllocateChannels();
        SetStartupDefaults();
    }
    void TearDown() override {
        headless::SetPollHook(nullptr);
        headless::SetSynthesiseMissingImages(false);
    }

    int32_t Run(std::vector<std::vector<int32_t>> taps, std::vector<int32_t> held = {}) {
        driver_.taps.assign(taps.begin(), taps.end());
        driver_.held = std::move(held);
        driver_.Install();
        return RunTitleScreen();
    }
    // Beeps so far: every channel still alive once the title music is stopped.
    static int32_t Beeps() { return media::LiveChannelCount(); }
    static int32_t TitleFrames() {
        const auto& calls = headless::DrawCalls();
        return static_cast<int32_t>(std::count_if(calls.begin(), calls.end(), [](const headless::DrawCall& c) {
            return c.op == Op::Draw && c.image == TitletextImage;
        }));
    }
    // The text at height y in the last title frame.
    static std::string LastFrameText(float y) {
        const auto& calls = headless::DrawCalls();
        size_t i = calls.size();
        while (i > 0 && !(calls[i - 1].op == Op::Draw && calls[i - 1].image == TitletextImage)) --i;
        std::vector<std::pair<float, int32_t>> glyphs;
        for (; i < calls.size() && calls[i].op != Op::Present; ++i)
            if (calls[i].image == SilverfontImage && calls[i].y == y) glyphs.emplace_back(calls[i].x, calls[i].frame);
        std::sort(glyphs.begin(), glyphs.end());
        std::string text;
        for (size_t k = 0; k < glyphs.size(); ++k) {
            if (k > 0) text.append(static_cast<size_t>((glyphs[k].first - glyphs[k - 1].first) / 9 - 1), ' ');
            text += "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._(): %="[glyphs[k].second];
        }
        return text;
    }

    static std::string dir_;
    shelltest::TitleDriver driver_;
};
std::string TitleTest::dir_;

TEST_F(TitleTest, EscapeWinsOverAStartInTheSameFrame) {
    EXPECT_EQ(Run({{90, 27}}), 0);
    EXPECT_EQ(TitleFrames(), 2);
    // Exit: the beep, the fade to black, then the music in ten steps of 100 ms.
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(headless::Clock() - headless::DrawCalls().back().time, 1000);

    ControlDevice = 1;
    EXPECT_EQ(Run({{32}}), 1);
    EXPECT_EQ(ControlDevice, 0);
}

TEST_F(TitleTest, SixPressesOfXCycleTheLayoutWithSixBeeps) {
    ControlScheme = 2;
    EXPECT_EQ(Run({{88}, {88}, {88}}), 0);
    EXPECT_EQ(ControlScheme, 5);  // layout F: fire C, jump Z, duck X; buttons 2, 0, 1
    EXPECT_EQ(LastFrameText(405), "CONTROL F (JUMP DUCK FIRE)");
    EXPECT_EQ(KeyCodes[KeyFire], 67);
    EXPECT_EQ(KeyCodes[KeyJump], 90);
    EXPECT_EQ(KeyCodes[KeyDuck], 88);
    EXPECT_EQ(JoyButtons[JoyFire], 2);
    EXPECT_EQ(JoyButtons[JoyJump], 0);
    EXPECT_EQ(JoyButtons[JoyDuck], 1);
    EXPECT_EQ(Run({{88}, {88}, {88}}), 0);
    EXPECT_EQ(ControlScheme, 2);
    EXPECT_EQ(Beeps(), 6 + 2);  // and one at each exit
    EXPECT_EQ(KeyCodes[KeyFire], 88);
    EXPECT_EQ(KeyCodes[KeyJump], 90);
    EXPECT_EQ(KeyCodes[KeyDuck], 67);
}

TEST_F(TitleTest, TypedCodeRestartsOnItsFirstLetterAndTogglesWithABeep) {
    const auto letters = [](const std::string& word) {
        std::vector<std::vector<int32_t>> taps;
        for (const char c : word) taps.push_back({c});
        return taps;
    };
    EXPECT_EQ(Run(letters("TSTONEHARBOQSTOSTONEHARBOR")), 0);
    EXPECT_EQ(DebugMode, 1);
    EXPECT_EQ(Beeps(), 2);
    EXPECT_EQ(Run(letters("STONEHARBOR")), 0);
    EXPECT_EQ(DebugMode, 0);
    EXPECT_EQ(Beeps(), 4);
    EXPECT_EQ(Run(letters("STONEHARBOQ")), 0);
    EXPECT_EQ(DebugMode, 0);
}

TEST_F(TitleTest, LeftAtSectionOneSelectsTheFinalStage) {
    EXPECT_EQ(Run({{37}, {}}, {75, 76}), 0);
    EXPECT_EQ(StartStageIndex, 13);  // kept until the visit ends
    EXPECT_EQ(LastFrameText(20), "FINAL STAGE");
    EXPECT_EQ(Run({{}}, {75, 76}), 0);
    EXPECT_EQ(StartStageIndex, 1);  // every visit starts at section 1
}

TEST_F(TitleTest, JoystickPortSwitchComesAfterTheStartTest) {
    // Button 0 held on port 3: frame 1 tests port 0 for a start, then switches
    // to port 3; frame 2 finds the press there.
    headless::SetJoyButton(3, 0, true);
    EXPECT_EQ(Run({{}, {}}), 1);
    EXPECT_EQ(TitleFrames(), 2);
    EXPECT_EQ(JoyPort, 3);
    EXPECT_EQ(ControlDevice, 1);
}

TEST_F(TitleTest, APressComingInDuringAFrameIsLeftToTheNextFramesSteps) {
    // A frame asks for Z, Space, Enter, the two buttons and Escape, then X
    // and button 1, then the letters A to Z. A press that comes in as the
    // letters are asked waits for the next frame, whose start or layout step
    // takes it; the scan, asked in the same moment, does not count it.
    size_t present = 0;
    int32_t polls = 0;
    driver_.onPoll = [&] {
        const auto& calls = headless::DrawCalls();
        if (!calls.empty() && calls.back().op == Op::Present && calls.size() != present) {
            present = calls.size();
            polls = 0;
        }
        if (++polls != 9) return;  // the scan's first letter
        // X in the second frame, Z in the third.
        const int32_t key = TitleFrames() == 1 ? 88 : TitleFrames() == 2 ? 90 : 0;
        if (key == 0) return;
        headless::PostKey(key, true);
        headless::PostKey(key, false);
    };
    EXPECT_EQ(Run({{}, {}, {}, {}}), 1);
    EXPECT_EQ(ControlScheme, 1);
    EXPECT_EQ(TitleFrames(), 4);
}

}  // namespace
