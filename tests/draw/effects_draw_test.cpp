// Effect drawing: glass, blood drops, casings, bombs, the hit flash, and the
// explosions with their smoke and powder columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/effects.h"
#include "headless.h"
#include "media.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace effectdrawtest {
namespace {

using headless::DrawCall;

class EffectDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        headless::SetSynthesiseMissingImages(true);
        auto strip = [](const std::string& name, int32_t cells) {
            return LoadImageStrip("missing/" + name + ".png", 8, 8, 0, cells, ImageMasked);
        };
        DeflectImage = strip("deflect", 15);
        HitFlashImage = strip("spark", 3);
        SmokegfxImage = strip("smoke", 7);
        DrugpowderImage = strip("powder", 7);
        ExplodemedImage = strip("med", 11);
        probe_ = strip("probe", 1);
        CreateActorTables();
        EmptyActorTables();
        AirStrikeActive = 0;
        CameraX = -100;
        ScreenShake = 3;
        headless::ClearDrawCalls();
    }
    void TearDown() override {
        headless::SetSynthesiseMissingImages(false);
        headless::Reset();
    }

    // The recorded draws, all of them or those of one image.
    static std::vector<DrawCall> Draws(int32_t image = 0) {
        std::vector<DrawCall> out;
        for (const DrawCall& c : headless::DrawCalls()) {
            if (c.op == headless::Op::Draw && c.image != probe_ && (image == 0 || c.image == image)) {
                out.push_back(c);
            }
        }
        return out;
    }
    // Whether the drawing state in force now is the frame's resting state.
    static bool StateIsResting() {
        DrawImageFrame(probe_, 0.0f, 0.0f, 0);
        const DrawCall& c = headless::DrawCalls().back();
        return c.blend == BlendMask && c.alpha == 1.0f && c.r == 255 && c.g == 255 && c.b == 255 &&
               c.scaleX == 1.0f && c.scaleY == 1.0f && c.rotation == 0.0f && c.clipX == 0 && c.clipY == 0 &&
               c.clipWidth == 640 && c.clipHeight == 480;
    }

    static inline int32_t probe_ = 0;
};

TEST_F(EffectDrawing, TheHitFlashAgesByDrawnFramesAndReturnsToRest) {
    HitFlashX = 300;
    HitFlashY = 150;
    HitFlashFrame = 0;
    HitFlashKind = 1;
    for (int32_t frame = 1; frame <= 11; ++frame) {
        headless::ClearDrawCalls();
        DrawHitFlash();
        const std::vector<DrawCall> draws = Draws(DeflectImage);
        ASSERT_EQ(draws.size(), 1u) << frame;
        EXPECT_EQ(draws[0].x, 200.0f);
        EXPECT_EQ(draws[0].y, 224.0f);  // no shake
        EXPECT_EQ(draws[0].blend, BlendMask);
        EXPECT_GE(draws[0].frame, 2);
        EXPECT_LE(draws[0].frame, 5);
        EXPECT_TRUE(StateIsResting());
    }
    EXPECT_EQ(HitFlashFrame, 0);
    EXPECT_EQ(HitFlashX, -50);
    EXPECT_EQ(HitFlashY, -50);
    EXPECT_EQ(HitFlashKind, 0);

    // At rest it is still drawn, additively, off the left of the screen.
    headless::ClearDrawCalls();
    DrawHitFlash();
    const std::vector<DrawCall> idle = Draws(HitFlashImage);
    ASSERT_EQ(idle.size(), 1u);
    EXPECT_EQ(idle[0].blend, BlendLight);
    EXPECT_LE(idle[0].x, -50.0f);
    EXPECT_EQ(HitFlashFrame, 1);
}

TEST_F(EffectDrawing, SmokeAndPowderColumnsGoUnderEveryBlast) {
    auto put = [](int32_t slot, int32_t kind, int32_t frame, int32_t x) {
        ExplosionKind[slot] = kind;
        ExplosionFrame[slot] = frame;
        ExplosionX[slot] = x;
        ExplosionY[slot] = 200;
    };
    put(0, 2, 4, 500);  // a blast in a lower slot than the columns
    put(1, 5, 3, 110);
    put(2, 5, 8, 120);
    put(3, 6, 1, 130);
    put(4, 5, 11, 140);
    DrawExplosions();

    const std::vector<DrawCall> all = Draws();
    ASSERT_EQ(all.size(), 4u + 3u + 2u + 1u);
    std::vector<int32_t> cells;
    std::vector<float> ys;
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(all[i].image, SmokegfxImage);
        EXPECT_EQ(all[i].alpha, 0.6f);
        cells.push_back(all[i].frame);
        ys.push_back(all[i].y);
    }
    EXPECT_EQ(cells, (std::vector<int32_t>{3, 2, 1, 0, 6, 5, 4}));
    EXPECT_EQ(ys, (std::vector<float>{277, 257, 237, 217, 237, 217, 197}));
    EXPECT_EQ(all[7].image, DrugpowderImage);
    EXPECT_EQ(all[8].y, 269.0f);  // powder puffs 8 px apart
    EXPECT_EQ(all[9].image, ExplodemedImage);
    EXPECT_EQ(all[9].blend, BlendLight);
    EXPECT_EQ(all[9].alpha, 1.0f);
    EXPECT_TRUE(StateIsResting());
}

}  // namespace
}  // namespace effectdrawtest
