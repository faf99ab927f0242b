// Foreground props, stage by stage.
#include "draw/foreground.h"

#include <cstdint>
#include <initializer_list>

#include "media.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace {

// A prop picture: its image, the left bound its screen x must lie above to be
// drawn (about where it leaves the screen), and the y it stands at before the
// shake.
struct PropLook {
    const int32_t* image;
    int32_t left;
    int32_t y;
};

constexpr PropLook kBinTyreDrum{&BinTyreDrumImage, -148, 451};
constexpr PropLook kBinx3{&Binx3Image, -61, 458};
constexpr PropLook kDrumStack{&DrumStackImage, -49, 424};
constexpr PropLook kOilDrum{&OilDrumImage, -25, 458};
constexpr PropLook kTrashcan{&TrashcanImage, -27, 458};
constexpr PropLook kTyres{&TyresImage, -71, 451};
constexpr PropLook kFenceDark{&FenceDarkImage, -146, 401};
constexpr PropLook kFenceBarb{&FenceBarbImage, -152, 400};
constexpr PropLook kLampPost{&LampPostImage, -64, 298};
constexpr PropLook kConveyorbelt{&ConveyorbeltImage, -79, 440};
constexpr PropLook kRoofpipes{&RoofpipesImage, -508, -14};
constexpr PropLook kBoxes{&BoxesImage, -64, 453};
constexpr PropLook kStonecross{&StonecrossImage, -29, 442};
constexpr PropLook kStonecurve{&StonecurveImage, -36, 445};
constexpr PropLook kStonegrass{&StonegrassImage, -38, 448};
constexpr PropLook kStonerock{&StonerockImage, -49, 438};
constexpr PropLook kGrass{&GrassImage, -274, 462};
constexpr PropLook kStoneangel{&StoneangelImage, -27, 427};
constexpr PropLook kRoofhook{&RoofhookImage, -37, 0};
constexpr PropLook kFrontgirder{&FrontgirderImage, -49, 0};
constexpr PropLook kRopes{&RopesImage, -170, 442};
constexpr PropLook kCouch{&CouchImage, -89, 433};
constexpr PropLook kPillar{&PillarImage, -297, 0};
constexpr PropLook kJunkobjectsA{&JunkobjectsAImage, -80, 403};
constexpr PropLook kJunkobjectsB{&JunkobjectsBImage, -40, 380};
constexpr PropLook kJunkfront{&JunkfrontImage, -757, 442};

// The stage-8 fences stand lower, on the lift's floor.
constexpr int32_t kLiftFenceY = 448;

float Shaken(int32_t y) { return static_cast<float>(y + ScreenShake); }

// A prop on the foreground layer at layer x `x`, drawn only while its screen
// x lies strictly inside (left bound, 641). `shake` 0 keeps it still while
// the screen shakes.
void Layer(const PropLook& look, int32_t x, int32_t frame = 0, bool shake = true) {
    const float sx = ParallaxF + static_cast<float>(x);
    if (!(sx > static_cast<float>(look.left) && sx < 641.0f)) return;
    const float y = shake ? Shaken(look.y) : static_cast<float>(look.y);
    DrawImageFrame(*look.image, sx, y, frame);
}

void Layers(const PropLook& look, std::initializer_list<int32_t> xs) {
    for (int32_t x : xs) Layer(look, x);
}

// Every `step` from `first` to `last`, both included.
void LayerRun(const PropLook& look, int32_t first, int32_t step, int32_t last) {
    for (int32_t x = first; x <= last; x += step) Layer(look, x);
}

// A prop at a fixed screen x, drawn every frame.
void Screen(const PropLook& look, int32_t x, int32_t frame = 0) {
    DrawImageFrame(*look.image, static_cast<float>(x), Shaken(look.y), frame);
}

void ScreenAt(int32_t image, int32_t x, int32_t y) {
    DrawImageFrame(image, static_cast<float>(x), Shaken(y), 0);
}

// Lamp posts every 800 from 400 to `last`: the glowing bulb first (culled by
// its own whole-pixel test), then the post over it.
void LampPosts(int32_t last) {
    for (int32_t x = 400; x <= last; x += 800) {
        SetBlendMode(BlendLight);
        SetDrawAlpha(0.5f);
        const int32_t bx = static_cast<int32_t>(ParallaxF + static_cast<float>(x) - 6.0f);
        if (bx > -26 && bx < 640) DrawImageFrame(LightbulbImage, static_cast<float>(bx), Shaken(296), 0);
        SetBlendMode(BlendMask);
        SetDrawAlpha(1.0f);
        Layer(kLampPost, x);
    }
}

// Stage 7's glass pillar at layer x -20: two faint panes and the pillar.
void GlassPillar() {
    const float sx = ParallaxF - 20.0f;
    if (!(sx > -263.0f && sx < 641.0f)) return;
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(0.3f);
    DrawImageFrame(Pillarglass2Image, ParallaxF - 45.0f, Shaken(97), 0);
    DrawImageFrame(Pillarglass2Image, ParallaxF + 100.0f, Shaken(97), 0);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    DrawImageFrame(PillarglassImage, sx, Shaken(0), 0);
}

void Stage1() {
    Layers(kBinTyreDrum, {2400, 3490});
    Layers(kBinx3, {3200, 4800});
    Layers(kDrumStack, {950});
    Layers(kOilDrum, {1576, 1899, 4424, 6450, 6600});
    Layers(kTrashcan, {370, 1924, 3675});
    Layers(kTyres, {300, 4500, 6500});
    Layers(kFenceDark, {3706, 3849, 3992, 4135, 4278});
    Layers(kFenceBarb, {1600, 1748});
    LampPosts(6000);
}

