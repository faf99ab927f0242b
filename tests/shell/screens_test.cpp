// The front-end screens (logo, story, credits, game over, results) and the
// title's attract cycle with its demo, on the made-up Data folder. Frames are
// read from the draw log as they are presented.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "headless.h"
#include "media_internal.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/credits.h"
#include "shell/game_over.h"
#include "shell/logo_screen.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"
#include "shell/records.h"
#include "shell/results.h"
#include "shell/story.h"
#include "shell/title.h"
#include "shell_fixture.h"

using namespace shelltest;
using headless::DrawCall;
using headless::Op;

namespace {

constexpr int32_t Escape = 27, Enter = 13, Space = 32, KeyX = 88, KeyZ = 90;

// One presented frame: what was drawn since the previous Present, and when.
struct Frame {
    std::vector<DrawCall> calls;
    int32_t time = 0;

    const DrawCall* Find(const char* file) const {
        for (const DrawCall& c : calls)
            if (c.op == Op::Draw && c.path.ends_with(file)) return &c;
        return nullptr;
    }
    bool Fills() const {
        return std::any_of(calls.begin(), calls.end(), [](const DrawCall& c) { return c.op == Op::Fill; });
    }
    bool Results() const { return !Fills() && Find("Titlescreen.png") && Find("Titlescreen.png")->r == 100; }
    // The glyphs drawn at height y as text (a 9-pixel gap per space); x of the first.
    std::string Text(float y, int32_t* x = nullptr) const {
        std::vector<std::pair<float, int32_t>> glyphs;
        for (const DrawCall& c : calls)
            if (c.op == Op::Draw && c.image == SilverfontImage && c.y == y) glyphs.emplace_back(c.x, c.frame);
        std::sort(glyphs.begin(), glyphs.end());
        std::string text;
        for (size_t k = 0; k < glyphs.size(); ++k) {
            if (k > 0) text.append(static_cast<size_t>((glyphs[k].first - glyphs[k - 1].first) / 9 - 1), ' ');
            text += "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._(): %="[glyphs[k].second];
        }
        if (x) *x = glyphs.empty() ? -1 : static_cast<int32_t>(glyphs[0].first);
        return text;
    }
    std::set<float> TextRows() const {
        std::set<float> rows;
        for (const DrawCall& c : calls)
            if (c.op == Op::Draw && c.image == SilverfontImage) rows.insert(c.y);
        return rows;
    }
    // Text and nothing else: a credits frame.
    bool GlyphsOnly() const {
        for (const DrawCall& c : calls)
            if (c.op == Op::Fill || (c.op == Op::Draw && c.image != SilverfontImage)) return false;
        return !TextRows().empty();
    }
};

class Screens : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = MakeTempDir();
        MakeDataFolder(root_);
    }
    static void TearDownTestSuite() { RemoveTree(root_); }

    void SetUp() override {
        ResetGame();
        dir_ = std::make_unique<WorkingDir>(root_);
        OpenDisplay(640, 480, 0, 100, 2);
        FadeScreenImage = CreateBlankImage(640, 480, 1, -1);
        PauseScreenImage = CreateBlankImage(640, 480, 1, -1);
        LoadAssetRows(1, AssetFileCount);
        CreateActorTables();
        AllocateChannels();
        SetStartupDefaults();
        headless::ClearDrawCalls();
    }
    void TearDown() override {
        headless::SetPollHook(nullptr);
        StageLoopHook = nullptr;
        dir_.reset();
    }

    // At every input poll the frames presented since the last one go to
    // `onFrame` (which may tap keys for the query about to be made) and leave
    // the draw log, which so stays small on long screens.
    void Watch(std::function<void(const Frame&)> onFrame) {
        onFrame_ = std::move(onFrame);
        headless::SetPollHook([this] { TakeFrames(); });
    }
    // Also for the frames left after a screen returned.
    void TakeFrames() {
        Frame frame;
        bool any = false;
        for (const DrawCall& c : headless::DrawCalls()) {
            if (c.op != Op::Present) {
                frame.calls.push_back(c);
                continue;
            }
            frame.time = c.time;
            if (onFrame_) onFrame_(frame);
            frame.calls.clear();
            any = true;
        }
        if (any) headless::ClearDrawCalls();
    }

    static std::string root_;
    std::unique_ptr<WorkingDir> dir_;
    std::function<void(const Frame&)> onFrame_;
};
std::string Screens::root_;

