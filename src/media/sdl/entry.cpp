// The program's entry: make the program's own folder the working directory,
// so every "Data/..." path resolves there, then run the game.
#include <SDL.h>

#include <filesystem>

#include "media.h"

int main(int, char**) {
    if (char* base = SDL_GetBasePath()) {
        std::error_code ec;
        std::filesystem::current_path(base, ec);
        SDL_free(base);
    }
    return GameModuleEntry();
}
