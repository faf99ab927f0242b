// The real program end to end: the game code on the real backend (SDL and
// OpenGL; SDL's offscreen driver gives a real OpenGL context without a
// display) with the generated data, its presented frames grabbed and held
// against what the images' own pixels say they should be.
//
// Each test runs the game once, so each needs a process of its own (CTest
// runs every test of this program in its own process).
#include <gtest/gtest.h>
#include <zlib.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <string>
#include <vector>

#include "game_start.h"
#include "intro_watch.h"
#include "media.h"
#include "play/stage_loop.h"
#include "present_watch.h"
#include "screen_model.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/records.h"

namespace {

using e2e::Blend;
using e2e::Rect;
using e2e::Screen;

// Thrown from a hook to leave the game once the frames are taken.
struct Stop {};

// A run that has not got where it should by then has failed.
constexpr int32_t RunLimitMillis = 120000;
int32_t g_runStart = 0;

void CheckRunLimit() {
    if (MillisSince(g_runStart) > RunLimitMillis) throw Stop{};
}

// Sets an environment variable; `keep` leaves one the caller has set.
void SetEnvironment(const char* name, const char* value, bool keep) {
    if (keep && std::getenv(name)) return;
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

// Gets the process ready for one run of the game: the offscreen display
// (unless the caller chose another), silent audio, the data folder.
bool StartRun() {
    static bool ran = false;
    if (ran) return false;
    ran = true;
#ifdef _WIN32
    // Under wine SDL's offscreen driver has no OpenGL: the window opens on
    // the virtual X display the test is given.
    SetEnvironment("SDL_VIDEODRIVER", "windows", false);
#else
    SetEnvironment("SDL_VIDEODRIVER", "offscreen", true);
#endif
    SetEnvironment("SDL_AUDIODRIVER", "dummy", true);
    std::string error;
    if (!EnterDataFolder(STREETWARDEN_DATA_DIR, &error)) {
        ADD_FAILURE() << error;
        return false;
    }
    g_runStart = ElapsedMillis();
    return true;
}

#define START_RUN_OR_SKIP()                                                             \
    do {                                                                                \
        if (!StartRun()) GTEST_SKIP() << "the game runs once per process (as CTest runs it)"; \
    } while (0)

// When a check fails, the frame and what it should have been go into the
// build folder as e2e_<what>_actual.png and e2e_<what>_expected.png.
void SaveForAPerson(const std::string& what, const Screen& actual, const Screen& expected) {
    const std::string base = std::string(STREETWARDEN_BUILD_DIR) + "/e2e_" + what;
    e2e::SavePng(actual, base + "_actual.png");
    e2e::SavePng(expected, base + "_expected.png");
    std::printf("saved %s_actual.png and %s_expected.png\n", base.c_str(), base.c_str());
}

struct Grab {
    bool taken = false;
    Screen screen;
    void Take() {
        screen = e2e::FromImage(watch::GrabScreen());
        taken = true;
    }
};

// ---------------------------------------------------------------- start-up

// The title's fade-in takes this many frames after its music starts; its own
// frames follow.
constexpr int64_t TitleFadeFrames = 51;
// Frame 60 of the title: the start prompt shows (frames 1 to 74 of each
// cycle), the title text is still faint. Frame 445: the title text is whole
// (from frame 400) and no prompt shows (frames 75 to 150). Both sit late in
// their windows: on a busy machine the fade can repeat some of its frames,
// so the title's own frames start later than counted here.
constexpr int64_t TitlePromptFrame = TitleFadeFrames + 60;
constexpr int64_t TitleWholeFrame = TitleFadeFrames + 445;

Grab g_loading, g_titlePrompt, g_titleWhole;

void OnStartUpFrame() {
    watch::WatchIntro(true);
    const watch::IntroProgress& intro = watch::Intro();
    if (intro.loadedFrame == watch::PresentedFrames()) g_loading.Take();
    if (intro.titleFrames == TitlePromptFrame) g_titlePrompt.Take();
    if (intro.titleFrames == TitleWholeFrame) {
        g_titleWhole.Take();
        throw Stop{};
    }
    CheckRunLimit();
}

// The title picture as every title frame begins, with the maker's line.
Screen TitleBase(Rect* makerBox) {
    Screen s;
    e2e::Draw(s, TitlescreenImage, 0, 0, 0, 1);
    *makerBox = e2e::DrawCentredText(s, SilverfontImage, 464, "A STREETWARDEN GAME", 2, Blend::Light);
    return s;
}

TEST(RealProgram, ShowsLoadingThenReachesTheTitleWithItsTextInPlace) {
#if STREETWARDEN_DISPLAY_QUESTIONS
    GTEST_SKIP() << "this build asks its display questions first, in system message boxes that nothing inside the "
                    "program answers; the wine program tests answer them with keys and reach the title";
#endif
    START_RUN_OR_SKIP();
    watch::SetPresentHook(OnStartUpFrame);
    try {
        Main();
    } catch (const Stop&) {
    }
    watch::SetPresentHook(nullptr);
    ASSERT_TRUE(g_loading.taken) << "the loading screen never showed";
    ASSERT_TRUE(g_titlePrompt.taken) << "the title never came";
    ASSERT_TRUE(g_titleWhole.taken) << "the title did not stay for long";

    // "LOADING" centred at y 445 on black: its glyphs exactly, nothing else lit.
    Screen loading;
    const Rect box = e2e::DrawCentredText(loading, SilverfontImage, 445, "LOADING", 1, Blend::Mask);
    EXPECT_EQ(box.x, 288);
    int lit = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) lit += loading.layer[y * e2e::Width + x] != 0;
    }
    ASSERT_GT(lit, 100) << "the font draws nothing";
    // The fade's last step may leave the picture 2% dark.
    auto everywhere = [](int, int) { return true; };
    const e2e::Difference d = e2e::Compare(g_loading.screen, loading, 8, everywhere);
    EXPECT_EQ(d.differing, 0) << "loading screen: " << d.first;
    if (d.differing) SaveForAPerson("loading", g_loading.screen, loading);

