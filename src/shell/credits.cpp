// The credits and the end scene.
#include "shell/credits.h"

#include <algorithm>

#include "draw/rain.h"  // DrawBrightnessOverlay
#include "media.h"
#include "shell/assets.h"
#include "shell/fades.h"
#include "shell/hotkeys.h"
#include "shell/records.h"
#include "shell/story.h"
#include "shell/text.h"
#include "shell/title.h"  // MakerLine

namespace {

constexpr int32_t CreditsMusicStepMillis = 500;

// A heading and a second line 15 pixels below it, at its place below the
// top of the credits.
struct CreditRow {
    const char* heading;
    const char* second;
    int32_t offset;
};
constexpr int32_t SecondLineGap = 15;
constexpr CreditRow CreditRows[] = {
    {"", "", 0},
    {"KESTRION VIGIL", "", 105},
    {"PROGRAMMING", "ODA WRENFIELD", 210},
    {"LEAD TEST", "TAMSIN KORVALE", 315},
    {"TESTING", "ILYA MARROWGATE", 420},
    {"CODE", "C PLUS PLUS", 525},
    {"VERSIONS", "PC MAC LINUX", 630},
    {"MOTION PICTURE", "STREETWARDEN FILMWORKS", 735},
    {"INTERNET", "STREETWARDEN.EXAMPLE", 840},
    {"", "", 945},
    {"KESTRION VIGIL", MakerLine, 1275},
};

constexpr int32_t CreditsStart = 400;     // scroll position when the credits begin
constexpr int32_t CreditsRest = -1047;    // the rows stand still from here
constexpr int32_t CreditsEnd = -1200;     // the credits end below this
constexpr int32_t FramesPerPixel = 3;     // a pixel every 3 frames

// The end scene's sky layers, letterbox and talking windows.
constexpr float FarSkyStep = 0.4f;
constexpr float NearSkyStep = 0.2f;
constexpr float SkyWrap = -640.0f;
constexpr int32_t VoiceAfterMillis = 2000;
constexpr int32_t EndSceneMillis = 12000;
struct TalkWindow {
    int32_t after;   // ms, exclusive
    int32_t before;  // ms, exclusive
};
constexpr TalkWindow TalkWindows[] = {{2000, 3300}, {4000, 5100}, {6000, 6800}};
constexpr int32_t VoicePrime = 9;

void DrawCreditLine(const char* text, int32_t y) { DrawTextAt(text, CentredTextX(text), y); }

void DrawEndScenePicture(float farSky, float nearSky) {
    const int32_t sky = SkyImages[9];
    DrawImageFrame(sky, farSky, 72.0f, 0);
    DrawImageFrame(sky, farSky + 640.0f, 72.0f, 0);
    DrawImageFrame(sky, nearSky, 156.0f, 0);
    DrawImageFrame(sky, nearSky + 640.0f, 156.0f, 0);
    DrawImageFrame(EndsceneImage, 0.0f, 120.0f, 0);
}

bool Talking(int32_t sinceStart) {
    for (const TalkWindow& window : TalkWindows) {
        if (sinceStart > window.after && sinceStart < window.before) return true;
    }
    return false;
}

}  // namespace

void ShowCredits(int32_t withEndScene) {
    ClearScreen();
    FadeInScreenMusic(CreditsMusic, CreditsMusicStepMillis);

    FlushKeyStates();
    int32_t scroll = CreditsStart;
    int32_t divider = 0;
    FlushKeyStates();

    // No drawing state is set here: the rows come in the state the music's
    // fade-in found, the plain one every fade leaves.
    bool skip = false;
    do {
        ClearScreen();
        const int32_t top = std::max(scroll, CreditsRest);
        for (const CreditRow& row : CreditRows) {
            // Whether a row shows follows the scroll position, even once the
            // rows stand still.
            const int32_t place = scroll + row.offset;
            if (place > -20 && place < 480) {
                DrawCreditLine(row.heading, top + row.offset);
                DrawCreditLine(row.second, top + row.offset + SecondLineGap);
            }
        }
        divider += 1;
        if (divider > FramesPerPixel - 1) {
            divider = 0;
            scroll -= 1;
        }
        PresentFrame(-1);
        skip = SkipInputHit();
    } while (scroll >= CreditsEnd && !skip);

    FadeOutToBlack();
    ClearScreen();
    FadeOutScreenMusic(CreditsMusicStepMillis);
    if (withEndScene == 1) {
        SleepMillis(2000);
        ShowEndScene();
        SleepMillis(2000);
    }
    FlushKeyStates();
}

void ShowEndScene() {
    SetClearColour(0, 0, 0);
    float farSky = 0.0f;
    float nearSky = 0.0f;
    SetClipRect(0, 120, 640, 240);

    DrawEndScenePicture(farSky, nearSky);
    DrawBrightnessOverlay();
    FadeInFromBlack();
    FlushKeyStates();
    const int32_t shownAt = ElapsedMillis();

    bool voiceStarted = false;
    do {
        ClearScreen();
        farSky -= FarSkyStep;
        if (farSky <= SkyWrap) farSky = 0.0f;
        nearSky -= NearSkyStep;
        if (nearSky <= SkyWrap) nearSky = 0.0f;
        HandleBrightnessKeys();
        if (!voiceStarted && MillisSince(shownAt) > VoiceAfterMillis) {
            MusicChannel = PlaySoundOn(VoiceSounds[VoicePrime], 0);
            voiceStarted = true;
        }
        DrawEndScenePicture(farSky, nearSky);
        // The mouth moves two frames in three while the voice speaks.
        if (Talking(MillisSince(shownAt))) {
            if (RandomInt(0, 2) > 0) DrawImageFrame(EndtalkfaceImage, 317.0f, 253.0f, 0);
        }
        DrawBrightnessOverlay();
        PresentFrame(-1);
    } while (MillisSince(shownAt) <= EndSceneMillis);

    // The voice line is left to end by itself.
    SetClipRect(0, 0, 640, 480);
    FadeOutToBlack();
}
