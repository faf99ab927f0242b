// The developer tools' state dump.
#include "dump.h"

#include <cmath>

#include "media.h"
#include "play/stage_clock.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

// A small writer of compact JSON into a string.
class JsonWriter {
public:
    void BeginObject(const char* name) {
        Key(name);
        text_ += '{';
        first_ = true;
    }
    void BeginRoot() {
        text_ += '{';
        first_ = true;
    }
    void EndObject() {
        text_ += '}';
        first_ = false;
    }
    void Int(const char* name, int64_t value) {
        Key(name);
        text_ += std::to_string(value);
    }
    void Float(const char* name, float value) {
        Key(name);
        if (!std::isfinite(value)) {
            text_ += "null";
            return;
        }
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(value));
        text_ += buf;
    }
    void String(const char* name, const std::string& value) {
        Key(name);
        Quote(value);
    }
    template <size_t N>
    void Array(const char* name, const int32_t (&values)[N]) {
        Key(name);
        text_ += '[';
        for (size_t i = 0; i < N; ++i) {
            if (i) text_ += ',';
            text_ += std::to_string(values[i]);
        }
        text_ += ']';
    }
    const std::string& Text() const { return text_; }

private:
    void Key(const char* name) {
        if (!first_) text_ += ',';
        first_ = false;
        Quote(name);
        text_ += ':';
    }
    void Quote(const std::string& s) {
        text_ += '"';
        for (unsigned char c : s) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += static_cast<char>(c);
            } else if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                text_ += buf;
            } else {
                text_ += static_cast<char>(c);
            }
        }
        text_ += '"';
    }

    std::string text_;
    bool first_ = true;
};

