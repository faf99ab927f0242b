// Command-line options the developer tools share (the headless runner and
// the screenshot tool): which game to run, with what data, input and dumps.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "tool_args.h"

struct ToolOptions {
    std::string data;       // the generated Data folder
    int32_t stage = 0;      // --stage N: a new game entered at section N
    bool fromStart = false; // --from-start: the game from its entry
    std::string input;      // --input FILE: the input timeline
    int64_t passes = 0;     // --passes P: stop after P passes (0: no limit)
    std::set<int64_t> dumps;  // --dump LIST: passes after which the state is printed
    int32_t device = 0;     // --device N: control device of a --stage game
};

// `text` as the stage identifier of a section (1..11, 16, 21).
int32_t SectionIn(const ArgReader& args, const std::string& text);

// Takes the reader's argument if it is a shared option (true); a bad value
// refuses the command line.
bool TakeSharedOption(ArgReader& args, ToolOptions* opt);

// Refuses a command line that does not name exactly one game to run.
void RequireOneGame(const ArgReader& args, const ToolOptions& opt);
