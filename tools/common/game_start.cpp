// How the developer tools start the game.
#include "game_start.h"

#include <filesystem>

#include "media.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"
#include "shell/records.h"

namespace fs = std::filesystem;

bool EnterDataFolder(const std::string& dataPath, std::string* error) {
    std::error_code ec;
    const fs::path data = fs::absolute(dataPath, ec);
    if (ec || !fs::is_directory(data)) {
        *error = "no data folder at " + dataPath + " (the build generates it)";
        return false;
    }
    if (data.filename() != "Data") {
        *error = "the data folder must be called Data: " + dataPath;
        return false;
    }
    fs::current_path(data.parent_path(), ec);
    if (ec) {
        *error = "cannot enter " + data.parent_path().string();
        return false;
    }
    return true;
}

void StartUpForSection() {
    InitRuntime();
    InitAudio();
    InitKeyboard();
    InitJoystick();
    InitDisplay();
    SelectDisplayDriver(OpenGl2dDriver(), 2);
    CheckGameData();
    OpenDisplay(640, 480, 0, 100, 2);
    SeedRandom(ElapsedMillis());
    SetDefaultImageFlags(1);
    SetBlendMode(1);
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);
    FadeScreenImage = CreateBlankImage(640, 480, 1, -1);
    PauseScreenImage = CreateBlankImage(640, 480, 1, -1);
    LoadAssetRows(1, AssetFileCount);
    for (int32_t& code : KeyCodes) code = 0;
    for (int32_t& button : JoyButtons) button = 0;
    CreateActorTables();
    for (int32_t& channel : SfxChannels) channel = 0;
    AllocateChannels();
    SetStartupDefaults();
    DataReadCursor = 0;
}

int32_t PlayOneSection(int32_t stage, int32_t device) {
    StartUpForSection();
    SetNewGameValues();
    ControlDevice = device;
    SleepMillis(1000);
    StageNumber = stage;
    return PlayStage();
}