void DumpRecords(JsonWriter& w) {
    w.BeginObject("Hero");
    w.Int("HeroX", HeroX);
    w.Int("HeroFootY", HeroFootY);
    w.Int("HeroLane", HeroLane);
    w.Int("HeroFacing", HeroFacing);
    w.Int("HeroState", HeroState);
    w.Int("HeroStateSaved", HeroStateSaved);
    w.Int("HeroPose", HeroPose);
    w.Int("HeroTorsoFrame", HeroTorsoFrame);
    w.Int("HeroWalkStep", HeroWalkStep);
    w.Int("HeroJumpPhase", HeroJumpPhase);
    w.Int("HeroAnimStep", HeroAnimStep);
    w.Int("HeroAnimTime", HeroAnimTime);
    w.Int("HeroEnergy", HeroEnergy);
    w.Int("HelmetOn", HelmetOn);
    w.Int("HeroWeapon", HeroWeapon);
    w.Int("AmmoWeapon1", AmmoWeapon1);
    w.Int("AmmoWeapon2", AmmoWeapon2);
    w.Int("AmmoWeapon5", AmmoWeapon5);
    w.Int("SpecialReady", SpecialReady);
    w.Int("DoubleShot", DoubleShot);
    w.Int("PowerUpCount", PowerUpCount);
    w.Int("FireInterval", FireInterval);
    w.Int("BurstMax", BurstMax);
    w.Int("BurstCount", BurstCount);
    w.Int("LastShotTime", LastShotTime);
    w.Int("ArmourLevel", ArmourLevel);
    w.Int("MuzzleFlash", MuzzleFlash);
    w.Float("HeroPan", HeroPan);
    w.Float("WallShadowAlpha", WallShadowAlpha);
    w.EndObject();
    w.BeginObject("StageState");
    w.Int("StageNumber", StageNumber);
    w.Int("StageLength", StageLength);
    w.Int("StageResult", StageResult);
    w.Int("TimeLeft", TimeLeft);
    w.Int("TimerTick", TimerTick);
    w.Int("CameraX", CameraX);
    w.Int("ScrollColumn", ScrollColumn);
    w.Int("ScrollSub", ScrollSub);
    w.Int("ScrollLock", ScrollLock);
    w.Int("ParallaxA", ParallaxA);
    w.Int("ParallaxB", ParallaxB);
    w.Int("ParallaxC", ParallaxC);
    w.Int("ParallaxD", ParallaxD);
    w.Float("ParallaxF", ParallaxF);
    w.Int("ParallaxDir", ParallaxDir);
    w.Int("ParallaxDiv", ParallaxDiv);
    w.Int("ScreenShake", ScreenShake);
    w.Int("StageKills", StageKills);
    w.Int("LiveEnemyCount", LiveEnemyCount);
    w.Int("SlowMotion", SlowMotion);
    w.Int("SlowMotionTick", SlowMotionTick);
    w.Int("SlowMotionLeft", SlowMotionLeft);
    w.Int("AirStrikeActive", AirStrikeActive);
    w.Int("AirStrikeTick", AirStrikeTick);
    w.Int("BlastEventTick", BlastEventTick);
    w.Int("Cycle8", Cycle8);
    w.Int("Cycle26", Cycle26);
    w.Int("Cycle8Tick", Cycle8Tick);
    w.Int("CycleTick", CycleTick);
    w.Int("RedLightFrame", RedLightFrame);
    w.Int("ElevatorShaft", ElevatorShaft);
    w.Int("ElevatorObjectY", ElevatorObjectY);
    w.Int("EnemyAnimDivider", EnemyAnimDivider);
    w.Int("EnemySpeedToggle", EnemySpeedToggle);
    w.Int("EnemyHalfStep", EnemyHalfStep);
    w.Float("EnemyPan", EnemyPan);
    w.Float("PropPan", PropPan);
    w.Float("ExplosionPan", ExplosionPan);
    w.Float("BloodDropPan", BloodDropPan);
    w.EndObject();
    w.BeginObject("GameSession");
    w.Int("Lives", Lives);
    w.Int("EnemiesKilled", EnemiesKilled);
    w.Int("BulletsFired", BulletsFired);
    w.Int("LivesLost", LivesLost);
    w.Int("GameStartTime", GameStartTime);
    w.Int("SlowCharge", SlowCharge);
    w.Int("DemoMode", DemoMode);
    w.Int("DemoTick", DemoTick);
    w.Int("StartStageIndex", StartStageIndex);
    w.Int("DebugMode", DebugMode);
    w.Int("Difficulty", Difficulty);
    w.Int("AutoSelectWeapon", AutoSelectWeapon);
    w.EndObject();
    w.BeginObject("Settings");
    w.Int("GamesPlayed", GamesPlayed);
    w.Int("ControlScheme", ControlScheme);
    w.Int("MusicOn", MusicOn);
    w.Int("AltEnergyBar", AltEnergyBar);
    w.Int("ShowPlayClock", ShowPlayClock);
    w.Float("Brightness", Brightness);
    w.Int("ShowFps", ShowFps);
    w.EndObject();
    w.BeginObject("InputState");
    w.Array("KeyCodes", KeyCodes);
    w.Array("JoyButtons", JoyButtons);
    w.Int("ControlDevice", ControlDevice);
    w.Int("JoyPort", JoyPort);
    w.Int("InputDir", InputDir);
    w.Int("FireHeld", FireHeld);
    w.Int("FireHit", FireHit);
    w.Int("JumpHit", JumpHit);
    w.EndObject();
    w.BeginObject("GameFlow");
    w.String("VersionLabel", VersionLabel);
    w.Int("DataReadCursor", DataReadCursor);
    w.Int("StageStripImage", StageStripImage);
    w.EndObject();
}

