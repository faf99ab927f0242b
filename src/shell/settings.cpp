// Reading and writing the settings file.
#include "shell/settings.h"

#include <cmath>
#include <limits>
#include <string>

#include "media.h"
#include "shell/records.h"

namespace {

// Reads one int32 field if the file still holds all four of its bytes.
void ReadField(int32_t stream, int32_t& field) {
    if (FileBytesLeft(stream) >= 4) field = ReadInt32(stream);
}

void ReadField(int32_t stream, float& field) {
    if (FileBytesLeft(stream) >= 4) field = ReadFloat32(stream);
}

int32_t SwitchValue(int32_t value) { return value == 0 || value == 1 ? value : 0; }

}  // namespace

void SanitiseSettings() {
    // The game only ever counts up from 0; a negative count is damage.
    if (GamesPlayed < 0) GamesPlayed = 0;
    if (ControlScheme < 0 || ControlScheme > 5) ControlScheme = 0;
    MusicOn = SwitchValue(MusicOn);
    AltEnergyBar = SwitchValue(AltEnergyBar);
    ShowPlayClock = SwitchValue(ShowPlayClock);
    if (std::isnan(Brightness)) Brightness = 0.0f;
    if (Brightness < 0.0f) Brightness = 0.0f;
    if (Brightness > 0.5f) Brightness = 0.5f;
}

void LoadSettings() {
    if (PathKind(SettingsPath) != 1) return;
    const int32_t stream = OpenFileForReading(SettingsPath);
    if (stream == 0) return;
    ReadField(stream, GamesPlayed);
    ReadField(stream, ControlScheme);
    ReadField(stream, MusicOn);
    ReadField(stream, AltEnergyBar);
    ReadField(stream, ShowPlayClock);
    ReadField(stream, Brightness);
    CloseFile(stream);
    SanitiseSettings();
}

void SaveSettings() {
    const int32_t stream = OpenFileForWriting(SettingsTempPath);
    bool ok = stream != 0;
    if (ok) {
        WriteInt32(stream, GamesPlayed);
        WriteInt32(stream, ControlScheme);
        WriteInt32(stream, MusicOn);
        WriteInt32(stream, AltEnergyBar);
        WriteInt32(stream, ShowPlayClock);
        WriteFloat32(stream, Brightness);
        ok = CloseFile(stream) == 1;
    }
    if (ok) ok = ReplaceFile(SettingsTempPath, SettingsPath) == 1;
    if (!ok) {
        if (stream != 0) DeleteFile(SettingsTempPath);
        ReportFailure(std::string("Kestrion Vigil could not save its settings: ") + SettingsPath +
                      " cannot be written. The settings saved before are kept.");
    }
}

void CountGamePlayed() {
    if (GamesPlayed < std::numeric_limits<int32_t>::max()) ++GamesPlayed;
}
