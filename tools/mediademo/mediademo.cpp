// Media demo: a person's check of the real backend. Five panels show the
// same images in blend modes 1 to 5 (the dots under a panel count its mode),
// a ship turns and grows in the middle over a scrolling tiled floor, and a
// looping chord pans from side to side (the yellow marker follows the pan).
// Escape quits.
//
//   mediademo [--frames N] [--screenshot out.png]
//
// --frames ends after N presented frames; --screenshot saves the last one.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "demo_files.h"
#include "media.h"
#include "media_internal.h"
#include "tool_args.h"

namespace {

namespace fs = std::filesystem;

const char* const Usage =
    "usage: mediademo [--frames N] [--screenshot out.png]\n"
    "  --frames N         end after N presented frames (default: at Escape)\n"
    "  --screenshot FILE  save the last frame as a PNG file\n"
    "Exit status 0; 1 when it fails; 2 on bad options.\n";

struct Options {
    int frames = -1;
    std::string screenshot;
};

Options ParseOptions(int argc, char** argv) {
    Options o;
    ArgReader args(argc, argv, "mediademo", Usage, 2);
    while (args.Next()) {
        if (args.Arg() == "--frames") o.frames = static_cast<int>(args.Number(1, INT32_MAX));
        else if (args.Arg() == "--screenshot") o.screenshot = args.Value();
        else args.Unknown();
    }
    return o;
}

struct Picture {
    int width, height;
    std::vector<uint8_t> rgb;
    Picture(int w, int h, uint8_t r, uint8_t g, uint8_t b) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3) {
        for (size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = r;
            rgb[i + 1] = g;
            rgb[i + 2] = b;
        }
    }
    void Set(int x, int y, int r, int g, int b) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        uint8_t* p = rgb.data() + (static_cast<size_t>(y) * width + x) * 3;
        p[0] = static_cast<uint8_t>(r);
        p[1] = static_cast<uint8_t>(g);
        p[2] = static_cast<uint8_t>(b);
    }
};

// A shaded ball on black (black is the mask colour when it loads).
Picture Ball() {
    Picture p(32, 32, 0, 0, 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double dx = x - 15.5, dy = y - 15.5;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d > 15.5) continue;
            const double light = std::max(0.0, 1.0 - std::hypot(dx + 6, dy + 6) / 26.0);
            const int base = 60 + static_cast<int>(195 * light);
            p.Set(x, y, base, 40 + base / 2, std::max(1, 255 - base / 2));
        }
    }
    return p;
}

// Four 48 x 48 cells of a ship pointing right, its flame flickering, on
// green (the mask colour when it loads).
Picture ShipStrip() {
    Picture p(4 * 48, 48, 0, 255, 0);
    for (int cell = 0; cell < 4; ++cell) {
        const int ox = cell * 48;
        for (int y = 8; y < 40; ++y) {
            const int half = (y < 24 ? y - 8 : 39 - y);  // 0..15
            for (int x = 8; x < 8 + 2 * half + 8; ++x) {
                const bool edge = x == 8 || x == 8 + 2 * half + 7 || y == 8 || y == 39;
                p.Set(ox + x, y, edge ? 20 : 180, edge ? 20 : 190 - half * 4, edge ? 40 : 230);
            }
        }
        const int flame = 3 + cell * 2;
        for (int y = 20; y < 28; ++y) {
            for (int x = 8 - flame; x < 8; ++x) p.Set(ox + x, y, 255, 120 + 30 * cell, 0);
        }
    }
    return p;
}

Picture Floor() {
    Picture p(32, 32, 0, 0, 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool dark = ((x / 16) + (y / 16)) % 2 == 0;
            p.Set(x, y, dark ? 40 : 70, dark ? 45 : 80, dark ? 60 : 100);
        }
    }
    return p;
}

// Two seconds of a soft A major chord; every partial ends on a whole cycle,
// so the loop is seamless.
std::vector<int16_t> Chord() {
    const int rate = 44100;
    std::vector<int16_t> s(2 * rate);
    const double pi = 3.14159265358979323846;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double v = std::sin(2 * pi * 220.0 * t) + 0.7 * std::sin(2 * pi * 277.5 * t) +
                         0.6 * std::sin(2 * pi * 330.0 * t);
        const double swell = 0.75 + 0.25 * std::sin(2 * pi * 0.5 * t);
        s[i] = static_cast<int16_t>(v * swell * 6000.0);
    }
    return s;
}

bool SaveScreenshot(const std::string& path) {
    const int32_t capture = CreateBlankImage(640, 480, 1, 0);
    GrabScreenToImage(capture, 0, 0, 0);
    const media::Image* img = media::FindImage(capture);
    std::vector<uint8_t> rgb(640 * 480 * 3);
    for (size_t i = 0; i < 640 * 480; ++i) std::memcpy(&rgb[i * 3], img->FrameRgba(0) + i * 4, 3);
    ReleaseHandle(capture);
    return demo::WritePng(path, 640, 480, rgb);
}

