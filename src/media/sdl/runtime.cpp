// Start-up of the runtime, the clock, sleeping, tick timers, message boxes
// and the end of the program, for the real backend.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unordered_map>

#include "media_internal.h"
#include "os/platform.h"
#include "sdl_backend.h"

namespace sdlmedia {
namespace {

using Clock = std::chrono::steady_clock;

// A tick timer needs no thread: the ticks due follow from the time since its
// creation, so none is ever lost or counted twice, however late the game is.
struct TickTimer {
    int32_t hertz = 100;
    Clock::time_point start;
    int64_t consumed = 0;  // ticks already returned by WaitTick
};
std::unordered_map<int32_t, TickTimer> g_timers;

std::string g_title;

int64_t TicksSinceStart(const TickTimer& t, Clock::time_point now) {
    const int64_t ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now - t.start).count();
    return ns * t.hertz / 1000000000;
}

// SDL's messages can run over several lines; the program's messages are one.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

}  // namespace

const std::string& AppTitle() { return g_title; }

void EndProcess(int32_t status) {
    std::fflush(nullptr);
    // The window goes with the process. SDL is not shut down: that would
    // unload the OpenGL driver with allocations of its own still in it, which
    // leak checkers then blame on the program. The audio device is closed by
    // its own exit handler before the mixer goes away.
    std::exit(status);
}

void ForgetTimer(int32_t handle) { g_timers.erase(handle); }

}  // namespace sdlmedia

namespace media {
void BackendHandleReleased(int32_t handle) {
    sdlmedia::ForgetImage(handle);
    sdlmedia::ForgetTimer(handle);
}
}  // namespace media

void InitRuntime() {
    media::os::ReturnLargeBlocksWhenFreed();
    // Ctrl+C in a terminal must end the game: SDL would turn it into a quit
    // request, which the game ignores like every request to close.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) SDL_InitSubSystem(SDL_INIT_EVENTS);
}

void InitKeyboard() {
    // Key events arrive with the window; nothing to open here.
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) SDL_InitSubSystem(SDL_INIT_EVENTS);
}

void SetAppTitle(const std::string& title) {
    sdlmedia::g_title = title;
    if (sdlmedia::TheDisplay().window) SDL_SetWindowTitle(sdlmedia::TheDisplay().window, title.c_str());
}

int32_t AskYesNoCancel(const std::string& text, int32_t serious) {
    // Lines come separated by carriage returns.
    std::string message;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            message += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            message += text[i];
        }
    }
    int32_t systemAnswer = 0;
    std::string why;
    switch (media::os::AskYesNoCancel(sdlmedia::g_title, message, serious != 0, &systemAnswer, &why)) {
        case media::os::Asked::Answered: return systemAnswer;
        case media::os::Asked::Failed: FailAndExit("cannot ask the display question: " + why, 1);
        case media::os::Asked::NoSystemBox: break;
    }
    if (sdlmedia::VideoDriverShowsNothing()) {
        FailAndExit("cannot ask the display question: no display to show it on", 1);
    }
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
        {0, 0, "No"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, -1, "Cancel"},
    };
    SDL_MessageBoxData box{};
    box.flags = static_cast<Uint32>(serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION) |
                SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.window = sdlmedia::TheDisplay().window;
    box.title = sdlmedia::g_title.c_str();
    box.message = message.c_str();
    box.numbuttons = 3;
    box.buttons = buttons;
    int answer = -1;
    if (SDL_ShowMessageBox(&box, &answer) != 0) {
        FailAndExit("cannot ask the display question: " + sdlmedia::OneLine(SDL_GetError()), 1);
    }
    // Closing the box without a button counts as cancel.
    return answer == 1 ? 1 : (answer == 0 ? 0 : -1);
}

int32_t ElapsedMillis() {
    // The monotonic clock counts from boot; only its low 32 bits are kept,
    // so readings wrap and are compared through MillisSince.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        sdlmedia::Clock::now().time_since_epoch())
                        .count();
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(ms)));
}

void SleepMillis(int32_t ms) {
    if (ms <= 0) return;
    // The same clock as ElapsedMillis, so the reading moves on by at least ms.
    const auto until = sdlmedia::Clock::now() + std::chrono::milliseconds(ms);
    while (sdlmedia::Clock::now() < until) std::this_thread::sleep_until(until);
}

int32_t CreateTickTimer(int32_t hertz) {
    if (hertz <= 0) return 0;
    const int32_t handle = media::NewHandle();
    sdlmedia::g_timers[handle] = sdlmedia::TickTimer{hertz, sdlmedia::Clock::now(), 0};
    return handle;
}

int32_t WaitTick(int32_t timer) {
    auto it = sdlmedia::g_timers.find(timer);
    if (it == sdlmedia::g_timers.end()) return 0;
    sdlmedia::TickTimer& t = it->second;
    for (;;) {
        const int64_t due = sdlmedia::TicksSinceStart(t, sdlmedia::Clock::now()) - t.consumed;
        if (due >= 1) {
            t.consumed += due;
            return static_cast<int32_t>(due);
        }
        // Sleep to the moment the next tick falls due.
        const int64_t nextNs = ((t.consumed + 1) * 1000000000 + t.hertz - 1) / t.hertz;
        std::this_thread::sleep_until(t.start + std::chrono::nanoseconds(nextNs));
    }
}

void StopTickTimer(int32_t timer) { sdlmedia::g_timers.erase(timer); }

void ExitProgram() { sdlmedia::EndProcess(0); }

void ReportFailure(const std::string& message) {
    // The line first: it stays even when no box can be shown.
    std::fprintf(stderr, "%s\n", sdlmedia::OneLine(message).c_str());
    std::fflush(stderr);
    // Without a running video system there is no display to show a box on
    // (SDL would still try to reach one); on the drivers that show nothing
    // SDL would put its box on whatever X display it finds, and wait there.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || sdlmedia::VideoDriverShowsNothing()) return;
    if (media::os::ShowFailure(sdlmedia::g_title, message)) return;
    SDL_Window* over = sdlmedia::DisplayIsOpen() ? sdlmedia::TheDisplay().window : nullptr;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, sdlmedia::g_title.c_str(), message.c_str(), over);
}

void FailAndExit(const std::string& message, int32_t status) {
    ReportFailure(message);
    sdlmedia::EndProcess(status);
}
