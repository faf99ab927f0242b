// The Windows build's own program, run under wine on a virtual X display as a
// person would run it: its display questions answered from the keyboard, the
// title it reaches held against the images' own pixels, the version label
// shown while C is held, the pointer hidden in full screen, the settings it
// saves on quitting, and a cancel that ends it before any data file is opened.
//
// This program runs on the build machine and drives wine from outside; each
// test starts one copy of the game and needs an X display of its own
// (xvfb-run), as CTest gives it. A failing test keeps what shows why in the
// Windows build's folder, wine-evidence/<test>/: the X screen at the moment
// of the failure, the program's output with wine's own messages, how the
// program ended, and the files the test made beside it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game_start.h"
#include "media_internal.h"
#include "screen_model.h"
#include "shell/assets.h"
#include "shell/main_flow.h"

bool XPointerShows();  // x_pointer.cpp

namespace fs = std::filesystem;
using e2e::Blend;
using e2e::Rect;
using e2e::Screen;

namespace {

constexpr const char* Title = "Kestrion Vigil";

std::string Setting(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Runs a shell command and returns what it printed.
std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::string Quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// ---------------------------------------------------------------- evidence

std::string g_testName = "none";  // of the running test

// The running test's evidence folder in the Windows build.
fs::path EvidenceFolder() { return fs::path(Setting("STREETWARDEN_WIN_BUILD")) / "wine-evidence" / g_testName; }

// A path in the evidence folder, which it makes.
std::string EvidencePath(const std::string& name) {
    std::error_code ec;
    fs::create_directories(EvidenceFolder(), ec);
    return (EvidenceFolder() / name).string();
}

// Names the running test, and takes the whole X screen at its first failure,
// before the test goes on or the program ends. (GoogleTest reports a
// failure holding a lock that asking it for the running test would take
// again: the name comes from the test's start.)
class ScreenAtFailure : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override {
        g_testName = test.name();
        taken_ = false;
    }
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (!result.failed() || taken_) return;
        taken_ = true;
        Shell("import -window root png:" + Quoted(EvidencePath("screen-at-failure.png")) + " 2>/dev/null");
    }
    bool taken_ = false;
};
const bool screenAtFailureListens = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenAtFailure);
    return true;
}();

// ---------------------------------------------------------------- the program

// streetwarden.exe and its Data folder, copied into a folder whose name is
// not ASCII, and started from another folder.
class GameFolder {
public:
    GameFolder() {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("sw-wine-" + std::to_string(seed()));
        folder_ = root_ / "Spiel Vigil \xC3\x9C\xC3\xB1\xC3\xAF \xE8\xA1\x97";  // "Spiel Vigil Üñï 街"
        const fs::path build = Setting("STREETWARDEN_WIN_BUILD");
        fs::create_directories(folder_);
        fs::copy_file(build / "streetwarden.exe", folder_ / "streetwarden.exe");
        fs::copy(build / "Data", folder_ / "Data", fs::copy_options::recursive);
        fs::remove(folder_ / "Data" / "save.kvg");
    }
    ~GameFolder() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    const fs::path& Path() const { return folder_; }
    fs::path Root() const { return root_; }

    // Holds what the players' archive unpacks to instead, as a player
    // unpacks it into a new folder: the game is its one folder inside.
    bool FillFromArchive(const fs::path& archive) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        const std::string unzip = "unzip -q " + Quoted(archive.string()) + " -d " + Quoted(folder_.string());
        const bool unpacked = std::system(unzip.c_str()) == 0;
        folder_ /= "streetwarden";
        return unpacked;
    }

private:
    fs::path root_, folder_;
};

// Wine's own messages that say why something failed, without the warnings
// that come by the hundred in every run (files probed, memory, keys,
// threads), each with the time and the process that wrote it.
constexpr const char* WineMessages =
    "-all,err+all,warn+all,warn-file,warn-virtual,warn-keyboard,warn-threadname,+timestamp,+pid";

