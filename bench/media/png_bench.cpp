// PNG loading throughput: pictures of the game's kinds (a full-screen
// picture, a stage strip of 40 x 480 columns, a sheet of small sprite cells)
// written with libpng's usual compression, then loaded, cut and masked by the
// media layer again and again. "pixels_per_second" is the decode rate.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "benchmark_flags.h"
#include "headless.h"
#include "media_internal.h"

namespace {

namespace fs = std::filesystem;

// Flat areas, gradients and some noise, the way drawn art compresses.
std::vector<uint8_t> Artwork(int w, int h, uint32_t seed) {
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    uint32_t noise = seed;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
            noise = noise * 1664525u + 1013904223u;
            const bool background = ((x / 24) + (y / 40)) % 3 == 0;
            if (background) {
                p[0] = 0, p[1] = 255, p[2] = 0;  // mask green
            } else {
                p[0] = static_cast<uint8_t>(x * 3 + (noise >> 29));
                p[1] = static_cast<uint8_t>(y * 2);
                p[2] = static_cast<uint8_t>(((x ^ y) & 0x3F) + (noise >> 28));
            }
        }
    }
    return rgb;
}

bool WritePng(const std::string& path, int w, int h, const std::vector<uint8_t>& rgb) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, rgb.data() + static_cast<size_t>(y) * w * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

struct Case {
    const char* name;
    int width, height, cellWidth, cellHeight;
};
constexpr Case kCases[] = {
    {"fullscreen_640x480", 640, 480, 640, 480},
    {"stage_strip_5400x480_in_40x480", 5400, 480, 40, 480},
    {"sprite_sheet_512x512_in_32x32", 512, 512, 32, 32},
};

fs::path Folder() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "sw_png_bench";
        fs::create_directories(d);
        uint32_t seed = 7;
        for (const Case& c : kCases) WritePng((d / (std::string(c.name) + ".png")).string(), c.width, c.height,
                                              Artwork(c.width, c.height, seed++));
        return d;
    }();
    return dir;
}

void BM_LoadPng(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    const std::string path = (Folder() / (std::string(c.name) + ".png")).string();
    const int cells = (c.width / c.cellWidth) * (c.height / c.cellHeight);
    state.SetLabel(c.name);
    SetMaskColour(0, 255, 0);
    for (auto _ : state) {
        const int32_t image = LoadImageStrip(path, c.cellWidth, c.cellHeight, 0, cells, 1);
        if (image == 0) {
            state.SkipWithError("load failed");
            break;
        }
        ReleaseHandle(image);
    }
    const double pixels = static_cast<double>(c.width) * c.height;
    state.counters["pixels_per_second"] =
        benchmark::Counter(pixels * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["files_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(path));
}
BENCHMARK(BM_LoadPng)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    TakeBenchmarkFlags(&argc, argv, "png_bench");
    headless::Reset();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(Folder());
    return 0;
}
