// The asset manifest and its loading, the section strips, and the check that
// every data file is there before the display opens.
#include "shell/manifest.h"

#include "media.h"
#include "shell/assets.h"

namespace {

constexpr ManifestEntry Mask(int32_t r, int32_t g, int32_t b) {
    return {ManifestOp::Mask, 0, nullptr, nullptr, r, g, b, 0, false, false, 0.0f, 0.0f};
}
constexpr ManifestEntry Table(int32_t* table, int32_t entries) {
    return {ManifestOp::Table, 0, table, nullptr, 0, 0, entries, 0, false, false, 0.0f, 0.0f};
}
// Masked whole picture.
constexpr ManifestEntry Whole(int32_t row, int32_t* target, const char* path) {
    return {ManifestOp::Image, row, target, path, 0, 0, 1, ImageMasked, false, false, 0.0f, 0.0f};
}
// Whole picture under the default image flags.
constexpr ManifestEntry WholeDefault(int32_t row, int32_t* target, const char* path) {
    return {ManifestOp::Image, row, target, path, 0, 0, 1, ImageDefaultFlags, false, false, 0.0f, 0.0f};
}
constexpr ManifestEntry WholeAt(int32_t row, int32_t* target, const char* path, float ox, float oy) {
    return {ManifestOp::Image, row, target, path, 0, 0, 1, ImageMasked, true, false, ox, oy};
}
// The maker's logo: filtered, not masked, origin in its centre.
constexpr ManifestEntry Logo(int32_t row, int32_t* target, const char* path) {
    return {ManifestOp::Image, row, target, path, 0, 0, 1, ImageFiltered, false, true, 0.0f, 0.0f};
}
constexpr ManifestEntry Strip(int32_t row, int32_t* target, const char* path, int32_t w, int32_t h,
                              int32_t n) {
    return {ManifestOp::Strip, row, target, path, w, h, n, ImageMasked, false, false, 0.0f, 0.0f};
}
constexpr ManifestEntry StripAt(int32_t row, int32_t* target, const char* path, int32_t w, int32_t h,
                                int32_t n, float ox, float oy) {
    return {ManifestOp::Strip, row, target, path, w, h, n, ImageMasked, true, false, ox, oy};
}
constexpr ManifestEntry Sound(int32_t row, int32_t* target, const char* path) {
    return {ManifestOp::Sound, row, target, path, 0, 0, 0, 0, false, false, 0.0f, 0.0f};
}
constexpr ManifestEntry Loop(int32_t row, int32_t* target, const char* path) {
    return {ManifestOp::Sound, row, target, path, 0, 0, 0, 1, false, false, 0.0f, 0.0f};
}

}  // namespace