// A press made during a screen's third frame: a key, or a button on a port.
struct Press {
    const char* name;
    int32_t key;  // -1: a button
    int32_t button, port, times;
    bool skips;
};

TEST_F(Screens, EachSkipInputEndsTheStoryTheCreditsAndTheResultsButOnlyEscapeTheLogo) {
    JoyPort = 2;
    const Press presses[] = {
        {"Escape", Escape, 0, 0, 1, true},  {"Z", KeyZ, 0, 0, 1, true},
        {"Space", Space, 0, 0, 1, true},    {"Enter", Enter, 0, 0, 1, true},
        {"fire button", -1, 0, 2, 1, true}, {"start button", -1, 8, 2, 1, true},
        {"X", KeyX, 0, 0, 1, false},        {"fire on another port", -1, 0, 0, 1, false},
        {"Escape twice", Escape, 0, 0, 2, false},
    };
    struct Screen {
        const char* name;
        std::function<void()> run;
        std::function<bool(const Frame&)> isOwnFrame;
        bool logo = false;  // ends on Escape alone, and keeps a press made before it
    };
    const Screen screens[] = {
        {"story", ShowStory, [](const Frame& f) { return f.Find("storyback.png") != nullptr; }},
        {"credits", [] { ShowCredits(0); }, [](const Frame& f) { return !f.Fills(); }},
        {"results", ShowResults, [](const Frame& f) { return f.Results(); }},
        {"logo", ShowLogoScreen, [](const Frame& f) { return f.Find("torvane.png") != nullptr; }, true},
    };
    for (const Screen& screen : screens) {
        for (const Press& press : presses) {
            SCOPED_TRACE(std::string(screen.name) + ", " + press.name);
            if (!screen.logo) headless::TapKey(Escape);  // forgotten before the frames begin
            int32_t frames = 0;
            bool over = false;
            Watch([&](const Frame& f) {
                over = over || (frames > 0 && !screen.isOwnFrame(f));
                if (over || !screen.isOwnFrame(f)) return;
                ++frames;
                for (int32_t i = 0; frames == 3 && i < press.times; ++i) {
                    if (press.key >= 0) headless::TapKey(press.key);
                    else headless::TapJoyButton(press.port, press.button);
                }
                if (frames == 6) headless::TapKey(Escape);
            });
            screen.run();
            TakeFrames();
            const bool skips = screen.logo ? press.key == Escape && press.times == 1 : press.skips;
            EXPECT_EQ(frames, skips ? 3 : 6);
        }
    }
}

