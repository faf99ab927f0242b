// datagen: draws and synthesises the game's whole Data folder.
//
//   datagen <output folder> [--contact <folder>] [--only <path substring>]
//
// Writes <output folder>/Data/... (every file of the loading list and the
// section strips) and, with --contact, a review sheet per picture.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <cairo.h>

#include "contact.h"
#include "finish.h"
#include "generators.h"
#include "manifest.h"
#include "tool_args.h"
#include "writers.h"

using namespace dg;

namespace {

uint64_t PathSeed(const std::string& path) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : path) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string ContactName(const std::string& path) {
    std::string name = path.substr(std::strlen("Data/Graphics/"));
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

const char* const Usage =
    "usage: datagen <output folder> [--contact <folder>] [--only <text>]\n"
    "Writes the game's files into <output folder>/Data.\n"
    "  --contact <folder>  also a review sheet of every picture, there\n"
    "  --only <text>       only the files whose path holds <text>\n"
    "Exit status 0; 1 when a file cannot be made; 2 on bad options.\n";

}  // namespace

int main(int argc, char** argv) {
    std::string outRoot, contactDir, only;
    ArgReader args(argc, argv, "datagen", Usage, 2);
    while (args.Next()) {
        if (args.Arg() == "--contact") contactDir = args.Value();
        else if (args.Arg() == "--only") only = args.Value();
        else if (args.Positional() && outRoot.empty()) outRoot = args.Arg();
        else args.Unknown();
    }
    if (outRoot.empty()) args.Fail("give the output folder");
    auto start = std::chrono::steady_clock::now();

    Generators gens;
    AddHeroImages(gens);
    AddEnemyImages(gens);
    AddKr770Images(gens);
    AddStripImages(gens);
    AddLayerImages(gens);
    AddPropImages(gens);
    AddSceneryImages(gens);
    AddEffectImages(gens);
    AddHudImages(gens);
    AddFrontEndImages(gens);
    AddSoundEffects(gens);
    AddVoices(gens);
    AddMusic(gens);

    // Heaviest work first so the threads finish together.
    std::vector<int> order;
    for (int i = 0; i < kFileCount; ++i)
        if (only.empty() || std::strstr(kFiles[i].path, only.c_str())) order.push_back(i);
    auto weight = [](const FileSpec& f) {
        if (f.kind == FileKind::Ogg) return 3;
        if (f.kind == FileKind::Png && f.cellH == 480 && f.cells > 0) return 2;
        return f.kind == FileKind::Wav ? 1 : 0;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return weight(kFiles[a]) > weight(kFiles[b]); });

    std::atomic<size_t> next{0};
    std::atomic<int> failures{0};
    std::mutex logLock;
    auto fail = [&](const std::string& msg) {
        std::lock_guard<std::mutex> lock(logLock);
        std::fprintf(stderr, "datagen: %s\n", msg.c_str());
        ++failures;
    };
    auto work = [&]() {
        for (;;) {
            size_t k = next++;
            if (k >= order.size()) return;
            const FileSpec& f = kFiles[order[k]];
            const std::string path = f.path;
            const std::string out = outRoot + "/" + path;
            Rng rng(PathSeed(path));
            if (f.kind == FileKind::Png) {
                auto it = gens.images.find(path);
                if (it == gens.images.end()) {
                    fail("no generator for " + path);
                    continue;
                }
                Sheet sheet;
                Rgb mask{f.maskR, f.maskG, f.maskB};
                if (f.cells == 0) sheet.InitWhole(f.cellW, f.cellH, mask);
                else if (f.cellH == 480 && f.cellW == 40) sheet.InitCells(40, 480, f.cells, mask, f.cells, 1 << 30);
                else sheet.InitCells(f.cellW, f.cellH, f.cells, mask);
                it->second(sheet, rng);
                if (!f.masked) std::fill(sheet.opaque.begin(), sheet.opaque.end(), 1);
                if (!WritePng(out, sheet.width, sheet.height, sheet.FinalRgb())) fail("cannot write " + out);
                if (!contactDir.empty()) {
                    std::filesystem::create_directories(contactDir);
                    WriteContactSheet(contactDir + "/" + ContactName(path), sheet);
                }
            } else if (f.kind == FileKind::Wav) {
                auto it = gens.wavs.find(path);
                if (it == gens.wavs.end()) {
                    fail("no generator for " + path);
                    continue;
                }
                const SoundUse* use = FindSoundUse(path);
                if (!use) {
                    fail("no level for " + path);
                    continue;
                }
                std::vector<float> mono = it->second(rng);
                FinishEffect(mono, *use, f.loop);
                if (!WriteWav(out, mono)) fail("cannot write " + out);
            } else {
                auto it = gens.oggs.find(path);
                if (it == gens.oggs.end()) {
                    fail("no generator for " + path);
                    continue;
                }
                if (!WriteOgg(out, it->second(), 0x4B56 + order[k], 0.4f)) fail("cannot write " + out);
            }
        }
    };
    unsigned threads = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < threads; ++i) pool.emplace_back(work);
    for (auto& t : pool) t.join();
    ShutdownSpeech();
    cairo_debug_reset_static_data();

    uintmax_t bytes = 0;
    int files = 0;
    std::error_code ec;
    for (auto& e : std::filesystem::recursive_directory_iterator(outRoot + "/Data", ec))
        if (e.is_regular_file()) {
            bytes += e.file_size();
            ++files;
        }
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("datagen: %d files, %.1f MB in %s/Data, generated in %.2f s\n", files, bytes / 1048576.0,
                outRoot.c_str(), secs);
    return failures ? 1 : 0;
}
