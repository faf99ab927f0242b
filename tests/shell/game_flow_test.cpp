// The outer game flow with its screens and scripted sections: the chain from
// step 1 and from step 7, Escape, a lost game, the story once per process,
// and the display questions.
#include <gtest/gtest.h>

#include <filesystem>

#include "headless.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "shell_fixture.h"

namespace fs = std::filesystem;
using namespace shelltest;

namespace {

using Calls = std::vector<std::string>;

class GameFlow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = MakeTempDir();
        MakeDataFolder(root_);
    }
    static void TearDownTestSuite() { RemoveTree(root_); }
    void SetUp() override { ResetGame(); }
    void TearDown() override { headless::SetPollHook(nullptr); }

    void RunMainToQuit(std::function<int32_t()> sectionResult = nullptr) {
        ScriptSections(std::move(sectionResult));
        driver_.Install();
        WorkingDir dir(root_);
        try {
            Main();
            ADD_FAILURE() << "Main returned";
        } catch (const headless::MediaExit& exit) {
            EXPECT_EQ(exit.status, 0);
        }
    }

    // What was shown after start-up's logo and story.
    static Calls AfterStartUp() {
        const Calls log = FlowLog();
        EXPECT_GE(log.size(), 2u);
        if (log.size() < 2) return log;
        EXPECT_EQ(log[0], "ShowLogoScreen");
        EXPECT_EQ(log[1], "ShowStory");
        return Calls(log.begin() + 2, log.end());
    }

    static Calls Sections(std::initializer_list<int32_t> stages) {
        Calls calls;
        for (int32_t stage : stages) calls.push_back("RunStage " + std::to_string(stage));
        return calls;
    }

    static Calls Join(Calls a, const Calls& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    TitleDriver driver_;
    static std::string root_;
};
std::string GameFlow::root_;

const Calls Closing = {"ShowCredits", "ShowEndScene", "ShowResults", "ShowLogoScreen"};

TEST_F(GameFlow, ANewGamePlaysTheThirteenSectionsThenCreditsResultsAndLogo) {
    driver_.taps = {{90}};  // Z starts, then Escape quits
    RunMainToQuit();
    EXPECT_EQ(Join(Sections({6, 4, 16, 1, 3, 5, 7, 8, 9, 2, 21, 10, 11}), Closing), AfterStartUp());

    // Both entries run once per process.
    const int64_t before = headless::DrawCallCount();
    EXPECT_EQ(Main(), 0);
    EXPECT_EQ(GameModuleEntry(), 0);
    EXPECT_EQ(headless::DrawCallCount(), before);
}

TEST_F(GameFlow, AGameStartedAtStepSevenPlaysSevenToThirteenAndTheClosingScreens) {
    // K and L held open the section select; six presses of Right reach step 7.
    driver_.held = {75, 76};
    driver_.taps = {{39}, {39}, {39}, {39}, {39}, {39}, {90}};
    RunMainToQuit();
    EXPECT_EQ(Join(Sections({7, 8, 9, 2, 21, 10, 11}), Closing), AfterStartUp());
}

