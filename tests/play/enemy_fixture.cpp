#include "enemy_fixture.h"

#include <string>

#include "media.h"
#include "media_internal.h"
#include "play/enemies.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/manifest.h"
#include "shell/records.h"

namespace enemytest {

namespace {

// The effect sounds of the generated Data folder, as start-up loads them.
void LoadSfx() {
    const std::string data = STREETWARDEN_DATA_DIR;
    for (int32_t i = 0; i < AssetManifestLength; ++i) {
        const ManifestEntry& e = AssetManifest[i];
        if (e.op != ManifestOp::Sound) continue;
        if (e.target < SfxSounds || e.target >= SfxSounds + SfxSoundCount) continue;
        std::string path = e.path;
        if (path.rfind("Data/", 0) == 0) path = path.substr(5);
        *e.target = LoadSoundFile(data + "/" + path, e.flags);
    }
}

}  // namespace

void EnemyScene::SetUp() {
    headless::Reset(100000);
    SetStartupDefaults();
    SetNewGameValues();
    CreateActorTables();
    EmptyActorTables();
    EmptySpawnEntryTable();
    AllocateChannels();
    LoadSfx();

    StageNumber = 6;
    StageLength = 4480;
    StageResult = 0;
    StageKills = 0;
    CameraX = ScrollLock = 0;
    SlowMotion = SlowMotionTick = 0;
    EnemySpeedToggle = 1;
    EnemyHalfStep = 0;
    EnemyAnimDivider = 0;
    EnemyTickTime = ElapsedMillis();
    ScreenShake = 0;
    AirStrikeActive = 0;
    Cycle26 = 5;

    HeroX = 200;
    HeroFootY = 278;
    HeroLane = 0;
    HeroState = 0;
    HeroJumpPhase = 0;
    HeroWeapon = 0;
}

void EnemyScene::TearDown() { headless::Reset(); }

void EnemyScene::EnemyTick() {
    headless::AdvanceClock(10);
    UpdateEnemies();
}

int32_t EnemyScene::PlayingSfx() {
    int32_t n = 0;
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) n += IsChannelPlaying(SfxChannels[slot]) ? 1 : 0;
    return n;
}

bool SfxPlaying(int32_t n) {
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) {
        const media::ChannelInfo c = media::QueryChannel(SfxChannels[slot]);
        if (c.busy && c.sound == SfxSounds[n]) return true;
    }
    return false;
}

void QuietPool() {
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) StopChannel(SfxChannels[slot]);
}

void PutGunman(int32_t slot, int32_t x, int32_t lane, int32_t state) {
    EnemyKind[slot] = 1;
    EnemyX[slot] = x;
    EnemyY[slot] = 240;
    EnemyLane[slot] = lane;
    EnemyDrift[slot] = 0;
    EnemyState[slot] = state;
    EnemyFacing[slot] = state == 1 ? 1 : 0;
    EnemyFrame[slot] = state == 1 ? 0 : 11;
    EnemyHealth[slot] = 2;
    EnemyShotCount[slot] = -1;
    EnemyShotLatch[slot] = 0;
}

int32_t LiveEnemies() {
    int32_t n = 0;
    for (int32_t slot = 0; slot < EnemySlots; ++slot) n += EnemyKind[slot] >= 0 ? 1 : 0;
    return n;
}

}  // namespace enemytest