    // The title picture, the start prompt at y 365 and the maker's line at
    // y 464, lit over it; the title text (still faint) is left out.
    Rect maker{};
    Screen prompt = TitleBase(&maker);
    e2e::DrawCentredText(prompt, SilverfontImage, 365, "BUTTON 1 START GAME", 3, Blend::Light);
    const Rect text{9, 95, ImageFrameWidth(TitletextImage), ImageFrameHeight(TitletextImage)};
    const e2e::Difference p =
        e2e::Compare(g_titlePrompt.screen, prompt, 3, [&](int x, int y) { return !text.Contains(x, y); });
    EXPECT_EQ(p.differing, 0) << "title with its start prompt: " << p.first;
    if (p.differing) SaveForAPerson("title_prompt", g_titlePrompt.screen, prompt);

    // Later the title text stands whole at (9, 95) and the prompt is gone.
    Screen whole = TitleBase(&maker);
    e2e::Draw(whole, TitletextImage, 0, 9, 95, 4, Blend::Alpha, 1.0f);
    const e2e::Difference w = e2e::Compare(g_titleWhole.screen, whole, 3, everywhere);
    EXPECT_EQ(w.differing, 0) << "title with its whole text: " << w.first;
    if (w.differing) SaveForAPerson("title_whole", g_titleWhole.screen, whole);
}

// ---------------------------------------------------------------- a section

// The section's background values as its first frame drew them.
struct BackgroundState {
    int32_t parallaxA, parallaxB, parallaxC, parallaxD;
    int32_t cameraX, scrollColumn, scrollSub, shake, stageLength, slowMotion;
};
Grab g_firstFrame;
BackgroundState g_state{};

void OnSectionPass(int32_t point, int32_t pass) {
    CheckRunLimit();
    if (point != StagePassEnd || pass != 1) return;
    g_firstFrame.Take();
    g_state = {ParallaxA, ParallaxB, ParallaxC, ParallaxD, CameraX, ScrollColumn, ScrollSub, ScreenShake,
               StageLength, SlowMotion};
    throw Stop{};
}

enum Layer { None, Band1, Band2, Band3, City, Strip, Pool, LayerCount };
const char* const LayerNames[LayerCount] = {"none", "sky band 1", "sky band 2", "sky band 3",
                                            "city", "strip", "light pool"};

// A section's background values, and the layers that show enough of
// themselves in its first frame to be checked.
struct SectionLayers {
    int32_t stage;
    int32_t skyY1, skyY2, skyY3;
    int32_t band3Image;  // index in SkyImages
    int32_t cityImage;   // index in CityImages
    int32_t cityY;
    int32_t lightPoolX;  // 0: none on screen at the start
    std::vector<Layer> checked;
};

// The heads-up display's band at the top of the screen.
constexpr int HudBottom = 45;

