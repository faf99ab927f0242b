// Start-up: the loads in manifest order under their mask colours and with
// their origins, the channels after them, the defaults and the settings file,
// and the stop on missing or broken data.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "headless.h"
#include "media_internal.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"
#include "shell/records.h"
#include "shell_fixture.h"

namespace fs = std::filesystem;
using namespace shelltest;

namespace {

// The mask colour in force for each file row, written out independently of
// the game's own table: 'n' none (the logo), 'k' black, 'g' green, 'b' blue.
char ExpectedMask(int32_t row) {
    if (row == 1) return 'n';
    if (row == 2) return 'k';
    if (row <= 21) return 'g';
    if (row <= 24) return 'k';
    if (row <= 73) return 'g';
    if (row <= 77) return 'k';
    if (row <= 83) return 'b';
    if (row <= 87) return 'g';
    if (row <= 96) return 'k';
    if (row <= 102) return 'g';
    if (row <= 109) return 'k';
    if (row <= 125) return 'g';
    return 'k';
}

// Opacity of the three probe pixels (black, green, blue) of cell 0.
std::string ProbeOpacity(int32_t handle) {
    const media::Image* image = media::FindImage(handle);
    if (!image || image->opaque.size() < 3) return "???";
    std::string s;
    for (int i = 0; i < 3; ++i) s += image->opaque[i] ? '1' : '0';
    return s;
}

std::string OpacityFor(char mask) {
    switch (mask) {
        case 'k': return "011";
        case 'g': return "101";
        case 'b': return "110";
        default: return "111";
    }
}

class StartUp : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = MakeTempDir();
        MakeDataFolder(root_);
    }
    static void TearDownTestSuite() { RemoveTree(root_); }
    void SetUp() override {
        ResetGame();
        std::error_code ec;
        fs::remove(root_ + "/Data/save.kvg", ec);
    }
    void TearDown() override { headless::SetPollHook(nullptr); }

    // Runs Main until the program ends; returns its exit status.
    int32_t RunMain(std::string* message = nullptr) {
        WorkingDir dir(root_);
        try {
            Main();
        } catch (const headless::MediaExit& exit) {
            if (message) *message = exit.message;
            return exit.status;
        }
        ADD_FAILURE() << "Main returned";
        return -1;
    }

    static std::string root_;
};
std::string StartUp::root_;

TEST_F(StartUp, LoadsEveryFileInManifestOrderUnderItsMaskWithItsOriginAndLoopFlag) {
    // The channel slots as start-up left them, at the story's first poll; by
    // then the story's music has taken the place of the music slot's channel.
    std::vector<int32_t> channels;
    MusicChannel = VoiceChannel = 0;
    TitleDriver driver;  // quits at once
    driver.onPoll = [&] {
        if (!channels.empty() || VoiceChannel == 0) return;
        channels = {BeepChannel, UiChannel, MusicIntroChannel, MusicLoopChannel, VoiceChannel};
        channels.insert(channels.end(), SfxChannels, SfxChannels + SfxChannelCount);
        channels.push_back(MusicChannel);
    };
    driver.Install();

    ASSERT_EQ(RunMain(), 0);

    // Capture images first, then every file in order: handles only grow.
    EXPECT_LT(FadeScreenImage, PauseScreenImage);
    int32_t last = PauseScreenImage;
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.row == 0) continue;
        EXPECT_GT(*e.target, last) << e.path;
        last = *e.target;
        if (HasProbePixels(e.path)) {
            EXPECT_EQ(ProbeOpacity(*e.target), OpacityFor(ExpectedMask(e.row))) << e.path;
        }
    }

    // Origins: the logo centred, the hero sheets at their hip lines.
    EXPECT_FLOAT_EQ(media::FindImage(TorvaneImage)->originX, 1.5f);
    const std::vector<std::pair<int32_t, std::pair<float, float>>> origins = {
        {0, {0, 0}},   {2, {32, 50}}, {3, {7, 50}},  {4, {4, 0}},   {5, {10, 0}},  {6, {25, 50}},
        {7, {0, 50}},  {8, {2, 34}},  {9, {2, 34}},  {10, {2, 34}}, {11, {32, 50}}, {12, {7, 50}},
        {13, {32, 50}}, {14, {7, 50}}, {15, {0, 0}}, {16, {0, 0}}};
    for (const auto& [entry, origin] : origins) {
        const media::Image* image = media::FindImage(HeroImages[entry]);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->originX, origin.first) << "HeroImages " << entry;
        EXPECT_EQ(image->originY, origin.second) << "HeroImages " << entry;
    }
    // The single channels, then the pool, all made after the last load; the
    // story's music after them.
    ASSERT_EQ(channels.size(), 23u);
    for (int32_t channel : channels) {
        EXPECT_GT(channel, last);
        last = channel;
    }
    // Entries no file fills stay 0.
    for (int32_t n : {0, 5, 6, 26, 31, 44, 46}) EXPECT_EQ(SfxSounds[n], 0) << n;
    for (int32_t k : {2, 3, 5, 7, 18}) EXPECT_EQ(EnemyImages[k], 0) << k;

    // Six sounds loop: the title and credits music, the rain, the lift and
    // the long parts of the stage music. Every sound here lasts 10 ms.
    const std::set<std::string> looping = {"Data/Audio/Music/Title.ogg",    "Data/Audio/Music/Credits.ogg",
                                           "Data/Audio/Sfx/Rainatmos.wav",  "Data/Audio/Sfx/Liftloop.wav",
                                           "Data/Audio/Music/track1_l.ogg", "Data/Audio/Music/track2_l.ogg"};
    int32_t sounds = 0;
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.op != ManifestOp::Sound) continue;
        ++sounds;
        const int32_t channel = PlaySoundOn(*e.target, 0);
        headless::AdvanceClock(100);
        EXPECT_EQ(IsChannelPlaying(channel), looping.count(e.path) == 1 ? 1 : 0) << e.path;
        StopChannel(channel);
    }
    EXPECT_GT(sounds, 50);
}

