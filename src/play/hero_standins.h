// Routines the hero calls that are not built yet: his firing and the hurt
// flash. Each stand-in notes its call in HeroStandinCalls (for tests);
// HurtHero already does what the hurt flash's start does, so a life loss
// shows the flash. Whoever builds one of them deletes its stand-in here
// (declaration and definition) and declares the real one in its own header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One shot on the tick of a fresh fire press.
void FireHeroShot();
// Timed bursts while fire is held.
void AutoFireHero();
// Starts the hurt flash: only in states below 5 and outside slow motion.
void HurtHero();

// Every stand-in call in order, e.g. "HurtHero".
extern std::vector<std::string> HeroStandinCalls;