class Program {
public:
    // Starts the program under wine (behind `wrapper`, if any) with the
    // working directory `from`; what it prints goes to `log`, with wine's
    // messages.
    Program(const fs::path& exe, const fs::path& from, const fs::path& log, std::vector<std::string> wrapper = {})
        : start_(std::chrono::steady_clock::now()) {
        std::vector<std::string> args = std::move(wrapper);
        args.push_back(Setting("STREETWARDEN_WINE_RUN"));
        args.push_back(exe.string());
        pid_ = fork();
        if (pid_ == 0) {
            setpgid(0, 0);
            if (chdir(from.c_str()) != 0) _exit(126);
            setenv("WINEDEBUG", WineMessages, 0);
            FILE* out = std::freopen(log.c_str(), "w", stdout);
            if (out) dup2(fileno(stdout), STDERR_FILENO);
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Program() { Stop(); }
    // Ends it, if it still runs.
    void Stop() {
        if (!running()) return;
        kill(-pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        ended_ = stopped_ = true;
        end_ = std::chrono::steady_clock::now();
    }
    bool running() {
        if (pid_ <= 0 || ended_) return false;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = true;
            end_ = std::chrono::steady_clock::now();
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return !ended_;
    }
    // How it ended, or that it runs, and when: "ended with status 0 after 3.2 s".
    std::string State() {
        const bool runs = running();
        const auto until = runs ? std::chrono::steady_clock::now() : end_;
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, " after %.1f s",
                      std::chrono::duration<double>(until - start_).count());
        if (runs) return std::string("still runs") + seconds;
        if (stopped_) return std::string("was stopped by the test") + seconds;
        // Wine kills a process still ending half a second after its last
        // Windows thread (see scripts/wine_run.sh).
        return "ended with status " + std::to_string(status_) + seconds +
               (status_ == 128 + SIGKILL ? " (killed by a signal: by wine as it ended, or by the system)" : "");
    }
    // Waits for the end; the exit status, or -1 when it is still running.
    int WaitForEnd(int ms) {
        for (int waited = 0; waited < ms && running(); waited += 100) Pause(100);
        return running() ? -1 : status_;
    }

private:
    pid_t pid_ = -1;
    bool ended_ = false, stopped_ = false;
    int status_ = -1;
    std::chrono::steady_clock::time_point start_, end_;
};

// ---------------------------------------------------------------- the X display

struct Window {
    std::string id;
    int x = 0, y = 0, w = 0, h = 0;
};

// The visible windows captioned with the game's title (the questions' boxes
// and the game's window).
std::vector<Window> TitledWindows() {
    std::vector<Window> found;
    std::istringstream ids(Shell("xdotool search --onlyvisible --name '^" + std::string(Title) + "$' 2>/dev/null"));
    std::string id;
    while (ids >> id) {
        Window w;
        w.id = id;
        std::istringstream geometry(Shell("xdotool getwindowgeometry --shell " + id + " 2>/dev/null"));
        std::string line;
        while (std::getline(geometry, line)) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq);
            const int value = std::atoi(line.c_str() + eq + 1);
            if (key == "X") w.x = value;
            if (key == "Y") w.y = value;
            if (key == "WIDTH") w.w = value;
            if (key == "HEIGHT") w.h = value;
        }
        found.push_back(w);
    }
    return found;
}

// Waits for a window that `fits`, while the program runs.
bool WaitForWindow(Program& program, const std::function<bool(const Window&)>& fits, int ms, Window* out) {
    for (int waited = 0; waited < ms && program.running(); waited += 250) {
        for (const Window& w : TitledWindows()) {
            if (fits(w)) {
                *out = w;
                return true;
            }
        }
        Pause(250);
    }
    return false;
}

bool IsQuestion(const Window& w) { return w.w > 0 && w.w < 640 && w.h < 480; }