// Row 1 loads before the logo screen, row 2 (the font) before the loading
// screen, rows 3 to 169 under it.
const ManifestEntry AssetManifest[] = {
    Logo(1, &TorvaneImage, "Data/Graphics/System/torvane.png"),
    Table(EnergyBarImages, EnergyBarImageCount),
    Mask(0, 0, 0),  // black
    Strip(2, &SilverfontImage, "Data/Graphics/System/silverfont.png", 10, 11, 44),
    Mask(0, 255, 0),  // green
    Sound(3, &CompBeepSound, "Data/Audio/Sfx/CompBeep.wav"),
    Sound(4, &CompBeepLowSound, "Data/Audio/Sfx/CompBeepLow.wav"),
    Whole(5, &TitlescreenImage, "Data/Graphics/System/Titlescreen.png"),
    Whole(6, &StorybackImage, "Data/Graphics/System/storyback.png"),
    Sound(7, &PowerUpSound, "Data/Audio/Sfx/PowerUp.wav"),
    Sound(8, &PowerDownSound, "Data/Audio/Sfx/PowerDown.wav"),
    Sound(9, &EndMusic, "Data/Audio/Music/end.ogg"),
    Table(VoiceSounds, VoiceSoundCount),
    Sound(10, &VoiceSounds[0], "Data/Audio/Voice/BeTrouble.wav"),
    Sound(11, &VoiceSounds[1], "Data/Audio/Voice/ComeWithMe.wav"),
    Sound(12, &VoiceSounds[2], "Data/Audio/Voice/DeadAlive.wav"),
    Sound(13, &VoiceSounds[3], "Data/Audio/Voice/DropIt.wav"),
    Sound(14, &VoiceSounds[4], "Data/Audio/Voice/Thankyou.wav"),
    Sound(15, &VoiceSounds[5], "Data/Audio/Voice/StoneHarbor.wav"),
    Sound(16, &VoiceSounds[6], "Data/Audio/Voice/YourMove.wav"),
    Sound(17, &VoiceSounds[7], "Data/Audio/Voice/RemainSilent.wav"),
    Sound(18, &VoiceSounds[8], "Data/Audio/Voice/KestArgh.wav"),
    Sound(19, &VoiceSounds[9], "Data/Audio/Voice/prime.wav"),
    Loop(20, &TitleMusic, "Data/Audio/Music/Title.ogg"),
    Loop(21, &CreditsMusic, "Data/Audio/Music/Credits.ogg"),
    Mask(0, 0, 0),  // black
    Whole(22, &LampPostImage, "Data/Graphics/Levels/Street/LampPost.png"),
    Whole(23, &WindowImage, "Data/Graphics/Levels/Street/Window.png"),
    Whole(24, &WindowsmallImage, "Data/Graphics/Levels/Factory/Windowsmall.png"),
    Mask(0, 255, 0),  // green
    WholeDefault(25, &TitletextImage, "Data/Graphics/System/Titletext.png"),
    Whole(26, &EndsceneImage, "Data/Graphics/System/endscene.png"),
    Whole(27, &EndtalkfaceImage, "Data/Graphics/System/endtalkface.png"),
    Whole(28, &KestshadowImage, "Data/Graphics/System/kestshadow.png"),
    Strip(29, &CruiserImage, "Data/Graphics/Levels/Street/Cruiser.png", 111, 70, 2),
    Whole(30, &FenceBarbImage, "Data/Graphics/Levels/Street/FenceBarb.png"),
    Whole(31, &FenceDarkImage, "Data/Graphics/Levels/Street/FenceDark.png"),
    Whole(32, &TrashcanImage, "Data/Graphics/Levels/Street/Trashcan.png"),
    Whole(33, &TyresImage, "Data/Graphics/Levels/Street/Tyres.png"),
    Whole(34, &OilDrumImage, "Data/Graphics/Levels/Street/OilDrum.png"),
    Whole(35, &BinTyreDrumImage, "Data/Graphics/Levels/Street/BinTyreDrum.png"),
    Whole(36, &Binx3Image, "Data/Graphics/Levels/Street/Binx3.png"),
    Whole(37, &DrumStackImage, "Data/Graphics/Levels/Street/DrumStack.png"),
    Whole(38, &LightmapImage, "Data/Graphics/Levels/Street/Lightmap.png"),
    Whole(39, &LightbulbImage, "Data/Graphics/Levels/Street/Lightbulb.png"),
    Strip(40, &RainImage, "Data/Graphics/System/Rain.png", 8, 8, 16),
    Whole(41, &RainbigImage, "Data/Graphics/System/Rainbig.png"),
    Whole(42, &PillarglassImage, "Data/Graphics/Levels/Vxc/Pillarglass.png"),
    Whole(43, &Pillarglass2Image, "Data/Graphics/Levels/Vxc/Pillarglass2.png"),
    Whole(44, &Pillarglass3Image, "Data/Graphics/Levels/Vxc/Pillarglass3.png"),
    Whole(45, &Pillarglass4Image, "Data/Graphics/Levels/Vxc/Pillarglass4.png"),
    Whole(46, &PillarImage, "Data/Graphics/Levels/Vxc/Pillar.png"),
    Whole(47, &RopesImage, "Data/Graphics/Levels/Vxc/Ropes.png"),
    Whole(48, &BoarddoorImage, "Data/Graphics/Levels/Vxc/Boarddoor.png"),
    Whole(49, &FacetvImage, "Data/Graphics/Levels/Vxc/Facetv.png"),
    Whole(50, &CouchImage, "Data/Graphics/Levels/Vxc/Couch.png"),
    Whole(51, &BoardpillarImage, "Data/Graphics/Levels/Vxc/Boardpillar.png"),
    Whole(52, &LiftscrollImage, "Data/Graphics/Levels/Vxc/Liftscroll.png"),
    Whole(53, &GirderliftImage, "Data/Graphics/Levels/Factory/Girderlift.png"),
    Whole(54, &RoofpipesImage, "Data/Graphics/Levels/Factory/Roofpipes.png"),
    Whole(55, &BoxesImage, "Data/Graphics/Levels/Factory/Boxes.png"),
    Strip(56, &ConveyorbeltImage, "Data/Graphics/Levels/Factory/Conveyorbelt.png", 79, 40, 2),
    Whole(57, &GrassImage, "Data/Graphics/Levels/Graveyard/Grass.png"),
    Whole(58, &StoneangelImage, "Data/Graphics/Levels/Graveyard/Stoneangel.png"),
    Whole(59, &StonegrassImage, "Data/Graphics/Levels/Graveyard/Stonegrass.png"),
    Whole(60, &StonerockImage, "Data/Graphics/Levels/Graveyard/Stonerock.png"),
    Whole(61, &StonecrossImage, "Data/Graphics/Levels/Graveyard/Stonecross.png"),
    Whole(62, &StonecurveImage, "Data/Graphics/Levels/Graveyard/Stonecurve.png"),
    Whole(63, &ReflectfactoryIntImage, "Data/Graphics/Levels/Factory/ReflectfactoryInt.png"),
    Strip(64, &RedlightImage, "Data/Graphics/Levels/Factory/Redlight.png", 55, 24, 6),
    Whole(65, &HandrailgateImage, "Data/Graphics/Levels/Factory/Handrailgate.png"),
    Strip(66, &RoofhookImage, "Data/Graphics/Levels/Steelmill/Roofhook.png", 36, 46, 8),
    Whole(67, &FrontgirderImage, "Data/Graphics/Levels/Steelmill/Frontgirder.png"),
    Whole(68, &JunkfrontImage, "Data/Graphics/Levels/Junkyard/Junkfront.png"),
    Strip(69, &JunkobjectsAImage, "Data/Graphics/Levels/Junkyard/JunkobjectsA.png", 79, 77, 14),
    Strip(70, &JunkobjectsBImage, "Data/Graphics/Levels/Junkyard/JunkobjectsB.png", 39, 100, 10),
    Strip(71, &GlassbreakImage, "Data/Graphics/System/Glassbreak.png", 60, 85, 9),
    Strip(72, &GuntypeiconImage, "Data/Graphics/System/Guntypeicon.png", 48, 19, 7),
    Strip(73, &GunrateImage, "Data/Graphics/System/gunrate.png", 19, 4, 5),
    Mask(0, 0, 0),  // black
    Strip(74, &BulletsImage, "Data/Graphics/System/Bullets.png", 10, 10, 64),
    Strip(75, &MissileImage, "Data/Graphics/System/Missile.png", 48, 48, 6),
    Strip(76, &ShellsImage, "Data/Graphics/System/Shells.png", 5, 5, 64),
    Strip(77, &ScorefontsilverImage, "Data/Graphics/System/Scorefontsilver.png", 14, 16, 20),
    Mask(0, 0, 255),  // blue
    Strip(78, &EnergyBarImages[0], "Data/Graphics/System/Energybar.png", 1, 7, 3),
    Strip(79, &EnergyBarImages[1], "Data/Graphics/System/EnergybarO.png", 1, 7, 3),
    Strip(80, &EnergyBarImages[2], "Data/Graphics/System/EnergybarW.png", 1, 7, 3),
    Strip(81, &LifesanimfaceImage, "Data/Graphics/System/Lifesanimface.png", 14, 14, 8),
    Whole(82, &GoarrowWImage, "Data/Graphics/System/GoarrowW.png"),
    Whole(83, &ItemarrowWImage, "Data/Graphics/System/ItemarrowW.png"),
    Mask(0, 255, 0),  // green
    Strip(84, &CollectablesImage, "Data/Graphics/System/Collectables.png", 23, 51, 8),
    Strip(85, &DestructablesImage, "Data/Graphics/System/Destructables.png", 56, 60, 24),
    Strip(86, &HitFlashImage, "Data/Graphics/System/Spark.png", 23, 22, 3),
    Whole(87, &SpecialImage, "Data/Graphics/System/special.png"),
    Mask(0, 0, 0),  // black
    Strip(88, &FiregunImage, "Data/Graphics/System/Firegun.png", 34, 34, 14),
    Strip(89, &DeflectImage, "Data/Graphics/System/Deflect.png", 21, 19, 15),
    Strip(90, &FireballImage, "Data/Graphics/System/Fireball.png", 32, 48, 7),
    Strip(91, &ExplodesmallImage, "Data/Graphics/System/Explodesmall.png", 28, 30, 11),
    Strip(92, &ExplodemedImage, "Data/Graphics/System/Explodemed.png", 41, 46, 11),
    Strip(93, &ExplodebigImage, "Data/Graphics/System/Explodebig.png", 82, 92, 11),
    Strip(94, &SmokegfxImage, "Data/Graphics/System/Smokegfx.png", 28, 30, 7),
    Strip(95, &DrugpowderImage, "Data/Graphics/System/Drugpowder.png", 14, 15, 7),
    Whole(96, &Detect1Image, "Data/Graphics/System/detect1.png"),
    Table(EnemyImages, EnemyImageCount),
    Mask(0, 255, 0),  // green
    Strip(97, &EnemyImages[0], "Data/Graphics/Enemy/sniper.png", 57, 102, 10),
    Strip(98, &EnemyImages[1], "Data/Graphics/Enemy/walkers.png", 84, 83, 72),
    Strip(99, &EnemyImages[4], "Data/Graphics/Enemy/biker.png", 105, 70, 8),
    Strip(100, &EnemyImages[6], "Data/Graphics/Enemy/chainsaw.png", 160, 88, 24),
    Strip(101, &EnemyImages[11], "Data/Graphics/Enemy/roguecop.png", 94, 78, 28),
    Strip(102, &EnemyImages[17], "Data/Graphics/Enemy/kr770.png", 151, 139, 50),
    Table(SkyImages, SkyImageCount),
    Table(CityImages, CityImageCount),
    Mask(0, 0, 0),  // black
    Whole(103, &SkyImages[1], "Data/Graphics/Levels/Street/Sky.png"),
    Whole(104, &SkyImages[8], "Data/Graphics/Levels/Vxc/Skyhigh2.png"),
    Whole(105, &SkyImages[9], "Data/Graphics/Levels/Vxc/Skyhigh.png"),
    Whole(106, &CityImages[1], "Data/Graphics/Levels/Street/City.png"),
    Whole(107, &CityImages[5], "Data/Graphics/Levels/Graveyard/Treesback.png"),
    Whole(108, &CityImages[9], "Data/Graphics/Levels/Vxc/Citysmall.png"),
    Whole(109, &CityImages[10], "Data/Graphics/Levels/Junkyard/Cityjunk.png"),
    Table(HeroImages, HeroImageCount),
    Mask(0, 255, 0),  // green
    Strip(110, &HeroImages[0], "Data/Graphics/Kestrion/legwalkf.png", 40, 46, 9),
    Strip(111, &HeroImages[1], "Data/Graphics/Kestrion/legwalk.png", 40, 46, 9),
    StripAt(112, &HeroImages[2], "Data/Graphics/Kestrion/bodyf.png", 78, 64, 16, 32, 50),
    StripAt(113, &HeroImages[3], "Data/Graphics/Kestrion/body.png", 79, 56, 16, 7, 50),
    WholeAt(114, &HeroImages[4], "Data/Graphics/Kestrion/legkneelf.png", 4, 0),
    WholeAt(115, &HeroImages[5], "Data/Graphics/Kestrion/legkneel.png", 10, 0),
    StripAt(116, &HeroImages[6], "Data/Graphics/Kestrion/bodymirrorf.png", 78, 64, 16, 25, 50),
    StripAt(117, &HeroImages[7], "Data/Graphics/Kestrion/bodymirror.png", 79, 56, 16, 0, 50),
    StripAt(118, &HeroImages[8], "Data/Graphics/Kestrion/gundraw.png", 57, 80, 32, 2, 34),
    StripAt(119, &HeroImages[9], "Data/Graphics/Kestrion/hitframe.png", 57, 80, 2, 2, 34),
    StripAt(120, &HeroImages[10], "Data/Graphics/Kestrion/hitframe2.png", 57, 40, 2, 2, 34),
    StripAt(121, &HeroImages[11], "Data/Graphics/Kestrion/bodyflight.png", 78, 64, 16, 32, 50),
    StripAt(122, &HeroImages[12], "Data/Graphics/Kestrion/bodylight.png", 79, 56, 16, 7, 50),
    StripAt(123, &HeroImages[13], "Data/Graphics/Kestrion/bodyftalk.png", 78, 64, 16, 32, 50),
    StripAt(124, &HeroImages[14], "Data/Graphics/Kestrion/bodytalk.png", 79, 56, 16, 7, 50),
    Strip(125, &HeroImages[16], "Data/Graphics/Kestrion/helmetroll.png", 14, 13, 16),
    Mask(0, 0, 0),  // black
    Strip(126, &HeroImages[15], "Data/Graphics/Kestrion/offline.png", 94, 31, 10),
    Strip(127, &HeroImages[17], "Data/Graphics/Kestrion/Lifesanim.png", 14, 14, 8),
    Table(SfxSounds, SfxSoundCount),
    Mask(0, 255, 0),  // green
    Sound(128, &SfxSounds[1], "Data/Audio/Sfx/Keststep.wav"),
    Sound(129, &SfxSounds[2], "Data/Audio/Sfx/Gunarm.wav"),
    Sound(130, &SfxSounds[3], "Data/Audio/Sfx/Gunstow.wav"),
    Loop(131, &SfxSounds[4], "Data/Audio/Sfx/Rainatmos.wav"),
    Sound(132, &SfxSounds[7], "Data/Audio/Sfx/Energypickup.wav"),
    Sound(133, &SfxSounds[8], "Data/Audio/Sfx/Weaponpickup.wav"),
    Sound(134, &SfxSounds[9], "Data/Audio/Sfx/Fireberretta.wav"),
    Sound(135, &SfxSounds[10], "Data/Audio/Sfx/Fireuzi.wav"),
    Sound(136, &SfxSounds[11], "Data/Audio/Sfx/Kestgun.wav"),
    Sound(137, &SfxSounds[12], "Data/Audio/Sfx/Specialexplode.wav"),
    Sound(138, &SfxSounds[13], "Data/Audio/Voice/Enemyscream4.wav"),
    Sound(139, &SfxSounds[14], "Data/Audio/Voice/Enemyscream1.wav"),
    Sound(140, &SfxSounds[15], "Data/Audio/Voice/Enemyscream2.wav"),
    Sound(141, &SfxSounds[16], "Data/Audio/Voice/Enemyscream3.wav"),
    Sound(142, &SfxSounds[17], "Data/Audio/Sfx/Ricochet.wav"),
    Sound(143, &SfxSounds[18], "Data/Audio/Sfx/Ricochet2.wav"),
    Sound(144, &SfxSounds[19], "Data/Audio/Sfx/Bloodhit.wav"),
    Sound(145, &SfxSounds[20], "Data/Audio/Sfx/Bodyland.wav"),
    Sound(146, &SfxSounds[21], "Data/Audio/Sfx/Breakmetal.wav"),
    Sound(147, &SfxSounds[22], "Data/Audio/Sfx/Breakwood.wav"),
    Sound(148, &SfxSounds[23], "Data/Audio/Sfx/Breakglass.wav"),
    Sound(149, &SfxSounds[24], "Data/Audio/Sfx/Walkerstepleft.wav"),
    Sound(150, &SfxSounds[25], "Data/Audio/Sfx/Walkerstepright.wav"),
    Sound(151, &SfxSounds[32], "Data/Audio/Sfx/Go.wav"),
    Sound(152, &SfxSounds[33], "Data/Audio/Sfx/KR770legs.wav"),
    Sound(153, &SfxSounds[34], "Data/Audio/Voice/KRroar.wav"),
    Sound(154, &SfxSounds[35], "Data/Audio/Voice/KR20sec.wav"),
    Sound(155, &SfxSounds[36], "Data/Audio/Sfx/Explosion.wav"),
    Sound(156, &SfxSounds[37], "Data/Audio/Sfx/Fire770uzi.wav"),
    Sound(157, &SfxSounds[38], "Data/Audio/Sfx/Firemissile.wav"),
    Sound(158, &SfxSounds[39], "Data/Audio/Sfx/Smoke.wav"),
    Sound(159, &SfxSounds[40], "Data/Audio/Sfx/Motorbike.wav"),
    Sound(160, &SfxSounds[41], "Data/Audio/Sfx/Chainattack.wav"),
    Sound(161, &SfxSounds[42], "Data/Audio/Sfx/Chainidle.wav"),
    Sound(162, &SfxSounds[43], "Data/Audio/Sfx/Firemagnum.wav"),
    Sound(163, &SfxSounds[47], "Data/Audio/Sfx/Kestmove.wav"),
    Sound(164, &SfxSounds[48], "Data/Audio/Sfx/Liftstartend.wav"),
    Loop(165, &SfxSounds[49], "Data/Audio/Sfx/Liftloop.wav"),
    Table(MusicSounds, MusicSoundCount),
    Sound(166, &MusicSounds[0], "Data/Audio/Music/track1_s.ogg"),
    Loop(167, &MusicSounds[1], "Data/Audio/Music/track1_l.ogg"),
    Sound(168, &MusicSounds[2], "Data/Audio/Music/track2_s.ogg"),
    Loop(169, &MusicSounds[3], "Data/Audio/Music/track2_l.ogg"),
};
const int32_t AssetManifestLength = static_cast<int32_t>(sizeof AssetManifest / sizeof AssetManifest[0]);

