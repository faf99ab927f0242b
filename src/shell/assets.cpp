// The asset globals and tables; 0 until start-up loads them.
#include "shell/assets.h"

#include "media.h"

int32_t FadeScreenImage = 0;
int32_t PauseScreenImage = 0;

int32_t TorvaneImage = 0;
int32_t SilverfontImage = 0;
int32_t TitlescreenImage = 0;
int32_t TitletextImage = 0;
int32_t StorybackImage = 0;
int32_t EndsceneImage = 0;
int32_t EndtalkfaceImage = 0;

int32_t LampPostImage = 0;
int32_t WindowImage = 0;
int32_t WindowsmallImage = 0;
int32_t KestshadowImage = 0;
int32_t CruiserImage = 0;
int32_t FenceBarbImage = 0;
int32_t FenceDarkImage = 0;
int32_t TrashcanImage = 0;
int32_t TyresImage = 0;
int32_t OilDrumImage = 0;
int32_t BinTyreDrumImage = 0;
int32_t Binx3Image = 0;
int32_t DrumStackImage = 0;
int32_t LightmapImage = 0;
int32_t LightbulbImage = 0;
int32_t RainImage = 0;
int32_t RainbigImage = 0;
int32_t PillarglassImage = 0;
int32_t Pillarglass2Image = 0;
int32_t Pillarglass3Image = 0;
int32_t Pillarglass4Image = 0;
int32_t PillarImage = 0;
int32_t RopesImage = 0;
int32_t BoarddoorImage = 0;
int32_t FacetvImage = 0;
int32_t CouchImage = 0;
int32_t BoardpillarImage = 0;
int32_t LiftscrollImage = 0;
int32_t GirderliftImage = 0;
int32_t RoofpipesImage = 0;
int32_t BoxesImage = 0;
int32_t ConveyorbeltImage = 0;
int32_t GrassImage = 0;
int32_t StoneangelImage = 0;
int32_t StonegrassImage = 0;
int32_t StonerockImage = 0;
int32_t StonecrossImage = 0;
int32_t StonecurveImage = 0;
int32_t ReflectfactoryIntImage = 0;
int32_t RedlightImage = 0;
int32_t HandrailgateImage = 0;
int32_t RoofhookImage = 0;
int32_t FrontgirderImage = 0;
int32_t JunkfrontImage = 0;
int32_t JunkobjectsAImage = 0;
int32_t JunkobjectsBImage = 0;

int32_t GlassbreakImage = 0;
int32_t GuntypeiconImage = 0;
int32_t GunrateImage = 0;
int32_t BulletsImage = 0;
int32_t MissileImage = 0;
int32_t ShellsImage = 0;
int32_t ScorefontsilverImage = 0;
int32_t LifesanimfaceImage = 0;
int32_t GoarrowWImage = 0;
int32_t ItemarrowWImage = 0;
int32_t CollectablesImage = 0;
int32_t DestructablesImage = 0;
int32_t HitFlashImage = 0;
int32_t SpecialImage = 0;
int32_t FiregunImage = 0;
int32_t DeflectImage = 0;
int32_t FireballImage = 0;
int32_t ExplodesmallImage = 0;
int32_t ExplodemedImage = 0;
int32_t ExplodebigImage = 0;
int32_t SmokegfxImage = 0;
int32_t DrugpowderImage = 0;
int32_t Detect1Image = 0;

int32_t EnergyBarImages[EnergyBarImageCount] = {};
int32_t EnemyImages[EnemyImageCount] = {};
int32_t SkyImages[SkyImageCount] = {};
int32_t CityImages[CityImageCount] = {};
int32_t HeroImages[HeroImageCount] = {};

int32_t CompBeepSound = 0;
int32_t CompBeepLowSound = 0;
int32_t PowerUpSound = 0;
int32_t PowerDownSound = 0;
int32_t EndMusic = 0;
int32_t TitleMusic = 0;
int32_t CreditsMusic = 0;

int32_t VoiceSounds[VoiceSoundCount] = {};
int32_t SfxSounds[SfxSoundCount] = {};
int32_t MusicSounds[MusicSoundCount] = {};

int32_t MusicChannel = 0;
int32_t BeepChannel = 0;
int32_t UiChannel = 0;
int32_t MusicIntroChannel = 0;
int32_t MusicLoopChannel = 0;
int32_t VoiceChannel = 0;
int32_t SfxChannels[SfxChannelCount] = {};

void AllocateChannels() {
    MusicChannel = AllocateChannel();
    BeepChannel = AllocateChannel();
    UiChannel = AllocateChannel();
    MusicIntroChannel = AllocateChannel();
    MusicLoopChannel = AllocateChannel();
    VoiceChannel = AllocateChannel();
    for (int32_t i = 0; i < SfxChannelCount; ++i) SfxChannels[i] = AllocateChannel();
}