// Answers the question box with a key, as a person would: the box takes the
// focus, then the key goes to it.
void Answer(const Window& box, const std::string& key) {
    Shell("xdotool windowfocus --sync " + box.id + " 2>/dev/null; xdotool key " + key + " 2>/dev/null");
}

// Moves the pointer to (x, y) of the screen and waits (5 s at most) for it
// to show there, or to be hidden, as `shown` says; whether it did. The
// window under it sets its pointer once the motion reaches it.
bool PointerComes(bool shown, int x, int y) {
    Shell("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " 2>/dev/null");
    for (int waited = 0; waited < 5000; waited += 100) {
        if (XPointerShows() == shown) return true;
        Pause(100);
    }
    return false;
}

// The whole X screen.
bool Screenshot(media::Picture* picture, const std::string& path) {
    Shell("import -window root png:" + Quoted(path) + " 2>/dev/null");
    return media::DecodePng(path, *picture, nullptr);
}

// The 640 x 480 picture at (x, y) of the X screen.
Screen Cut(const media::Picture& p, int x, int y) {
    Screen s;
    for (int row = 0; row < e2e::Height; ++row) {
        for (int col = 0; col < e2e::Width; ++col) {
            const int sx = x + col, sy = y + row;
            if (sx < 0 || sy < 0 || sx >= p.width || sy >= p.height) continue;
            std::copy_n(p.rgb.data() + (static_cast<size_t>(sy) * p.width + sx) * 3, 3, s.At(col, row));
        }
    }
    return s;
}

// ---------------------------------------------------------------- the screens

// The generated images, loaded as the game loads them.
void LoadImagesOnce() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    std::string error;
    const fs::path data = fs::path(Setting("STREETWARDEN_WIN_BUILD")) / "Data";
    ASSERT_TRUE(EnterDataFolder(data.string(), &error)) << error;
    StartUp(StartUpKind::Quiet);
}

// The title picture with the maker's line lit over it, as every title frame
// has them; `maker` gets the line's box.
Screen TitleBase(Rect* maker) {
    Screen s;
    e2e::Draw(s, TitlescreenImage, 0, 0, 0, 1);
    *maker = e2e::DrawCentredText(s, SilverfontImage, 464, "A STREETWARDEN GAME", 2, Blend::Light);
    return s;
}

bool Matches(const Screen& actual, const Screen& expected, const Rect& box, int tolerance = 3) {
    return e2e::Compare(actual, expected, tolerance, [&](int x, int y) { return box.Contains(x, y); }).differing == 0;
}

int LitPixels(const Screen& s) {
    int lit = 0;
    for (size_t i = 0; i < s.rgb.size(); i += 3) lit += (s.rgb[i] | s.rgb[i + 1] | s.rgb[i + 2]) > 16;
    return lit;
}

// Whether `s` is the title's picture on its way in from black: wherever
// either is lit, its pixels are the picture's own times one factor (within
// rounding), but for a few.
bool IsTitleFadingIn(const Screen& s, const Screen& title) {
    double both = 0, titleSquared = 0;
    for (size_t i = 0; i < s.rgb.size(); ++i) {
        both += static_cast<double>(s.rgb[i]) * title.rgb[i];
        titleSquared += static_cast<double>(title.rgb[i]) * title.rgb[i];
    }
    const double factor = both / titleSquared;
    int lit = 0, off = 0;
    for (size_t i = 0; i < s.rgb.size(); ++i) {
        const double expected = factor * title.rgb[i];
        if (s.rgb[i] <= 16 && expected <= 16) continue;
        ++lit;
        off += std::abs(s.rgb[i] - expected) > std::max(8.0, 0.15 * expected);
    }
    return lit > 0 && off * 50 < lit;
}

