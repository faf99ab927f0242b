// Opening the real backend for a test: SDL's offscreen driver gives an OpenGL
// context with no display; the Windows build, run under wine, opens its
// window on the virtual X display its tests are given. The dummy audio
// driver plays nowhere.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>

#include "media_internal.h"

namespace sdltest {

// Chooses SDL's video driver, whatever the environment says.
inline void UseVideoDriver(const char* name) { SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, name, SDL_HINT_OVERRIDE); }

inline void OpenOffscreenDisplay() {
    static bool open = false;
    if (open) return;
#ifdef _WIN32
    UseVideoDriver("windows");
#else
    UseVideoDriver("offscreen");
#endif
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    InitRuntime();
    InitKeyboard();
    InitDisplay();
    SelectDisplayDriver(OpenGl2dDriver(), 2);
    OpenDisplay(640, 480, 0, 100, 2);
    open = true;
}

// A test on the off-screen surface: the display open, the drawing state and
// the mask colour fresh, the surface cleared.
class SurfaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { OpenOffscreenDisplay(); }
    void SetUp() override {
        media::ResetDrawState();
        SetMaskColour(0, 0, 0);
        ClearScreen();
    }
    void TearDown() override { media::ResetDrawState(); }
};

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// Reads the surface back through GrabScreenToImage into an unmasked capture.
class Surface {
public:
    Surface() { capture_ = CreateBlankImage(640, 480, 1, 0); }
    ~Surface() { ReleaseHandle(capture_); }
    void Grab() { GrabScreenToImage(capture_, 0, 0, 0); }
    Rgb At(int x, int y) const {
        const uint8_t* p = media::FindImage(capture_)->FrameRgba(0) + (static_cast<size_t>(y) * 640 + x) * 4;
        return Rgb{p[0], p[1], p[2]};
    }

private:
    int32_t capture_ = 0;
};

// An image made in memory: colour(x, y, frame) gives each pixel; the mask
// rule of the flags applies as for a loaded picture.
inline int32_t MakeImage(int32_t w, int32_t h, int32_t frames, int32_t flags,
                         const std::function<Rgb(int, int, int)>& colour) {
    const int32_t handle = CreateBlankImage(w, h, frames, flags);
    media::Image* img = media::FindImage(handle);
    for (int f = 0; f < frames; ++f) {
        uint8_t* px = img->FrameRgba(f);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x, px += 4) {
                const Rgb c = colour(x, y, f);
                px[0] = static_cast<uint8_t>(c.r);
                px[1] = static_cast<uint8_t>(c.g);
                px[2] = static_cast<uint8_t>(c.b);
            }
        }
        media::ApplyMaskRule(*img, f);
    }
    ++img->version;
    return handle;
}

}  // namespace sdltest