const SectionStrip SectionStrips[SectionStripCount] = {
    {1, "Data/Graphics/Levels/Street/GasStation.png", 135},
    {2, "Data/Graphics/Levels/Street/Warehouse.png", 120},
    {3, "Data/Graphics/Levels/Street/Alley.png", 16},
    {4, "Data/Graphics/Levels/Factory/Factory.png", 48},
    {5, "Data/Graphics/Levels/Graveyard/Graveyard.png", 64},
    {6, "Data/Graphics/Levels/Steelmill/Steelmill.png", 112},
    {7, "Data/Graphics/Levels/Vxc/Entrance.png", 48},
    {8, "Data/Graphics/Levels/Vxc/Elevator.png", 16},
    {9, "Data/Graphics/Levels/Vxc/Boardroom.png", 16},
    {10, "Data/Graphics/Levels/Junkyard/Junkyard.png", 135},
    {11, "Data/Graphics/Levels/Junkyard/Junkend.png", 16},
    {16, "Data/Graphics/Levels/Factory/Storage.png", 16},
    {21, "Data/Graphics/Levels/Street/AlleyBoard.png", 16},
};

const SectionStrip* FindSectionStrip(int32_t stageNumber) {
    for (const SectionStrip& strip : SectionStrips)
        if (strip.stageNumber == stageNumber) return &strip;
    return nullptr;
}

