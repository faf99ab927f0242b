// Full-screen fades between black and a captured picture. Each runs 51 steps
// of a 32-bit float alpha (0.02 apart), one paced frame or more per step,
// blocks until done, leaves blend mode 1 (mask), alpha 1.0 and colour white,
// and flushes the keyboard before it returns.
#pragma once

// The picture that the caller left in the back buffer, not yet presented,
// comes up out of black (grabbed into FadeScreenImage first).
void FadeInFromBlack();
// The back buffer's picture (grabbed into FadeScreenImage first) goes to
// black; the screen is left black.
void FadeOutToBlack();
// The picture already held in FadeScreenImage goes to black; the screen is
// left black.
void FadeOutCaptured();
// The drawing state every fade leaves, and the front-end screens draw from:
// blend mode 1 (mask), alpha 1.0, colour white.
void PlainDrawing();