TEST_F(GameFlow, GainsCarryToTheNextSectionEscapeGoesBackToTheTitleAndALostGameShowsGameOverThenResults) {
    driver_.taps = {{90}, {90}};  // two games, then quit
    int32_t section = 0;
    auto result = [&] {
        ++section;
        if (section == 1) {
            // What the hero gathered in a section goes with him into the next.
            HeroWeapon = 1, AmmoWeapon1 = 12, AmmoWeapon2 = 34, AmmoWeapon5 = 56;
            PowerUpCount = 35, FireInterval = 130, BurstMax = 4, DoubleShot = 1;
            HelmetOn = 0, SpecialReady = 1, SlowCharge = 20, Lives = 5;
            HeroEnergy = 7, TimeLeft = 3;
        }
        if (section == 2) {
            EXPECT_EQ(HeroWeapon, 1);
            EXPECT_EQ(AmmoWeapon1, 12);
            EXPECT_EQ(AmmoWeapon2, 34);
            EXPECT_EQ(AmmoWeapon5, 56);
            EXPECT_EQ(PowerUpCount, 35);
            EXPECT_EQ(FireInterval, 130);
            EXPECT_EQ(BurstMax, 4);
            EXPECT_EQ(DoubleShot, 1);
            EXPECT_EQ(HelmetOn, 0);
            EXPECT_EQ(SpecialReady, 1);
            EXPECT_EQ(SlowCharge, 20);
            EXPECT_EQ(Lives, 5);
            EXPECT_EQ(HeroEnergy, 100);  // refilled
            EXPECT_EQ(TimeLeft, 99);
        }
        if (section == 3) {
            // Leave the first game changed; the next game starts afresh.
            Lives = 0;
            HeroWeapon = 5;
            AmmoWeapon5 = 40;
            FireInterval = 130;
            BurstMax = 4;
            ArmourLevel = 3;
            HelmetOn = 0;
            DoubleShot = 1;
            SlowCharge = 50;
            return 1;  // abandoned with Escape
        }
        if (section == 4) {
            EXPECT_EQ(Lives, 3);
            EXPECT_EQ(HeroWeapon, 0);
            EXPECT_EQ(AmmoWeapon5, 0);
            EXPECT_EQ(FireInterval, 150);
            EXPECT_EQ(BurstMax, 1);
            EXPECT_EQ(ArmourLevel, 1);
            EXPECT_EQ(HelmetOn, 1);
            EXPECT_EQ(DoubleShot, 0);
            EXPECT_EQ(SlowCharge, 0);
        }
        return section == 5 ? 2 : 3;  // the second game is lost in its second section
    };
    RunMainToQuit(result);
    const Calls expected = Join(Join(Sections({6, 4, 16}), Sections({6, 4})), {"ShowGameOver", "ShowResults"});
    EXPECT_EQ(expected, AfterStartUp());  // one story only, at start-up
}

// ---------------------------------------------------------------- display questions

struct DisplayCase {
    std::vector<int32_t> answers;
    bool opens;
    int32_t depth;
    bool pointerHidden;
    size_t questions;
};

TEST(DisplayQuestions, AnswersChooseTheDisplay) {
    const DisplayCase cases[] = {
        {{0}, true, 0, false, 1},      // no: a window, nothing more asked
        {{1, 0}, true, 16, true, 2},   // full screen, not 32 bit
        {{1, 1}, true, 32, true, 2},   // full screen, 32 bit
        {{-1}, false, 0, false, 1},    // cancel ends the program
        {{1, -1}, false, 0, false, 2}, // cancel at the second question too
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.answers));
        headless::Reset();
        headless::SetYesNoCancelAnswers(c.answers);
        bool ended = false;
        try {
            AskDisplayMode();
        } catch (const headless::MediaExit& exit) {
            ended = true;
            EXPECT_EQ(exit.status, 0);
        }
        EXPECT_EQ(ended, !c.opens);
        EXPECT_EQ(headless::DisplayOpen(), c.opens);
        if (c.opens) {
            EXPECT_EQ(headless::OpenedDepth(), c.depth);
        }
        EXPECT_EQ(headless::MousePointerHidden(), c.pointerHidden);
        const std::vector<std::string> asked = headless::AskedQuestions();
        ASSERT_EQ(asked.size(), c.questions);
        EXPECT_TRUE(asked[0].starts_with("Kestrion Vigil\r"));
        EXPECT_TRUE(asked[0].ends_with("\r\rFull screen?"));
        if (c.questions == 2) {
            EXPECT_TRUE(asked[1].ends_with("\r\r32 Bit colour depth?"));
        }
        if (c.opens) {
            // Cleared and presented twice.
            std::vector<headless::Op> ops;
            for (const headless::DrawCall& call : headless::DrawCalls()) ops.push_back(call.op);
            EXPECT_EQ((std::vector<headless::Op>{headless::Op::Clear, headless::Op::Present, headless::Op::Clear,
                                                 headless::Op::Present}),
                      ops);
        }
    }
}

}  // namespace
