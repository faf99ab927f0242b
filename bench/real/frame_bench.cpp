// Frames per second of the real backend (SDL and OpenGL; SDL's offscreen
// driver unless SDL_VIDEODRIVER says otherwise) drawing recorded busy frames
// of stage play (see frame_record) unpaced: every frame clears, draws the
// recorded calls with their drawing state and presents at once. The game's
// files are loaded as at start-up, so the images are the game's own.
//
//   frame_bench [--data DIR] [--frames N] [--shots DIR] [--check] FILE.frame...
//
// Figures are medians of five rounds (the slowest and fastest round in
// brackets), with the processor time a frame takes over all threads (the
// rasteriser's too) and the drawing thread's share of it, which move less
// than frames per second when the machine is busy. --shots saves each
// recorded frame as drawn, as DIR/<name>.png. --check measures nothing: it
// draws each frame with the hidden pixels skipped and with everything drawn,
// and fails (status 1) unless the two leave the very same pixels.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "game_start.h"
#include "media.h"
#include "media_internal.h"
#include "recording.h"
#include "tool_args.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Replay {
    std::string name;
    recording::Frame frame;
    std::vector<int32_t> handles;  // per call
};

std::map<std::string, int32_t> g_loaded;

// The handle of an image file: a manifest file as start-up loaded it, or a
// section strip loaded now the way a section loads it.
int32_t ImageOf(const std::string& path) {
    auto it = g_loaded.find(path);
    if (it != g_loaded.end()) return it->second;
    int32_t handle = 0;
    for (const SectionStrip& strip : SectionStrips) {
        if (path != strip.path) continue;
        SetMaskColour(0, 255, 0);
        handle = LoadImageStrip(strip.path, 40, 480, 0, strip.cells, 1);
    }
    g_loaded[path] = handle;
    return handle;
}

void Draw(const Replay& replay) {
    const recording::Frame& f = replay.frame;
    for (size_t i = 0; i < f.calls.size(); ++i) {
        const headless::DrawCall& c = f.calls[i];
        SetClipRect(c.clipX, c.clipY, c.clipWidth, c.clipHeight);
        SetDrawColour(c.r, c.g, c.b);
        SetDrawAlpha(c.alpha);
        SetBlendMode(c.blend);
        SetDrawScale(c.scaleX, c.scaleY);
        SetDrawRotation(c.rotation);
        switch (c.op) {
            case headless::Op::Draw: DrawImageFrame(replay.handles[i], c.x, c.y, c.frame); break;
            case headless::Op::Tile: TileImageFrame(replay.handles[i], c.x, c.y, c.frame); break;
            case headless::Op::Fill: FillRect(c.x, c.y, c.width, c.height); break;
            case headless::Op::Plot: PlotPoint(c.x, c.y); break;
            case headless::Op::Clear:
                SetClearColour(f.clearR, f.clearG, f.clearB);
                ClearScreen();
                break;
            case headless::Op::Present: PresentFrame(0); break;
            default: break;
        }
    }
}

// The surface's pixels after drawing a recorded frame.
std::vector<uint8_t> Drawn(const Replay& replay) {
    static const int32_t capture = CreateBlankImage(640, 480, 1, 0);
    Draw(replay);
    GrabScreenToImage(capture, 0, 0, 0);
    const media::Image* image = media::FindImage(capture);
    return std::vector<uint8_t>(image->rgba.begin(), image->rgba.end());
}

// Waits until every frame drawn so far is on the surface: reading a pixel
// back waits for the drawing before it.
void Finish() {
    static const int32_t pixel = CreateBlankImage(1, 1, 1, 0);
    GrabScreenToImage(pixel, 0, 0, 0);
}

