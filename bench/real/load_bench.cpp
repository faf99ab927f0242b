// Start-up load of the game's files on the real backend: the display is
// opened as the game opens it, then the 169 files of the asset manifest are
// loaded the way start-up loads them (LoadAssetRows), several rounds, each
// released again before the next. Then the same files one kind at a time
// through the loaders alone (pictures, WAV sounds, Ogg Vorbis music), to show
// where the time goes. The files stay in the system's cache after the first
// round, as they do on a second start of the game.
//
//   load_bench [--data DIR] [--rounds N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game_start.h"
#include "media.h"
#include "shell/manifest.h"
#include "tool_args.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void ReleaseManifestFiles() {
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (!e.path) continue;
        ReleaseHandle(*e.target);
        *e.target = 0;
    }
}

bool IsOgg(const char* path) {
    const size_t n = std::strlen(path);
    return n > 4 && std::strcmp(path + n - 4, ".ogg") == 0;
}

// Seconds to load the manifest's files of one kind, one after another
// through the public loaders, with the mask colours in force as listed.
double LoadKind(int kind) {
    double spent = 0.0;
    std::vector<int32_t> handles;
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.op == ManifestOp::Mask) SetMaskColour(e.cellWidth, e.cellHeight, e.cellCount);
        const int entryKind = e.op == ManifestOp::Sound ? (IsOgg(e.path) ? 2 : 1) : 0;
        if (!e.path || entryKind != kind) continue;
        const Clock::time_point start = Clock::now();
        int32_t handle = 0;
        if (e.op == ManifestOp::Image) handle = LoadImageFile(e.path, e.flags);
        if (e.op == ManifestOp::Strip) handle = LoadImageStrip(e.path, e.cellWidth, e.cellHeight, 0, e.cellCount, e.flags);
        if (e.op == ManifestOp::Sound) handle = LoadSoundFile(e.path, e.flags);
        spent += Since(start);
        if (handle == 0) std::fprintf(stderr, "load_bench: %s did not load\n", e.path);
        handles.push_back(handle);
    }
    for (int32_t handle : handles) ReleaseHandle(handle);
    return spent;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::string data = LOAD_BENCH_DATA_DIR;
    int rounds = 7;
    ArgReader args(argc, argv, "load_bench",
                   "usage: load_bench [--data DIR] [--rounds N]\n"
                   "  --data DIR  the generated Data folder (default: this build's)\n"
                   "  --rounds N  rounds of each load; the median is printed (default 7)\n");
    while (args.Next()) {
        if (args.Arg() == "--data") data = args.Value();
        else if (args.Arg() == "--rounds") rounds = static_cast<int>(args.Number(1, 1000));
        else args.Unknown();
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string error;
    if (!EnterDataFolder(data, &error)) {
        std::fprintf(stderr, "load_bench: %s\n", error.c_str());
        return 1;
    }
    InitRuntime();
    InitAudio();
    InitDisplay();
    OpenDisplay(640, 480, 0, 100, 2);
    SetDefaultImageFlags(1);

    std::vector<double> whole;
    for (int round = 0; round < rounds; ++round) {
        const Clock::time_point start = Clock::now();
        LoadAssetRows(1, AssetFileCount);
        whole.push_back(Since(start));
        ReleaseManifestFiles();
    }
    std::vector<double> kinds[3];
    for (int round = 0; round < rounds; ++round) {
        for (int kind = 0; kind < 3; ++kind) kinds[kind].push_back(LoadKind(kind));
    }
    std::printf("start-up load of the %d files (LoadAssetRows 1..%d): %.3f s  (median of %d; best %.3f)\n",
                AssetFileCount, AssetFileCount, Median(whole), rounds, *std::min_element(whole.begin(), whole.end()));
    std::printf("  one file after another: pictures %.3f s, WAV sounds %.3f s, Ogg music %.3f s\n", Median(kinds[0]),
                Median(kinds[1]), Median(kinds[2]));
    return 0;
}
