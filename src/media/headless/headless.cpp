// The headless backend: the same media API with no window, no sound device and
// no real time. The clock is virtual and moves only when the game sleeps,
// presents a paced frame or waits for a tick; input comes from a script;
// drawing calls are recorded; the mixer is silent but keeps its channels
// (or, for measuring, records what it would play).
#include "headless.h"

#include <cstdio>
#include <unordered_map>

#include "media_internal.h"

namespace headless {
namespace {

struct Timer {
    int32_t hertz = 100;
    int32_t created = 0;
    int64_t consumed = 0;
};

struct State {
    uint32_t clock = 1000;
    int32_t ticksPerWait = 0;
    std::function<void()> pollHook;
    std::vector<std::pair<int32_t, bool>> postedKeys;  // waiting to be taken in
    std::vector<int32_t> answers;
    size_t answerIndex = 0;
    std::vector<std::string> questions;
    std::vector<std::string> failures;
    std::vector<DrawCall> calls;
    bool record = true;
    int64_t callCount = 0;
    bool displayOpen = false;
    int32_t depth = 0;
    int32_t hertz = 100;
    bool pointerHidden = false;
    std::string title;
    int32_t paceDeadline = 0;
    bool paceStarted = false;
    std::unordered_map<int32_t, Timer> timers;
    int64_t ticksGiven = 0;
    bool inHook = false;
    // RecordMix: the mix so far, and up to which clock reading it reaches.
    bool recordMix = false;
    std::vector<int16_t> mix;
    uint32_t mixedTo = 0;
    int64_t mixTenths = 0;  // fraction of an output frame, in tenths
};
State g;

// While the mix is recorded, every move of the clock mixes the frames it
// covers: 44.1 a millisecond, the fraction carried.
void MixUpToClock() {
    if (!g.recordMix) return;
    const uint32_t ms = g.clock - g.mixedTo;
    g.mixedTo = g.clock;
    if (ms == 0 || ms > 0x7FFFFFFFu) return;  // a clock set back mixes nothing
    const int64_t tenths = g.mixTenths + static_cast<int64_t>(ms) * (media::MixRate / 100);
    g.mixTenths = tenths % 10;
    const int64_t frames = tenths / 10;
    const size_t at = g.mix.size();
    g.mix.resize(at + 2 * static_cast<size_t>(frames));
    media::MixAudio(g.mix.data() + at, static_cast<int32_t>(frames));
}

std::unique_ptr<media::Image> SynthesiseImage(const std::string&, int32_t cellWidth, int32_t cellHeight,
                                              int32_t cellCount) {
    if (cellWidth <= 0 || cellHeight <= 0) cellWidth = cellHeight = 32;
    if (cellCount <= 0) cellCount = 1;
    auto image = std::make_unique<media::Image>();
    image->frameWidth = cellWidth;
    image->frameHeight = cellHeight;
    image->frameCount = cellCount;
    image->rgba.assign(image->FramePixels() * 4 * cellCount, 255);
    for (int32_t f = 0; f < cellCount; ++f) media::ApplyMaskRule(*image, f);
    return image;
}

void Append(Op op, int32_t image, int32_t frame, float x, float y, float w, float h) {
    const media::DrawState& s = media::CurrentDrawState();
    DrawCall c;
    c.op = op;
    c.image = image;
    if (const media::Image* img = media::FindImage(image)) c.path = img->path;
    c.frame = frame;
    c.x = x;
    c.y = y;
    c.width = w;
    c.height = h;
    c.r = s.r;
    c.g = s.g;
    c.b = s.b;
    c.alpha = s.alpha;
    c.blend = s.blend;
    c.scaleX = s.scaleX;
    c.scaleY = s.scaleY;
    c.rotation = s.rotation;
    c.clipX = s.clipX;
    c.clipY = s.clipY;
    c.clipWidth = s.clipWidth;
    c.clipHeight = s.clipHeight;
    c.time = static_cast<int32_t>(g.clock);
    g.calls.push_back(std::move(c));
}

// Counted always; kept only while recording.
inline void Record(Op op, int32_t image, int32_t frame, float x, float y, float w, float h) {
    ++g.callCount;
    if (g.record) Append(op, image, frame, x, y, w, h);
}

int64_t TicksDue(const Timer& t) {
    const int64_t since = static_cast<uint32_t>(MillisBetween(t.created, static_cast<int32_t>(g.clock)));
    return since * t.hertz / 1000 - t.consumed;
}

}  // namespace

void Reset(int32_t clockStart) {
    media::ResetImages();
    media::ResetMixer();
    media::ResetFiles();
    media::ResetInput();
    media::ResetDrawState();
    media::ResetRandom();
    media::SetMixerDriven(false);
    g = State{};
    g.clock = static_cast<uint32_t>(clockStart);
}

void SetClock(int32_t ms) { g.clock = static_cast<uint32_t>(ms); }
int32_t Clock() { return static_cast<int32_t>(g.clock); }
void AdvanceClock(int32_t ms) {
    if (ms > 0) g.clock += static_cast<uint32_t>(ms);
    MixUpToClock();
}

void RecordMix(bool on) {
    media::SetMixerDriven(on);
    g.recordMix = on;
    g.mix.clear();
    g.mixedTo = g.clock;
    g.mixTenths = 0;
}
const std::vector<int16_t>& RecordedMix() { return g.mix; }
void SetTicksPerWait(int32_t n) { g.ticksPerWait = n < 0 ? 0 : n; }
int64_t TicksGiven() { return g.ticksGiven; }

void SetKey(int32_t key, bool down) { media::KeyEvent(key, down); }
void TapKey(int32_t key) {
    media::KeyEvent(key, true);
    media::KeyEvent(key, false);
}
void PostKey(int32_t key, bool down) { g.postedKeys.emplace_back(key, down); }
void SetJoystickCount(int32_t count) { media::SetJoystickCountValue(count); }
void SetJoyButton(int32_t port, int32_t button, bool down) { media::JoyButtonEvent(port, button, down); }
void TapJoyButton(int32_t port, int32_t button) {
    media::JoyButtonEvent(port, button, true);
    media::JoyButtonEvent(port, button, false);
}
void SetJoyAxes(int32_t port, float x, float y) {
    media::JoyAxisEvent(port, 0, x);
    media::JoyAxisEvent(port, 1, y);
}
void SetPollHook(std::function<void()> hook) { g.pollHook = std::move(hook); }
void SetYesNoCancelAnswers(std::vector<int32_t> answers) {
    g.answers = std::move(answers);
    g.answerIndex = 0;
}
std::vector<std::string> AskedQuestions() { return g.questions; }
const std::vector<std::string>& ReportedFailures() { return g.failures; }

const std::vector<DrawCall>& DrawCalls() { return g.calls; }
void ClearDrawCalls() { g.calls.clear(); }
void SetRecordDrawing(bool on) { g.record = on; }
int64_t DrawCallCount() { return g.callCount; }

void SetSynthesiseMissingImages(bool on) { media::SetMissingImageHook(on ? SynthesiseImage : nullptr); }

bool DisplayOpen() { return g.displayOpen; }
int32_t OpenedDepth() { return g.depth; }
bool MousePointerHidden() { return g.pointerHidden; }
std::string AppTitle() { return g.title; }

}  // namespace headless

