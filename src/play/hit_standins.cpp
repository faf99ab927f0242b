// Stand-ins for the hit tests still to come; see hit_standins.h.
#include "play/hit_standins.h"

void HitTestBulletsOnEnemy(int32_t) {}

void HitProp(int32_t) {}
