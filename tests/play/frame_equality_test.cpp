// The street band against a plain walk over every key and every slot: the
// same draws in the same order, the same random numbers, on busy made-up
// scenes and on every pass of whole sections. (The runner's draw digests
// pin whole sections' drawing as it was before it was made faster.)
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "draw/frame.h"
#include "draw/hero.h"
#include "headless.h"
#include "input_script.h"
#include "media.h"
#include "play/effects.h"
#include "play/enemy_look.h"
#include "play/stage_clock.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/assets.h"
#include "shell/records.h"

using namespace playtest;

namespace {

// ---------------------------------------------------------------- the plain walk
// The street band drawn the obvious way: every key from -161 to 110, and at
// each key every slot of every table tested. It takes the game's own lookups
// (half-alpha frames, corpse keys, pickup frames): the walk is what is compared.
namespace plain {

float ScreenX(int32_t worldX) { return static_cast<float>(worldX + CameraX); }
float FloorY(int32_t y) { return static_cast<float>(y + ScreenShake + 74); }

void Enemies(int32_t key) {
    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        const int32_t kind = EnemyKind[slot];
        if (kind < 0 || kind >= EnemyImageCount || EnemyLane[slot] != key) continue;
        const int32_t frame = EnemyFrame[slot];
        const int32_t y = EnemyY[slot] + EnemyLane[slot];
        if (SlowMotion == 4 && kind == 0 && (frame < 3 || frame == 8 || frame == 9)) {
            DrawImageFrame(EnemyImages[0], ScreenX(EnemyX[slot]), FloorY(y + 4), 7);
        }
        SetBlendMode(BlendAlpha);
        SetDrawAlpha(EnemyFrameIsHalfAlpha(kind, frame) ? 0.5f : 1.0f);
        const int32_t look = kind == 1 ? StreetGunmanLook(slot) : 0;
        DrawImageFrame(EnemyImages[kind], ScreenX(EnemyX[slot]), FloorY(y), frame + look);
    }
}

void Corpses(int32_t key) {
    SetDrawColour(150, 150, 150);
    for (int32_t slot = 0; slot < CorpseSlots; ++slot) {
        const int32_t kind = CorpseKind[slot];
        if (kind < 0 || kind >= EnemyImageCount || CorpseDepthKey(slot) != key) continue;
        DrawImageFrame(EnemyImages[kind], ScreenX(CorpseX[slot]), FloorY(CorpseY[slot]), CorpseFrame[slot]);
    }
    SetDrawColour(255, 255, 255);
}

void Pickups(int32_t value) {
    SetClipRect(0, 0, 640, 480);
    for (int32_t slot = 0; slot < PickupSlots; ++slot) {
        const int32_t kind = PickupKind[slot];
        if (kind < 0) continue;
        if ((PickupY[slot] < 118 ? 120 : PickupY[slot] - 8) != value) continue;
        const int32_t sx = PickupX[slot] + CameraX;
        const int32_t frame = PickupFrame(kind);
        if (sx <= -30 || sx >= 690 || frame < 0) continue;
        DrawImageFrame(CollectablesImage, static_cast<float>(sx), FloorY(PickupY[slot]), frame);
    }
    SetClipRect(0, 0, 640, 480);
}

void Props(int32_t value) {
    SetClipRect(0, 0, 640, 480);
    for (int32_t slot = 0; slot < PropSlots; ++slot) {
        if (PropFrame[slot] < 0 || (PropY[slot] < 110 ? 120 : PropY[slot]) != value) continue;
        const int32_t sx = PropX[slot] + CameraX;
        if (sx <= -60 || sx >= 641) continue;
        DrawImageFrame(DestructablesImage, static_cast<float>(sx), FloorY(PropY[slot]), PropFrame[slot]);
    }
    SetClipRect(0, 0, 640, 480);
}

void Bullets(int32_t value) {
    SetBlendMode(BlendLight);
    SetClipRect(0, 0, 640, 480);
    for (int32_t slot = 0; slot < BulletSlots; ++slot) {
        if (BulletActive[slot] != 1) continue;
        const int32_t line = BulletY[slot] + BulletLane[slot];
        if ((line < 233 ? 243 : (line > 504 ? 485 : line)) != value) continue;
        const float x = ScreenX(BulletX[slot]);
        const int32_t dir = BulletDir[slot];
        if (BulletKind[slot] == 2) {
            const int32_t heading = dir <= 0 ? 0 : (dir <= 7 ? 4 : 2);
            const int32_t flicker = RandomInt(0, 1);
            DrawImageFrame(MissileImage, x, static_cast<float>(BulletY[slot] + ScreenShake + 56), flicker + heading);
        } else {
            const int32_t offset = BulletKind[slot] == 1 ? 16 : (BulletKind[slot] == 4 ? 48 : 0);
            DrawImageFrame(BulletsImage, x, FloorY(BulletY[slot]), dir + offset);
        }
    }
    SetBlendMode(BlendMask);
    SetClipRect(0, 0, 640, 480);
}

void StreetBand() {
    SetClipRect(0, 0, 640, 480);
    for (int32_t key = -161; key <= 110; ++key) {
        Enemies(key);
        SetBlendMode(BlendMask);
        SetDrawAlpha(1.0f);
        Corpses(key);
        if (HeroLane == key) DrawHero();
        Pickups(key + 271);
        Props(key + 271);
        Bullets(key + 394);
    }
    SetClipRect(0, 0, 640, 480);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}

}  // namespace plain

