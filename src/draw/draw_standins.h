// Drawing layers of the stage frame that are not built yet. Each is a
// separate no-op with the name the frame calls, so DrawFrame keeps its full
// layer order today. Whoever builds a layer deletes its stand-in here (the
// declaration and the definition), declares the real routine in the layer's
// own header and includes that header in frame.cpp.
#pragma once

// Shadows of the hero, enemies, props, girders and bullets.
void DrawShadows();
// Window scenes with their reflections.
void DrawStageWindows();
// Props in front of the street band.
void DrawForegroundProps();
// Rain.
void DrawRain();
// The heads-up display (with the rules of play it applies once per frame).
void DrawHud();
// The brightness overlay.
void DrawBrightnessOverlay();
