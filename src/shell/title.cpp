// The title screen.
#include "shell/title.h"

#include <string>

#include "media.h"
#include "shell/assets.h"
#include "shell/credits.h"
#include "shell/fades.h"
#include "shell/keys.h"
#include "shell/logo_screen.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "shell/story.h"
#include "shell/text.h"

const ControlLayout ControlSchemeTable[ControlLayoutCount] = {
    {'A', "(FIRE DUCK JUMP)", 90, 67, 88, 0, 2, 1},
    {'B', "(FIRE JUMP DUCK)", 90, 88, 67, 0, 1, 2},
    {'C', "(JUMP FIRE DUCK)", 88, 90, 67, 1, 0, 2},
    {'D', "(DUCK FIRE JUMP)", 88, 67, 90, 1, 2, 0},
    {'E', "(DUCK JUMP FIRE)", 67, 88, 90, 2, 1, 0},
    {'F', "(JUMP DUCK FIRE)", 67, 90, 88, 2, 0, 1},
};

namespace {

constexpr int32_t JoystickPorts = 16;
constexpr int32_t FrameCycleLast = 300;     // the frame counter runs 0..300
constexpr int32_t ControlLabelFrames = 800;
constexpr int32_t IdleCut = 5;
constexpr int32_t IdleBeforeAttract = 10;

// The locals of one visit, all set anew at each entry.
int32_t TitleResult = -1;        // -1 undecided, 1 start, 0 quit
float TitleTextAlpha = 0.0f;
int32_t TitleFrame = 0;          // 0..300
int32_t TitleIdle = 0;           // rises once per 301-frame cycle
int32_t ControlLabelTimer = 0;   // 0 off, else 1..800
std::string TypedText;
int32_t AttractIndex = 0;        // 0..3

bool KeyHit(int32_t key) { return KeyHitCount(key) == 1; }
bool JoyHit(int32_t button) { return JoyButtonHitCount(button, JoyPort) == 1; }
bool KeyHeld(int32_t key) { return IsKeyDown(key) == 1; }
bool JoyHeld(int32_t button) { return IsJoyButtonDown(button, JoyPort) == 1; }

void CutIdle() {
    if (TitleIdle > IdleCut) TitleIdle = IdleCut;
}

void Beep() { UiChannel = PlaySoundOn(CompBeepSound, 0); }

// The title picture with the maker's line, faded in from black.
void ShowFirstPicture() {
    ClearScreen();
    DrawImageFrame(TitlescreenImage, 0.0f, 0.0f, 0);
    SetBlendMode(BlendLight);
    DrawTextCentered(464, MakerLine);
    SetBlendMode(BlendMask);
    FadeInFromBlack();
    FlushKeyStates();
}

// The title music down in ten steps of 100 ms, then stopped.
void FadeOutTitleMusic() {
    for (float volume = 1.0f; volume >= 0.0f; volume -= 0.1f) {
        SetChannelVolume(MusicChannel, volume);
        SleepMillis(100);
    }
    StopChannel(MusicChannel);
}

// One item of the attract cycle, when the title has been left alone for
// about 33 seconds: the title fades out, then the demo, the credits, the
// story or the logo (in that order, round and round), then the title comes
// back afresh with its music from the start.
void RunAttractStep() {
    FadeOutToBlack();
    FadeOutTitleMusic();
    SleepMillis(1000);
    FlushKeyStates();

    AttractIndex += 1;
    if (AttractIndex > 3) AttractIndex = 0;
    switch (AttractIndex) {
        case 1: RunAttractDemo(); break;
        case 2: ShowCredits(0); break;
        case 3: ShowStory(); break;
        default: ShowLogoScreen(); break;
    }

    // The typed text and the control label carry on.
    MusicChannel = PlaySoundOn(TitleMusic, 0);
    TitleFrame = 0;
    TitleIdle = 0;
    TitleTextAlpha = 0.0f;
    ShowFirstPicture();
}

void ReadStartAndQuit() {
    // Every key is asked, so no press is left counted for a later frame.
    const bool z = KeyHit(VkZ);
    const bool space = KeyHit(VkSpace);
    const bool enter = KeyHit(VkEnter);
    if (z || space || enter) {
        TitleResult = 1;
        ControlDevice = 0;
    }
    const bool fire = JoyHit(0);
    const bool start = JoyHit(JoyButtons[JoyPauseStart]);
    if (fire || start) {
        TitleResult = 1;
        ControlDevice = 1;
    }
    if (KeyHit(VkEscape)) TitleResult = 0;
}

void ReadLayoutChange() {
    const bool key = KeyHit(VkX);
    const bool button = JoyHit(1);
    if (!key && !button) return;
    Beep();
    ControlScheme += 1;
    if (ControlScheme > ControlLayoutCount - 1) ControlScheme = 0;
    CutIdle();
    ControlLabelTimer = 1;
}

void ApplyLayout() {
    if (ControlScheme < 0 || ControlScheme >= ControlLayoutCount) return;
    const ControlLayout& layout = ControlSchemeTable[ControlScheme];
    KeyCodes[KeyFire] = layout.fireKey;
    KeyCodes[KeyJump] = layout.jumpKey;
    KeyCodes[KeyDuck] = layout.duckKey;
    JoyButtons[JoyFire] = layout.fireButton;
    JoyButtons[JoyJump] = layout.jumpButton;
    JoyButtons[JoyDuck] = layout.duckButton;
}

void ReadTypedCode() {
    const std::string code = DebugCode;
    const std::string first = LeftChars(code, 1);
    const int32_t codeLength = static_cast<int32_t>(code.size());
    for (int32_t key = VkA; key <= VkZ; ++key) {
        if (KeyHit(key)) {
            const std::string letter = StringFromCharCode(key);
            TypedText = ConcatStrings(TypedText, letter);
            if (letter == first) TypedText = letter;
        }
        if (static_cast<int32_t>(TypedText.size()) > codeLength) TypedText.clear();
    }
    if (TypedText.size() == 1 && TypedText != first) TypedText.clear();
    if (TypedText == code) {
        DebugMode = DebugMode == 0 ? 1 : 0;
        TypedText.clear();
        Beep();
    }
}

void DrawTitlePicture() {
    SetBlendMode(BlendMask);
    DrawImageFrame(TitlescreenImage, 0.0f, 0.0f, 0);
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(TitleTextAlpha);
    DrawImageFrame(TitletextImage, 9.0f, 95.0f, 0);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}

void CountFrame() {
    TitleFrame += 1;
    if (TitleFrame > FrameCycleLast) TitleFrame = 0;
    if (TitleFrame > FrameCycleLast - 1) TitleIdle += 1;
}

// Drawn in blend mode 4 (light): the maker's line and the alternating prompts.
void DrawPrompts() {
    SetBlendMode(BlendLight);
    DrawTextCentered(464, MakerLine);
    if (TitleFrame >= 1 && TitleFrame <= 74) DrawTextCentered(365, "BUTTON 1 START GAME");
    if (TitleFrame >= 151 && TitleFrame <= 224) DrawTextCentered(365, "BUTTON 2 CONTROLS");
}

void DrawControlLabel() {
    if (ControlLabelTimer > 0) {
        ControlLabelTimer += 1;
        if (ControlLabelTimer > ControlLabelFrames) ControlLabelTimer = 0;
    }
    if (ControlLabelTimer == 0) return;
    if (ControlScheme < 0 || ControlScheme >= ControlLayoutCount) return;
    const ControlLayout& layout = ControlSchemeTable[ControlScheme];
    const std::string text = std::string("CONTROL ") + layout.letter + " " + layout.label;
    DrawTextCentered(405, text);
}

void ShowVersionWhileHeld() {
    const bool key = KeyHeld(VkC);
    const bool button = JoyHeld(2);
    if (!key && !button) return;
    std::string version = VersionLabel;
    const int32_t depth = DisplayColourDepth();
    if (depth > 0) version = ConcatStrings(version, ConcatStrings(" ", StringFromInt(depth)));
    DrawTextCentered(20, version);
    DrawTextCentered(10, ConcatStrings("GAMES PLAYED ", StringFromInt(GamesPlayed)));
    CutIdle();
}

// The first other port whose button 0 is held becomes the port in use.
void FollowJoystickPort() {
    for (int32_t port = 0; port < JoystickPorts; ++port) {
        if (port == JoyPort) continue;
        if (IsJoyButtonDown(0, port) == 1) {
            JoyPort = port;
            return;
        }
    }
}

void ReadSectionSelect() {
    const bool k = KeyHeld(VkK);
    const bool l = KeyHeld(VkL);
    const bool c = KeyHeld(VkC);
    const bool button = JoyHeld(2);
    if (!k || !l || c || button) return;
    CutIdle();
    if (KeyHit(VkLeftArrow)) StartStageIndex -= 1;
    if (KeyHit(VkRightArrow)) StartStageIndex += 1;
    if (StartStageIndex < 1) StartStageIndex = ChainLength;
    if (StartStageIndex > ChainLength) StartStageIndex = 1;
    if (StartStageIndex != 1) DrawTextCentered(20, StageChain[StartStageIndex - 1].name);
}

// The sections the demo picks from, one of the first of each stage.
constexpr int32_t DemoStages[] = {6, 4, 1, 5, 7, 2, 10};

}  // namespace