void DrawFrame(int n, int32_t ball, int32_t ship, int32_t floor, float pan) {
    ClearScreen();

    // The floor scrolls under everything, tiled over the lower band only.
    SetBlendMode(BlendSolid);
    SetClipRect(0, 330, 640, 150);
    TileImageFrame(floor, static_cast<float>(-(n % 32)), 330.0f + static_cast<float>(n / 3 % 32), 0);
    SetClipRect(0, 0, 640, 480);

    // One panel per blend mode: two overlapping balls, a tinted one, and as
    // many dots below as the mode's number.
    for (int mode = 1; mode <= 5; ++mode) {
        const float x = 64.0f + 128.0f * static_cast<float>(mode - 1);
        SetBlendMode(BlendSolid);
        SetDrawAlpha(1.0f);
        SetDrawColour(90, 90, 140);
        FillRect(x - 56, 30, 112, 160);
        SetDrawColour(230, 230, 230);
        for (int dot = 0; dot < mode; ++dot) FillRect(x - 56 + 10.0f * static_cast<float>(dot) + 4, 196, 6, 6);

        SetBlendMode(mode);
        SetDrawAlpha(mode == BlendAlpha || mode == BlendLight ? 0.6f : 1.0f);
        SetDrawColour(255, 255, 255);
        DrawImageFrame(ball, x - 14, 75, 0);
        DrawImageFrame(ball, x + 14, 85, 0);
        SetDrawColour(255, 150, 60);
        DrawImageFrame(ball, x, 145, 0);
    }
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);

    // The ship turns and breathes about its centre.
    SetBlendMode(BlendMask);
    const float scale = 1.6f + 0.8f * std::sin(static_cast<float>(n) * 0.03f);
    SetDrawScale(scale, scale);
    SetDrawRotation(static_cast<float>(n) * 2.0f);
    DrawImageFrame(ship, 320, 270, n / 6 % 4);
    SetDrawScale(1, 1);
    SetDrawRotation(0);

    // A few twinkling points.
    for (int i = 0; i < 40; ++i) {
        const int level = 120 + (i * 37 + n * 5) % 135;
        SetDrawColour(level, level, level);
        PlotPoint(static_cast<float>((i * 97) % 640), static_cast<float>(215 + (i * 53) % 100));
    }

    // Where the sound sits between the speakers.
    SetBlendMode(BlendSolid);
    SetDrawColour(60, 60, 60);
    FillRect(40, 458, 560, 4);
    SetDrawColour(255, 220, 0);
    FillRect(320.0f + pan * 280.0f - 5.0f, 454, 10, 12);
    SetDrawColour(255, 255, 255);
    SetBlendMode(BlendMask);
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);

    InitRuntime();
    InitAudio();
    InitKeyboard();
    InitJoystick();
    InitDisplay();
    SelectDisplayDriver(OpenGl2dDriver(), 2);
    SetAppTitle("Media demo");
    OpenDisplay(640, 480, 0, 100, 2);
    SetDefaultImageFlags(ImageMasked);

    // The demo makes its own files and loads them like the game loads its own.
    const fs::path dir = fs::temp_directory_path() / ("mediademo-" + std::to_string(ElapsedMillis()));
    fs::create_directories(dir);
    const Picture ballPicture = Ball(), shipPicture = ShipStrip(), floorPicture = Floor();
    demo::WritePng((dir / "ball.png").string(), ballPicture.width, ballPicture.height, ballPicture.rgb);
    demo::WritePng((dir / "ship.png").string(), shipPicture.width, shipPicture.height, shipPicture.rgb);
    demo::WritePng((dir / "floor.png").string(), floorPicture.width, floorPicture.height, floorPicture.rgb);
    demo::WriteWav((dir / "chord.wav").string(), 44100, 1, Chord());

    SetMaskColour(0, 0, 0);
    const int32_t ball = LoadImageFile((dir / "ball.png").string(), ImageDefaultFlags);
    CentreImageOrigin(ball);
    SetMaskColour(0, 255, 0);
    const int32_t ship = LoadImageStrip((dir / "ship.png").string(), 48, 48, 0, 4, ImageDefaultFlags);
    CentreImageOrigin(ship);
    const int32_t floor = LoadImageFile((dir / "floor.png").string(), 0);
    const int32_t chord = LoadSoundFile((dir / "chord.wav").string(), 1);
    fs::remove_all(dir);
    if (!ball || !ship || !floor || !chord) FailAndExit("mediademo: could not load its own files", 1);

    const int32_t channel = PlaySoundOn(chord, 0);
    SetChannelVolume(channel, 0.5f);

    for (int n = 0; options.frames < 0 || n < options.frames; ++n) {
        const float pan = std::sin(static_cast<float>(n) * 0.015f);
        SetChannelPan(channel, pan);
        DrawFrame(n, ball, ship, floor, pan);
        PresentFrame(-1);
        if (KeyHitCount(27) > 0) break;
    }
    if (!options.screenshot.empty() && !SaveScreenshot(options.screenshot)) {
        FailAndExit("mediademo: cannot write " + options.screenshot, 1);
    }
    StopChannel(channel);
    ExitProgram();
}
