// The game's one random generator: the minimal-standard multiplicative
// congruential generator (48271, 2^31 - 1), stepped twice per draw. Play and
// drawing share it, so every draw counts.
#include "media_internal.h"

namespace media {
namespace {

int32_t g_state = 4660;

int32_t Step(int32_t s) {
    // Schrage's method keeps every product within 32 bits.
    int32_t next = 48271 * (s % 44488) - 3399 * (s / 44488);
    if (next < 0) next += 2147483647;
    return next;
}

// r in [0, 1). Worked in double: in single precision the largest r rounds
// up to exactly 1.0, and RandomInt(0, 1) could then give 2.
double NextUnit() {
    const int32_t s1 = Step(g_state);
    const int32_t s2 = Step(s1);
    g_state = s2;
    return (static_cast<double>(s1 & 0x1FFFFFFC) + static_cast<double>(s2 & 0x1FFFFFF8) / 134217728.0) /
           536870912.0;
}

}  // namespace

void ResetRandom() { g_state = 4660; }

}  // namespace media

void SeedRandom(int32_t seed) {
    int32_t s = seed & 0x7FFFFFFF;
    if (s == 0 || s == 0x7FFFFFFF) s = 4660;
    media::g_state = s;
}

int32_t RandomState() { return media::g_state; }

float RandomFloat(float a, float b) {
    const double lo = a < b ? a : b;
    const double hi = a < b ? b : a;
    return static_cast<float>(lo + media::NextUnit() * (hi - lo));
}

int32_t RandomInt(int32_t a, int32_t b) {
    const int64_t lo = a < b ? a : b;
    const int64_t hi = a < b ? b : a;
    // Truncation toward zero: for a range starting below zero the lowest
    // value almost never comes and 0 comes twice as often. That bias is part
    // of the game.
    return static_cast<int32_t>(static_cast<double>(lo) + media::NextUnit() * static_cast<double>(hi - lo + 1));
}