using headless::g;
using headless::Op;

namespace media {
void PumpEvents() {
    // A hook may itself query input; do not recurse into it.
    if (g.pollHook && !g.inHook) {
        g.inHook = true;
        g.pollHook();
        g.inHook = false;
    }
    TakeInWaitingEvents([] {
        for (const auto& [key, down] : g.postedKeys) KeyEvent(key, down);
        g.postedKeys.clear();
    });
}

void BackendHandleReleased(int32_t handle) { g.timers.erase(handle); }
// Nothing goes to a graphics card here: every image keeps its pixels whole.
bool BackendRestorePixels(int32_t, Image&) { return false; }
bool BackendKeepsPackedPixels() { return false; }
void SetHiddenPixelSkipping(bool) {}
}  // namespace media

void InitRuntime() {}
// The recording, while on, is this backend's audio output: it drives the
// mixer, as a device would, whenever start-up opens the audio.
void InitAudio() { media::SetMixerDriven(g.recordMix); }
void InitKeyboard() {}
void InitJoystick() {}
void InitDisplay() {}
void SetAppTitle(const std::string& title) { g.title = title; }
void SelectDisplayDriver(int32_t, int32_t) {}

void OpenDisplay(int32_t, int32_t, int32_t depth, int32_t hertz, int32_t) {
    g.displayOpen = true;
    g.depth = depth;
    g.hertz = hertz;
}

