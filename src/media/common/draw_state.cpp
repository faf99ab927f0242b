// The drawing state every drawing call uses, and the pacing of presented
// frames. Both backends read the state; only these setters write it.
#include <cmath>

#include "media_internal.h"

namespace media {
namespace {
DrawState g_state;
}

const DrawState& CurrentDrawState() { return g_state; }

void ResetDrawState() { g_state = DrawState{}; }

int32_t PaceFrame(int32_t& deadline, bool& started, int32_t now, int32_t hertz) {
    if (hertz <= 0) return 0;
    const int32_t period = 1000 / hertz;
    if (!started) {
        started = true;
        deadline = now;
        return 0;
    }
    const int32_t due = static_cast<int32_t>(static_cast<uint32_t>(deadline) + static_cast<uint32_t>(period));
    const int32_t early = MillisBetween(now, due);
    if (early > 0) {
        deadline = due;
        return early;
    }
    // Late: keep the schedule while within one period (the remainder carries
    // over), otherwise start afresh from now rather than rush frames out.
    deadline = -early < period ? due : now;
    return 0;
}

}  // namespace media

using media::g_state;

void SetDrawColour(int32_t r, int32_t g, int32_t b) {
    g_state.r = r;
    g_state.g = g;
    g_state.b = b;
}

void SetDrawAlpha(float alpha) {
    if (std::isnan(alpha) || alpha < 0.0f) alpha = 0.0f;
    if (alpha > 1.0f) alpha = 1.0f;
    g_state.alpha = alpha;
}

void SetBlendMode(int32_t mode) { g_state.blend = mode; }

void SetDrawScale(float sx, float sy) {
    g_state.scaleX = sx;
    g_state.scaleY = sy;
}

void SetDrawRotation(float degrees) { g_state.rotation = degrees; }

void SetClipRect(int32_t x, int32_t y, int32_t width, int32_t height) {
    g_state.clipX = x;
    g_state.clipY = y;
    g_state.clipWidth = width < 0 ? 0 : width;
    g_state.clipHeight = height < 0 ? 0 : height;
}

void SetClearColour(int32_t r, int32_t g, int32_t b) {
    g_state.clearR = r;
    g_state.clearG = g;
    g_state.clearB = b;
}
