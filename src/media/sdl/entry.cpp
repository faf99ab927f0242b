// The program's entry: make the program's own folder the working directory
// (the game reads its Data folder by relative paths), then run the game.
#include <SDL.h>  // on Windows SDL starts the program through its own WinMain

#include "os/platform.h"
#include "sdl_backend.h"

int main(int /*argc*/, char* /*argv*/[]) {
    media::os::EnterProgramFolder();
    sdlmedia::EndProcess(GameModuleEntry());
}
