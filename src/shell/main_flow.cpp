// Start-up, the outer game flow and the stage starter.
#include "shell/main_flow.h"

#include <string>

#include "media.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/fades.h"
#include "shell/manifest.h"
#include "shell/records.h"
#include "shell/settings.h"
#include "shell/credits.h"
#include "shell/logo_screen.h"
#include "shell/results.h"
#include "shell/story.h"
#include "shell/text.h"
#include "shell/title.h"

const ChainStep StageChain[ChainLength] = {
    {6, "STAGE 1 STEELMILL"},
    {4, "STAGE 2 FACTORY"},
    {16, "STAGE 2 STORAGE"},
    {1, "STAGE 3 GAS STATION ST."},
    {3, "STAGE 3 ALLEY"},
    {5, "STAGE 4 GRAVEYARD"},
    {7, "STAGE 5 VXC"},
    {8, "STAGE 5 ELEVATOR"},
    {9, "STAGE 5 BOARDROOM"},
    {2, "STAGE 6 WAREHOUSE ST."},
    {21, "STAGE 6 BILLBOARD"},
    {10, "STAGE 7 JUNKYARD"},
    {11, "FINAL STAGE"},
};

int32_t EntryStarted = 0;
int32_t MainStarted = 0;

namespace {

constexpr const char* AppTitle = "Kestrion Vigil";
// Title, maker's line, web address and an empty line head both questions.
constexpr const char* QuestionHeading = "Kestrion Vigil\rA Streetwarden game\rstreetwarden.example\r\r";

// Start-up makes every table of integers anew, all zeros.
void CreateTables() {
    for (int32_t& code : KeyCodes) code = 0;
    for (int32_t& button : JoyButtons) button = 0;
    CreateActorTables();
    for (int32_t& channel : SfxChannels) channel = 0;
}

// One game from the title's start to its end; the chain is entered at
// StartStageIndex. Returns when the title should come again.
void PlayGame() {
    SetNewGameValues();
    SleepMillis(1000);
    int32_t step = StartStageIndex;
    if (step < 1 || step > ChainLength) step = 1;
    for (; step <= ChainLength; ++step) {
        StageNumber = StageChain[step - 1].stageNumber;
        if (PlayStage() == 0) return;
    }
    SleepMillis(2000);
    ShowCredits(1);
    ShowResults();
    SleepMillis(1000);
    ShowLogoScreen();
    SleepMillis(1000);
}

}  // namespace

int GameModuleEntry() {
    if (EntryStarted) return 0;
    EntryStarted = 1;
    Main();
    return 0;
}

void AskDisplayMode() {
    const std::string heading = QuestionHeading;
    const int32_t fullScreen = AskYesNoCancel(heading + "Full screen?", 0);
    if (fullScreen == -1) ExitProgram();
    if (fullScreen == 1) {
        const int32_t deep = AskYesNoCancel(heading + "32 Bit colour depth?", 0);
        if (deep == -1) ExitProgram();
        OpenDisplay(640, 480, deep == 1 ? 32 : 16, 100, 2);
        HideMousePointer();
    } else {
        OpenDisplay(640, 480, 0, 100, 2);
    }
    SetClearColour(0, 0, 0);
    ClearScreen();
    PresentFrame(-1);
    ClearScreen();
    PresentFrame(-1);
}

void StartUp(StartUpKind kind) {
    const bool program = kind == StartUpKind::Program;
    DataReadCursor = 0;

    InitRuntime();
    InitAudio();
    InitKeyboard();
    InitJoystick();
    InitDisplay();
    SelectDisplayDriver(OpenGl2dDriver(), 2);

    SetAppTitle(AppTitle);
#if STREETWARDEN_DISPLAY_QUESTIONS
    VersionLabel = "VERSION 3.0 WIN GL";
#else
    VersionLabel = "VERSION 3.0 LINUX";
#endif

    // Every data file must be there before anything opens or loads.
    CheckGameData();

#if STREETWARDEN_DISPLAY_QUESTIONS
    if (program) {
        AskDisplayMode();
    } else {
        OpenDisplay(640, 480, 0, 100, 2);
    }
#else
    OpenDisplay(640, 480, 0, 100, 2);
#endif

    SeedRandom(ElapsedMillis());
    SetDefaultImageFlags(1);
    SetBlendMode(1);
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);

    FadeScreenImage = CreateBlankImage(640, 480, 1, -1);
    PauseScreenImage = CreateBlankImage(640, 480, 1, -1);

    if (program) {
        LoadAssetRows(1, 1);  // the logo
        SleepMillis(2000);
        ShowLogoScreen();
        ClearScreen();

        LoadAssetRows(2, 2);  // energy bar table, black mask, the font

        ClearScreen();
        PresentFrame(-1);
        ClearScreen();
        DrawTextCentered(445, "LOADING");
        FadeInFromBlack();

        LoadAssetRows(3, AssetFileCount);

        FadeOutToBlack();
        ClearScreen();
        PresentFrame(-1);
        ClearScreen();
        PresentFrame(-1);
        SleepMillis(1000);
    } else {
        LoadAssetRows(1, AssetFileCount);
    }

    CreateTables();
    AllocateChannels();
    SetStartupDefaults();
    if (program) {
        LoadSettings();
        ShowStory();
    }
}

int Main() {
    if (MainStarted) return 0;
    MainStarted = 1;
    StartUp(StartUpKind::Program);

    for (;;) {
        if (RunTitleScreen() == 0) {
            SaveSettings();
            ExitProgram();
        }
        PlayGame();
    }
}

int32_t PlayStage() {
    ReleaseHandle(StageStripImage);
    StageStripImage = 0;
    SetMaskColour(0, 255, 0);
    if (const SectionStrip* strip = FindSectionStrip(StageNumber)) {
        StageStripImage = LoadImageStrip(strip->path, 40, 480, 0, strip->cells, 1);
        if (StageStripImage == 0) StopOnUnloadableFile(strip->path);
    }
    const int32_t result = RunStage();
    if (result == 2) ShowResults();
    ReleaseHandle(StageStripImage);
    StageStripImage = 0;
    return result == 3 ? 1 : 0;
}
