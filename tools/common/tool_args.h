// The command line of every developer tool and benchmark, walked one way.
// --help (or -h) prints the tool's usage on stdout and ends with status 0; an
// unknown option, a missing value or a bad number prints what was wrong and
// the usage on stderr and ends with the tool's status for bad options. Tools
// read their whole command line before they touch anything, so a refused
// command writes nothing.
#pragma once

#include <cstdint>
#include <string>

class ArgReader {
public:
    ArgReader(int argc, char** argv, const char* name, const char* usage, int badStatus = 1)
        : argc_(argc), argv_(argv), name_(name), usage_(usage), badStatus_(badStatus) {}
    // Moves to the next argument; false past the last. Answers --help.
    bool Next();
    const std::string& Arg() const { return arg_; }
    // The argument is not an option (a file, a folder, a number).
    bool Positional() const { return arg_.size() < 2 || arg_[0] != '-'; }
    // The option's value (the next argument, whatever it looks like).
    std::string Value();
    // The option's value as a whole number within low..high.
    int64_t Number(int64_t low, int64_t high);
    // `text` as a whole number within low..high.
    int64_t NumberIn(const std::string& text, int64_t low, int64_t high) const;
    // Refuses the argument: an unknown option, or one argument too many.
    [[noreturn]] void Unknown() const;
    // Refuses the command line with `message`.
    [[noreturn]] void Fail(const std::string& message) const;

private:
    int argc_;
    char** argv_;
    const char* name_;
    const char* usage_;
    int badStatus_;
    int index_ = 0;
    std::string arg_;
};

// A whole number filling the text.
bool ParseInt(const std::string& text, int64_t* value);
