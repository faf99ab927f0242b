// Routines the hero calls that are not built yet (none are left: his firing
// is play/hero_fire.h, the hurt flash play/hero_hits.h). A stand-in would
// note its call in HeroStandinCalls (for tests). Whoever builds one of them
// deletes its stand-in here (declaration and definition) and declares the
// real one in its own header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Every stand-in call in order.
extern std::vector<std::string> HeroStandinCalls;