TEST_F(Screens, TheStoryClimbsAPixelEverySixFramesUntilItRestsAndEndsAfter53Seconds) {
    int32_t frames = 0, firstShown = 0, restsFrom = 0, lastTop = 0;
    size_t linesShown = 0;
    float backY = 480.0f;
    Frame last;
    Watch([&](const Frame& f) {
        const DrawCall* back = f.Find("storyback.png");
        if (!back) return;
        ++frames;
        last = f;
        EXPECT_LT(back->y, backY);  // the picture rises every frame ...
        backY = back->y;
        // Lines come up one by one at the bottom edge and none goes away.
        const std::set<float> rows = f.TextRows();
        EXPECT_GE(rows.size(), linesShown);
        if (rows.size() > linesShown) {
            EXPECT_EQ(*rows.rbegin(), 479.0f) << "frame " << frames;
        }
        linesShown = rows.size();
        if (rows.empty()) return;
        if (firstShown == 0) firstShown = frames;
        const int32_t top = static_cast<int32_t>(*rows.begin());
        if (firstShown < frames) {
            EXPECT_TRUE(top == lastTop || top == lastTop - 1) << "frame " << frames << ": " << lastTop << " to " << top;
        }
        if (top == 46 && restsFrom == 0) restsFrom = frames;
        lastTop = top;
    });
    ShowStory();
    TakeFrames();

    EXPECT_EQ(frames, 5300);
    EXPECT_EQ(backY, -50.0f);   // ... until it reaches -50
    EXPECT_EQ(firstShown, 67);  // 11 pixels up from 490
    EXPECT_EQ(restsFrom, 2665);
    EXPECT_EQ(lastTop, 46);
    EXPECT_EQ(linesShown, 16u);
    int32_t x = 0;  // centred by hand from (640 - 9 n) / 2, in capitals
    EXPECT_EQ(last.Text(46, &x), "CRIME IN OLD OSTGRAVE HAS SPIRALLED OUT OF CONTROL.");
    EXPECT_EQ(x, 90);
    EXPECT_EQ(last.Text(46 + 375, &x), "KESTRION");
    EXPECT_EQ(x, 284);
    // The fade to black, then the music fades out and two silent seconds.
    EXPECT_EQ(headless::Clock() - last.time, 520 + 2500 + 2000);
    EXPECT_EQ(IsChannelPlaying(MusicChannel), 0);
}

TEST_F(Screens, GameOverHoldsTheLastFrameAFixedFiveSecondsAfterASilentSecond) {
    EndMusic = LoadSoundFile("Data/Audio/Music/end.ogg", 1);  // looping, to be looked at afterwards
    const int32_t shownAt = headless::Clock() + 1000;
    std::vector<int32_t> times;
    std::vector<float> alphas;
    Watch([&](const Frame& f) {
        if (times.empty()) {  // the section's last frame is kept first
            EXPECT_EQ(f.calls.front().op, Op::Grab);
            EXPECT_EQ(f.calls.front().image, PauseScreenImage);
        }
        if (f.Text(220) != "GAME OVER") return;
        times.push_back(f.time);
        alphas.push_back(std::find_if(f.calls.begin(), f.calls.end(), [](const DrawCall& c) {
                             return c.image == SilverfontImage;
                         })->alpha);
    });
    ShowGameOver();
    TakeFrames();  // it reads no input
    ASSERT_GE(times.size(), 2u);
    EXPECT_GT(times.back() - shownAt, 5000);
    EXPECT_LE(times[times.size() - 2] - shownAt, 5000);
    EXPECT_FLOAT_EQ(alphas.front(), 0.005f);
    EXPECT_EQ(alphas.back(), 1.0f);
    EXPECT_EQ(headless::Clock() - times.back(), 520 + 1000);
    // The end music plays on into the results screen.
    EXPECT_EQ(media::QueryChannel(MusicChannel).sound, EndMusic);
    EXPECT_EQ(IsChannelPlaying(MusicChannel), 1);
}

struct GameCase {
    const char* name;
    int32_t startStage, debug, stage, kills, bullets, livesLost, playMillis;
    const char *enemyLine, *bulletsLine, *livesLine, *timeLine, *rank;
    bool levelHint, debugHint, counted;
};

