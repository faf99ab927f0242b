// The front-end screens are all built now. This header only gathers their
// headers for the files that still include it (the game flow and the
// in-stage loop); it goes once those include the screens' own headers.
#pragma once

#include "play/stage_loop.h"  // RunStage
#include "shell/credits.h"
#include "shell/game_over.h"
#include "shell/logo_screen.h"
#include "shell/results.h"
#include "shell/story.h"