// ---------------------------------------------------------------- comparing two drawings
std::string Describe(const headless::DrawCall& c) {
    std::ostringstream s;
    s << "op " << static_cast<int>(c.op) << " " << c.path << " frame " << c.frame << " at " << c.x << "," << c.y
      << " size " << c.width << "x" << c.height << " rgb " << c.r << "," << c.g << "," << c.b << " alpha " << c.alpha
      << " blend " << c.blend << " scale " << c.scaleX << "," << c.scaleY << " rot " << c.rotation << " clip "
      << c.clipX << "," << c.clipY << "," << c.clipWidth << "," << c.clipHeight << " sync " << c.sync << " t "
      << c.time;
    return s.str();
}

// What drawing the street band writes besides the picture.
struct BandOutcome {
    int32_t randomState;
    int32_t muzzleFlash;
    int32_t heroScreenX;
    int32_t heroScreenY;
    int32_t heroFootY;
    bool operator==(const BandOutcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const BandOutcome& o) {
    return out << "{random " << o.randomState << ", MuzzleFlash " << o.muzzleFlash << ", HeroScreen " << o.heroScreenX
               << "," << o.heroScreenY << ", HeroFootY " << o.heroFootY << "}";
}

BandOutcome Outcome() { return {RandomState(), MuzzleFlash, HeroScreenX, HeroScreenY, HeroFootY}; }

void Restore(const BandOutcome& o) {
    SeedRandom(o.randomState);
    MuzzleFlash = o.muzzleFlash;
    HeroScreenX = o.heroScreenX;
    HeroScreenY = o.heroScreenY;
    HeroFootY = o.heroFootY;
}

void RestingDrawState() {
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);
    SetDrawScale(1.0f, 1.0f);
    SetDrawRotation(0.0f);
    SetClipRect(0, 0, 640, 480);
}

struct Drawing {
    std::vector<headless::DrawCall> calls;
    BandOutcome outcome;
};

Drawing Draw(void (*band)()) {
    headless::ClearDrawCalls();
    RestingDrawState();
    band();
    Drawing d{headless::DrawCalls(), Outcome()};
    headless::ClearDrawCalls();
    return d;
}

// Draws the street band as the game does and as the plain walk does, from the
// same state, and leaves the state as it found it. Returns false (with the
// first difference reported) when they differ.
bool BandMatchesThePlainWalk(const std::string& where) {
    const BandOutcome before = Outcome();
    const Drawing game = Draw(DrawActorsByDepth);
    Restore(before);
    const Drawing reference = Draw(plain::StreetBand);
    Restore(before);

    EXPECT_EQ(game.outcome, reference.outcome) << where;
    EXPECT_EQ(game.calls.size(), reference.calls.size()) << where;
    const size_t n = std::min(game.calls.size(), reference.calls.size());
    for (size_t i = 0; i < n; ++i) {
        const std::string a = Describe(game.calls[i]);
        const std::string b = Describe(reference.calls[i]);
        if (a != b) {
            EXPECT_EQ(a, b) << where << ", draw " << i;
            return false;
        }
    }
    return game.outcome == reference.outcome && game.calls.size() == reference.calls.size();
}

