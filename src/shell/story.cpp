// The story screen, and the music fades and skip input of the scrolling screens.
#include "shell/story.h"

#include <algorithm>
#include <cstring>

#include "media.h"
#include "shell/assets.h"
#include "shell/fades.h"
#include "shell/keys.h"
#include "shell/records.h"
#include "shell/text.h"

namespace {

constexpr int32_t StoryMusicStepMillis = 250;

// Each line's place below the top of the text; a gap of 30 extra pixels
// opens each new paragraph.
struct StoryLine {
    const char* text;
    int32_t offset;
};
constexpr StoryLine StoryLines[] = {
    {"Crime in old Ostgrave has spiralled out of control.", 0},
    {"Vexacorp are happy with this crime rate", 45},
    {"as the destruction of old Ostgrave nears completion", 60},
    {"they are free to begin construction of their own", 75},
    {"completely controlled Calverra.", 90},
    {"To disguise their plan as they watch Ostgrave crumble", 135},
    {"VXC begin mass production of their now out dated", 150},
    {"crime prevention unit.", 165},
    {"These units however are assembled at a low cost with", 210},
    {"their organic systems provided by executed convicts", 225},
    {"and programmed to kill not only the guilty but...", 240},
    {"the innocent.", 255},
    {"One lone crime prevention unit stands between the", 300},
    {"VXC army of crazed robotic cops and their", 315},
    {"plan for complete control...", 330},
    {"Kestrion", 375},
};

constexpr int32_t TextStart = 490;      // the text's top when the story begins
constexpr int32_t TextStop = 46;        // ... and where it comes to rest
constexpr int32_t FramesPerPixel = 6;   // the text climbs a pixel every 6 frames
constexpr float BackStart = 480.0f;     // the story picture's y when it begins
constexpr float BackStep = 0.1f;        // ... rising this much a frame
constexpr float BackStop = -50.0f;      // ... until here, where the story ends

}  // namespace

bool SkipInputHit() {
    const bool escape = KeyHitCount(VkEscape) == 1;
    const bool z = KeyHitCount(VkZ) == 1;
    const bool space = KeyHitCount(VkSpace) == 1;
    const bool enter = KeyHitCount(VkEnter) == 1;
    const bool fire = JoyButtonHitCount(0, JoyPort) == 1;
    const bool start = JoyButtonHitCount(JoyButtons[JoyPauseStart], JoyPort) == 1;
    return escape || z || space || enter || fire || start;
}

void FadeInScreenMusic(int32_t music, int32_t stepMillis) {
    // Started paused and let go only once silenced, so not one sample sounds
    // at full volume before the fade-in.
    MusicChannel = CueSoundOn(music, 0);
    SetChannelVolume(MusicChannel, 0.0f);
    ResumeChannel(MusicChannel);
    // The sum of ten steps of 0.1 comes out just above 1: the last step is 0.9.
    for (float volume = 0.0f; volume <= 1.0f; volume += 0.1f) {
        SetChannelVolume(MusicChannel, volume);
        SleepMillis(stepMillis);
    }
}

void FadeOutScreenMusic(int32_t stepMillis) {
    // Ten steps, 1.0 down to 0.1: the tenth subtraction lands just below 0.
    for (float volume = 1.0f; volume >= 0.0f; volume -= 0.1f) {
        SetChannelVolume(MusicChannel, volume);
        SleepMillis(stepMillis);
    }
    StopChannel(MusicChannel);
}

int32_t CentredTextX(const char* text) {
    const int32_t length = static_cast<int32_t>(std::strlen(text));
    return (640 - 9 * length) / 2;
}

void ShowStory() {
    ClearScreen();
    FadeInScreenMusic(CreditsMusic, StoryMusicStepMillis);

    // A skip pressed while the music came up is forgotten.
    FlushKeyStates();
    int32_t scroll = TextStart;
    int32_t divider = 0;
    float backY = BackStart;
    FlushKeyStates();

    bool skip = false;
    do {
        ClearScreen();
        backY -= BackStep;
        if (backY < BackStop) backY = BackStop;
        SetBlendMode(BlendMask);
        DrawImageFrame(StorybackImage, 0.0f, backY, 0);

        // Each line shows only while its own place is inside the screen, so
        // the lines come up one by one from the bottom.
        const int32_t top = std::max(scroll, TextStop);
        for (const StoryLine& line : StoryLines) {
            const int32_t y = top + line.offset;
            if (y > -20 && y < 480) {
                SetBlendMode(BlendLight);
                DrawTextAt(line.text, CentredTextX(line.text), y);
            }
        }
        divider += 1;
        if (divider > FramesPerPixel - 1) {
            divider = 0;
            scroll -= 1;
        }
        PresentFrame(-1);
        skip = SkipInputHit();
    } while (backY > BackStop && !skip);

    SetBlendMode(BlendMask);
    FadeOutToBlack();
    ClearScreen();
    FadeOutScreenMusic(StoryMusicStepMillis);
    SleepMillis(2000);
    FlushKeyStates();
}
