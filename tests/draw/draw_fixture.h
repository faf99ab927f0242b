// A stage scene for drawing tests: the headless backend with stand-in
// pictures in every image the street band and the background draw, emptied
// actor tables, and the recorded draws (images told apart by handle).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless.h"
#include "media.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace drawtest {

using headless::DrawCall;

inline int32_t StubImage(const std::string& name, int32_t cells) {
    return LoadImageStrip("missing/" + name + ".png", 8, 8, 0, cells, ImageMasked);
}

class DrawScene : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        headless::SetSynthesiseMissingImages(true);
        for (int32_t kind : {0, 1, 4, 6, 11, 17}) EnemyImages[kind] = StubImage("enemy" + std::to_string(kind), 72);
        for (int32_t& image : HeroImages) image = StubImage("hero", 32);
        for (int32_t i : {1, 8, 9}) SkyImages[i] = StubImage("sky" + std::to_string(i), 1);
        for (int32_t i : {1, 5, 9, 10}) CityImages[i] = StubImage("city" + std::to_string(i), 1);
        int32_t n = 0;
        for (int32_t* image : {&FiregunImage, &CollectablesImage, &DestructablesImage, &BulletsImage, &MissileImage,
                               &StageStripImage, &LiftscrollImage, &LightmapImage, &probe_}) {
            *image = StubImage("image" + std::to_string(n++), 200);
        }
        CreateActorTables();
        EmptyActorTables();
        StageNumber = 1;
        StageLength = 2000;
        CameraX = ScrollColumn = ScrollSub = ScreenShake = SlowMotion = HeroState = 0;
        ParallaxA = ParallaxB = ParallaxC = ParallaxD = RedLightFrame = 0;
        Cycle8Tick = ElevatorShaft = 1;
        HelmetOn = 1;
        HeroLane = 1000;  // off the band unless a test puts him on it
    }
    void TearDown() override {
        headless::SetSynthesiseMissingImages(false);
        headless::Reset();
    }

    // The recorded image draws, all of them or those of one image.
    static std::vector<DrawCall> Draws(int32_t image = 0) {
        std::vector<DrawCall> out;
        for (const DrawCall& c : headless::DrawCalls()) {
            if (c.op == headless::Op::Draw && (image == 0 || c.image == image)) out.push_back(c);
        }
        return out;
    }
    // Position in Draws() of the first draw of an image at screen x (-1: none).
    static int32_t IndexOf(int32_t image, float x) {
        const std::vector<DrawCall> all = Draws();
        for (size_t i = 0; i < all.size(); ++i) {
            if (all[i].image == image && all[i].x == x) return static_cast<int32_t>(i);
        }
        return -1;
    }
    static bool IsResting(const DrawCall& c) {
        return c.blend == BlendMask && c.alpha == 1.0f && c.r == 255 && c.g == 255 && c.b == 255 &&
               c.scaleX == 1.0f && c.scaleY == 1.0f && c.rotation == 0.0f && c.clipX == 0 && c.clipY == 0 &&
               c.clipWidth == 640 && c.clipHeight == 480;
    }
    // Whether the drawing state in force now is the frame's resting state.
    bool StateIsResting() {
        DrawImageFrame(probe_, 0.0f, 0.0f, 0);
        return IsResting(headless::DrawCalls().back());
    }

    int32_t probe_ = 0;
};

// Members of the street band with the fields it reads (enemies stand at y 200,
// bullets are given by their lane line).
inline void PutEnemy(int32_t slot, int32_t kind, int32_t x, int32_t lane, int32_t frame) {
    EnemyKind[slot] = kind, EnemyX[slot] = x, EnemyY[slot] = 200, EnemyLane[slot] = lane, EnemyFrame[slot] = frame;
}
inline void PutCorpse(int32_t slot, int32_t kind, int32_t x, int32_t y, int32_t frame) {
    CorpseKind[slot] = kind, CorpseX[slot] = x, CorpseY[slot] = y, CorpseFrame[slot] = frame;
}
inline void PutPickup(int32_t slot, int32_t kind, int32_t x, int32_t y) {
    PickupKind[slot] = kind, PickupX[slot] = x, PickupY[slot] = y;
}
inline void PutProp(int32_t slot, int32_t frame, int32_t x, int32_t y) {
    PropFrame[slot] = frame, PropX[slot] = x, PropY[slot] = y;
}
inline void PutBullet(int32_t slot, int32_t kind, int32_t x, int32_t line, int32_t dir) {
    BulletActive[slot] = 1, BulletKind[slot] = kind, BulletX[slot] = x, BulletDir[slot] = dir;
    BulletY[slot] = line - 100, BulletLane[slot] = 100;
}

}  // namespace drawtest
