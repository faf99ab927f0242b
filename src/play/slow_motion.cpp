// Slow motion and the stereo pans.
#include "play/slow_motion.h"

#include "media.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

void UpdateSlowMotion() {
    if (SlowMotion != 4) return;
    // Whatever restarts the music, it stays silent while the mode runs.
    if (MusicOn == 1) {
        StopChannel(MusicIntroChannel);
        StopChannel(MusicLoopChannel);
    }
    if (TimerTick == 0) --SlowMotionLeft;
    if (SlowCharge == 1) {
        SlowMotionLeft = 1;
        TimerTick = 0;
    }
    if (SlowMotionLeft < 1) {
        SlowMotion = 0;
        SlowCharge = 0;
        // A fresh channel that nobody keeps: the pause and the closing fade
        // do not reach it.
        PlaySoundOn(PowerUpSound, 0);
        if (MusicOn == 1) StartMusic();
    }
    if (TimerTick == 0) {
        --SlowCharge;
        if (SlowCharge < 0) SlowCharge = 0;
    }
}

float StereoPanFromScreenX(int32_t screenX) {
    float pan = -1.1f;
    for (int64_t k = 0; k <= screenX; k += 32) pan = pan + 0.1f;
    return pan;
}

void UpdateHeroPan() { HeroPan = StereoPanFromScreenX(HeroX + CameraX); }

void EnemySoundPan(int32_t slot) {
    if (slot < 0 || slot >= EnemySlots) return;
    EnemyPan = StereoPanFromScreenX(EnemyX[slot] + CameraX);
}

void PropSoundPan(int32_t slot) {
    if (slot < 0 || slot >= PropSlots) return;
    PropPan = StereoPanFromScreenX(PropX[slot] + CameraX);
}

void ExplosionSoundPan(int32_t slot) {
    if (slot < 0 || slot >= ExplosionSlots) return;
    ExplosionPan = StereoPanFromScreenX(ExplosionX[slot] + CameraX);
}

void DropSoundPan(int32_t slot) {
    if (slot < 0 || slot >= BloodDropSlots) return;
    BloodDropPan = StereoPanFromScreenX(BloodDropX[slot] + CameraX);
}