namespace {

int32_t LoadEntry(const ManifestEntry& e) {
    int32_t handle = 0;
    switch (e.op) {
        case ManifestOp::Image: handle = LoadImageFile(e.path, e.flags); break;
        case ManifestOp::Strip:
            handle = LoadImageStrip(e.path, e.cellWidth, e.cellHeight, 0, e.cellCount, e.flags);
            break;
        case ManifestOp::Sound: handle = LoadSoundFile(e.path, e.flags); break;
        default: break;
    }
    if (handle == 0) StopOnUnloadableFile(e.path);
    if (e.centreOrigin) CentreImageOrigin(handle);
    if (e.setOrigin) SetImageOrigin(handle, e.originX, e.originY);
    return handle;
}

// The file row an entry belongs to: its own, or for a Mask or Table entry the
// next file row.
int32_t RowOf(int32_t index) {
    for (int32_t i = index; i < AssetManifestLength; ++i)
        if (AssetManifest[i].row > 0) return AssetManifest[i].row;
    return AssetFileCount + 1;
}

// What the player can do about missing or damaged data. The Windows program
// comes with its Data folder and cannot make one; a build from the sources
// makes it, and how to build is in the README. No '&' here: a Windows box
// would take it for a keyboard accelerator.
#if defined(_WIN32)
constexpr const char* DataHelp =
    "The Data folder that comes with the game belongs beside streetwarden.exe, with all its files. "
    "Unpack or copy the game again, the program and its Data folder together.";
#else
constexpr const char* DataHelp =
    "The build makes the Data folder: build the game again (see README.md).";
#endif

// The missing files a message lists before it only counts the rest.
constexpr size_t ListedMissingFiles = 10;

}  // namespace

