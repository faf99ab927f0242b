// The scrolling story (at start-up and in the title's attract cycle), and the
// music and skip input it shares with the credits and the results screen.
#pragma once

#include <cstdint>

// The story text climbs up over the slowly rising story picture; 53 seconds
// or until a skip input, then a fade to black while the music fades out.
void ShowStory();

// The skip input of the story, credits and results screens, once per frame:
// Escape, Z, Space or Enter hit, or joystick button 0 or the start button
// (JoyButtons entry 3) hit on JoyPort. A hit is exactly one press since the
// key or button was last asked; every one of them is asked.
bool SkipInputHit();

// Starts `music` in MusicChannel at volume 0 and raises it in ten steps of
// 0.1, sleeping `stepMillis` per step; the music then plays on at 0.9.
void FadeInScreenMusic(int32_t music, int32_t stepMillis);
// Lowers MusicChannel from 1.0 in ten steps of 0.1, sleeping `stepMillis`
// per step, then stops it.
void FadeOutScreenMusic(int32_t stepMillis);

// The x from which DrawTextAt centres a text on the 640-pixel width.
int32_t CentredTextX(const char* text);
