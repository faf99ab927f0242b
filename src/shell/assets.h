// Every image, sound and channel the game keeps, as asset handles (0 = none).
// All of them are filled once at start-up (see manifest.h) and kept until
// the process ends; only the section strip (StageStripImage) comes and goes.
#pragma once

#include <cstdint>

// ------------------------------------------------------------------ capture images
// Blank 640 x 480 images that grabs of the back buffer fill.
extern int32_t FadeScreenImage;   // the picture of every fade and the in-stage loop's last frame
extern int32_t PauseScreenImage;  // the frame behind the pause and game-over screens

// ------------------------------------------------------------------ front end
extern int32_t TorvaneImage;      // maker's logo, filtered and unmasked, origin centred
extern int32_t SilverfontImage;   // 44 glyphs of 10 x 11
extern int32_t TitlescreenImage;
extern int32_t TitletextImage;
extern int32_t StorybackImage;
extern int32_t EndsceneImage;
extern int32_t EndtalkfaceImage;

// ------------------------------------------------------------------ scenery
extern int32_t LampPostImage;
extern int32_t WindowImage;
extern int32_t WindowsmallImage;
extern int32_t KestshadowImage;
extern int32_t CruiserImage;           // 2 cells of 111 x 70
extern int32_t FenceBarbImage;
extern int32_t FenceDarkImage;
extern int32_t TrashcanImage;
extern int32_t TyresImage;
extern int32_t OilDrumImage;
extern int32_t BinTyreDrumImage;
extern int32_t Binx3Image;
extern int32_t DrumStackImage;
extern int32_t LightmapImage;
extern int32_t LightbulbImage;
extern int32_t RainImage;              // 16 cells of 8 x 8
extern int32_t RainbigImage;
extern int32_t PillarglassImage;
extern int32_t Pillarglass2Image;
extern int32_t Pillarglass3Image;
extern int32_t Pillarglass4Image;
extern int32_t PillarImage;
extern int32_t RopesImage;
extern int32_t BoarddoorImage;
extern int32_t FacetvImage;
extern int32_t CouchImage;
extern int32_t BoardpillarImage;
extern int32_t LiftscrollImage;
extern int32_t GirderliftImage;
extern int32_t RoofpipesImage;
extern int32_t BoxesImage;
extern int32_t ConveyorbeltImage;      // 2 cells of 79 x 40
extern int32_t GrassImage;
extern int32_t StoneangelImage;
extern int32_t StonegrassImage;
extern int32_t StonerockImage;
extern int32_t StonecrossImage;
extern int32_t StonecurveImage;
extern int32_t ReflectfactoryIntImage;
extern int32_t RedlightImage;          // 6 cells of 55 x 24
extern int32_t HandrailgateImage;
extern int32_t RoofhookImage;          // 8 cells of 36 x 46
extern int32_t FrontgirderImage;
extern int32_t JunkfrontImage;
extern int32_t JunkobjectsAImage;      // 14 cells of 79 x 77
extern int32_t JunkobjectsBImage;      // 10 cells of 39 x 100

// ------------------------------------------------------------------ play and heads-up display
extern int32_t GlassbreakImage;        // 9 cells of 60 x 85
extern int32_t GuntypeiconImage;       // 7 cells of 48 x 19
extern int32_t GunrateImage;           // 5 cells of 19 x 4
extern int32_t BulletsImage;           // 64 cells of 10 x 10
extern int32_t MissileImage;           // 6 cells of 48 x 48
extern int32_t ShellsImage;            // 64 cells of 5 x 5
extern int32_t ScorefontsilverImage;   // 20 cells of 14 x 16
extern int32_t LifesanimfaceImage;     // 8 cells of 14 x 14
extern int32_t GoarrowWImage;
extern int32_t ItemarrowWImage;
extern int32_t CollectablesImage;      // 8 cells of 23 x 51
extern int32_t DestructablesImage;     // 24 cells of 56 x 60
extern int32_t HitFlashImage;          // Spark.png, 3 cells of 23 x 22
extern int32_t SpecialImage;
extern int32_t FiregunImage;           // 14 cells of 34 x 34
extern int32_t DeflectImage;           // 15 cells of 21 x 19
extern int32_t FireballImage;          // 7 cells of 32 x 48
extern int32_t ExplodesmallImage;      // 11 cells of 28 x 30
extern int32_t ExplodemedImage;        // 11 cells of 41 x 46
extern int32_t ExplodebigImage;        // 11 cells of 82 x 92
extern int32_t SmokegfxImage;          // 7 cells of 28 x 30
extern int32_t DrugpowderImage;        // 7 cells of 14 x 15
extern int32_t Detect1Image;