// The back layers in their order, then the light pool over everything, with
// one layer (`moved`) displaced by (dx, dy). `under` receives the picture
// before the light pool.
Screen BackgroundModel(const SectionLayers& section, const BackgroundState& s, int moved, int dx, int dy,
                       Screen* under) {
    auto at = [&](int layer, int x, int y, int* ox, int* oy) {
        *ox = x + (layer == moved ? dx : 0);
        *oy = y + s.shake + (layer == moved ? dy : 0);
    };
    Screen m;
    int x = 0, y = 0;
    for (int copy : {0, 640, -640}) {
        at(Band1, s.parallaxA + copy, section.skyY1, &x, &y);
        e2e::Draw(m, SkyImages[9], 0, x, y, Band1);
    }
    for (int copy : {0, 640, -640}) {
        at(Band2, s.parallaxB + copy, section.skyY2, &x, &y);
        e2e::Draw(m, SkyImages[8], 0, x, y, Band2);
    }
    for (int copy : {0, 640, -640}) {
        at(Band3, s.parallaxC + copy, section.skyY3, &x, &y);
        e2e::Draw(m, SkyImages[section.band3Image], 0, x, y, Band3);
    }
    for (int copy : {0, 640}) {
        at(City, s.parallaxD + copy, section.cityY, &x, &y);
        e2e::Draw(m, CityImages[section.cityImage], 0, x, y, City);
    }
    for (int k = 0; k < 18; ++k) {
        const int column = s.scrollColumn - 1 + k;
        if (column < 0 || column > s.stageLength / 40 - 1) continue;
        at(Strip, s.scrollSub - 40 + 40 * k, 0, &x, &y);
        e2e::Draw(m, StageStripImage, column, x, y, Strip);
    }
    if (under) *under = m;
    if (section.lightPoolX != 0) {
        at(Pool, s.cameraX + section.lightPoolX, 130, &x, &y);
        e2e::Draw(m, LightmapImage, 0, x, y, Pool, Blend::Light, 0.3f);
    }
    return m;
}

void CheckFirstFrameLayers(const SectionLayers& section) {
    StageLoopHook = OnSectionPass;
    try {
        PlayOneSection(section.stage, 0);
    } catch (const Stop&) {
    }
    StageLoopHook = nullptr;
    ASSERT_TRUE(g_firstFrame.taken) << "the section's first frame never came";
    ASSERT_EQ(g_state.slowMotion, 0);
    if (section.lightPoolX != 0) {
        const int poolX = g_state.cameraX + section.lightPoolX;
        ASSERT_TRUE(-120 < poolX && poolX < 640) << "the light pool is off screen";
    }

    Screen background;
    const Screen expected = BackgroundModel(section, g_state, None, 0, 0, &background);
    const Screen& actual = g_firstFrame.screen;
    // Below the heads-up display, each layer's visible pixels must match
    // where the hero, the props and the like do not cover them: most of
    // them, and more than if the layer lay one pixel off in any direction.
    bool allInPlace = true;
    for (const Layer layer : section.checked) {
        auto mine = [&](int x, int y) {
            const size_t i = static_cast<size_t>(y) * e2e::Width + x;
            if (y < HudBottom || expected.layer[i] != layer) return false;
            // A pool pixel counts where the pool brightens it visibly.
            if (layer == Pool) {
                const uint8_t* lit = expected.At(x, y);
                const uint8_t* dark = background.At(x, y);
                return lit[0] + lit[1] + lit[2] > dark[0] + dark[1] + dark[2] + 24;
            }
            return true;
        };
        const e2e::Difference d = e2e::Compare(actual, expected, 3, mine);
        int fewestOff = d.looked;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (dx == 0 && dy == 0) continue;
                const Screen off = BackgroundModel(section, g_state, layer, dx, dy, nullptr);
                fewestOff = std::min(fewestOff, e2e::Compare(actual, off, 3, mine).differing);
            }
        }
        std::printf("%-11s %6d pixels shown, %6d differ, at least %6d a pixel off\n", LayerNames[layer], d.looked,
                    d.differing, fewestOff);
        const bool inPlace = d.looked > 1000 && d.differing * 5 <= d.looked && d.differing < fewestOff;
        EXPECT_TRUE(inPlace) << LayerNames[layer] << ": " << d.looked << " pixels shown, " << d.differing
                             << " differ (first " << d.first << "), " << fewestOff << " a pixel off";
        allInPlace = allInPlace && inPlace;
    }
    if (!allInPlace) SaveForAPerson("section_" + std::to_string(section.stage), actual, expected);
}