TEST_F(StartUp, OpensTheWindowSetsDefaultsAndReadsTheSettingsFileAfterThem) {
    const int32_t ints[6] = {7, 3, 0, 0, 1, 0x3E800000};  // brightness 0.25
    WriteBytes(root_ + "/Data/save.kvg", std::string(reinterpret_cast<const char*>(ints), sizeof ints));
    KeyCodes[0] = JoyButtons[1] = 555;  // start-up makes the tables anew
    TitleDriver driver;
    int32_t gamesAtTitle = 0;
    driver.onPoll = [&] {
        if (!InTitle() || gamesAtTitle != 0) return;  // at the title, after the story
        gamesAtTitle = GamesPlayed;
        GamesPlayed = 8;  // as if a game had been counted
    };
    driver.Install();
    ASSERT_EQ(RunMain(), 0);

    EXPECT_EQ(headless::AppTitle(), "Kestrion Vigil");
#if !STREETWARDEN_DISPLAY_QUESTIONS
    EXPECT_TRUE(headless::AskedQuestions().empty());
    EXPECT_EQ(VersionLabel, "VERSION 3.0 LINUX");
    EXPECT_EQ(headless::OpenedDepth(), 0);
    EXPECT_FALSE(headless::MousePointerHidden());
#else
    EXPECT_EQ(VersionLabel, "VERSION 3.0 WIN GL");
    EXPECT_EQ(headless::AskedQuestions().size(), 1u);  // answered no: a window
#endif
    EXPECT_EQ((std::vector<std::string>{"ShowLogoScreen", "ShowStory"}), FlowLog());

    // The file's values win over the defaults set just before it is read.
    EXPECT_EQ(gamesAtTitle, 7);
    EXPECT_EQ(ControlScheme, 3);
    EXPECT_EQ(MusicOn, 0);
    EXPECT_EQ(AltEnergyBar, 0);
    EXPECT_EQ(ShowPlayClock, 1);
    EXPECT_EQ(Brightness, 0.25f);
    EXPECT_EQ(Difficulty, 2);
    // Bindings the title does not rewrite keep their defaults.
    for (int32_t i : {0, 1, 2, 3, 5, 6, 7, 8, 11})
        EXPECT_EQ(KeyCodes[i], (std::array<int32_t, 12>{38, 40, 37, 39, 90, 83, 68, 80, 123, 67, 88, 90})[i]) << i;
    for (int32_t i : {1, 2, 3, 6}) EXPECT_EQ(JoyButtons[i], (std::array<int32_t, 7>{0, 99, 99, 8, 2, 1, 99})[i]) << i;

    // "LOADING" is drawn once, centred at y 445, before the title shows.
    int32_t loadingGlyphs = 0;
    for (const headless::DrawCall& c : headless::DrawCalls()) {
        if (c.path.ends_with("Titlescreen.png")) break;
        if (c.op == headless::Op::Draw && c.image == SilverfontImage && c.y == 445.0f) ++loadingGlyphs;
    }
    EXPECT_EQ(loadingGlyphs, 7);

    // Quitting wrote the settings back.
    std::ifstream in(root_ + "/Data/save.kvg", std::ios::binary);
    int32_t saved[6] = {};
    in.read(reinterpret_cast<char*>(saved), sizeof saved);
    EXPECT_EQ(in.gcount(), 24);
    EXPECT_EQ(std::vector<int32_t>(saved, saved + 6), std::vector<int32_t>({8, 3, 0, 0, 1, 0x3E800000}));
}