// ------------------------------------------------------------------ image tables
constexpr int32_t EnergyBarImageCount = 3;
constexpr int32_t EnemyImageCount = 19;
constexpr int32_t SkyImageCount = 10;
constexpr int32_t CityImageCount = 11;
constexpr int32_t HeroImageCount = 18;

// [0] hero bar at low energy, [1] hero bar, [2] boss bars; 3 cells of 1 x 7 each
extern int32_t EnergyBarImages[EnergyBarImageCount];
// By enemy kind: [0] sniper, [1] street gunman, [4] biker, [6] chainsaw killer,
// [11] rogue officer, [17] KR770; the others stay 0.
extern int32_t EnemyImages[EnemyImageCount];
// Sky layers: [1] street, [8] and [9] high sky (the end scene draws [9]).
extern int32_t SkyImages[SkyImageCount];
// Far layers: [1] city, [5] trees, [9] small city, [10] junkyard city.
extern int32_t CityImages[CityImageCount];
// Pairs at bases 0 legs walking, 2 body, 4 legs kneeling, 6 body mirrored,
// 11 body lit, 13 body talking: base + HeroFacing (0 left, 1 right).
// Single entries: 8 gun draw, 9 hit frame, 10 hit frame low, 15 "offline",
// 16 rolling helmet, 17 lives animation.
extern int32_t HeroImages[HeroImageCount];

// ------------------------------------------------------------------ sounds
extern int32_t CompBeepSound;
extern int32_t CompBeepLowSound;
extern int32_t PowerUpSound;
extern int32_t PowerDownSound;
extern int32_t EndMusic;
extern int32_t TitleMusic;     // loops
extern int32_t CreditsMusic;   // loops

constexpr int32_t VoiceSoundCount = 10;
constexpr int32_t SfxSoundCount = 50;
constexpr int32_t MusicSoundCount = 4;

// Voice lines: 0 BeTrouble, 1 ComeWithMe, 2 DeadAlive, 3 DropIt, 4 Thankyou,
// 5 StoneHarbor, 6 YourMove, 7 RemainSilent, 8 KestArgh, 9 prime (end scene).
extern int32_t VoiceSounds[VoiceSoundCount];
// Effects by sound number. Loaded: 1..4, 7..25, 32..43, 47..49 ([4] and [49]
// loop); the rest stay 0 and are never played.
extern int32_t SfxSounds[SfxSoundCount];
// Stage music: [0] intro and [1] looping long part of pair 0, [2] and [3] of pair 2.
extern int32_t MusicSounds[MusicSoundCount];

// ------------------------------------------------------------------ channels
// Each slot holds the newest channel started in it.
extern int32_t MusicChannel;       // front-end music and the end scene's voice line
extern int32_t BeepChannel;        // in-stage beeps
extern int32_t UiChannel;          // the title screen's beep
extern int32_t MusicIntroChannel;  // intro part of the stage music
extern int32_t MusicLoopChannel;   // long part of the stage music
extern int32_t VoiceChannel;       // the hero's voice lines

constexpr int32_t SfxChannelCount = 17;
extern int32_t SfxChannels[SfxChannelCount];  // the effect pool

// The six single channels, then the pool's 17, in that order.
void AllocateChannels();
