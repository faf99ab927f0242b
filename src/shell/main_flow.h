// The top of the program: start-up, the outer game flow with its chain of
// thirteen stage sections, and the stage starter.
#pragma once

#include <cstdint>

// One step of the stage chain: the section's stage identifier and the name the
// title's section select shows for it.
struct ChainStep {
    int32_t stageNumber;
    const char* name;
};
constexpr int32_t ChainLength = 13;
extern const ChainStep StageChain[ChainLength];  // step 1 is StageChain[0]

// Run-once flags of the entry and of Main: 0 until their first call.
extern int32_t EntryStarted;
extern int32_t MainStarted;

// Start-up and the game flow; ends the process itself (quit from the title,
// or a cancelled display question).
int Main();

// Which start-up: the program's own, or the quiet one of the developer tools,
// tests and benchmarks that play single sections.
enum class StartUpKind {
    Program,  // with the logo, the loading screen, the settings file and the story
    Quiet,    // without them (and without display questions): the same state every run
};
// Start-up up to the title: the media layer, the display, the capture images,
// every asset, the tables, the channels and the start-up defaults. Main runs
// it once; a tool runs it once before it plays.
void StartUp(StartUpKind kind);
// The display questions (full screen? colour depth?) and the display they
// choose. Only builds with STREETWARDEN_DISPLAY_QUESTIONS ask them at start-up.
void AskDisplayMode();
// Plays the section of StageNumber; 1 when it was cleared, else 0.
int32_t PlayStage();
