// How the developer tools start the game.
#include "game_start.h"

#include <filesystem>

#include "media.h"
#include "shell/main_flow.h"
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

int32_t PlayOneSection(int32_t stage, int32_t device) {
    StartUp(StartUpKind::Quiet);
    SetNewGameValues();
    ControlDevice = device;
    SleepMillis(1000);
    StageNumber = stage;
    return PlayStage();
}