// Processor seconds used so far by the whole process or by this thread.
double CpuSeconds(int who) {
    rusage u{};
    getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Rates {
    double framesPerSecond;
    double cpuMs;     // processor time a frame, every thread
    double threadMs;  // of it, the drawing thread's own
};

// Over `frames` frames, all drawing finished.
Rates Measure(const Replay& replay, int frames) {
    Finish();
    const double cpu = CpuSeconds(RUSAGE_SELF), thread = CpuSeconds(RUSAGE_THREAD);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < frames; ++i) Draw(replay);
    Finish();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return Rates{frames / seconds, (CpuSeconds(RUSAGE_SELF) - cpu) * 1000.0 / frames,
                 (CpuSeconds(RUSAGE_THREAD) - thread) * 1000.0 / frames};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::string data = FRAME_BENCH_DATA_DIR;
    std::string shots;
    int frames = 400;
    bool check = false;
    std::vector<std::string> files;
    ArgReader args(argc, argv, "frame_bench",
                   "usage: frame_bench [--data DIR] [--frames N] [--shots DIR] [--check] FILE.frame...\n"
                   "  --data DIR    the generated Data folder (default: this build's)\n"
                   "  --frames N    frames drawn of each recording a round (default 400)\n"
                   "  --shots DIR   also save each recorded frame as drawn, as DIR/<name>.png\n"
                   "  --check       measure nothing: fail unless skipping the hidden pixels\n"
                   "                leaves the same pixels as drawing everything\n");
    while (args.Next()) {
        const std::string& arg = args.Arg();
        if (arg == "--data") data = args.Value();
        else if (arg == "--frames") frames = static_cast<int>(args.Number(1, INT32_MAX));
        else if (arg == "--check") check = true;
        else if (arg == "--shots") shots = std::filesystem::absolute(args.Value()).string();
        else if (args.Positional()) files.push_back(std::filesystem::absolute(arg).string());
        else args.Unknown();
    }
    if (files.empty()) args.Fail("give the recorded frames (frame_record writes them)");
    std::vector<Replay> replays;
    for (const std::string& file : files) {
        Replay r;
        std::string error;
        if (!recording::Read(file, &r.frame, &error)) {
            std::fprintf(stderr, "frame_bench: %s\n", error.c_str());
            return 1;
        }
        r.name = std::filesystem::path(file).stem().string();
        replays.push_back(std::move(r));
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // a caller's choice wins
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string error;
    if (!EnterDataFolder(data, &error)) {
        std::fprintf(stderr, "frame_bench: %s\n", error.c_str());
        return 1;
    }
    StartUp(StartUpKind::Quiet);
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.path && e.op != ManifestOp::Sound) g_loaded[e.path] = *e.target;
    }
    if (!check) std::printf("%d frames each (video driver %s)\n", frames, std::getenv("SDL_VIDEODRIVER"));
    bool failed = false;
    for (Replay& r : replays) {
        for (const headless::DrawCall& c : r.frame.calls) r.handles.push_back(c.path.empty() ? 0 : ImageOf(c.path));
        if (check) {
            const std::vector<uint8_t> skipped = Drawn(r);
            media::SetHiddenPixelSkipping(false);
            const std::vector<uint8_t> whole = Drawn(r);
            media::SetHiddenPixelSkipping(true);
            size_t differ = 0;
            for (size_t p = 0; p < skipped.size(); p += 4) differ += !std::equal(&skipped[p], &skipped[p] + 3, &whole[p]);
            std::printf("%-18s %5zu calls: %zu pixels differ when everything is drawn\n", r.name.c_str(),
                        r.frame.calls.size(), differ);
            failed = failed || differ > 0;
            continue;
        }
        // The first frames place the images on the card: not part of a frame.
        for (int i = 0; i < 5; ++i) Draw(r);
        std::vector<double> fps, cpu, thread;
        for (int round = 0; round < 5; ++round) {
            const Rates m = Measure(r, std::max(1, frames / 5));
            fps.push_back(m.framesPerSecond);
            cpu.push_back(m.cpuMs);
            thread.push_back(m.threadMs);
        }
        std::printf("%-18s %5zu calls %7.1f frames/s (%5.1f .. %5.1f)   processor %5.2f ms a frame, %5.2f of it drawing thread\n",
                    r.name.c_str(), r.frame.calls.size(), Median(fps), *std::min_element(fps.begin(), fps.end()),
                    *std::max_element(fps.begin(), fps.end()), Median(cpu), Median(thread));
        if (!shots.empty()) {
            static int32_t capture = CreateBlankImage(640, 480, 1, 0);
            Draw(r);
            GrabScreenToImage(capture, 0, 0, 0);
            const std::string path = shots + "/" + r.name + ".png";
            if (SaveImagePng(capture, 0, path) != 1) std::fprintf(stderr, "frame_bench: cannot write %s\n", path.c_str());
        }
    }
    return failed ? 1 : 0;
}
