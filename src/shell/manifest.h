// The asset manifest: every file the game loads at start-up, in load order,
// with the mask colour changes and the points where the asset tables are made,
// and the background strip of each stage section.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ManifestOp {
    Mask,   // SetMaskColour (r, g, b) for the loads that follow
    Table,  // an asset table made empty (all entries 0) before its loads
    Image,  // one frame of the whole picture
    Strip,  // cells of cellWidth x cellHeight, cellCount of them
    Sound,  // a WAV or Ogg Vorbis sound
};

struct ManifestEntry {
    ManifestOp op;
    int32_t row;          // file number 1..169 for loads; 0 for Mask and Table
    int32_t* target;      // the global or table entry (Table: the table's first entry)
    const char* path;
    int32_t cellWidth;    // Strip; Mask: red
    int32_t cellHeight;   // Strip; Mask: green
    int32_t cellCount;    // Strip; Mask: blue; Table: entries
    int32_t flags;        // load flags (images 1 masked, 2 filtered, -1 default; sounds 1 loop)
    bool setOrigin;
    bool centreOrigin;
    float originX;
    float originY;
};

extern const ManifestEntry AssetManifest[];
extern const int32_t AssetManifestLength;
constexpr int32_t AssetFileCount = 169;

// Runs the manifest's entries that belong to file rows first..last: each Mask
// and Table entry belongs to the file row that follows it. A load that fails
// stops the program naming the file.
void LoadAssetRows(int32_t firstRow, int32_t lastRow);

// The background strip of a stage section (cells of 40 x 480).
struct SectionStrip {
    int32_t stageNumber;
    const char* path;
    int32_t cells;
};
constexpr int32_t SectionStripCount = 13;
extern const SectionStrip SectionStrips[SectionStripCount];
// The strip row of a stage identifier, or nullptr when it has none.
const SectionStrip* FindSectionStrip(int32_t stageNumber);

// Every manifest file and section strip that is not a regular file, in list order.
std::vector<std::string> MissingDataFiles();
// Stops the program (status 1) when any data file is missing, listing them
// and how to produce them. Runs before the display opens.
void CheckGameData();
// Stops the program (status 1) naming a file that is there but did not load.
[[noreturn]] void StopOnUnloadableFile(const std::string& path);
