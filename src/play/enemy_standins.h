// Enemy kinds whose routines are not built yet. Each stand-in takes its enemy
// off the street on its first tick (the slot is freed, no corpse, no kill),
// so spawn lists still play out and sections still clear. Whoever builds a
// kind deletes its stand-in here (declaration and definition) and declares
// the real routine in the kind's own header, included by play/enemies.cpp.
#pragma once

#include <cstdint>

void UpdateSniper(int32_t slot);
void UpdateBiker(int32_t slot);
void UpdateChainsaw(int32_t slot);
void UpdateRogueCop(int32_t slot);
void UpdateKR770(int32_t slot);
