// Stand-ins for screens that are not built yet.
#include "shell/standins.h"

std::vector<std::string> StandinCalls;

void ShowLogoScreen() { StandinCalls.emplace_back("ShowLogoScreen"); }

void ShowStory() { StandinCalls.emplace_back("ShowStory"); }

void ShowCredits(int32_t withEndScene) {
    StandinCalls.emplace_back("ShowCredits " + std::to_string(withEndScene));
}

void ShowGameOver() { StandinCalls.emplace_back("ShowGameOver"); }

void ShowResults() { StandinCalls.emplace_back("ShowResults"); }
