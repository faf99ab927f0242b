// The settings file: layout and round trip, short and damaged files, and a
// save that is cut short or cannot be written.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include "headless.h"
#include "shell/records.h"
#include "shell/settings.h"
#include "shell_fixture.h"

namespace fs = std::filesystem;
using namespace shelltest;

namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Le32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

std::string File(int32_t games, int32_t scheme, int32_t music, int32_t bar, int32_t clock, float bright) {
    uint32_t bits;
    std::memcpy(&bits, &bright, 4);
    return Le32(games) + Le32(scheme) + Le32(music) + Le32(bar) + Le32(clock) + Le32(bits);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        root_ = MakeTempDir();
        fs::create_directories(root_ + "/Data");
        dir_ = std::make_unique<WorkingDir>(root_);
        SetStartupDefaults();
    }
    void TearDown() override {
        dir_.reset();
        RemoveTree(root_);
    }
    std::string root_;
    std::unique_ptr<WorkingDir> dir_;
};

TEST_F(SettingsFile, SaveWritesTwentyFourLittleEndianBytesThatLoadBack) {
    fs::create_directories("Data/save.kvg");  // a folder of that name reads nothing
    LoadSettings();
    EXPECT_EQ(MusicOn, 1);
    fs::remove("Data/save.kvg");

    GamesPlayed = 0x01020304;
    ControlScheme = 4;
    MusicOn = 0;
    AltEnergyBar = 0;
    ShowPlayClock = 1;
    Brightness = 0.5f;
    SaveSettings();
    EXPECT_EQ(FileBytes("Data/save.kvg"), File(0x01020304, 4, 0, 0, 1, 0.5f));
    EXPECT_FALSE(fs::exists(SettingsTempPath));

    SetStartupDefaults();
    LoadSettings();
    EXPECT_EQ(GamesPlayed, 0x01020304);
    EXPECT_EQ(ControlScheme, 4);
    EXPECT_EQ(MusicOn, 0);
    EXPECT_EQ(AltEnergyBar, 0);
    EXPECT_EQ(ShowPlayClock, 1);
    EXPECT_EQ(Brightness, 0.5f);
}

// Each save replaces the file the one before left (on every system: a plain
// rename does not replace an existing file everywhere).
TEST_F(SettingsFile, SavesOverAnEarlierSaveSucceedAndKeepTheLastValues) {
    for (int32_t save = 1; save <= 3; ++save) {
        SCOPED_TRACE(save);
        GamesPlayed = save;
        ControlScheme = save;
        Brightness = 0.125f * static_cast<float>(save);
        ::testing::internal::CaptureStderr();
        SaveSettings();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_TRUE(headless::ReportedFailures().empty());
        EXPECT_EQ(FileBytes("Data/save.kvg"), File(save, save, 1, 1, 0, 0.125f * static_cast<float>(save)));
        EXPECT_FALSE(fs::exists(SettingsTempPath));
    }
}

TEST_F(SettingsFile, AShortFileKeepsTheDefaultsOfTheFieldsItDoesNotHold) {
    WriteBytes("Data/save.kvg", File(9, 2, 0, 0, 1, 0.3f).substr(0, 10));  // two fields and a half
    LoadSettings();
    EXPECT_EQ(GamesPlayed, 9);
    EXPECT_EQ(ControlScheme, 2);
    EXPECT_EQ(MusicOn, 1);
    EXPECT_EQ(AltEnergyBar, 1);
    EXPECT_EQ(ShowPlayClock, 0);

    WriteBytes("Data/save.kvg", File(9, 2, 0, 0, 1, 0.3f).substr(0, 23));
    LoadSettings();
    EXPECT_EQ(ShowPlayClock, 1);
    EXPECT_EQ(Brightness, 0.0f);
}

