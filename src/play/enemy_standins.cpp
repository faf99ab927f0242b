// Stand-ins for the enemy kinds still to come; see enemy_standins.h.
#include "play/enemy_standins.h"

#include "play/enemies.h"

void UpdateSniper(int32_t slot) { FreeEnemySlot(slot); }

void UpdateBiker(int32_t slot) { FreeEnemySlot(slot); }

void UpdateChainsaw(int32_t slot) { FreeEnemySlot(slot); }

void UpdateRogueCop(int32_t slot) { FreeEnemySlot(slot); }

void UpdateKR770(int32_t slot) { FreeEnemySlot(slot); }