// Watches the program's picture at (x, y) from its start to its title,
// skipping the story with Space, and returns the first title frame seen.
//
// The story is lines of text over black, under a third of the screen lit;
// the title's picture lights all of it. Space must not reach the title,
// where it would start a game; the screens before it forget the keys
// pressed while they ran (the logo, the loading screen as the story starts,
// the title's own fade-in), so Space goes to every picture but the title's.
// The fade-in passes through the story's share of lit pixels too; a Space
// sent for one of its frames would arrive after the keys are forgotten (on
// a busy machine, one title run in twenty started a game so).
bool ReachTitle(Program& program, int x, int y, const std::string& shotPath, Screen* title) {
    Rect maker{};
    const Screen titleBase = TitleBase(&maker);
    auto lastSkip = std::chrono::steady_clock::now() - std::chrono::seconds(10);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(240);
    media::Picture p;
    Screen s;
    while (std::chrono::steady_clock::now() < limit && program.running()) {
        if (!Screenshot(&p, shotPath)) {
            Pause(200);
            continue;
        }
        s = Cut(p, x, y);
        if (Matches(s, titleBase, maker)) {
            *title = s;
            return true;
        }
        if (const int lit = LitPixels(s); lit > 500 && lit < e2e::Width * e2e::Height * 3 / 10 &&
                                          std::chrono::steady_clock::now() - lastSkip > std::chrono::seconds(3) &&
                                          !IsTitleFadingIn(s, titleBase)) {
            // The story scrolls: skip it, once in a while until it goes.
            Shell("xdotool key space 2>/dev/null");
            lastSkip = std::chrono::steady_clock::now();
        }
        Pause(200);
    }
    e2e::SavePng(s, EvidencePath("title-last-seen.png"));
    return false;
}

