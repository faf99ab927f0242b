// Screens that are not built yet. Each stand-in does nothing but note its
// call, so the game flow runs from the title through the chain and back.
// Each one goes away when the real screen lands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "play/stage_loop.h"  // RunStage

void ShowLogoScreen();
void ShowStory();
void ShowCredits(int32_t withEndScene);
void ShowGameOver();
void ShowResults();

// Every stand-in call in order, e.g. "ShowStory", "ShowCredits 1".
extern std::vector<std::string> StandinCalls;