void RunAttractDemo() {
    DemoMode = 1;
    DemoTick = 0;
    DebugMode = 0;  // not given back afterwards
    const int32_t keptControlDevice = ControlDevice;
    const int32_t keptAutoSelectWeapon = AutoSelectWeapon;
    ControlDevice = 3;  // the demo script plays the hero
    AutoSelectWeapon = 0;

    // A game of its own; the statistics of lives lost and play time are left alone.
    SetGamePlayValues();
    ArmourLevel = 0;  // the demo hero is hurt more often than a player

    StageNumber = DemoStages[RandomInt(0, 6)];
    PlayStage();

    ClearScreen();
    PresentFrame(-1);
    ClearScreen();
    PresentFrame(-1);
    SleepMillis(1000);

    DemoMode = 0;
    ControlDevice = keptControlDevice;
    AutoSelectWeapon = keptAutoSelectWeapon;
}

int32_t RunTitleScreen() {
    ClearScreen();
    PresentFrame(-1);
    JoystickCount();
    if (!IsChannelPlaying(MusicChannel)) MusicChannel = PlaySoundOn(TitleMusic, 0);
    SetClearColour(0, 0, 0);
    TitleResult = -1;
    TitleTextAlpha = 0.0f;
    TitleFrame = 0;
    TitleIdle = 0;
    ControlLabelTimer = 0;
    TypedText.clear();
    AttractIndex = 0;
    StartStageIndex = 1;
    ShowFirstPicture();

    while (TitleResult == -1) {
        TitleTextAlpha += 0.0025f;
        if (TitleTextAlpha > 1.0f) TitleTextAlpha = 1.0f;
        ReadStartAndQuit();
        ReadLayoutChange();
        ApplyLayout();
        ReadTypedCode();
        DrawTitlePicture();
        CountFrame();
        DrawPrompts();
        DrawControlLabel();
        ShowVersionWhileHeld();
        FollowJoystickPort();
        ReadSectionSelect();
        SetBlendMode(BlendMask);
        PresentFrame(-1);
        if (TitleIdle > IdleBeforeAttract) RunAttractStep();
    }

    Beep();
    FadeOutToBlack();
    FadeOutTitleMusic();
    return TitleResult;
}