void DumpTables(JsonWriter& w) {
    w.BeginObject("tables");
    w.BeginObject("Enemy");
    w.Array("EnemyKind", EnemyKind);
    w.Array("EnemyX", EnemyX);
    w.Array("EnemyY", EnemyY);
    w.Array("EnemyLane", EnemyLane);
    w.Array("EnemyDrift", EnemyDrift);
    w.Array("EnemyState", EnemyState);
    w.Array("EnemyFacing", EnemyFacing);
    w.Array("EnemyFrame", EnemyFrame);
    w.Array("EnemyHealth", EnemyHealth);
    w.Array("EnemyShotCount", EnemyShotCount);
    w.Array("EnemyShotLatch", EnemyShotLatch);
    w.EndObject();
    w.BeginObject("Bullet");
    w.Array("BulletActive", BulletActive);
    w.Array("BulletOwner", BulletOwner);
    w.Array("BulletX", BulletX);
    w.Array("BulletY", BulletY);
    w.Array("BulletLane", BulletLane);
    w.Array("BulletKind", BulletKind);
    w.Array("BulletDir", BulletDir);
    w.EndObject();
    w.BeginObject("Bomb");
    w.Array("BombX", BombX);
    w.Array("BombY", BombY);
    w.Array("BombState", BombState);
    w.EndObject();
    w.BeginObject("ShellCasing");
    w.Array("ShellCasingX", ShellCasingX);
    w.Array("ShellCasingY", ShellCasingY);
    w.Array("ShellCasingSpin", ShellCasingSpin);
    w.Array("ShellCasingKind", ShellCasingKind);
    w.Array("ShellCasingSide", ShellCasingSide);
    w.Array("ShellCasingFloorY", ShellCasingFloorY);
    w.EndObject();
    w.BeginObject("Pickup");
    w.Array("PickupKind", PickupKind);
    w.Array("PickupX", PickupX);
    w.Array("PickupY", PickupY);
    w.EndObject();
    w.BeginObject("Prop");
    w.Array("PropFrame", PropFrame);
    w.Array("PropX", PropX);
    w.Array("PropY", PropY);
    w.EndObject();
    w.BeginObject("Explosion");
    w.Array("ExplosionX", ExplosionX);
    w.Array("ExplosionY", ExplosionY);
    w.Array("ExplosionFrame", ExplosionFrame);
    w.Array("ExplosionKind", ExplosionKind);
    w.EndObject();
    w.BeginObject("BloodDrop");
    w.Array("BloodDropX", BloodDropX);
    w.Array("BloodDropY", BloodDropY);
    w.Array("BloodDropAge", BloodDropAge);
    w.Array("BloodDropDrift", BloodDropDrift);
    w.Array("BloodDropFloorY", BloodDropFloorY);
    w.EndObject();
    w.BeginObject("SpawnEntry");
    w.Array("SpawnEntryKind", SpawnEntryKind);
    w.Array("SpawnEntryX", SpawnEntryX);
    w.Array("SpawnEntryY", SpawnEntryY);
    w.Array("SpawnEntrySide", SpawnEntrySide);
    w.EndObject();
    w.BeginObject("Corpse");
    w.Array("CorpseKind", CorpseKind);
    w.Array("CorpseX", CorpseX);
    w.Array("CorpseY", CorpseY);
    w.Array("CorpseFrame", CorpseFrame);
    w.Int("CorpseNext", CorpseNext);
    w.EndObject();
    w.BeginObject("Debris");
    w.Array("DebrisX", DebrisX);
    w.Array("DebrisY", DebrisY);
    w.Array("DebrisFrame", DebrisFrame);
    w.EndObject();
    w.BeginObject("HitFlash");
    w.Int("HitFlashX", HitFlashX);
    w.Int("HitFlashY", HitFlashY);
    w.Int("HitFlashFrame", HitFlashFrame);
    w.Int("HitFlashKind", HitFlashKind);
    w.EndObject();
    w.BeginObject("FlyingHelmet");
    w.Int("HelmetState", HelmetState);
    w.Int("HelmetX", HelmetX);
    w.Int("HelmetY", HelmetY);
    w.Int("HelmetFloorY", HelmetFloorY);
    w.Int("HelmetFrame", HelmetFrame);
    w.Int("HelmetTick", HelmetTick);
    w.EndObject();
    w.EndObject();
}

void DumpLoop(JsonWriter& w) {
    w.BeginObject("Loop");
    w.String("FpsText", FpsText);
    w.Int("ParallaxTick", ParallaxTick);
    w.Int("ParallaxTickD", ParallaxTickD);
    w.Int("ElevatorTime", ElevatorTime);
    w.EndObject();
}

}  // namespace

void WriteStateDump(std::FILE* out, const DumpHeader& header) {
    JsonWriter w;
    w.BeginRoot();
    w.String("at", header.at);
    w.Int("pass", header.pass);
    w.Int("sectionPass", header.sectionPass);
    w.Int("clock", header.clock);
    w.Int("randomState", RandomState());
    w.Int("result", header.result);
    DumpRecords(w);
    DumpLoop(w);
    DumpTables(w);
    w.EndObject();
    std::fprintf(out, "%s\n", w.Text().c_str());
    std::fflush(out);
}
