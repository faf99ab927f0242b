// The program's entry: make the program's own folder the working directory
// (the game reads its Data folder by relative paths), then run the game.
#include <SDL.h>

#include <filesystem>
#include <system_error>

#include "sdl_backend.h"

int main(int /*argc*/, char* /*argv*/[]) {
    if (char* base = SDL_GetBasePath()) {
        std::error_code ignored;
        std::filesystem::current_path(base, ignored);
        SDL_free(base);
    }
    sdlmedia::EndProcess(GameModuleEntry());
}