int32_t DisplayColourDepth() { return g.depth; }
void HideMousePointer() { g.pointerHidden = true; }

int32_t AskYesNoCancel(const std::string& text, int32_t) {
    g.questions.push_back(text);
    if (g.answerIndex < g.answers.size()) return g.answers[g.answerIndex++];
    return -1;
}

void ClearScreen() { headless::Record(Op::Clear, 0, 0, 0, 0, 640, 480); }

void PresentFrame(int32_t sync) {
    if (sync == -1) {
        const int32_t wait = media::PaceFrame(g.paceDeadline, g.paceStarted, static_cast<int32_t>(g.clock), g.hertz);
        headless::AdvanceClock(wait);
    }
    headless::Record(Op::Present, 0, 0, 0, 0, 0, 0);
    if (g.record && !g.calls.empty()) g.calls.back().sync = sync;
}

void GrabScreenToImage(int32_t image, int32_t x, int32_t y, int32_t frame) {
    media::Image* img = media::FindImage(image);
    if (!img || frame < 0 || frame >= img->frameCount) return;
    ++img->version;
    headless::Record(Op::Grab, image, frame, static_cast<float>(x), static_cast<float>(y),
                     static_cast<float>(img->frameWidth), static_cast<float>(img->frameHeight));
}

void DrawImageFrame(int32_t image, float x, float y, int32_t frame) {
    if (!media::FindImageFrame(image, frame)) return;
    headless::Record(Op::Draw, image, frame, x, y, 0, 0);
}

void TileImageFrame(int32_t image, float x, float y, int32_t frame) {
    if (!media::FindImageFrame(image, frame)) return;
    headless::Record(Op::Tile, image, frame, x, y, 0, 0);
}

void FillRect(float x, float y, float width, float height) {
    headless::Record(Op::Fill, 0, 0, x, y, width, height);
}

void PlotPoint(float x, float y) { headless::Record(Op::Plot, 0, 0, x, y, 1, 1); }

int32_t ElapsedMillis() { return static_cast<int32_t>(g.clock); }

void SleepMillis(int32_t ms) { headless::AdvanceClock(ms); }

int32_t CreateTickTimer(int32_t hertz) {
    if (hertz <= 0) return 0;
    const int32_t handle = media::NewHandle();
    g.timers[handle] = headless::Timer{hertz, static_cast<int32_t>(g.clock), 0};
    return handle;
}

int32_t WaitTick(int32_t timer) {
    auto it = g.timers.find(timer);
    if (it == g.timers.end()) return 0;
    headless::Timer& t = it->second;
    const int64_t want = g.ticksPerWait > 0 ? g.ticksPerWait : 1;
    if (headless::TicksDue(t) < want) {
        // Move the clock to the moment the wanted tick falls due.
        const int64_t total = t.consumed + want;
        const int64_t ms = (total * 1000 + t.hertz - 1) / t.hertz;
        g.clock = static_cast<uint32_t>(t.created) + static_cast<uint32_t>(ms);
        headless::MixUpToClock();
    }
    const int64_t due = headless::TicksDue(t);
    t.consumed += due;
    g.ticksGiven += due;
    return static_cast<int32_t>(due);
}

void StopTickTimer(int32_t timer) { g.timers.erase(timer); }

void ExitProgram() { throw headless::MediaExit{0, ""}; }

void ReportFailure(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    g.failures.push_back(message);
}

void FailAndExit(const std::string& message, int32_t status) {
    ReportFailure(message);
    throw headless::MediaExit{status, message};
}
