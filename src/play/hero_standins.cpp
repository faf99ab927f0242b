// Stand-ins for the routines the hero calls that are not built yet; see
// hero_standins.h.
#include "play/hero_standins.h"

#include "media.h"
#include "shell/audio.h"
#include "shell/records.h"

std::vector<std::string> HeroStandinCalls;