// With C held on the title: the version label at y 20 and the games played
// at y 10, lit over the title picture. Compares the band above the title
// text; true when they show.
bool ShowsVersion(int x, int y, const std::string& label, const std::string& shotPath, Screen* seen) {
    Rect maker{};
    Screen expected = TitleBase(&maker);
    const Rect labelBox = e2e::DrawCentredText(expected, SilverfontImage, 20, label, 3, Blend::Light);
    e2e::DrawCentredText(expected, SilverfontImage, 10, "GAMES PLAYED 0", 4, Blend::Light);
    const Rect band{0, 0, e2e::Width, labelBox.y + labelBox.h};
    Shell("xdotool keydown c 2>/dev/null");
    bool shown = false;
    media::Picture p;
    for (int attempt = 0; attempt < 20 && !shown; ++attempt) {
        Pause(250);
        if (!Screenshot(&p, shotPath)) continue;
        *seen = Cut(p, x, y);
        shown = Matches(*seen, expected, band);
    }
    Shell("xdotool keyup c 2>/dev/null");
    if (!shown) {
        e2e::SavePng(*seen, EvidencePath("version-seen.png"));
        e2e::SavePng(expected, EvidencePath("version-expected.png"));
    }
    return shown;
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The end of what the program printed, with wine's errors but not its
// warnings (the whole log is kept with the evidence of a failing test).
std::string Tail(const fs::path& log) {
    std::istringstream lines(FileBytes(log));
    std::string text, line;
    while (std::getline(lines, line)) {
        if (line.find(":warn:") == std::string::npos) text += line + "\n";
    }
    return text.size() > 2000 ? text.substr(text.size() - 2000) : text;
}

// ---------------------------------------------------------------- the tests

// One run of the program from a fresh copy of its folder. A failing test
// leaves its evidence: the screen (taken at the failure), how the program
// ended, and its log and the other files beside its folder.
class WineProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::error_code ec;
        fs::remove_all(EvidenceFolder(), ec);
    }
    void TearDown() override {
        std::error_code ec;
        if (!HasFailure()) {
            fs::remove_all(EvidenceFolder(), ec);
            return;
        }
        const std::string state = program_ ? "the program " + program_->State() : "the program never started";
        if (program_) program_->Stop();
        std::ofstream(EvidencePath("program-state.txt")) << state << "\n";
        for (const fs::directory_entry& file : fs::directory_iterator(game_.Root(), ec)) {
            if (file.is_regular_file()) fs::copy_file(file.path(), EvidencePath(file.path().filename().string()),
                                                      fs::copy_options::overwrite_existing, ec);
        }
        std::printf("%s; its evidence is in %s\n", state.c_str(), EvidenceFolder().c_str());
    }

    // Starts the program once wine has gone quiet; `wrapper` runs it.
    void Start(std::vector<std::string> wrapper = {}) {
        // A wine program still running from an earlier test, or its desktop,
        // would take this one's windows onto a display that is not this
        // test's (or none): start only once wine has gone quiet.
        ASSERT_EQ(std::system((Quoted(Setting("STREETWARDEN_WINE_RUN")) + " --wait-idle").c_str()), 0)
            << "wine did not go quiet within a minute (a wine program still runs in the prefix)";
        program_ = std::make_unique<Program>(game_.Path() / "streetwarden.exe", game_.Root(), log_, std::move(wrapper));
    }
    void StartToTheFirstQuestion(std::vector<std::string> wrapper = {}) {
        ASSERT_NO_FATAL_FAILURE(Start(std::move(wrapper)));
        ASSERT_TRUE(WaitForWindow(*program_, IsQuestion, 90000, &box_))
            << "no question came; the program " << program_->State() << ":\n" << Tail(log_);
    }
    // "Yes" to the first question, then the second (the colour depth) on screen.
    void ToTheSecondQuestion() {
        Answer(box_, "y");
        const std::string first = box_.id;
        ASSERT_TRUE(WaitForWindow(
            *program_, [&](const Window& w) { return IsQuestion(w) && w.id != first; }, 30000, &box_))
            << "no colour question came; the program " << program_->State() << ":\n" << Tail(log_);
    }
    void ReachTheTitleAt(int x, int y) {
        Screen title;
        ASSERT_TRUE(ReachTitle(*program_, x, y, shot_, &title))
            << "the title never came; the program " << program_->State() << ":\n" << Tail(log_);
    }
    // Starts the program and answers "No" to the first question: the 640 x
    // 480 window opens and shows the title. The picture fills the window's
    // client area, which sits at its bottom right when the window has a
    // frame: at (titleX_, titleY_) on the screen.
    void StartInAWindowToTheTitle(std::vector<std::string> wrapper = {}) {
        ASSERT_NO_FATAL_FAILURE(StartToTheFirstQuestion(std::move(wrapper)));
        Answer(box_, "n");
        ASSERT_TRUE(WaitForWindow(
            *program_, [](const Window& w) { return w.w >= 640 && w.h >= 480; }, 30000, &window_))
            << "no window opened; the program " << program_->State() << ":\n" << Tail(log_);
        titleX_ = window_.x + window_.w - 640;
        titleY_ = window_.y + window_.h - 480;
        ASSERT_NO_FATAL_FAILURE(ReachTheTitleAt(titleX_, titleY_));
    }

    // Full screen at the depth `depthKey` answers: the picture fills the
    // screen (640 x 480), the pointer is hidden over it, and the title's
    // label reports the depth while C is held; Escape ends it.
    void FullScreenReportsItsDepth(const std::string& depthKey, const std::string& label) {
        LoadImagesOnce();
        ASSERT_NO_FATAL_FAILURE(StartToTheFirstQuestion());
        ASSERT_NO_FATAL_FAILURE(ToTheSecondQuestion());
        Answer(box_, depthKey);
        ASSERT_NO_FATAL_FAILURE(ReachTheTitleAt(0, 0));
        EXPECT_TRUE(PointerComes(false, 320, 240)) << "the pointer shows over the full screen";
        Screen seen;
        EXPECT_TRUE(ShowsVersion(0, 0, label, shot_, &seen)) << "the label \"" << label << "\" did not show";
        Shell("xdotool key Escape 2>/dev/null");
        EXPECT_EQ(program_->WaitForEnd(30000), 0) << Tail(log_);
    }

    // Cancel at the first question, or at the second after "Yes": the
    // program ends at once with status 0, having opened no file of its Data
    // folder and written no settings.
    void CancelEndsBeforeAnyFileIsRead(bool atTheSecond) {
        // Only the calls that open files stop the traced processes (wine's
        // own among them), so the trace slows wine down only a little.
        const fs::path trace = game_.Root() / "opens.trace";
        ASSERT_NO_FATAL_FAILURE(StartToTheFirstQuestion(
            {"strace", "-f", "--seccomp-bpf", "-qq", "-e", "trace=open,openat,openat2", "-o", trace.string()}));
        if (atTheSecond) {
            ASSERT_NO_FATAL_FAILURE(ToTheSecondQuestion());
        }
        Answer(box_, "Escape");
        EXPECT_EQ(program_->WaitForEnd(30000), 0) << Tail(log_);

        // Files opened under Data, other than its folders being listed (strace
        // writes the folder's name outside ASCII in escapes: the ASCII root of
        // the game's folder picks its lines).
        std::ifstream opens(trace);
        std::string line, opened;
        const std::string root = game_.Root().filename().string();
        int traced = 0;
        while (std::getline(opens, line)) {
            ++traced;
            if (line.find(root) == std::string::npos || line.find("/Data/") == std::string::npos) continue;
            if (line.find("O_DIRECTORY") != std::string::npos) continue;
            if (line.find("= -1") != std::string::npos) continue;
            opened += line + "\n";
        }
        EXPECT_GT(traced, 100) << "the trace saw nothing of the program";
        EXPECT_EQ(opened, "");
        EXPECT_FALSE(fs::exists(game_.Path() / "Data" / "save.kvg"));
    }

    GameFolder game_;
    const fs::path log_ = game_.Root() / "program.log";
    const std::string shot_ = (game_.Root() / "shot.png").string();
    std::unique_ptr<Program> program_;
    Window box_;     // the question on screen
    Window window_;  // the game's window
    int titleX_ = 0, titleY_ = 0;
};