TEST_F(Screens, ResultsGradeTheGameAndShowItsStatistics) {
    const GameCase cases[] = {
        {"every rule met", 1, 0, 11, 1100, 6000, 2, 35 * 60000 - 1,
         "1100 OK", "6000 OK", "2 OK", "34:59 OK", "A", true, true, true},
        {"35 minutes", 1, 0, 11, 1100, 6000, 2, 35 * 60000, "1100 OK", "6000 OK", "2 OK", "35:00", "B", true, false,
         true},
        {"every bound missed", 1, 0, 11, 1099, 6001, 3, 60000, "1099", "6001", "3", "1:00 OK", "D", false, false,
         true},
        {"lost in a fast game", 1, 0, 10, 1500, 10, 2, 59999, "1500 OK", "10 OK", "2 OK", "0:59", "C", false, false,
         true},
        {"lost, lives only", 1, 0, 2, 3, 7000, 1, 6005000, "3", "7000", "1 OK", "100:05", "E", false, false, true},
        {"lost, no rule", 1, 0, 2, 3, 7000, 3, 0, "3", "7000", "3", "0:00", "F", false, false, true},
        {"begun at a later section", 7, 0, 11, 1100, 6000, 2, 1000, "1100 OK", "6000 OK", "2 OK", "0:01 OK", "F",
         false, false, false},
        {"debug mode", 1, 1, 11, 1100, 6000, 2, 1000, "1100 OK", "6000 OK", "2 OK", "0:01 OK", "F", false, false,
         true},
        {"clock before the start", 1, 0, 3, 0, 0, 0, -5000, "0", "0 OK", "0 OK", "0:00", "D", false, false, true},
    };
    for (const GameCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartStageIndex = c.startStage;
        DebugMode = c.debug;
        StageNumber = c.stage;
        EnemiesKilled = c.kills;
        BulletsFired = c.bullets;
        LivesLost = c.livesLost;
        GameStartTime = headless::Clock() - c.playMillis;
        GamesPlayed = 40;
        Frame shown;
        Watch([&](const Frame& f) {
            if (!f.Results()) return;
            shown = f;
            headless::TapKey(Space);
        });
        ShowResults();
        const std::vector<std::string> lines = {shown.Text(90),  shown.Text(138), shown.Text(150), shown.Text(186),
                                                shown.Text(198), shown.Text(234), shown.Text(246), shown.Text(282),
                                                shown.Text(294), shown.Text(330), shown.Text(342)};
        EXPECT_EQ((std::vector<std::string>{"RESULTS", "ENEMY", c.enemyLine, "BULLETS", c.bulletsLine, "LIFES",
                                            c.livesLine, "TIME", c.timeLine, "RANK", c.rank}),
                  lines);
        EXPECT_EQ(shown.Text(390), c.levelHint ? "LEVEL SELECT = HOLD K L AND CURSORS" : "");
        EXPECT_EQ(shown.Text(402), c.debugHint ? "DEBUG MODE = STONEHARBOR" : "");
        EXPECT_EQ(GamesPlayed, c.counted ? 41 : 40);
    }
    // The count stops at the largest number the settings file holds.
    StartStageIndex = 1;
    GamesPlayed = std::numeric_limits<int32_t>::max();
    Watch([](const Frame& f) {
        if (f.Results()) headless::TapKey(Space);
    });
    ShowResults();
    EXPECT_EQ(GamesPlayed, std::numeric_limits<int32_t>::max());
}

TEST_F(Screens, EveryLostOrFinishedGameFromTheFirstSectionCountsOnceAndAnAbandonedOneNot) {
    dir_.reset();
    ResetGame();
    std::remove((root_ + "/Data/save.kvg").c_str());
    // Game 1 abandoned in its 2nd section, game 2 lost in its 3rd, game 3
    // finished, game 4 finished from the final section (K and L held, Left).
    TitleDriver driver;
    driver.held = {75, 76};
    driver.taps = {{90}, {90}, {90}, {37}, {90}};
    driver.Install();
    int32_t section = 0;
    ScriptSections([&] {
        ++section;
        return section == 2 ? 1 : section == 5 ? 2 : 3;
    });
    {
        WorkingDir dir(root_);
        EXPECT_THROW(Main(), headless::MediaExit);
    }
    const std::vector<std::string> log = FlowLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "ShowResults"), 3);
    EXPECT_EQ(std::count(log.begin(), log.end(), "ShowGameOver"), 1);
    EXPECT_EQ(section, 2 + 3 + 13 + 1);
    std::ifstream in(root_ + "/Data/save.kvg", std::ios::binary);
    int32_t saved = -1;
    in.read(reinterpret_cast<char*>(&saved), sizeof saved);
    EXPECT_EQ(saved, 2);
}