TEST_F(SettingsFile, OutOfRangeValuesAreSetRight) {
    struct Case {
        int32_t scheme, music, bar, clock;
        float bright;
        int32_t wantScheme, wantMusic, wantBar, wantClock;
        float wantBright;
    };
    const float inf = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {6, 2, -1, 7, 0.75f, 0, 0, 0, 0, 0.5f},
        {-1, 1, 1, 1, -0.25f, 0, 1, 1, 1, 0.0f},
        {5, 0, 0, 0, std::numeric_limits<float>::quiet_NaN(), 5, 0, 0, 0, 0.0f},
        {3, 1, 1, 0, inf, 3, 1, 1, 0, 0.5f},
    };
    for (const Case& c : cases) {
        WriteBytes("Data/save.kvg", File(1, c.scheme, c.music, c.bar, c.clock, c.bright));
        LoadSettings();
        EXPECT_EQ(ControlScheme, c.wantScheme);
        EXPECT_EQ(MusicOn, c.wantMusic);
        EXPECT_EQ(AltEnergyBar, c.wantBar);
        EXPECT_EQ(ShowPlayClock, c.wantClock);
        EXPECT_EQ(Brightness, c.wantBright) << c.bright;
    }
    GamesPlayed = std::numeric_limits<int32_t>::max() - 1;
    CountGamePlayed();
    CountGamePlayed();
    EXPECT_EQ(GamesPlayed, std::numeric_limits<int32_t>::max());
}

TEST_F(SettingsFile, ASaveCutShortOrFailingLeavesTheOldFileWhole) {
    const std::string old = File(5, 1, 1, 0, 0, 0.125f);
    WriteBytes("Data/save.kvg", old);
    // Killed after writing part of the new file: the old one still loads.
    WriteBytes(SettingsTempPath, "\x09\x00");
    LoadSettings();
    EXPECT_EQ(GamesPlayed, 5);
    EXPECT_EQ(Brightness, 0.125f);

    // A save that cannot write keeps the old file and tells the player, in
    // one line on stderr and through the one report the player sees.
    fs::remove(SettingsTempPath);
    fs::create_directories(std::string(SettingsTempPath) + "/blocked");
    GamesPlayed = 6;
    ::testing::internal::CaptureStderr();
    SaveSettings();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(FileBytes("Data/save.kvg"), old);
    EXPECT_NE(said.find("could not save its settings"), std::string::npos) << said;
    EXPECT_NE(said.find("Data/save.kvg"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    ASSERT_EQ(headless::ReportedFailures().size(), 1u);
    EXPECT_EQ(headless::ReportedFailures()[0] + "\n", said);

    // Once the way is clear the next save goes through.
    fs::remove_all(SettingsTempPath);
    WriteBytes(SettingsTempPath, "\x09\x00");
    SaveSettings();
    EXPECT_EQ(FileBytes("Data/save.kvg"), File(6, 1, 1, 0, 0, 0.125f));
    EXPECT_FALSE(fs::exists(SettingsTempPath));
}

// The game only counts up from 0; a damaged file once showed
// "GAMES PLAYED -185273100" on the title.
TEST_F(SettingsFile, ANegativeGamesPlayedCountReadsAsZero) {
    WriteBytes("Data/save.kvg", File(-185273100, 2, 0, 1, 1, 0.0f));
    LoadSettings();
    EXPECT_EQ(GamesPlayed, 0);
    EXPECT_EQ(ControlScheme, 2);  // the other fields still count
    CountGamePlayed();
    SaveSettings();
    EXPECT_EQ(FileBytes("Data/save.kvg"), File(1, 2, 0, 1, 1, 0.0f));
}

// A named pipe where the new file is written would wait for a reader for
// ever: the save fails as any other and keeps the old file.
TEST_F(SettingsFile, APipeWhereTheSaveIsWrittenFailsTheSaveAndKeepsTheOldFile) {
    const std::string old = File(5, 1, 1, 0, 0, 0.0f);
    WriteBytes("Data/save.kvg", old);
    std::string said;
    bool waited = false;
    {
        NamedPipe pipe(SettingsTempPath);
        if (!pipe.Made()) GTEST_SKIP() << "no named pipes here";
        GamesPlayed = 6;
        ::testing::internal::CaptureStderr();
        SaveSettings();
        said = ::testing::internal::GetCapturedStderr();
        waited = pipe.Fired();
    }
    EXPECT_FALSE(waited) << "the save waited on the pipe";
    EXPECT_EQ(FileBytes("Data/save.kvg"), old);
    EXPECT_NE(said.find("Data/save.kvg"), std::string::npos) << said;
}

}  // namespace