// The junkyard: two sky bands show over its fence (the far city and the
// lowest band lie behind the strip).
TEST(RealProgram, FirstFrameOfTheJunkyardHasItsSkyAndStripInPlace) {
    START_RUN_OR_SKIP();
    CheckFirstFrameLayers({10, 184, 94, 4, 1, 10, 134, 0, {Band2, Band3, Strip}});
}

// The billboard: a light pool falls on its street.
TEST(RealProgram, FirstFrameOfTheBillboardHasItsStripAndLightPoolInPlace) {
    START_RUN_OR_SKIP();
    CheckFirstFrameLayers({21, 9, -81, -171, 1, 1, 96, 119, {Strip, Pool}});
}

// ---------------------------------------------------------------- damaged data

#ifndef _WIN32
namespace fs = std::filesystem;

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The program's own file, linked into a folder of the build beside a Data
// folder of links to the generated files, but `file` holding `bytes`; run
// there (ended after 120 s at the latest), its output kept in output.txt.
struct DamagedRun {
    fs::path folder;
    int status = -1;
    std::string output;
};

DamagedRun RunWithDamagedFile(const std::string& name, const std::string& file, const std::string& bytes) {
    DamagedRun run;
    run.folder = fs::path(STREETWARDEN_BUILD_DIR) / "e2e_damaged" / name;
    fs::remove_all(run.folder);
    const fs::path data = STREETWARDEN_DATA_DIR;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data)) {
        const fs::path to = run.folder / "Data" / fs::relative(entry.path(), data);
        if (entry.is_directory()) {
            fs::create_directories(to);
        } else if (entry.path().filename() != "save.kvg") {
            fs::create_symlink(entry.path(), to);
        }
    }
    fs::remove(run.folder / file);
    std::ofstream(run.folder / file, std::ios::binary) << bytes;
    std::error_code ec;
    fs::create_hard_link(fs::path(STREETWARDEN_BUILD_DIR) / "streetwarden", run.folder / "streetwarden", ec);
    if (ec) fs::copy_file(fs::path(STREETWARDEN_BUILD_DIR) / "streetwarden", run.folder / "streetwarden");
    const std::string command = "cd '" + run.folder.string() +
                                "' && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout 120 ./streetwarden"
                                " > output.txt 2>&1";
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.output = FileBytes(run.folder / "output.txt");
    return run;
}
#endif

// The title picture with the height in its header halved (its checksum set
// right), and empty music: the program stops and names the file, as the
// headless start-up does.
TEST(RealProgram, ADamagedPictureOrEmptyMusicStopsTheProgramNamingTheFile) {
#ifdef _WIN32
    GTEST_SKIP() << "the runs start the program from a shell and read what it prints; the Windows program asks "
                    "its display questions first and shows the damage in a message box, which nothing here answers";
#else
    const std::string title = "Data/Graphics/System/Titlescreen.png";
    std::string halved = FileBytes(fs::path(STREETWARDEN_DATA_DIR) / "Graphics/System/Titlescreen.png");
    ASSERT_GT(halved.size(), 33u) << "no generated title picture";
    // The header chunk: its type at byte 12, the height at 20, its checksum at 29.
    auto* header = reinterpret_cast<unsigned char*>(halved.data());
    const auto put = [&](int at, uint32_t value) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
    };
    put(20, (uint32_t{header[20]} << 24 | uint32_t{header[21]} << 16 | uint32_t{header[22]} << 8 | header[23]) / 2);
    put(29, static_cast<uint32_t>(crc32(0, header + 12, 17)));
    const std::string music = "Data/Audio/Music/end.ogg";

    // Both at once: each waits through the logo before its loads.
    auto picture = std::async(std::launch::async, [&] { return RunWithDamagedFile("picture", title, halved); });
    auto empty = std::async(std::launch::async, [&] { return RunWithDamagedFile("music", music, ""); });
    const struct {
        std::string file, damage;
        DamagedRun run;
    } runs[] = {{title, "header giving half the rows", picture.get()}, {music, "empty Ogg music", empty.get()}};
    for (const auto& r : runs) {
        const std::string why = r.file + ", " + r.damage + ": status " + std::to_string(r.run.status) + ", output (" +
                                (r.run.folder / "output.txt").string() + "):\n" + r.run.output;
        EXPECT_EQ(r.run.status, 1) << why;
        EXPECT_NE(r.run.output.find("the data file " + r.file + " could not be loaded"), std::string::npos) << why;
    }
#endif
}

}  // namespace