// What the in-stage loop saw in the demo; its hook is a plain function.
int32_t DemoPasses = 0;
std::vector<std::string> AttractItems;
int32_t DemoKey = Space;

void DemoHook(int32_t point, int32_t pass) {
    if (point == StagePassStart && pass == 1) {
        AttractItems.push_back("demo");
        EXPECT_EQ(DemoMode, 1);
        EXPECT_EQ(ControlDevice, 3);
        EXPECT_EQ(AutoSelectWeapon, 0);
        EXPECT_EQ(DebugMode, 0);
        EXPECT_EQ(ArmourLevel, 0);
        EXPECT_EQ(FireInterval, 150);
        EXPECT_EQ(LivesLost, 7);
        EXPECT_EQ(GameStartTime, 1234);
    }
    // A key held ends the demo on the pass that sees it.
    if (point == StagePassStart && pass == 3) headless::SetKey(DemoKey, true);
    if (point == StagePassEnd) {
        headless::SetKey(DemoKey, false);
        DemoPasses = pass;
    }
}

TEST_F(Screens, TheDemoPlaysAFirstSectionUnderTheScriptAndGivesTheControlsBack) {
    ControlDevice = 1;
    AutoSelectWeapon = 1;
    LivesLost = 7;
    GameStartTime = 1234;
    StageLoopHook = DemoHook;
    std::set<int32_t> stages;
    for (int32_t seed = 1; seed <= 40; ++seed) {
        DebugMode = 1;
        SeedRandom(seed * 7919);
        RunAttractDemo();
        stages.insert(StageNumber);
        EXPECT_EQ(DemoPasses, 3);
        EXPECT_EQ(DemoMode, 0);
        EXPECT_EQ(ControlDevice, 1);
        EXPECT_EQ(AutoSelectWeapon, 1);
        EXPECT_EQ(DebugMode, 0);
    }
    EXPECT_EQ((std::set<int32_t>{1, 2, 4, 5, 6, 7, 10}), stages);
}

TEST_F(Screens, LeftAloneTheTitleRunsDemoCreditsStoryAndLogoInTurn) {
    LivesLost = 7;
    GameStartTime = 1234;
    AttractItems.clear();
    StageLoopHook = DemoHook;
    DemoKey = KeyZ;
    std::vector<int32_t> titleFrames;  // per stay at the title
    size_t itemsSeen = 0;
    std::string last;
    Watch([&](const Frame& f) {
        std::string screen = f.Find("Titletext.png")   ? "title"
                             : f.Find("storyback.png") ? "ShowStory"
                             : f.Find("torvane.png")   ? "ShowLogoScreen"
                             : f.GlyphsOnly()          ? "ShowCredits"
                                                       : "";
        if (screen.empty()) return;
        if (screen == "title") {
            if (last != "title" || AttractItems.size() != itemsSeen) titleFrames.push_back(0);
            ++titleFrames.back();
            if (AttractItems.size() == 5) headless::TapKey(Escape);  // back after the second demo: quit
        } else {
            if (screen != last) AttractItems.push_back(screen);
            if (screen != "ShowLogoScreen") headless::TapKey(Escape);
        }
        itemsSeen = AttractItems.size();
        last = screen;
    });
    EXPECT_EQ(RunTitleScreen(), 0);
    TakeFrames();
    EXPECT_EQ((std::vector<std::string>{"demo", "ShowCredits", "ShowStory", "ShowLogoScreen", "demo"}), AttractItems);
    // Each item comes after 3310 frames left alone; the quit takes two.
    EXPECT_EQ((std::vector<int32_t>{3310, 3310, 3310, 3310, 3310, 2}), titleFrames);
}

}  // namespace
