// The display: an SDL window with an OpenGL context, and the 640 x 480
// drawing surface as an off-screen framebuffer object. Presenting draws the
// surface into the window, scaled with its aspect ratio kept (black bars), so
// the window can be resized and full screen uses the desktop's resolution;
// the surface itself is never swapped, so it still holds the presented
// picture afterwards (fades and grabs take the last frame from it).
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>
#endif

#include "media_internal.h"
#include "sdl_backend.h"

namespace sdlmedia {
namespace {

Display g_display;
FramebufferFunctions g_fbo;

std::string SdlError() {
    std::string text = SDL_GetError();
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text.empty() ? "unknown error" : text;
}

void CloseDisplay();

[[noreturn]] void CannotOpen(const std::string& why) {
    // A window half made goes before the player is told.
    CloseDisplay();
    FailAndExit("cannot open the " + std::to_string(g_display.width) + " x " + std::to_string(g_display.height) +
                    " display: " + why,
                1);
}

template <typename T>
T Lookup(const char* arb, const char* ext) {
    void* f = SDL_GL_GetProcAddress(arb);
    if (!f) f = SDL_GL_GetProcAddress(ext);
    return reinterpret_cast<T>(f);
}

bool LoadFramebufferFunctions() {
    const bool arb = SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object") == SDL_TRUE;
    const bool ext = SDL_GL_ExtensionSupported("GL_EXT_framebuffer_object") == SDL_TRUE;
    if (!arb && !ext) {
        // OpenGL 3.0 and later have them in the core.
        const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        if (!version || std::atoi(version) < 3) return false;
    }
    if (arb || !ext) {
        g_fbo.genFramebuffers = Lookup<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers", "glGenFramebuffersEXT");
        g_fbo.deleteFramebuffers =
            Lookup<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffers", "glDeleteFramebuffersEXT");
        g_fbo.bindFramebuffer = Lookup<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer", "glBindFramebufferEXT");
        g_fbo.framebufferTexture2D =
            Lookup<PFNGLFRAMEBUFFERTEXTURE2DPROC>("glFramebufferTexture2D", "glFramebufferTexture2DEXT");
        g_fbo.checkFramebufferStatus =
            Lookup<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus", "glCheckFramebufferStatusEXT");
        g_fbo.blitFramebuffer = Lookup<PFNGLBLITFRAMEBUFFERPROC>("glBlitFramebuffer", "glBlitFramebufferEXT");
    } else {
        // Only the EXT extension: its entry points have the same signatures.
        g_fbo.genFramebuffers = Lookup<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffersEXT", "glGenFramebuffers");
        g_fbo.deleteFramebuffers =
            Lookup<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffersEXT", "glDeleteFramebuffers");
        g_fbo.bindFramebuffer = Lookup<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebufferEXT", "glBindFramebuffer");
        g_fbo.framebufferTexture2D =
            Lookup<PFNGLFRAMEBUFFERTEXTURE2DPROC>("glFramebufferTexture2DEXT", "glFramebufferTexture2D");
        g_fbo.checkFramebufferStatus =
            Lookup<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatusEXT", "glCheckFramebufferStatus");
        if (SDL_GL_ExtensionSupported("GL_EXT_framebuffer_blit") == SDL_TRUE) {
            g_fbo.blitFramebuffer = Lookup<PFNGLBLITFRAMEBUFFERPROC>("glBlitFramebufferEXT", "glBlitFramebuffer");
        }
    }
    return g_fbo.genFramebuffers && g_fbo.deleteFramebuffers && g_fbo.bindFramebuffer &&
           g_fbo.framebufferTexture2D && g_fbo.checkFramebufferStatus;
}

void CloseDisplay() {
    Display& d = g_display;
    if (d.context) {
        RendererStop();
        if (d.framebuffer) g_fbo.deleteFramebuffers(1, &d.framebuffer);
        if (d.surfaceTexture) glDeleteTextures(1, &d.surfaceTexture);
        SDL_GL_DeleteContext(d.context);
    }
    if (d.window) SDL_DestroyWindow(d.window);
    d.framebuffer = 0;
    d.surfaceTexture = 0;
    d.context = nullptr;
    d.window = nullptr;
}

bool MakeSurface() {
    Display& d = g_display;
    glGenTextures(1, &d.surfaceTexture);
    glBindTexture(GL_TEXTURE_2D, d.surfaceTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, d.width, d.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    g_fbo.genFramebuffers(1, &d.framebuffer);
    g_fbo.bindFramebuffer(GL_FRAMEBUFFER, d.framebuffer);
    g_fbo.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, d.surfaceTexture, 0);
    return g_fbo.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

// Makes the hidden window full screen and shows it; returns the colour depth
// the screen then has.
int32_t EnterFullScreen(SDL_Window* window, int32_t width, int32_t height, int32_t depth) {
    // The screen's own mode closest to the size with the asked colour depth;
    // where the system has none of that depth (or no mode change works),
    // the desktop's mode as it is. The surface is drawn 32-bit either way
    // and scaled to the screen when presented.
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
    SDL_DisplayMode want{};
    want.format = depth == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    want.w = width;
    want.h = height;
    SDL_DisplayMode mode{};
    bool exclusive = SDL_GetClosestDisplayMode(display, &want, &mode) != nullptr &&
                     SDL_SetWindowDisplayMode(window, &mode) == 0 &&
                     SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0;
    if (!exclusive) SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    // The mode changes as the window shows. The depth is what the screen
    // then reports, not what was asked, counted as the bits a pixel takes
    // (a 16-bit mode may hold 15 bits of colour, 32-bit ones hold 24).
    SDL_ShowWindow(window);
    SDL_DisplayMode now{};
    if (SDL_GetCurrentDisplayMode(display, &now) != 0) return depth;
    return 8 * static_cast<int32_t>(SDL_BYTESPERPIXEL(now.format));
}

}  // namespace

Display& TheDisplay() { return g_display; }
bool DisplayIsOpen() { return g_display.context != nullptr; }
const FramebufferFunctions& Fbo() { return g_fbo; }

bool VideoDriverShowsNothing() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

}  // namespace sdlmedia

using sdlmedia::g_display;

void InitDisplay() {
    if (g_display.videoReady) return;
    // While SDL looks for a display, the window systems' client libraries may
    // print their own complaints (a missing runtime folder, say); the program
    // speaks for itself when it cannot open a display, in one line.
    [[maybe_unused]] int savedStderr = -1;
#if defined(__unix__)
    std::fflush(stderr);
    savedStderr = dup(STDERR_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    if (savedStderr >= 0 && devNull >= 0) dup2(devNull, STDERR_FILENO);
    if (devNull >= 0) close(devNull);
#endif
    const bool ready = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
#if defined(__unix__)
    if (savedStderr >= 0) {
        std::fflush(stderr);
        dup2(savedStderr, STDERR_FILENO);
        close(savedStderr);
    }
#endif
    if (!ready) {
        g_display.videoError = sdlmedia::SdlError();
        return;
    }
    g_display.videoReady = true;
}

void SelectDisplayDriver(int32_t /*driver*/, int32_t /*flags*/) {
    // OpenGL is the only driver, and the surface always keeps a back buffer.
}

void OpenDisplay(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t /*flags*/) {
    sdlmedia::Display& d = g_display;
    sdlmedia::CloseDisplay();
    d.width = width > 0 ? width : 640;
    d.height = height > 0 ? height : 480;
    d.depth = (depth == 16 || depth == 32) ? depth : 0;
    d.hertz = hertz;
    d.paceStarted = false;
    if (!d.videoReady) InitDisplay();
    if (!d.videoReady) sdlmedia::CannotOpen(d.videoError);
    // SDL falls back to its invisible driver when no display is reachable;
    // only take that when it was asked for (tests, benchmarks).
    if (sdlmedia::VideoDriverShowsNothing()) {
        std::string asked = SDL_GetHint(SDL_HINT_VIDEODRIVER) ? SDL_GetHint(SDL_HINT_VIDEODRIVER) : "";
        for (char& c : asked) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (asked.find(SDL_GetCurrentVideoDriver()) == std::string::npos) {
            sdlmedia::CannotOpen("no graphical display found (SDL_VIDEODRIVER=offscreen runs without one)");
        }
    }

    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    // Full screen opens hidden, switches the screen to the mode and shows.
    Uint32 windowFlags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (d.depth != 0) windowFlags |= SDL_WINDOW_HIDDEN;
    const std::string& title = sdlmedia::AppTitle();
    d.window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, d.width, d.height,
                                windowFlags);
    if (!d.window) sdlmedia::CannotOpen(sdlmedia::SdlError());
    if (d.depth != 0) {
        d.depth = sdlmedia::EnterFullScreen(d.window, d.width, d.height, d.depth);
    }
    // No profile is asked for: every driver then gives a context with the
    // fixed-function pipeline (a compatibility or legacy one).
    d.context = SDL_GL_CreateContext(d.window);
    if (!d.context) sdlmedia::CannotOpen("no OpenGL context: " + sdlmedia::SdlError());
    if (SDL_GL_MakeCurrent(d.window, d.context) != 0) sdlmedia::CannotOpen(sdlmedia::SdlError());
    if (!sdlmedia::LoadFramebufferFunctions()) {
        sdlmedia::CannotOpen("OpenGL has no framebuffer objects");
    }
    if (!sdlmedia::MakeSurface()) sdlmedia::CannotOpen("the off-screen surface is not supported");
    // PresentFrame(0) must never wait for the screen; PresentFrame(-1) paces
    // itself by the clock.
    SDL_GL_SetSwapInterval(0);
    SDL_StopTextInput();

    GLint maxTexture = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture);
    sdlmedia::RendererStart(maxTexture);
    // The surface starts black.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

int32_t DisplayColourDepth() { return g_display.context ? g_display.depth : 0; }

void HideMousePointer() { SDL_ShowCursor(SDL_DISABLE); }

void ClearScreen() {
    if (!g_display.context) return;
    // Whatever was drawn since the last flush is cleared away unseen.
    sdlmedia::DropPendingQuads();
    const media::DrawState& s = media::CurrentDrawState();
    auto channel = [](int32_t v) { return static_cast<float>(std::clamp(v, 0, 255)) / 255.0f; };
    glDisable(GL_SCISSOR_TEST);
    glClearColor(channel(s.clearR), channel(s.clearG), channel(s.clearB), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    sdlmedia::BindSurface();
}

void PresentFrame(int32_t sync) {
    sdlmedia::Display& d = g_display;
    if (!d.context) return;
    sdlmedia::FlushDrawing();
    if (sync == -1) SleepMillis(media::PaceFrame(d.paceDeadline, d.paceStarted, ElapsedMillis(), d.hertz));

    // Draw the surface into the window, as large as fits with its shape kept.
    int windowW = 0, windowH = 0;
    SDL_GL_GetDrawableSize(d.window, &windowW, &windowH);
    const double scale = std::min(static_cast<double>(windowW) / d.width, static_cast<double>(windowH) / d.height);
    const int w = std::max(1, static_cast<int>(std::lround(d.width * scale)));
    const int h = std::max(1, static_cast<int>(std::lround(d.height * scale)));
    const int x = (windowW - w) / 2;
    const int y = (windowH - h) / 2;
    const bool wholeMultiple = w % d.width == 0 && h % d.height == 0;

    if (w == d.width && h == d.height && w == windowW && h == windowH && sdlmedia::Fbo().blitFramebuffer) {
        // The window is the surface's size: a plain copy, nothing to clear
        // or scale.
        glDisable(GL_SCISSOR_TEST);
        sdlmedia::Fbo().bindFramebuffer(GL_READ_FRAMEBUFFER, d.framebuffer);
        sdlmedia::Fbo().bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        sdlmedia::Fbo().blitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    } else {
        sdlmedia::Fbo().bindFramebuffer(GL_FRAMEBUFFER, 0);
        glViewport(0, 0, windowW, windowH);
        glDisable(GL_SCISSOR_TEST);
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0.0, windowW, 0.0, windowH, -1.0, 1.0);  // y up, as the surface's rows lie
        glBindTexture(GL_TEXTURE_2D, d.surfaceTexture);
        const GLint filter = wholeMultiple ? GL_NEAREST : GL_LINEAR;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glColor4ub(255, 255, 255, 255);
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2i(x, y);
        glTexCoord2f(1.0f, 0.0f);
        glVertex2i(x + w, y);
        glTexCoord2f(1.0f, 1.0f);
        glVertex2i(x + w, y + h);
        glTexCoord2f(0.0f, 1.0f);
        glVertex2i(x, y + h);
        glEnd();
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    SDL_GL_SwapWindow(d.window);

    sdlmedia::Fbo().bindFramebuffer(GL_FRAMEBUFFER, d.framebuffer);
    sdlmedia::BindSurface();
    // Keep the window answering its system while the game only presents.
    media::PumpEvents();
}

void GrabScreenToImage(int32_t image, int32_t x, int32_t y, int32_t frame) {
    if (!media::FindImageFrame(image, frame)) return;
    // The other frames go back to the card with this one.
    media::Image* img = media::ImageWithPixels(image);
    if (!img) return;
    const sdlmedia::Display& d = g_display;
    const int32_t fw = img->frameWidth;
    const int32_t fh = img->frameHeight;
    uint8_t* dst = img->FrameRgba(frame);
    std::memset(dst, 0, img->FramePixels() * 4);
    if (d.context) {
        sdlmedia::FlushDrawing();
        // The part of the asked rectangle that lies on the surface; the rest
        // of the frame stays black.
        const int32_t left = std::max(x, 0);
        const int32_t top = std::max(y, 0);
        const int32_t right = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(x) + fw, d.width));
        const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(y) + fh, d.height));
        if (left < right && top < bottom) {
            const int32_t w = right - left;
            const int32_t h = bottom - top;
            std::vector<uint8_t> rows(static_cast<size_t>(w) * h * 4);
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            // The surface's rows lie bottom-up.
            glReadPixels(left, d.height - bottom, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
            for (int32_t row = 0; row < h; ++row) {
                const uint8_t* src = rows.data() + static_cast<size_t>(h - 1 - row) * w * 4;
                uint8_t* out = dst + (static_cast<size_t>(top - y + row) * fw + (left - x)) * 4;
                std::memcpy(out, src, static_cast<size_t>(w) * 4);
            }
        }
    }
    media::ApplyMaskRule(*img, frame);
    ++img->version;
}