void LoadAssetRows(int32_t firstRow, int32_t lastRow) {
    // The pictures decode on worker threads while the loads below take them
    // in turn, in list order.
    std::vector<std::string> pictures;
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        const bool picture = e.op == ManifestOp::Image || e.op == ManifestOp::Strip;
        if (picture && e.row >= firstRow && e.row <= lastRow) pictures.emplace_back(e.path);
    }
    if (pictures.size() > 1) PrepareImageFiles(pictures);
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const int32_t row = RowOf(i);
        if (row < firstRow || row > lastRow) continue;
        const ManifestEntry& e = AssetManifest[i];
        switch (e.op) {
            case ManifestOp::Mask: SetMaskColour(e.cellWidth, e.cellHeight, e.cellCount); break;
            case ManifestOp::Table:
                for (int32_t k = 0; k < e.cellCount; ++k) e.target[k] = 0;
                break;
            default: *e.target = LoadEntry(e); break;
        }
    }
}

std::vector<std::string> MissingDataFiles() {
    std::vector<std::string> missing;
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.path && PathKind(e.path) != 1) missing.emplace_back(e.path);
    }
    for (const SectionStrip& strip : SectionStrips)
        if (PathKind(strip.path) != 1) missing.emplace_back(strip.path);
    return missing;
}

void CheckGameData() {
    const std::vector<std::string> missing = MissingDataFiles();
    if (missing.empty()) return;
    std::string message;
    if (PathKind("Data") != 2) {
        message = "Kestrion Vigil cannot start: there is no Data folder beside the program.\n";
    } else {
        message = "Kestrion Vigil cannot start: " + std::to_string(missing.size()) + " data file(s) missing:\n";
        for (size_t i = 0; i < missing.size() && i < ListedMissingFiles; ++i) message += "  " + missing[i] + "\n";
        if (missing.size() > ListedMissingFiles) {
            message += "  and " + std::to_string(missing.size() - ListedMissingFiles) + " more\n";
        }
    }
    message += DataHelp;
    FailAndExit(message, 1);
}

void StopOnUnloadableFile(const std::string& path) {
    const std::string message = "Kestrion Vigil stops: the data file " + path +
                                " could not be loaded (damaged, or fewer cells than the game needs).\n" +
                                DataHelp;
    FailAndExit(message, 1);
}
