// No-op stand-ins of the drawing layers still to come; see draw_standins.h.
#include "draw/draw_standins.h"

void DrawShadows() {}

void DrawStageWindows() {}

void DrawForegroundProps() {}

void DrawRain() {}

void DrawHud() {}

void DrawBrightnessOverlay() {}
