// The game's one random generator: the minimal-standard multiplicative
// congruential generator (48271, 2^31 - 1), stepped twice per draw. Play and
// drawing share it, so every draw counts. Each draw takes the two new states
// s1 and s2 and gives r = ((s1 AND 0x1FFFFFFC) + (s2 AND 0x1FFFFFF8) / 2^27)
// / 2^29, in [0, 1). Worked in 64-bit integers with no division.
#include "media_internal.h"

namespace media {
namespace {

int32_t g_state = 4660;

constexpr uint64_t kModulus = 2147483647;  // 2^31 - 1
constexpr uint64_t kTimes1 = 48271;        // one step
constexpr uint64_t kTimes2 = kTimes1 * kTimes1 % kModulus;  // two steps at once, and so on
constexpr uint64_t kTimes3 = kTimes2 * kTimes1 % kModulus;
constexpr uint64_t kTimes4 = kTimes2 * kTimes2 % kModulus;

// state * factor mod 2^31 - 1, for a state in 1 .. 2^31 - 2 and a factor
// below 2^31: as 2^31 leaves 1 over the modulus, the product's bits from
// bit 31 up fold onto its low 31 bits.
uint32_t Times(uint32_t state, uint64_t factor) {
    const uint64_t product = state * factor;
    uint64_t folded = (product & kModulus) + (product >> 31);
    if (folded >= kModulus) folded -= kModulus;
    return static_cast<uint32_t>(folded);
}

// r * 2^56 of the draw made of the steps s1 and s2: a whole number below
// 2^56 with its low 3 bits clear, so 53 significant bits at most.
uint64_t DrawBits(uint32_t s1, uint32_t s2) {
    return (static_cast<uint64_t>(s1 & 0x1FFFFFFC) << 27) + (s2 & 0x1FFFFFF8);
}

// r, exact in double; in single precision the largest r would round up to
// exactly 1.0, and RandomInt(0, 1) could then give 2.
double Unit(uint64_t bits) { return static_cast<double>(static_cast<int64_t>(bits)) * 0x1p-56; }

double NextUnit() {
    // Both steps straight from the state, so neither waits for the other.
    const uint32_t state = static_cast<uint32_t>(g_state);
    const uint32_t s1 = Times(state, kTimes1);
    const uint32_t s2 = Times(state, kTimes2);
    g_state = static_cast<int32_t>(s2);
    return Unit(DrawBits(s1, s2));
}

int32_t IntFromUnit(int32_t a, int32_t b, double r) {
    const int64_t lo = a < b ? a : b;
    const int64_t hi = a < b ? b : a;
    // Truncation toward zero: for a range starting below zero the lowest
    // value almost never comes and 0 comes twice as often. That bias is part
    // of the game.
    return static_cast<int32_t>(static_cast<double>(lo) + r * static_cast<double>(hi - lo + 1));
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

int32_t RandomInt(int32_t a, int32_t b) { return media::IntFromUnit(a, b, media::NextUnit()); }

int32_t RandomPairsSecondZero(int32_t firstTop, int32_t secondTop, int32_t count, int32_t* hits, int32_t* firsts) {
    using namespace media;
    int32_t found = 0;
    if (firstTop < 0 || secondTop < 0) {
        for (int32_t i = 0; i < count; ++i) {
            const int32_t first = RandomInt(0, firstTop);
            if (RandomInt(0, secondTop) != 0) continue;
            hits[found] = i;
            firsts[found++] = first;
        }
        return found;
    }
    // With r * 2^56 = n, RandomInt(0, top) is 0 when r * (top + 1) rounds
    // below 1, which for such n (multiples of 8) is exactly when
    // n * (top + 1) < 2^56.
    const uint64_t zeroUpTo = ((uint64_t{1} << 56) - 1) / (static_cast<uint64_t>(secondTop) + 1);
    uint32_t state = static_cast<uint32_t>(g_state);
    for (int32_t i = 0; i < count; ++i) {
        // The pair takes four steps; the first draw is worked out only for a hit.
        const uint32_t s3 = Times(state, kTimes3);
        const uint32_t s4 = Times(state, kTimes4);
        if (DrawBits(s3, s4) <= zeroUpTo) {
            hits[found] = i;
            firsts[found++] = IntFromUnit(0, firstTop, Unit(DrawBits(Times(state, kTimes1), Times(state, kTimes2))));
        }
        state = s4;
    }
    g_state = static_cast<int32_t>(state);
    return found;
}
