// The scenery layers: window reflections, foreground props, shadows, rain and
// the brightness overlay, with the drawing state each hands on.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "draw/foreground.h"
#include "draw/rain.h"
#include "draw/shadows.h"
#include "draw/windows.h"
#include "draw_fixture.h"
#include "media_internal.h"

namespace drawtest {
namespace {

using Spot = std::tuple<int32_t, float, float, int32_t>;  // image, x, y, frame

std::vector<Spot> Spots(const std::vector<DrawCall>& calls) {
    std::vector<Spot> out;
    for (const DrawCall& c : calls) out.emplace_back(c.image, c.x, c.y, c.frame);
    return out;
}

class Scenery : public DrawScene {
protected:
    void SetUp() override {
        DrawScene::SetUp();
        int32_t n = 0;
        for (int32_t& image : HeroImages) image = StubImage("hero" + std::to_string(n++), 40);
        for (int32_t* image : {&WindowImage, &WindowsmallImage, &ReflectfactoryIntImage, &KestshadowImage,
                               &GirderliftImage, &RainImage, &RainbigImage, &LightbulbImage, &LampPostImage,
                               &OilDrumImage, &TrashcanImage, &FenceDarkImage, &ConveyorbeltImage, &RoofpipesImage,
                               &RoofhookImage, &FrontgirderImage}) {
            *image = StubImage("scenery" + std::to_string(n++), 20);
        }
        HeroX = 300, HeroFootY = 278, HeroLane = 0, HeroFacing = 0, HeroWalkStep = 3, HeroTorsoFrame = 2;
        HeroStateSaved = HeroAnimStep = HeroJumpPhase = MuzzleFlash = 0;
        HeroEnergy = 100;
        ParallaxF = 0.0f;
        Cycle8 = 0;
        ElevatorObjectY = -250;
        WallShadowAlpha = 0.5f;
        Brightness = 0.0f;
    }
    // Draws of the hero's own images, as (entry, x, y, frame).
    static std::vector<Spot> HeroSpots() {
        std::vector<Spot> out;
        for (const DrawCall& c : Draws()) {
            for (int32_t i = 0; i < HeroImageCount; ++i) {
                if (c.image == HeroImages[i]) out.emplace_back(i, c.x, c.y, c.frame);
            }
        }
        return out;
    }
};

// ------------------------------------------------------------------ windows

TEST_F(Scenery, WindowMirrorsEnemiesWithTheirLookAndTheHeroInsideItsGlass) {
    ParallaxC = -30, ScreenShake = 2, CameraX = -10;
    PutEnemy(24, 1, 100, -20, 3);  // third look: +48
    PutEnemy(26, 1, 150, 0, 3);    // first look
    PutEnemy(1, 4, 200, 0, 3);     // a biker wears no look
    EnemyState[1] = 150;           // dying figures still show
    DrawStageWindows();            // only the window at world x 20 is in reach

    const std::vector<DrawCall> d = Draws();
    ASSERT_EQ(d.size(), 9u);
    for (const DrawCall& c : d) {
        EXPECT_EQ(std::tie(c.clipX, c.clipY, c.clipWidth, c.clipHeight), std::make_tuple(10, 137, 120, 64));
    }
    EXPECT_EQ(Spots({d[0], d[1], d[2]}),
              (std::vector<Spot>{
                  {SkyImages[1], -30, 117, 0}, {SkyImages[1], 610, 117, 0}, {SkyImages[1], -670, 117, 0}}));
    EXPECT_EQ(std::tie(d[0].blend, d[0].alpha), std::make_tuple(BlendAlpha, 0.7f));
    // Enemies by slot, then the hero's mirrored torso and his legs over it.
    EXPECT_EQ(Spots({d[3], d[4], d[5], d[6], d[7]}),
              (std::vector<Spot>{{EnemyImages[4], 233, 262, 3}, {EnemyImages[1], 133, 242, 51},
                                 {EnemyImages[1], 183, 262, 3}, {HeroImages[6], 325, 340, 2},
                                 {HeroImages[0], 333, 340, 3}}));
    for (const DrawCall& c : {d[3], d[7]}) {
        EXPECT_EQ(std::tie(c.r, c.g, c.b, c.blend, c.alpha), std::make_tuple(150, 150, 150, BlendAlpha, 0.5f));
    }
    EXPECT_EQ(Spots({d[8]}), (std::vector<Spot>{{WindowImage, 10, 137, 0}}));
    EXPECT_EQ(std::tie(d[8].r, d[8].blend, d[8].alpha), std::make_tuple(255, BlendMask, 1.0f));
    EXPECT_TRUE(StateIsResting());

    headless::ClearDrawCalls();
    ScreenShake = 0;
    for (int32_t sx : {-121, -120, 760, 761}) DrawWindowReflection(sx, 61);
    EXPECT_EQ(Spots(Draws(WindowImage)), (std::vector<Spot>{{WindowImage, -120, 135, 0}, {WindowImage, 760, 135, 0}}));

    headless::ClearDrawCalls();
    StageNumber = 4, CameraX = -450;  // 372, 516, 852 in reach; 36 and 1627 not
    DrawStageWindows();
    EXPECT_EQ(Draws(ReflectfactoryIntImage).size(), 3u);
    const DrawCall small = Draws(WindowsmallImage).at(0);
    EXPECT_EQ(std::tie(small.x, small.y, small.clipWidth, small.clipHeight), std::make_tuple(-78.0f, 147.0f, 44, 44));
    SlowMotion = 4;
    headless::ClearDrawCalls();
    DrawStageWindows();
    EXPECT_TRUE(Draws().empty());
}

TEST_F(Scenery, HeroFigureInTheGlassByState) {
    auto figure = [] {
        headless::ClearDrawCalls();
        DrawWindowReflection(0, 61);
        return HeroSpots();
    };
    HeroFacing = 1, HeroState = 11;  // Special facing right: torso at 47
    EXPECT_EQ(figure(), (std::vector<Spot>{{7, 347, 338, 2}, {1, 343, 338, 3}}));
    HelmetOn = 0, HeroFacing = 0, HeroState = 2;  // bare-headed torso +7
    EXPECT_EQ(figure(), (std::vector<Spot>{{6, 335, 338, 9}, {0, 343, 338, 3}}));
    HeroState = 5, HeroAnimStep = 4;  // drawing the gun
    EXPECT_EQ(figure(), (std::vector<Spot>{{7, 335, 338, 12}}));
    HeroState = 9;  // dying with energy left: no figure
    EXPECT_TRUE(figure().empty());
    HeroEnergy = 0, HeroFacing = 1, HeroAnimStep = 32;
    EXPECT_EQ(figure(), (std::vector<Spot>{{15, 275, 333, 7}}));
}

// ------------------------------------------------------------------ foreground props

TEST_F(Scenery, LayerPropsAreCulledStrictlyAtTheirBounds) {
    StageNumber = 4;  // a single trash can at layer x 800, bound -27
    auto trashcan = [](float parallax) {
        headless::ClearDrawCalls();
        ParallaxF = parallax;
        DrawForegroundProps();
        return Spots(Draws(TrashcanImage));
    };
    EXPECT_TRUE(trashcan(-827.0f).empty());
    EXPECT_EQ(trashcan(-826.5f), (std::vector<Spot>{{TrashcanImage, -26.5f, 458, 0}}));
    EXPECT_TRUE(trashcan(-159.0f).empty());
    EXPECT_EQ(trashcan(-159.5f), (std::vector<Spot>{{TrashcanImage, 640.5f, 458, 0}}));

    // Oil drum and roof pipes at the same layer x are both drawn, in list order.
    ScreenShake = 3;
    trashcan(-1000.0f);
    EXPECT_GT(IndexOf(OilDrumImage, 200.0f), IndexOf(RoofpipesImage, 200.0f));

    // A lamp's bulb has its own whole-pixel test, truncating toward zero.
    StageNumber = 1;
    trashcan(-463.0f);  // post one pixel inside its bound, bulb out
    EXPECT_TRUE(Draws(LightbulbImage).empty());
    EXPECT_EQ(Draws(LampPostImage).size(), 1u);
    trashcan(-419.5f);  // bulb at -25.5, drawn at -25
    EXPECT_EQ(Spots(Draws(LightbulbImage)), (std::vector<Spot>{{LightbulbImage, -25, 299, 0}}));
    trashcan(245.0f);  // post beyond the right edge, its bulb at 639 still in
    EXPECT_TRUE(Draws(LampPostImage).empty());
    const DrawCall bulb = Draws(LightbulbImage).at(0);
    EXPECT_EQ(std::tie(bulb.x, bulb.blend, bulb.alpha), std::make_tuple(639.0f, BlendLight, 0.5f));
}

TEST_F(Scenery, StillPropsSharedBeltRollAndSlowMotion) {
    StageNumber = 6, ScreenShake = 4, Cycle8 = 6, ParallaxF = -50.0f;
    DrawForegroundProps();  // roof hooks hang still in a shake, girders do not
    EXPECT_EQ(Spots(Draws(RoofhookImage)), (std::vector<Spot>{{RoofhookImage, 50, 0, 6}}));
    EXPECT_EQ(Draws(FrontgirderImage).at(0).y, 4.0f);
    StageNumber = 8, ElevatorObjectY = 100;
    DrawForegroundProps();
    EXPECT_EQ(Spots(Draws(GirderliftImage)), (std::vector<Spot>{{GirderliftImage, 0, 100, 0}}));

    // One roll a frame for all the stage-4 belts.
    StageNumber = 4, ParallaxF = -1300.0f;
    SeedRandom(99);
    const int32_t belt = RandomInt(0, 1);
    const int32_t after = RandomState();
    SeedRandom(99);
    headless::ClearDrawCalls();
    DrawForegroundProps();
    EXPECT_EQ(RandomState(), after);
    EXPECT_EQ(Draws(ConveyorbeltImage).size(), 6u);  // 1300 to 1690; 2000 and 2078 beyond
    for (const DrawCall& c : Draws(ConveyorbeltImage)) EXPECT_EQ(c.frame, belt);

    headless::ClearDrawCalls();
    SlowMotion = 4;
    DrawForegroundProps();
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(RandomState(), after);

    // Every stage's list hands the resting state on.
    SlowMotion = 0;
    for (int32_t stage : {1, 2, 3, 5, 7, 9, 10, 11, 16, 21}) {
        StageNumber = stage, ParallaxF = -700.3f;
        DrawForegroundProps();
        EXPECT_TRUE(StateIsResting()) << stage;
    }
}

// ------------------------------------------------------------------ shadows

TEST_F(Scenery, WallShadowFadesInsideGapsOnly) {
    CameraX = -100;
    auto gap = [](int32_t stage, int32_t heroX) { return StageNumber = stage, IsWallShadowGap(heroX + CameraX); };
    EXPECT_EQ(gap(1, 150), 1);   // w 165: inside 164-218
    EXPECT_EQ(gap(1, 149), 0);   // w 164: ends excluded
    EXPECT_EQ(gap(1, 5228), 1);  // w 5243: the open end above 5242
    EXPECT_EQ(gap(11, 403), 1);  // w 418
    EXPECT_EQ(gap(11, 404), 0);  // w 419..584: wall
    EXPECT_EQ(gap(11, 570), 1);  // w 585

    StageNumber = 5;  // no wall: gone within 50 frames, and stays gone
    for (int32_t frame = 0; frame < 40; ++frame) DrawShadows();
    EXPECT_GT(WallShadowAlpha, 0.0f);
    for (int32_t frame = 0; frame < 11; ++frame) DrawShadows();
    EXPECT_EQ(WallShadowAlpha, 0.0f);
    StageNumber = 8;  // wall everywhere: back in about 500 frames and held
    for (int32_t frame = 0; frame < 400; ++frame) DrawShadows();
    EXPECT_LT(WallShadowAlpha, 0.5f);
    for (int32_t frame = 0; frame < 110; ++frame) DrawShadows();
    EXPECT_EQ(WallShadowAlpha, 0.5f);

    // A hero lying dead casts neither shadow and leaves the fade alone.
    StageNumber = 5, HeroState = 9, HeroAnimStep = 21;
    headless::ClearDrawCalls();
    DrawShadows();
    EXPECT_TRUE(HeroSpots().empty());
    EXPECT_EQ(WallShadowAlpha, 0.5f);
}

TEST_F(Scenery, HeroShadowsDuckJumpAndHitCells) {
    StageNumber = 3, CameraX = -100, HeroLane = -10, ScreenShake = 1, HeroFacing = 1;
    MuzzleFlash = 3;  // no lit torso in a shadow, so no rolls
    const int32_t seed = RandomState();
    DrawShadows();
    EXPECT_EQ(RandomState(), seed);
    // Floor (1.4 x 0.6, stage alpha), then wall (1 x 1, its own alpha): legs, torso.
    const std::vector<DrawCall> d = Draws();
    ASSERT_GE(d.size(), 4u);
    EXPECT_EQ(Spots({d[0], d[1], d[2], d[3]}),
              (std::vector<Spot>{{HeroImages[1], 192, 359, 3}, {HeroImages[3], 192, 359, 2},
                                 {HeroImages[1], 194, 332, 3}, {HeroImages[3], 194, 332, 2}}));
    EXPECT_EQ(std::tie(d[0].r, d[0].blend, d[0].alpha, d[0].scaleX, d[0].scaleY, d[0].clipY, d[0].clipHeight),
              std::make_tuple(0, BlendAlpha, 0.7f, 1.4f, 0.6f, 237, 243));
    EXPECT_EQ(std::tie(d[2].r, d[2].scaleX, d[2].scaleY, d[2].alpha, d[2].clipY, d[2].clipHeight),
              std::make_tuple(0, 1.0f, 1.0f, 0.5f, 0, 237));

    auto ys = [] {
        headless::ClearDrawCalls();
        DrawShadows();
        std::vector<float> out;
        for (const Spot& s : HeroSpots()) out.push_back(std::get<2>(s));
        return out;
    };
    HeroState = 3;  // ducking: floor 5 higher, wall 22 lower
    EXPECT_EQ(ys(), (std::vector<float>{354, 354, 354, 354}));
    HeroState = 0, HeroJumpPhase = 2, HeroFootY = 200;  // no floor shadow; wall 38 lower
    EXPECT_EQ(ys(), (std::vector<float>{292, 292}));
    EXPECT_EQ(Spots(Draws(KestshadowImage)), (std::vector<Spot>{{KestshadowImage, 204, 386, 0}}));

    HeroJumpPhase = 0, HeroFootY = 278, HeroStateSaved = -1, HeroState = 8;  // hit cells: 1 in both sets
    ys();
    EXPECT_EQ(HeroSpots(), (std::vector<Spot>{{9, 192, 359, 1}, {9, 194, 332, 1}}));
    EXPECT_TRUE(StateIsResting());
}

TEST_F(Scenery, ActorShadowsByStageAndKind) {
    StageNumber = 10, CameraX = -100, ScreenShake = 2;
    for (int32_t& state : EnemyState) state = 0;
    PutEnemy(1, 1, 300, -20, 3);  // the look is not applied to a shadow
    PutEnemy(2, 17, 400, 0, 1);
    PutEnemy(3, 1, 500, 0, 3), EnemyState[3] = 100;  // dying: none
    PutEnemy(4, 0, 600, 0, 2);                        // live sniper: none
    PutEnemy(5, 0, 700, 0, 2), EnemyState[5] = 120;  // dead sniper on the street
    PutProp(0, 5, 200, 300);
    PutProp(1, 22, 250, 300);
    PutProp(2, 5, -40, 300);  // screen x -140: out
    PutBullet(0, 2, 300, 350, 4);
    PutBullet(1, 0, 320, 360, 12);
    DrawShadows();

    EXPECT_EQ(Spots(Draws(EnemyImages[1])), (std::vector<Spot>{{EnemyImages[1], 184, 288, 3}}));
    EXPECT_EQ(Spots(Draws(EnemyImages[17])), (std::vector<Spot>{{EnemyImages[17], 278, 324, 1}}));
    EXPECT_EQ(Spots(Draws(EnemyImages[0])), (std::vector<Spot>{{EnemyImages[0], 588, 233, 5}}));
    const DrawCall gunman = Draws(EnemyImages[1])[0];
    EXPECT_EQ(std::tie(gunman.r, gunman.alpha, gunman.scaleX, gunman.scaleY, gunman.clipY),
              std::make_tuple(0, 0.4f, 1.4f, 0.6f, 237));
    const std::vector<DrawCall> props = Draws(DestructablesImage);
    EXPECT_EQ(Spots(props), (std::vector<Spot>{{DestructablesImage, 84, 410, 5}, {DestructablesImage, 134, 400, 22}}));
    EXPECT_EQ(std::tie(props.at(0).rotation, props[0].scaleX, props.at(1).rotation),
              std::make_tuple(-30.0f, 1.1f, 0.0f));
    const std::vector<DrawCall> girder = Draws(GirderliftImage);  // on the shaft, then on the floor
    EXPECT_EQ(std::tie(girder.at(0).y, girder[0].alpha, girder[0].scaleY, girder[0].clipX, girder.at(1).clipY),
              std::make_tuple(-500.0f, 0.4f, 0.5f, 105, 154));
    const std::vector<DrawCall> bullets = Draws(BulletsImage);
    EXPECT_EQ(Spots(bullets), (std::vector<Spot>{{BulletsImage, 219, 352, 4}, {BulletsImage, 220, 362, 12}}));
    EXPECT_EQ(std::tie(bullets.at(0).alpha, bullets[0].scaleY), std::make_tuple(0.4f, 1.0f));
    EXPECT_TRUE(StateIsResting());
    StageNumber = 4;
    headless::ClearDrawCalls();
    DrawShadows();
    EXPECT_EQ(Draws(EnemyImages[1]).at(0).alpha, 0.5f);
}

// ------------------------------------------------------------------ rain and brightness

class Rain : public Scenery {
protected:
    void SetUp() override {
        Scenery::SetUp();
        AllocateChannels();
        SfxSounds[4] = LoadSoundFile(std::string(STREETWARDEN_DATA_DIR) + "/Audio/Sfx/Rainatmos.wav", 1);
        StageNumber = 2, CameraX = -600, RainPhase = 0;
        HeavyRainAX = HeavyRainAY = HeavyRainBX = HeavyRainBY = 0;
        HeavyRainTime = ElapsedMillis();
    }
    static std::vector<DrawCall> Tiles() {
        std::vector<DrawCall> out;
        for (const DrawCall& c : headless::DrawCalls()) {
            if (c.op == headless::Op::Tile && c.image == RainbigImage) out.push_back(c);
        }
        return out;
    }
    // Volumes of the rain sounds started, slot by slot.
    static std::vector<float> RainSounds() {
        std::vector<float> out;
        for (int32_t channel : SfxChannels) {
            const media::ChannelInfo info = media::QueryChannel(channel);
            if (info.busy && info.sound == SfxSounds[4]) out.push_back(info.volume);
        }
        return out;
    }
};

TEST_F(Rain, DensityFallsSoundsStartOnceAndCellsRollInPairs) {
    ASSERT_NE(SfxSounds[4], 0);
    RainDensity = 902;
    const int32_t seed = RandomState();
    DrawRain();  // 901: still dry, nothing rolled
    EXPECT_EQ(RainDensity, 901);
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(RandomState(), seed);

    // 900: the quiet sound, and every cell rolls its drop, then its chance.
    ScreenShake = 3;
    SeedRandom(5);
    std::vector<Spot> want;
    for (int32_t y = 3; y <= 472; y += 8) {
        for (int32_t x = 0; x <= 640; x += 8) {
            const int32_t drop = RandomInt(0, 7);
            if (RandomInt(0, 899) == 0) want.emplace_back(RainImage, x, y + 1, drop);
        }
    }
    const int32_t after = RandomState();
    SeedRandom(5);
    DrawRain();
    EXPECT_EQ(std::tie(RainDensity, RainPhase), std::make_tuple(899, 1));
    EXPECT_EQ(Spots(Draws()), want);
    EXPECT_EQ(RandomState(), after);
    EXPECT_EQ(RainSounds(), (std::vector<float>{0.5f}));

    // Down past 30 (the louder sound) to the floor of 25, where heavy rain joins.
    RainDensity = 31;
    for (int32_t frame = 0; frame < 20; ++frame) DrawRain();
    EXPECT_EQ(std::tie(RainDensity, RainPhase), std::make_tuple(25, 21 % 8));
    EXPECT_EQ(RainSounds(), (std::vector<float>{0.5f, 0.6f}));
    EXPECT_FALSE(Tiles().empty());
    EXPECT_TRUE(StateIsResting());

    // Stage 5 stops at 29 and never gets heavy rain; other stages stay dry.
    headless::ClearDrawCalls();
    StageNumber = 5, RainDensity = 31;
    for (int32_t frame = 0; frame < 10; ++frame) DrawRain();
    EXPECT_EQ(RainDensity, 29);
    EXPECT_EQ(RainSounds().size(), 3u);
    EXPECT_TRUE(Tiles().empty());
}

TEST_F(Rain, HeavyRainKeepsFallingInSlowMotionEvery110Ms) {
    RainDensity = 25, SlowMotion = 4;
    const int32_t seed = RandomState();
    headless::AdvanceClock(110);
    DrawRain();  // not more than 110 ms: no step
    EXPECT_EQ(std::tie(HeavyRainAX, HeavyRainBX), std::make_tuple(0, 0));
    headless::AdvanceClock(1);
    DrawRain();
    EXPECT_EQ(std::tie(HeavyRainAX, HeavyRainAY, HeavyRainBX, HeavyRainBY), std::make_tuple(-3, 2, -8, 6));
    EXPECT_EQ(std::tie(RainPhase, RainDensity), std::make_tuple(0, 25));  // no light rain
    EXPECT_EQ(RandomState(), seed);
    ASSERT_EQ(headless::DrawCalls().size(), 4u);
    const std::vector<DrawCall> tiles = Tiles();
    EXPECT_EQ(std::tie(tiles.at(2).x, tiles[2].y, tiles[2].blend, tiles[2].alpha),
              std::make_tuple(-3.0f, 2.0f, BlendLight, 1.0f));
    EXPECT_EQ(std::tie(tiles.at(3).x, tiles[3].y), std::make_tuple(-8.0f, 6.0f));

    // At full speed: one step at most per frame; the sheets wrap on the left.
    SlowMotion = 0, HeavyRainAX = -99, HeavyRainBX = -24;
    headless::AdvanceClock(500);
    DrawRain();
    EXPECT_EQ(std::tie(HeavyRainAX, HeavyRainAY, HeavyRainBX, HeavyRainBY), std::make_tuple(0, 0, 75, 75));
    DrawRain();
    EXPECT_EQ(HeavyRainAX, 0);
    EXPECT_TRUE(StateIsResting());
}

TEST_F(Rain, BrightnessOverlayAddsWhiteAtItsAlpha) {
    SetDrawColour(10, 20, 30);  // at 0 nothing is drawn or touched
    DrawBrightnessOverlay();
    EXPECT_TRUE(headless::DrawCalls().empty());
    EXPECT_EQ(media::CurrentDrawState().r, 10);

    SetDrawColour(255, 255, 255);
    Brightness = 0.5f;
    DrawBrightnessOverlay();
    ASSERT_EQ(headless::DrawCalls().size(), 1u);
    const DrawCall fill = headless::DrawCalls()[0];
    EXPECT_EQ(std::tie(fill.op, fill.x, fill.y, fill.width, fill.height, fill.blend, fill.alpha, fill.r, fill.b),
              std::make_tuple(headless::Op::Fill, 0.0f, 0.0f, 640.0f, 480.0f, BlendLight, 0.5f, 255, 255));
    EXPECT_TRUE(StateIsResting());
}

}  // namespace
}  // namespace drawtest