// "No" to the first question: a 640 x 480 window, from a folder named
// outside ASCII and started from another folder; the title, the pointer
// shown over the window, the label, and the settings saved beside the
// program on quitting.
TEST_F(WineProgram, WindowFromAnyFolderReachesTheTitleShowsTheLabelAndSaves) {
    LoadImagesOnce();
    ASSERT_NO_FATAL_FAILURE(StartInAWindowToTheTitle());
    // In a window the pointer stays (and this shows the full-screen tests'
    // check of a hidden pointer can see one).
    EXPECT_TRUE(PointerComes(true, titleX_ + 320, titleY_ + 240)) << "no pointer over the window";
    Screen seen;
    EXPECT_TRUE(ShowsVersion(titleX_, titleY_, "VERSION 3.0 WIN GL", shot_, &seen)) << "the version label did not show";

    // Escape on the title quits and saves the settings in Data beside the
    // program, no game played.
    Pause(500);
    Shell("xdotool key Escape 2>/dev/null");
    EXPECT_EQ(program_->WaitForEnd(30000), 0) << Tail(log_);
    const std::string saved = FileBytes(game_.Path() / "Data" / "save.kvg");
    ASSERT_EQ(saved.size(), 24u);
    EXPECT_EQ(saved.substr(0, 4), std::string(4, '\0')) << "games played";
}

// "Yes", then "No" to the colour depth: 16-bit colour.
TEST_F(WineProgram, FullScreenAtSixteenBitsReportsItsDepth) {
    FullScreenReportsItsDepth("n", "VERSION 3.0 WIN GL 16");
}

