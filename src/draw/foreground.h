// The scenery in front of the street: bins, drums, tyres, fences, lamp posts,
// conveyor belts, gravestones, hooks, girders, pillars and junk. Each stage
// has its own fixed list, drawn in a fixed order over every actor and effect,
// after the light pools and before the rain. Nothing here is an actor and
// nothing collides.
#pragma once

// The current stage's list. Props on the foreground layer sit at screen x
// ParallaxF + their layer x (a float, fraction kept) and are drawn only while
// that lies strictly between their image's left bound and 641; props of the
// one-screen stages stand at fixed screen x. Nothing while slow motion runs.
void DrawForegroundProps();
