// Helpers of the shell tests.
#include "shell_fixture.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <thread>

#include "headless.h"
#include "play/stage_loop.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "shell/manifest.h"
#include "shell/assets.h"

namespace fs = std::filesystem;

namespace shelltest {
namespace {

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
    PutBig32(out, static_cast<uint32_t>(body.size()));
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBig32(out, Crc32(typed.data(), typed.size()));
}

std::string Le32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

// Pictures of at most this many pixels are written as real PNGs.
constexpr int64_t ProbeLimit = 40000;

}  // namespace

void WriteBytes(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void WritePng(const std::string& path, int32_t width, int32_t height, const std::vector<uint8_t>& rgb,
              int32_t headerHeight) {
    std::vector<uint8_t> raw;
    for (int32_t y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + 3 * y * width, rgb.begin() + 3 * (y + 1) * width);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t len = std::min<size_t>(65535, raw.size() - pos);
        z.push_back(pos + len == raw.size() ? 1 : 0);
        z.push_back(static_cast<uint8_t>(len));
        z.push_back(static_cast<uint8_t>(len >> 8));
        z.push_back(static_cast<uint8_t>(~len));
        z.push_back(static_cast<uint8_t>(~len >> 8));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + len);
        pos += len;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    PutBig32(ihdr, static_cast<uint32_t>(width));
    PutBig32(ihdr, static_cast<uint32_t>(headerHeight > 0 ? headerHeight : height));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    PutChunk(out, "IHDR", ihdr);
    PutChunk(out, "IDAT", z);
    PutChunk(out, "IEND", {});
    WriteBytes(path, std::string(out.begin(), out.end()));
}

void WriteWav(const std::string& path) {
    // 10 ms of 16-bit mono silence at 44100 Hz.
    std::string w = "RIFF" + Le32(36 + 882) + "WAVEfmt " + Le32(16);
    w += std::string("\x01\x00\x01\x00", 4) + Le32(44100) + Le32(88200) + std::string("\x02\x00\x10\x00", 4);
    w += "data" + Le32(882) + std::string(882, '\0');
    WriteBytes(path, w);
}

bool HasProbePixels(const std::string& path) {
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (!e.path || path != e.path) continue;
        if (e.op == ManifestOp::Image) return true;
        if (e.op == ManifestOp::Strip)
            return int64_t{e.cellWidth} * e.cellHeight * e.cellCount <= ProbeLimit && e.cellWidth * e.cellHeight >= 3;
    }
    return false;
}

void MakeDataFolder(const std::string& root) {
    const std::array<uint8_t, 9> probe = {0, 0, 0, 0, 255, 0, 0, 0, 255};
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (!e.path) continue;
        const std::string path = root + "/" + e.path;
        if (e.op == ManifestOp::Sound) {
            WriteWav(path);
        } else if (!HasProbePixels(e.path)) {
            WriteBytes(path, "");
        } else if (e.op == ManifestOp::Image) {
            WritePng(path, 3, 1, std::vector<uint8_t>(probe.begin(), probe.end()));
        } else {
            const int32_t w = e.cellWidth * e.cellCount, h = e.cellHeight;
            std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3, 255);
            for (int32_t p = 0; p < 3; ++p) {
                const int32_t x = p % e.cellWidth, y = p / e.cellWidth;
                for (int c = 0; c < 3; ++c) rgb[3 * (static_cast<size_t>(y) * w + x) + c] = probe[3 * p + c];
            }
            WritePng(path, w, h, rgb);
        }
    }
    for (const SectionStrip& strip : SectionStrips) WriteBytes(root + "/" + strip.path, "");
}

std::string MakeTempDir() {
    // create_directory says whether it made the folder, so two test
    // processes never share one.
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path dir = fs::temp_directory_path() / ("shelltest-" + std::to_string(seed()));
        std::error_code ec;
        if (fs::create_directory(dir, ec)) return dir.string();
    }
    return "";
}

void RemoveTree(const std::string& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
}

WorkingDir::WorkingDir(const std::string& dir) : old_(fs::current_path().string()) { fs::current_path(dir); }
WorkingDir::~WorkingDir() { fs::current_path(old_); }

namespace {

// The frames of the draw log: [begin, end) of each, end at its Present.
struct Frame {
    size_t begin;
    size_t end;
};

// The screen a frame belongs to, by what it drew; "" for fades, blank
// frames and stage frames.
std::string FrameScreen(const std::vector<headless::DrawCall>& calls, size_t begin, size_t end) {
    bool glyphs = false, other = false;
    for (size_t k = begin; k < end; ++k) {
        const headless::DrawCall& c = calls[k];
        if (c.op == headless::Op::Fill) other = true;
        if (c.op != headless::Op::Draw) continue;
        if (c.path.ends_with("Titletext.png")) return "title";
        if (c.path.ends_with("torvane.png")) return "ShowLogoScreen";
        if (c.path.ends_with("storyback.png")) return "ShowStory";
        if (c.path.ends_with("endscene.png")) return "ShowEndScene";
        if (c.path.ends_with("Titlescreen.png") && c.r == 100) return "ShowResults";
        if (c.image == PauseScreenImage) return "ShowGameOver";
        if (c.image == SilverfontImage) {
            glyphs = true;
        } else {
            other = true;
        }
    }
    return glyphs && !other ? "ShowCredits" : "";
}

// The frame presented last, unless it is the one `lastSeen` holds; then
// `lastSeen` holds it.
bool NewLastFrame(size_t& lastSeen, Frame& frame) {
    const auto& calls = headless::DrawCalls();
    if (calls.empty() || calls.back().op != headless::Op::Present) return false;
    const size_t present = calls.size() - 1;
    if (present == lastSeen) return false;
    size_t begin = present;
    while (begin > 0 && calls[begin - 1].op != headless::Op::Present) --begin;
    lastSeen = present;
    frame = {begin, present};
    return true;
}

struct Note {
    size_t at;  // size of the draw log when noted
    std::string text;
};
std::vector<Note> g_notes;

}  // namespace

