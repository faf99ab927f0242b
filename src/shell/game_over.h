// The game-over screen, shown by the in-stage loop when the hero has lost
// his last life.
#pragma once

// The section's last frame stays frozen while "GAME OVER" comes up over it
// with the end music; a little over five seconds, no input ends it early.
// The end music plays on into the results screen.
void ShowGameOver();
