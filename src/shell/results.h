// The results screen that closes every game lost or finished: it counts the
// game as played, shows the game's statistics and grades it from A to F.
#pragma once

// Blocks until a skip input (Escape, Z, Space or Enter, or the joystick's
// fire or start button on JoyPort), then fades out.
void ShowResults();