// ---------------------------------------------------------------- busy scenes
// Tables filled at random around the band's edges and beyond: every kind,
// keys before, inside and after the band, pickups and props at their screen
// bounds, missiles, snipers in and out of slow motion.
void FillAtRandom(std::mt19937& rng) {
    auto pick = [&rng](int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(rng); };
    auto chance = [&](int32_t percent) { return pick(0, 99) < percent; };
    static constexpr int32_t kKinds[] = {-1, 0, 1, 4, 6, 11, 17, 2, 18, 19};
    for (int32_t s = 0; s < EnemySlots; ++s) {
        EnemyKind[s] = chance(20) ? -1 : kKinds[pick(0, 9)];
        EnemyX[s] = pick(-200, 900);
        EnemyY[s] = pick(150, 300);
        EnemyLane[s] = chance(10) ? pick(-200, 150) : pick(-40, 40);
        EnemyFrame[s] = pick(0, 27);
    }
    for (int32_t s = 0; s < CorpseSlots; ++s) {
        CorpseKind[s] = chance(20) ? -1 : kKinds[pick(0, 9)];
        CorpseX[s] = pick(-200, 900);
        CorpseY[s] = pick(20, 420);
        CorpseFrame[s] = pick(0, 60);
    }
    for (int32_t s = 0; s < PickupSlots; ++s) {
        PickupKind[s] = pick(-1, 10);
        PickupX[s] = pick(-60, 720) - CameraX;
        PickupY[s] = pick(100, 400);
    }
    for (int32_t s = 0; s < PropSlots; ++s) {
        PropFrame[s] = pick(-1, 23);
        PropX[s] = pick(-90, 670) - CameraX;
        PropY[s] = pick(90, 400);
    }
    for (int32_t s = 0; s < BulletSlots; ++s) {
        BulletActive[s] = pick(0, 2);
        BulletX[s] = pick(-100, 800);
        BulletY[s] = pick(120, 360);
        BulletLane[s] = pick(-150, 180);
        BulletKind[s] = pick(0, 4);  // 2: a missile
        BulletDir[s] = pick(-1, 15);
    }
    SlowMotion = chance(50) ? 4 : pick(0, 3);
    HeroLane = chance(20) ? pick(-200, 200) : pick(-40, 40);
    MuzzleFlash = pick(0, 3);
    ScreenShake = pick(0, 4);
}

TEST(StreetBandEquality, BusyScenesMatchThePlainWalk) {
    NewGame(10);
    std::mt19937 rng(20240613);
    for (int32_t scene = 0; scene < 400; ++scene) {
        CameraX = -static_cast<int32_t>(rng() % 3000);
        FillAtRandom(rng);
        ASSERT_TRUE(BandMatchesThePlainWalk("scene " + std::to_string(scene)));
    }
}

// ---------------------------------------------------------------- whole sections
// Plays 3000 passes of each section with the walking, firing hands and after
// every pass compares the street band with the plain walk on that pass's
// tables: section 4 with gunmen, chainsaw killers and their corpses, 7 with
// the walking machine's missiles as well, 10 with every other kind.
TEST(StreetBandEquality, WholeSectionsMatchThePlainWalk) {
    for (int32_t stage : {4, 7, 10}) {
        NewGame(stage);
        int32_t mismatches = 0;
        int32_t passes = 0;
        RunSection([&](int32_t point, int32_t pass) {
            if (point == StagePassStart) WalkAndFire(pass, headless::SetKey);
            if (point != StagePassEnd) return;
            headless::ClearDrawCalls();
            const std::string where = "section " + std::to_string(stage) + " pass " + std::to_string(pass);
            if (mismatches < 3 && !BandMatchesThePlainWalk(where)) ++mismatches;
            passes = pass;
            if (pass >= 3000) StageResult = 1;
        });
        EXPECT_EQ(mismatches, 0) << "section " << stage;
        EXPECT_EQ(passes, 3000) << "section " << stage;
    }
}

}  // namespace
