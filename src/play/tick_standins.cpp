// Stand-ins for the tick steps that are not built yet; see tick_standins.h.
#include "play/tick_standins.h"

int32_t PropBurnTick = 0;
int32_t GoArrowTimer = 0;
int32_t StageTitleState = 0;
float StageTitleAlpha = 0.0f;
int32_t RainDensity = 0;
int32_t HeavyRainTime = 0;

void UpdatePickups() {}

void UpdateSceneryObjects() {}

void UpdateAirStrike() {}

void CheckHeroHits() {}
