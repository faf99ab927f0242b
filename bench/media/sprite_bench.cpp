// Sprites per frame the real backend draws at 100 frames a second on this
// machine's OpenGL (SDL's offscreen driver unless SDL_VIDEODRIVER says
// otherwise). Each frame clears, draws N 32 x 32 masked sprites scattered over
// the screen and presents without waiting, as the in-stage loop does. The
// benchmarks give frame times for fixed counts; afterwards a search finds the
// largest count whose frames still take at most 10 ms, for sprites from one
// sheet (batched) and from four sheets in turn (a texture change per sprite).
#include <SDL.h>
#include <SDL_opengl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "benchmark_flags.h"
#include "media_internal.h"

namespace {

constexpr int kSheets = 4;
int32_t g_sheets[kSheets];

void OpenDisplayOnce() {
    static bool open = false;
    if (open) return;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // a caller's choice wins
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    InitRuntime();
    InitDisplay();
    SelectDisplayDriver(OpenGl2dDriver(), 2);
    OpenDisplay(640, 480, 0, 100, 2);
    // Four sheets of eight 32 x 32 cells: a disc on black (masked).
    for (int s = 0; s < kSheets; ++s) {
        const int32_t sheet = CreateBlankImage(32, 32, 8, ImageMasked);
        media::Image* img = media::FindImage(sheet);
        for (int f = 0; f < 8; ++f) {
            uint8_t* px = img->FrameRgba(f);
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x, px += 4) {
                    const int dx = x - 16, dy = y - 16;
                    const bool inside = dx * dx + dy * dy < 15 * 15;
                    px[0] = inside ? static_cast<uint8_t>(60 + 40 * s) : 0;
                    px[1] = inside ? static_cast<uint8_t>(30 * f) : 0;
                    px[2] = inside ? static_cast<uint8_t>(200 - x) : 0;
                }
            }
            media::ApplyMaskRule(*img, f);
        }
        g_sheets[s] = sheet;
    }
    // The first draws place the sheets in texture pages: not part of a frame.
    for (int32_t sheet : g_sheets) DrawImageFrame(sheet, 0, 0, 0);
    PresentFrame(0);
    glFinish();
    open = true;
}

void DrawFrame(int sprites, bool mixedSheets, int frameNumber) {
    ClearScreen();
    uint32_t r = 12345u + static_cast<uint32_t>(frameNumber);
    for (int i = 0; i < sprites; ++i) {
        r = r * 1664525u + 1013904223u;
        const float x = static_cast<float>((r >> 8) % 608);
        const float y = static_cast<float>((r >> 20) % 448);
        const int32_t sheet = g_sheets[mixedSheets ? i % kSheets : 0];
        DrawImageFrame(sheet, x, y, static_cast<int32_t>(r & 7));
    }
    PresentFrame(0);
}

// Mean milliseconds per frame over `frames` frames, all drawing finished.
double MeasureFrame(int sprites, bool mixedSheets, int frames) {
    for (int i = 0; i < 5; ++i) DrawFrame(sprites, mixedSheets, i);
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) DrawFrame(sprites, mixedSheets, i);
    glFinish();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / frames;
}

// The largest count (to the nearest 1 %) whose frames take at most 10 ms.
int SpritesAt100Fps(bool mixedSheets) {
    int low = 0, high = 256;
    while (MeasureFrame(high, mixedSheets, 40) <= 10.0) {
        low = high;
        high *= 2;
        if (high > (1 << 22)) return low;
    }
    while (high - low > std::max(1, low / 100)) {
        const int mid = (low + high) / 2;
        (MeasureFrame(mid, mixedSheets, 40) <= 10.0 ? low : high) = mid;
    }
    return low;
}

void BM_SpriteFrame(benchmark::State& state) {
    OpenDisplayOnce();
    const int sprites = static_cast<int>(state.range(0));
    const bool mixed = state.range(1) != 0;
    state.SetLabel(mixed ? "four sheets in turn" : "one sheet");
    int n = 0;
    for (auto _ : state) DrawFrame(sprites, mixed, n++);
    glFinish();
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["sprites_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * sprites, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SpriteFrame)
    ->ArgsProduct({{100, 1000, 5000, 20000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    TakeBenchmarkFlags(&argc, argv, "sprite_bench");
    benchmark::RunSpecifiedBenchmarks();
    OpenDisplayOnce();
    std::printf("\nOpenGL: %s, %s (video driver %s)\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)), SDL_GetCurrentVideoDriver());
    std::printf("32 x 32 masked sprites per frame at 100 frames a second:\n");
    std::printf("  from one sheet:           %d\n", SpritesAt100Fps(false));
    std::printf("  from four sheets in turn: %d\n", SpritesAt100Fps(true));
    benchmark::Shutdown();
    return 0;
}