void Stage2() {
    Layers(kBinTyreDrum, {2440, 5255});
    Layers(kBinx3, {1900, 770});
    Layers(kDrumStack, {390, 4000});
    Layers(kOilDrum, {1090, 5800});
    Layers(kTrashcan, {84, 3247, 3426});
    LampPosts(3600);
    Layers(kFenceDark, {4365, 4510, 4655});
    Layers(kFenceBarb, {6001, 3274});
}

void Stage3() {
    Screen(kBinx3, 258);
    Screen(kOilDrum, 415);
    Screen(kTyres, 470);
}

void Stage4() {
    // One roll for all eight belts, so they flicker together.
    const int32_t belt = RandomInt(0, 1);
    for (int32_t x : {1300, 1378, 1456, 1534, 1612, 1690, 2000, 2078}) Layer(kConveyorbelt, x, belt);
    Layers(kRoofpipes, {0, 600, 1200, 1800});
    Layers(kDrumStack, {-5, 1250});
    Layers(kOilDrum, {1200, 1850});
    Layers(kBinx3, {450, 1930});
    Layers(kTrashcan, {800});
    Layers(kBoxes, {60, 600, 900, 964, 1400, 1750, 2210});
}

void Stage5() {
    Layers(kStonecross, {140, 1100, 2560});
    Layers(kStonecurve, {1300, 2100, 1500, 1580});
    Layers(kStonegrass, {600, 2340});
    Layers(kStonerock, {1788, 3000});
    LayerRun(kGrass, -100, 273, 3176);
    Layers(kStoneangel, {20});
}

void Stage6() {
    // The roof hooks swing with the shared cycle and hang still in a shake.
    for (int32_t x : {100, 1900, 4000, 4100, 4400, 4500}) Layer(kRoofhook, x, Cycle8, false);
    Layers(kFrontgirder, {496, 584, 2216, 4196, 4284, 4846});
    Layers(kBinTyreDrum, {1900, 2800});
    Layers(kBinx3, {4700});
    Layers(kDrumStack, {280, 3880});
    Layers(kOilDrum, {1120, 2076, 5210});
    Layers(kTrashcan, {1300, 3400});
    Layers(kTyres, {20, 5300});
}

void Stage7() {
    Layers(kRopes, {125});
    Layers(kCouch, {1246, 1542, 1838});
    Layers(kOilDrum, {2245, 2280});
    GlassPillar();
    Layers(kPillar, {242, 538, 834, 1130, 1426, 1722, 2018});
    Layers(kFenceDark, {2264});
}

void Stage8() {
    for (int32_t x : {20, 100, 240, 270, 500, 600}) Screen(kOilDrum, x);
    for (int32_t x : {-57, 86, 229, 372, 515}) ScreenAt(FenceDarkImage, x, kLiftFenceY);
    // The girder passing the lift moves with the lift, not with the shake.
    DrawImageFrame(GirderliftImage, 0.0f, static_cast<float>(ElevatorObjectY), 0);
}

void Stage9() {
    ScreenAt(BoarddoorImage, 0, 360);
    ScreenAt(BoardpillarImage, 0, 0);
}

void Stage10() {
    Layer(kJunkobjectsA, 200, 8);
    Layer(kJunkobjectsA, 900, 4);
    Layer(kJunkobjectsA, 3000, 13);
    Layer(kJunkobjectsA, 5000, 4);
    Layer(kJunkobjectsA, 1800, 7);
    Layer(kJunkobjectsB, 1000, 9);
    Layer(kJunkobjectsB, 4500, 7);
    Layer(kJunkobjectsB, 6000, 1);
    LayerRun(kJunkfront, 0, 756, 6048);
    Layer(kJunkobjectsA, 400, 1);
    Layer(kJunkobjectsA, 800, 2);
    Layer(kJunkobjectsA, 1200, 10);
    Layer(kJunkobjectsA, 2500, 6);
    Layer(kJunkobjectsA, 4000, 3);
    Layer(kJunkobjectsA, 6784, 5);
    Layer(kJunkobjectsB, 2000, 0);
    Layer(kJunkobjectsB, 3200, 4);
    Layer(kJunkobjectsB, 5200, 2);
}

void Stage11() {
    Screen(kJunkobjectsA, 100, 10);
    Screen(kJunkfront, -100);
    Screen(kJunkobjectsB, 500, 2);
}

void Stage16() {
    ScreenAt(HandrailgateImage, 0, 401);
    Screen(kRoofpipes, -200);
    Screen(kRoofpipes, 340);
}

}  // namespace

void DrawForegroundProps() {
    if (SlowMotion == 4) return;
    SetClipRect(0, 0, 640, 480);
    switch (StageNumber) {
        case 1: Stage1(); break;
        case 2: Stage2(); break;
        case 3: Stage3(); break;
        case 4: Stage4(); break;
        case 5: Stage5(); break;
        case 6: Stage6(); break;
        case 7: Stage7(); break;
        case 8: Stage8(); break;
        case 9: Stage9(); break;
        case 10: Stage10(); break;
        case 11: Stage11(); break;
        case 16: Stage16(); break;
        default: break;  // stage 21 stands in the open
    }
    SetClipRect(0, 0, 640, 480);
}
