// The air strike, the hero's special attack: the special move sets
// AirStrikeActive 1 and AirStrikeTick 0, and from then on every run launches
// or drops 50 bombs onto the street band. A landed bomb shakes the screen,
// hurts enemies and breaks props near the hero for seven runs, then ends in
// smoke and powder. The drawing shows the bombs while the strike is active.
#pragma once

#include <cstdint>

// Bomb i comes down at its own ground line, spreading the bombs in depth
// from y 125 to y 321.
constexpr int32_t BombGroundLine(int32_t bomb) { return 125 + 4 * bomb; }

// Once per tick; a run only while the strike is active and on ticks that
// slow motion does not skip. The first run launches all 50 bombs from above
// the screen; the later ones drop and burn them, and the strike ends after
// the first run in which no bomb is busy any more.
void UpdateAirStrike();
