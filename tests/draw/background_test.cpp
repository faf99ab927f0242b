// The frame's back layers, light pools and screen shake, and the drawing
// state every routine of the frame hands on.
#include <iterator>
#include <tuple>

#include "draw/background.h"
#include "draw/frame.h"
#include "draw/rain.h"
#include "draw_fixture.h"
#include "shell/manifest.h"

namespace drawtest {
namespace {

using Layers = DrawScene;
using Placed = std::tuple<int32_t, float, float, int32_t>;  // image, x, y, frame

std::vector<Placed> Placements(const std::vector<DrawCall>& calls, size_t count) {
    std::vector<Placed> out;
    for (size_t i = 0; i < count && i < calls.size(); ++i) {
        out.emplace_back(calls[i].image, calls[i].x, calls[i].y, calls[i].frame);
    }
    return out;
}

TEST_F(Layers, Stage1FrameOpensWithItsShakenLayersAndGlowsWithItsPools) {
    StageLength = 5000;
    ScrollColumn = 2, ScrollSub = 15, CameraX = 15 - 80;
    ParallaxA = -10, ParallaxB = -20, ParallaxC = -30, ParallaxD = -40;
    ScreenShake = 1;  // shaking: rolled 1..5 before anything is drawn
    SeedRandom(7);
    const int32_t s = RandomInt(1, 5);
    SeedRandom(7);
    DrawFrame();
    EXPECT_EQ(ScreenShake, s);

    std::vector<Placed> want;
    for (const auto& [image, x, y] : {std::tuple{SkyImages[9], -10, 36}, std::tuple{SkyImages[8], -20, -54},
                                      std::tuple{SkyImages[1], -30, -144}}) {
        for (int32_t dx : {0, 640, -640}) want.emplace_back(image, x + dx, y + s, 0);
    }
    want.emplace_back(CityImages[1], -40, 100 + s, 0);
    want.emplace_back(CityImages[1], 600, 100 + s, 0);
    for (int32_t column = 1; column <= 18; ++column) want.emplace_back(StageStripImage, -65 + 40 * column, s, column);
    EXPECT_EQ(Placements(Draws(), want.size()), want);

    // Of the stage's four pools only the one at world x 130 is on screen.
    const std::vector<DrawCall> pools = Draws(LightmapImage);
    ASSERT_EQ(pools.size(), 1u);
    EXPECT_EQ(Placements(pools, 1)[0], Placed(LightmapImage, 65, 130 + s, 0));
    EXPECT_EQ(pools[0].blend, BlendLight);
    EXPECT_EQ(pools[0].alpha, 0.3f);
    EXPECT_GT(IndexOf(LightmapImage, 65), IndexOf(StageStripImage, 655));
}

TEST_F(Layers, TheFrameDrawsItsLayersBackToFront) {
    // No picture but one of each layer's own, to tell the layers apart.
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.op == ManifestOp::Image || e.op == ManifestOp::Strip) *e.target = 0;
    }
    struct Layer {
        const char* name;
        int32_t* image;
    };
    const Layer layers[] = {{"background", &StageStripImage}, {"shadows", &KestshadowImage},
                            {"debris", &GlassbreakImage},      {"windows", &WindowImage},
                            {"blood", &DeflectImage},          {"casings", &ShellsImage},
                            {"street band", &CollectablesImage}, {"air strike", &FireballImage},
                            {"hit flash", &HitFlashImage},     {"explosions", &SmokegfxImage},
                            {"light pools", &LightmapImage},   {"foreground", &Binx3Image},
                            {"rain", &RainImage},              {"display", &GuntypeiconImage}};
    for (const Layer& layer : layers) *layer.image = StubImage(layer.name, 200);

    // Stage 2 at x 1400: a window, a pool, a bin in front and rain in view;
    // something in every table.
    StageNumber = 2, StageLength = 4800, ScrollColumn = 35, CameraX = -1400, ParallaxF = -1400.0f;
    HeroX = 1600, HeroLane = 0, HeroFootY = 250, HeroJumpPhase = 2;  // in the air: a blob below him
    DebrisFrame[0] = 0, DebrisX[0] = 1500, DebrisY[0] = 100;
    BloodDropAge[0] = 7, BloodDropX[0] = 1500, BloodDropY[0] = 200;
    ShellCasingKind[0] = 0, ShellCasingSpin[0] = 0, ShellCasingX[0] = 1500, ShellCasingY[0] = 250;
    PutPickup(0, 0, 1500, 300);
    AirStrikeActive = 1;
    HitFlashKind = 0, HitFlashX = 1500, HitFlashY = 100;
    ExplosionKind[0] = 5, ExplosionFrame[0] = 2, ExplosionX[0] = 1500, ExplosionY[0] = 200;
    RainDensity = 100;
    Brightness = 0.2f;
    DrawFrame();
    Brightness = 0.0f;

    const std::vector<DrawCall> draws = Draws();
    auto first = [&](int32_t image) {
        for (size_t i = 0; i < draws.size(); ++i) {
            if (draws[i].image == image) return static_cast<int32_t>(i);
        }
        return -1;
    };
    auto last = [&](int32_t image) {
        for (size_t i = draws.size(); i-- > 0;) {
            if (draws[i].image == image) return static_cast<int32_t>(i);
        }
        return -1;
    };
    for (size_t i = 0; i < std::size(layers); ++i) {
        EXPECT_GE(first(*layers[i].image), 0) << layers[i].name << " drew nothing";
        if (i == 0) continue;
        EXPECT_LT(last(*layers[i - 1].image), first(*layers[i].image)) << layers[i - 1].name << ", then " << layers[i].name;
    }
    // The brightness overlay over everything.
    ASSERT_FALSE(headless::DrawCalls().empty());
    EXPECT_EQ(headless::DrawCalls().back().op, headless::Op::Fill);
}

