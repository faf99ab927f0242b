// Stand-ins for the routines the hero calls that are not built yet; see
// hero_standins.h.
#include "play/hero_standins.h"

#include "media.h"
#include "shell/audio.h"
#include "shell/records.h"

std::vector<std::string> HeroStandinCalls;

namespace {

void Note(const std::string& call) { HeroStandinCalls.push_back(call); }

}  // namespace

void FireHeroShot() { Note("FireHeroShot"); }

void AutoFireHero() { Note("AutoFireHero"); }

void HurtHero() {
    Note("HurtHero");
    if (HeroState >= 5 || SlowMotion != 0) return;
    HeroStateSaved = HeroState;
    HeroState = 8;
    HeroAnimStep = -1;
    PlayVoiceLine(8);
    HeroAnimTime = ElapsedMillis();
}