TEST_F(StartUp, AMissingDataFileStopsBeforeTheDisplayOpensNamingIt) {
    const std::string victim = "Data/Graphics/Enemy/biker.png";
    const std::string strip = "Data/Graphics/Levels/Vxc/Elevator.png";
    fs::rename(root_ + "/" + victim, root_ + "/biker.aside");
    fs::rename(root_ + "/" + strip, root_ + "/strip.aside");
    std::string message;
    const int32_t status = RunMain(&message);
    fs::rename(root_ + "/biker.aside", root_ + "/" + victim);
    fs::rename(root_ + "/strip.aside", root_ + "/" + strip);

    EXPECT_EQ(status, 1);
    EXPECT_NE(message.find(victim), std::string::npos) << message;
    EXPECT_NE(message.find(strip), std::string::npos) << message;
    // The player is told what can be done where the program runs; a
    // Windows box would show an '&' as an accelerator mark.
#if defined(_WIN32)
    EXPECT_NE(message.find("beside streetwarden.exe"), std::string::npos) << message;
#else
    EXPECT_NE(message.find("build the game again"), std::string::npos) << message;
#endif
    EXPECT_EQ(message.find('&'), std::string::npos) << message;
    EXPECT_EQ(headless::ReportedFailures(), std::vector<std::string>{message});
    EXPECT_FALSE(headless::DisplayOpen());
    EXPECT_TRUE(headless::AskedQuestions().empty());
    EXPECT_TRUE(FlowLog().empty());

    // A whole folder gone: the box names the first ten and counts the rest,
    // so that it still fits on the screen.
    ResetGame();
    fs::rename(root_ + "/Data/Audio", root_ + "/audio.aside");
    const int32_t folderStatus = RunMain(&message);
    fs::rename(root_ + "/audio.aside", root_ + "/Data/Audio");
    EXPECT_EQ(folderStatus, 1);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 12) << message;
    EXPECT_NE(message.find("  and "), std::string::npos) << message;
}

// A named pipe is no file: one at a data path is missing, one at the
// settings path means no settings. Neither is opened (that would wait).
TEST_F(StartUp, APipeAtADataPathIsMissingAndAPipeAtTheSettingsPathIsNoSettings) {
    const std::string victim = "Data/Graphics/Levels/Street/Cruiser.png";
    std::string message;
    int32_t status = -1;
    bool waited = false;
    {
        NamedPipe pipe(root_ + "/" + victim);
        if (!pipe.Made()) GTEST_SKIP() << "no named pipes here";
        status = RunMain(&message);
        waited = pipe.Fired();
    }
    EXPECT_FALSE(waited) << "start-up waited on the pipe at " << victim;
    EXPECT_EQ(status, 1);
    EXPECT_NE(message.find("missing"), std::string::npos) << message;
    EXPECT_NE(message.find(victim), std::string::npos) << message;
    EXPECT_FALSE(headless::DisplayOpen());

    ResetGame();
    {
        NamedPipe pipe(root_ + "/Data/save.kvg");
        TitleDriver driver;  // quits at once
        driver.Install();
        status = RunMain();
        waited = pipe.Fired();
    }
    EXPECT_FALSE(waited) << "start-up waited on the pipe at Data/save.kvg";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(MusicOn, 1);  // the default
    // Quitting from the title saved the settings in the pipe's place.
    EXPECT_TRUE(fs::is_regular_file(root_ + "/Data/save.kvg"));
    EXPECT_EQ(fs::file_size(root_ + "/Data/save.kvg"), 24u);
}

TEST_F(StartUp, AFileThatIsThereButWillNotLoadStopsNamingIt) {
    const std::string victim = root_ + "/Data/Audio/Sfx/Go.wav";
    WriteBytes(victim, "not a sound");
    std::string message;
    const int32_t status = RunMain(&message);
    WriteWav(victim);

    EXPECT_EQ(status, 1);
    EXPECT_NE(message.find("Data/Audio/Sfx/Go.wav"), std::string::npos) << message;
    EXPECT_EQ(SfxSounds[32], 0);
}

