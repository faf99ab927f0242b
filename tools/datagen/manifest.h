// Every file of the game's Data folder: path, kind, cell layout and the mask
// colour it is loaded under. Shared by the generator and its tests.
#pragma once

#include <cstdint>

namespace dg {

enum class FileKind { Png, Wav, Ogg };

struct FileSpec {
    const char* path;
    FileKind kind;
    int cellW, cellH;  // cell size; for a whole picture the size it is drawn at
    int cells;         // 0: one frame of the whole picture
    uint8_t maskR, maskG, maskB;
    bool masked;       // false only for the logo (loaded unmasked)
    bool loop;         // sounds that loop
};

// The 169 files of the loading list in load order, then the 13 section strips.
extern const FileSpec kFiles[];
extern const int kFileCount;
constexpr int kManifestCount = 169;
constexpr int kStripCount = 13;

}  // namespace dg
