// Shadows: black, squashed, half-transparent redraws of the sprites' own
// cells, drawn right after the background and before everything else. The
// hero casts one on the street and one on the back wall, the latter fading
// out where the wall is open; enemies, props, the stage-8 girder and bullets
// cast floor shadows; a jumping hero casts a blob.
#pragma once

#include <cstdint>

// Every shadow of the frame, once per drawn frame. The hero's two are left
// out while he lies dead.
void DrawShadows();
// The hero's shadow on the street; none while he is in the air. helmetOn 1
// picks the helmet cells, 0 the bare-headed ones.
void DrawHeroFloorShadow(int32_t helmetOn);
// The hero's shadow on the back wall, drawn while jumping too. Moves
// WallShadowAlpha toward 0 at a gap in the wall (0.01 a frame) and back
// toward 0.5 elsewhere (0.001 a frame).
void DrawHeroWallShadow(int32_t helmetOn);
// 1 when the world x screenX + 15 - CameraX lies strictly inside one of the
// current stage's openings in the back wall, else 0.
int32_t IsWallShadowGap(int32_t screenX);
