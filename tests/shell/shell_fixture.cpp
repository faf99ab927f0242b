// Helpers of the shell tests.
#include "shell_fixture.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "headless.h"
#include "play/stage_loop.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "shell/manifest.h"
#include "shell/standins.h"

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

void WritePng(const std::string& path, int32_t width, int32_t height, const std::vector<uint8_t>& rgb) {
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
    PutBig32(ihdr, static_cast<uint32_t>(height));
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
    std::string pattern = (fs::temp_directory_path() / "shelltest-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return "";
    return pattern;
}

void RemoveTree(const std::string& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
}

WorkingDir::WorkingDir(const std::string& dir) : old_(fs::current_path().string()) { fs::current_path(dir); }
WorkingDir::~WorkingDir() { fs::current_path(old_); }

namespace {

// Whether the frame presented last drew the title text: the title's frame loop runs.
bool InTitleFrame(size_t& lastPresent) {
    const auto& calls = headless::DrawCalls();
    size_t i = calls.size();
    while (i > 0 && calls[i - 1].op != headless::Op::Present) --i;
    if (i == 0 || i - 1 == lastPresent) return false;
    const size_t present = i - 1;
    for (size_t k = present; k > 0; --k) {
        const headless::DrawCall& c = calls[k - 1];
        if (c.op == headless::Op::Present) break;
        if (c.op == headless::Op::Draw && c.path.ends_with("Titletext.png")) {
            lastPresent = present;
            return true;
        }
    }
    return false;
}

}  // namespace

void TitleDriver::Install() {
    auto lastPresent = std::make_shared<size_t>(static_cast<size_t>(-1));
    headless::SetPollHook([this, lastPresent] {
        if (onPoll) onPoll();
        for (int32_t key : held) headless::SetKey(key, true);
        if (!InTitleFrame(*lastPresent)) return;
        if (taps.empty()) {
            headless::TapKey(27);
            return;
        }
        for (int32_t key : taps.front()) headless::TapKey(key);
        taps.pop_front();
    });
}

namespace {
std::function<int32_t()> g_sectionResult;

void SectionHook(int32_t point, int32_t pass) {
    if (point != StageAfterDraw || pass != 1) return;
    StandinCalls.push_back("RunStage " + std::to_string(StageNumber));
    StageResult = g_sectionResult ? g_sectionResult() : 3;
}
}  // namespace

void ScriptSections(std::function<int32_t()> result) {
    g_sectionResult = std::move(result);
    StageLoopHook = SectionHook;
}

void ResetGame() {
    headless::Reset();
    headless::SetSynthesiseMissingImages(true);
    headless::SetYesNoCancelAnswers({0});  // builds that ask: a window
    EntryStarted = 0;
    MainStarted = 0;
    StandinCalls.clear();
    StageLoopHook = nullptr;
    g_sectionResult = nullptr;
}

}  // namespace shelltest