bool InTitle() {
    size_t none = static_cast<size_t>(-1);
    Frame frame{};
    return NewLastFrame(none, frame) && FrameScreen(headless::DrawCalls(), frame.begin, frame.end) == "title";
}

void TitleDriver::Install() {
    auto lastTitle = std::make_shared<size_t>(static_cast<size_t>(-1));
    auto lastSkip = std::make_shared<size_t>(static_cast<size_t>(-1));
    headless::SetPollHook([this, lastTitle, lastSkip] {
        if (onPoll) onPoll();
        for (int32_t key : held) headless::SetKey(key, true);
        Frame frame{};
        const std::string screen =
            NewLastFrame(*lastSkip, frame) ? FrameScreen(headless::DrawCalls(), frame.begin, frame.end) : "";
        if (screen == "ShowStory" || screen == "ShowCredits" || screen == "ShowResults") headless::TapKey(27);
        if (!InTitle() || !NewLastFrame(*lastTitle, frame)) return;
        if (taps.empty()) {
            headless::TapKey(27);
            return;
        }
        for (int32_t key : taps.front()) headless::TapKey(key);
        taps.pop_front();
    });
}

std::vector<std::string> FlowLog() {
    const auto& calls = headless::DrawCalls();
    std::vector<std::string> log;
    std::string last;
    size_t note = 0;
    size_t begin = 0;
    for (size_t i = 0; i < calls.size(); ++i) {
        for (; note < g_notes.size() && g_notes[note].at <= i; ++note) {
            log.push_back(g_notes[note].text);
            last = g_notes[note].text;
        }
        if (calls[i].op != headless::Op::Present) continue;
        const std::string screen = FrameScreen(calls, begin, i);
        begin = i + 1;
        if (screen.empty() || screen == last) continue;
        last = screen;
        if (screen != "title") log.push_back(screen);
    }
    for (; note < g_notes.size(); ++note) log.push_back(g_notes[note].text);
    return log;
}

namespace {
std::function<int32_t()> g_sectionResult;

void SectionHook(int32_t point, int32_t pass) {
    if (point != StageAfterDraw || pass != 1) return;
    g_notes.push_back({headless::DrawCalls().size(), "RunStage " + std::to_string(StageNumber)});
    StageResult = g_sectionResult ? g_sectionResult() : 3;
}
}  // namespace

void ScriptSections(std::function<int32_t()> result) {
    g_sectionResult = std::move(result);
    StageLoopHook = SectionHook;
}

struct NamedPipe::Watch {
    std::string path;
    bool made = false;
    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;
    std::atomic<bool> fired{false};

    void Run() {
        std::unique_lock<std::mutex> lock(mutex);
        if (wake.wait_for(lock, std::chrono::seconds(30), [this] { return done; })) return;
        fired = true;
#ifndef _WIN32
        const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (fd >= 0) close(fd);
#endif
    }
};

NamedPipe::NamedPipe(const std::string& path) : watch_(std::make_unique<Watch>()) {
    watch_->path = path;
    std::error_code ec;
    if (fs::exists(path, ec)) fs::rename(path, path + ".aside", ec);
#ifndef _WIN32
    watch_->made = mkfifo(path.c_str(), 0600) == 0;
#endif
    watch_->thread = std::thread([watch = watch_.get()] { watch->Run(); });
}

NamedPipe::~NamedPipe() {
    {
        std::lock_guard<std::mutex> lock(watch_->mutex);
        watch_->done = true;
    }
    watch_->wake.notify_all();
    watch_->thread.join();
    const std::string& path = watch_->path;
    std::error_code ec;
    if (fs::is_fifo(path, ec)) fs::remove(path, ec);
    if (fs::exists(path + ".aside", ec)) fs::rename(path + ".aside", path, ec);
}

bool NamedPipe::Made() const { return watch_->made; }
bool NamedPipe::Fired() const { return watch_->fired; }

void ResetGame() {
    headless::Reset();
    headless::SetSynthesiseMissingImages(true);
    headless::SetYesNoCancelAnswers({0});  // builds that ask: a window
    EntryStarted = 0;
    MainStarted = 0;
    g_notes.clear();
    StageLoopHook = nullptr;
    g_sectionResult = nullptr;
}

}  // namespace shelltest
