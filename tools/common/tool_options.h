// Command-line options the developer tools share (the headless runner and
// the screenshot tool): which game to run, with what data, input and dumps.
#pragma once

#include <cstdint>
#include <set>
#include <string>

struct ToolOptions {
    std::string data;       // the generated Data folder
    int32_t stage = 0;      // --stage N: a new game entered at section N
    bool fromStart = false; // --from-start: the game from its entry
    std::string input;      // --input FILE: the input timeline
    int64_t passes = 0;     // --passes P: stop after P passes (0: no limit)
    std::set<int64_t> dumps;  // --dump LIST: passes after which the state is printed
    int32_t device = 0;     // --device N: control device of a --stage game
};

// Walks the arguments; the value helpers leave a message in `error`.
class ArgReader {
public:
    ArgReader(int argc, char** argv) : argc_(argc), argv_(argv) {}
    // Moves to the next argument; false past the last.
    bool Next();
    const std::string& Arg() const { return arg_; }
    // The argument's value (the next argument).
    bool Value(std::string* out);
    // The value as a whole number within low..high.
    bool Number(int64_t* out, int64_t low, int64_t high);

    std::string error;

private:
    int argc_;
    char** argv_;
    int index_ = 0;
    std::string arg_;
};

// A whole number filling the text.
bool ParseInt(const std::string& text, int64_t* value);

// Takes the reader's argument if it is a shared option: 1 taken, 0 not a
// shared option, -1 a bad value (the message in args.error).
int TakeSharedOption(ArgReader& args, ToolOptions* opt);
