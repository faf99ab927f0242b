// Watching the real backend from outside: the wrapped entry points.
#include "present_watch.h"

#include "media.h"

// The originals, as the linker names them under --wrap: PresentFrame(int)
// and media::PumpEvents().
extern "C" void __real__Z12PresentFramei(int32_t sync);
extern "C" void __real__ZN5media10PumpEventsEv();

namespace watch {
namespace {

Hook g_present = nullptr;
Hook g_poll = nullptr;
int64_t g_frames = 0;
int32_t g_capture = 0;

}  // namespace

void SetPresentHook(Hook hook) { g_present = hook; }
void SetPollHook(Hook hook) { g_poll = hook; }
int64_t PresentedFrames() { return g_frames; }

int32_t GrabScreen() {
    if (g_capture == 0) g_capture = CreateBlankImage(640, 480, 1, 0);
    GrabScreenToImage(g_capture, 0, 0, 0);
    return g_capture;
}

}  // namespace watch

extern "C" void __wrap__Z12PresentFramei(int32_t sync) {
    __real__Z12PresentFramei(sync);
    ++watch::g_frames;
    if (watch::g_present) watch::g_present();
}

extern "C" void __wrap__ZN5media10PumpEventsEv() {
    if (watch::g_poll) watch::g_poll();
    __real__ZN5media10PumpEventsEv();
}
