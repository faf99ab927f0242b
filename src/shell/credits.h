// The scrolling credits (after the last section, and in the title's attract
// cycle) and the end scene that follows them after the last section.
#pragma once

#include <cstdint>

// The credit rows scroll up to the closing row, which stands still until
// the end (48 seconds) or a skip input; the music fades out after a fade to
// black. withEndScene 1: then the end scene, between two-second pauses.
void ShowCredits(int32_t withEndScene);

// Twelve seconds of the city skyline drifting behind the end picture in a
// letterbox, the talking face moving with the voice line; F1 and F2 change
// the brightness, nothing ends it early.
void ShowEndScene();