// "Yes", then "Yes": 32-bit colour.
TEST_F(WineProgram, FullScreenAtThirtyTwoBitsReportsItsDepth) {
    FullScreenReportsItsDepth("y", "VERSION 3.0 WIN GL 32");
}

TEST_F(WineProgram, CancelAtTheFirstQuestionEndsBeforeAnyFileIsRead) { CancelEndsBeforeAnyFileIsRead(false); }

TEST_F(WineProgram, CancelAtTheSecondQuestionEndsBeforeAnyFileIsRead) { CancelEndsBeforeAnyFileIsRead(true); }

// A question box that cannot be shown is no answer: the program ends with
// status 1 and says why, having written nothing. Without wine's desktop
// process no window can be made, and the box fails as it did when that
// process came up too late on a busy machine.
TEST_F(WineProgram, AQuestionThatCannotBeShownEndsTheProgramWithAMessage) {
    ASSERT_NO_FATAL_FAILURE(Start({"env", "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe,explorer.exe=d"}));
    EXPECT_EQ(program_->WaitForEnd(90000), 1) << Tail(log_);
    EXPECT_TRUE(FileBytes(log_).find("cannot ask the display question") != std::string::npos)
        << "the program did not say why it ended:\n" << Tail(log_);
    EXPECT_FALSE(fs::exists(game_.Path() / "Data" / "save.kvg"));
}