TEST_F(Layers, LiftRideHasItsOwnJoltAndAFixedShaft) {
    StageNumber = 8;
    ElevatorShaft = 100;
    ScreenShake = 1;
    DrawStageBackground();
    const std::vector<DrawCall> d = Draws();
    ASSERT_EQ(d.size(), 9u + 2u + 2u + 17u);
    EXPECT_EQ(Placements({d[0], d[6], d[9], d[11], d[12], d[13]}, 6),
              (std::vector<Placed>{{SkyImages[9], 0, 148, 0}, {SkyImages[9], 0, -32, 0}, {CityImages[9], 0, -135, 0},
                                   {LiftscrollImage, 105, 100, 0}, {LiftscrollImage, 105, -492, 0},
                                   {StageStripImage, 0, 1, 0}}));

    // A shake started by play gives way to the lift's own 0/1 jolt, which
    // stops during the stage exit.
    int32_t jolts = 0;
    for (int32_t frame = 0; frame < 300; ++frame) {
        ScreenShake = 3;
        HeroState = frame < 200 ? 0 : 7;
        UpdateScreenShake();
        ASSERT_LE(ScreenShake, frame < 200 ? 1 : 0);
        jolts += ScreenShake;
    }
    EXPECT_GT(jolts, 0);
}

TEST_F(Layers, SlowMotionLeavesTheBackBlackButKeepsThePools) {
    SlowMotion = 4;
    DrawFrame();
    for (const DrawCall& c : Draws()) {
        EXPECT_NE(c.image, SkyImages[9]);
        EXPECT_NE(c.image, CityImages[1]);
        EXPECT_NE(c.image, StageStripImage);
    }
    EXPECT_EQ(Draws(LightmapImage).size(), 1u);

    // Nothing is rolled (cruiser lights) or wrapped (red lights) either.
    RedLightFrame = 7;
    const int32_t state = RandomState();
    headless::ClearDrawCalls();
    for (int32_t stage : {4, 6, 8, 16}) {
        StageNumber = stage;
        DrawStageBackground();
    }
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(RedLightFrame, 7);
    EXPECT_EQ(RandomState(), state);
}

TEST_F(Layers, EveryRoutineOfTheFrameLeavesTheRestingState) {
    // A busy street: see-through gunmen, snipers with after-images, corpses,
    // pickups, props, bullets and missiles at many keys, some beyond the band.
    for (int32_t slot = 0; slot < EnemySlots; ++slot) PutEnemy(slot, slot % 2, slot * 20, -150 + slot * 7, 8 + slot % 3);
    for (int32_t i = 0; i < 40; ++i) {
        PutCorpse(i, 17, i * 15, 90 + i * 3, 0);
        PutBullet(i, i % 5, i * 15, 200 + i * 8, i % 16);
    }
    for (int32_t i = 0; i < 20; ++i) {
        PutPickup(i, i % 10, i * 30, 110 + i * 14);
        PutProp(i, 0, i * 30, 100 + i * 14);
    }
    HeroLane = 0;
    ScrollColumn = 4, ScrollSub = 10, CameraX = 10 - 160;
    StageLength = 6000;
    for (int32_t stage : {6, 4, 16, 1, 3, 5, 7, 8, 9, 2, 21, 10, 11}) {
        for (int32_t slow : {0, 4}) {
            StageNumber = stage, SlowMotion = slow, ScreenShake = 1, Cycle8Tick = 14, RedLightFrame = 6;
            UpdateScreenShake();
            EXPECT_TRUE(StateIsResting());
            DrawStageBackground();
            EXPECT_TRUE(StateIsResting()) << "background of stage " << stage;
            DrawActorsByDepth();
            EXPECT_TRUE(StateIsResting()) << "street band";
            DrawLightPools();
            EXPECT_TRUE(StateIsResting()) << "light pools of stage " << stage;
        }
    }
    // Each table's routine alone, at a key where it draws (one draw each, and the probe).
    headless::ClearDrawCalls();
    DrawCorpsesAtDepth(93 - 190);
    EXPECT_TRUE(StateIsResting());
    DrawPickupsAtDepth(250 - 8);
    EXPECT_TRUE(StateIsResting());
    DrawDestructablesAtDepth(240);
    EXPECT_TRUE(StateIsResting());
    DrawBulletsAtDepth(280);
    EXPECT_TRUE(StateIsResting());
    EXPECT_EQ(Draws().size(), 8u);

    // The frame sets the state up itself, whatever the last frame left.
    SetBlendMode(BlendLight);
    SetDrawAlpha(0.2f);
    SetDrawColour(10, 20, 30);
    SetClipRect(5, 5, 10, 10);
    StageNumber = 1, SlowMotion = 0;
    headless::ClearDrawCalls();
    DrawFrame();
    ASSERT_FALSE(Draws().empty());
    EXPECT_TRUE(IsResting(Draws().front()));
    EXPECT_TRUE(StateIsResting());
}

}  // namespace
}  // namespace drawtest