// An empty file of every kind the game loads, and a picture whose header
// gives fewer or more rows than its data holds, stop start-up naming the
// file. (An empty section strip: PlayStage's test below.)
TEST_F(StartUp, AnEmptyFileOfEveryKindAndAPictureAtOddsWithItsHeaderStopNamingThem) {
    const std::string title = "Data/Graphics/System/Titlescreen.png";
    const std::vector<uint8_t> rows(3 * 4 * 3, 90);  // 3 x 4 pixels
    struct Case {
        std::string path;
        const char* damage;
        std::function<void(const std::string&)> write;
    };
    const auto empty = [](const std::string& at) { WriteBytes(at, ""); };
    const Case cases[] = {
        {"Data/Graphics/System/torvane.png", "empty picture", empty},
        {"Data/Graphics/System/silverfont.png", "empty strip", empty},
        {"Data/Audio/Sfx/CompBeep.wav", "empty WAV sound", empty},
        {"Data/Audio/Music/end.ogg", "empty Ogg music", empty},
        {title, "header giving half the rows", [&](const std::string& at) { WritePng(at, 3, 4, rows, 2); }},
        {title, "header giving twice the rows", [&](const std::string& at) { WritePng(at, 3, 4, rows, 8); }},
    };
    TitleDriver driver;  // a start-up that goes on quits at the title
    for (const Case& c : cases) {
        const std::string at = root_ + "/" + c.path;
        std::ifstream in(at, std::ios::binary);
        const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        c.write(at);
        ResetGame();
        headless::SetSynthesiseMissingImages(false);
        driver.Install();
        std::string message;
        const int32_t status = RunMain(&message);
        WriteBytes(at, good);

        EXPECT_EQ(status, 1) << c.path << ", " << c.damage;
        EXPECT_NE(message.find(c.path + " could not be loaded"), std::string::npos)
            << c.path << ", " << c.damage << ": " << message;
    }
}

TEST_F(StartUp, PlayStageLoadsTheSectionStripAndReleasesItAfterwards) {
    WorkingDir dir(root_);
    std::vector<std::pair<int32_t, int32_t>> seen;  // stage, cells of its strip
    ScriptSections([&] {
        seen.emplace_back(StageNumber, ImageFrameCount(StageStripImage));
        if (StageStripImage != 0) {
            EXPECT_EQ(ImageFrameWidth(StageStripImage), 40);
            EXPECT_EQ(ImageFrameHeight(StageStripImage), 480);
        }
        return StageNumber == 1 ? 3 : 1;
    });
    StageNumber = 1;
    EXPECT_EQ(PlayStage(), 1);
    StageNumber = 21;
    EXPECT_EQ(PlayStage(), 0);
    EXPECT_EQ((std::vector<std::pair<int32_t, int32_t>>{{1, 135}, {21, 16}}), seen);
    EXPECT_EQ(StageStripImage, 0);

    // A strip that is there but is no picture stops the game naming it.
    headless::SetSynthesiseMissingImages(false);
    StageNumber = 3;
    try {
        PlayStage();
        ADD_FAILURE() << "PlayStage went on";
    } catch (const headless::MediaExit& exit) {
        EXPECT_EQ(exit.status, 1);
        EXPECT_NE(exit.message.find("Data/Graphics/Levels/Street/Alley.png"), std::string::npos);
    }
}

TEST(StartUpOnGeneratedData, EveryFileOfTheGeneratedDataLoads) {
    const fs::path data = STREETWARDEN_DATA_DIR;
    const std::string root = MakeTempDir();
    fs::create_directories(root + "/Data");
    // Links to the generated folders, or copies where links cannot be made.
    for (const char* folder : {"Graphics", "Audio"}) {
        std::error_code ec;
        fs::create_directory_symlink(data / folder, root + "/Data/" + folder, ec);
        if (ec) fs::copy(data / folder, root + "/Data/" + folder, fs::copy_options::recursive, ec);
    }
    size_t missing = 0;
    {
        WorkingDir dir(root);
        missing = MissingDataFiles().size();
    }
    if (missing > 0) {
        RemoveTree(root);
        GTEST_SKIP() << "no generated Data folder at " << data << " (" << missing << " files missing)";
    }
    ResetGame();
    headless::SetSynthesiseMissingImages(false);
    TitleDriver driver;
    driver.Install();
    {
        WorkingDir dir(root);
        try {
            Main();
        } catch (const headless::MediaExit& exit) {
            EXPECT_EQ(exit.status, 0) << exit.message;
        }
    }
    headless::SetPollHook(nullptr);
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.row > 0) {
            EXPECT_NE(*e.target, 0) << e.path;
        }
    }
    RemoveTree(root);
}

}  // namespace