// A Data folder the program may not write (one the player has no right to
// change): quitting from the title tells the player in a box, captioned
// with the game's title, that the settings were not saved, and the file
// saved before stays as it was. The test runs as root, who writes
// anywhere, so the program then runs without root's power to pass over
// file permissions (setpriv drops it from the capabilities any program
// can gain): its save meets a folder it cannot write as anyone else's
// would. Wine's trace of its message boxes gives the box's text.
TEST_F(WineProgram, AnUnwritableDataFolderShowsTheSettingsWereNotSavedAndKeepsTheOldFile) {
    LoadImagesOnce();
    const fs::path data = game_.Path() / "Data";
    const fs::path saved = data / "save.kvg";
    std::string old(24, '\0');
    old[0] = 7;   // games played
    old[8] = 1;   // music on
    old[12] = 1;  // the energy bar
    std::ofstream(saved, std::ios::binary) << old;
    struct stat before {};
    ASSERT_EQ(stat(saved.c_str(), &before), 0);

    std::vector<std::string> wrapper = {"env", std::string("WINEDEBUG=") + WineMessages + ",+msgbox"};
    if (geteuid() == 0) wrapper.insert(wrapper.end(), {"setpriv", "--bounding-set", "-dac_override"});
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(data, writable, fs::perm_options::remove);
    struct Restore {
        fs::path folder;
        fs::perms perms;
        ~Restore() {
            std::error_code ec;
            fs::permissions(folder, perms, fs::perm_options::add, ec);
        }
    } restore{data, fs::perms::owner_write};
    std::string probe;
    for (const std::string& w : wrapper) probe += Quoted(w) + " ";
    probe += "sh -c " + Quoted("echo ran; : > " + Quoted((data / "probe").string())) + " 2>/dev/null";
    ASSERT_EQ(Shell(probe), "ran\n") << "the probe did not run";
    ASSERT_FALSE(fs::exists(data / "probe")) << "the Data folder stayed writable for the program";

    ASSERT_NO_FATAL_FAILURE(StartInAWindowToTheTitle(wrapper));
    Pause(500);
    Shell("xdotool key Escape 2>/dev/null");

    Window box;
    ASSERT_TRUE(WaitForWindow(
        *program_, [&](const Window& w) { return w.id != window_.id && IsQuestion(w); }, 30000, &box))
        << "no box came after quitting; the program " << program_->State() << ":\n" << Tail(log_);
    // The text as wine's box got it, lines ended by CR LF.
    std::string shown;
    std::istringstream lines(FileBytes(log_));
    for (std::string line; std::getline(lines, line);) {
        if (line.find("msgbox:") != std::string::npos && line.find("settings") != std::string::npos) shown = line;
    }
    EXPECT_NE(shown.find("could not save its settings"), std::string::npos) << Tail(log_);
    EXPECT_NE(shown.find("The settings saved before are kept."), std::string::npos) << shown;
    EXPECT_EQ(shown.find('&'), std::string::npos) << shown;
    Answer(box, "Return");
    EXPECT_EQ(program_->WaitForEnd(30000), 0) << Tail(log_);

    EXPECT_EQ(FileBytes(saved), old);
    struct stat after {};
    ASSERT_EQ(stat(saved.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "save.kvg was replaced";
    EXPECT_FALSE(fs::exists(data / "save.kvg.new"));
    // The same message went to stderr too, in one line.
    EXPECT_NE(FileBytes(log_).find("\nKestrion Vigil could not save its settings"), std::string::npos) << Tail(log_);
}

// X pressed on the title at irregular moments, each press a layout change:
// the layout saved on quitting is the number of presses modulo six, none
// lost to the title's later look at X in its scan of the typed letters.
TEST_F(WineProgram, EveryPressOfXOnTheTitleChangesTheLayout) {
    LoadImagesOnce();
    ASSERT_NO_FATAL_FAILURE(StartInAWindowToTheTitle());
    Pause(1000);  // the title forgets the keys pressed while it faded in

    // One xdotool run presses them all, 150 to 450 ms apart: never two in
    // one frame of the title, at every point of its frames.
    constexpr int Presses = 55;
    std::mt19937 random(17);
    std::uniform_int_distribution<int> gap(150, 449);
    std::string presses = "xdotool";
    for (int i = 0; i < Presses; ++i) presses += " key x sleep 0." + std::to_string(gap(random));
    Shell(presses + " 2>/dev/null");
    Pause(500);
    Shell("xdotool key Escape 2>/dev/null");
    ASSERT_EQ(program_->WaitForEnd(30000), 0) << Tail(log_);

    const std::string saved = FileBytes(game_.Path() / "Data" / "save.kvg");
    ASSERT_EQ(saved.size(), 24u);
    int32_t scheme = 0;
    std::memcpy(&scheme, saved.data() + 4, sizeof scheme);
    EXPECT_EQ(scheme, Presses % 6) << "the saved layout after " << Presses << " presses of X";
}

// The archive a player is handed holds one folder with the stripped program
// and the Data folder, nothing else; unpacked into a new folder it reaches
// the title and quits cleanly.
TEST_F(WineProgram, ThePlayersArchiveUnpackedReachesTheTitle) {
    LoadImagesOnce();
    const fs::path build = Setting("STREETWARDEN_WIN_BUILD");
    const fs::path archive = build / "streetwarden-windows.zip";
    std::vector<std::string> expected{"streetwarden/streetwarden.exe"};
    for (const auto& entry : fs::recursive_directory_iterator(build / "Data")) {
        const std::string name = fs::relative(entry.path(), build).generic_string();
        if (entry.is_regular_file() && name != "Data/save.kvg") expected.push_back("streetwarden/" + name);
    }
    std::sort(expected.begin(), expected.end());
    std::string listing;
    for (const std::string& name : expected) listing += name + "\n";
    EXPECT_EQ(Shell("unzip -Z1 " + Quoted(archive.string()) + " | LC_ALL=C sort"), listing);

    ASSERT_TRUE(game_.FillFromArchive(archive)) << "unzip failed on " << archive;
    EXPECT_EQ(FileBytes(game_.Path() / "streetwarden.exe").find(".debug_info"), std::string::npos)
        << "the program is not stripped";
    ASSERT_NO_FATAL_FAILURE(StartInAWindowToTheTitle());
    Pause(500);
    Shell("xdotool key Escape 2>/dev/null");
    EXPECT_EQ(program_->WaitForEnd(30000), 0) << Tail(log_);
}

}  // namespace
