// The command line of every developer tool and benchmark.
#include "tool_args.h"

#include <cstdio>
#include <cstdlib>

bool ArgReader::Next() {
    if (index_ + 1 >= argc_) return false;
    arg_ = argv_[++index_];
    if (arg_ == "--help" || arg_ == "-h") {
        std::fputs(usage_, stdout);
        std::exit(0);
    }
    return true;
}

std::string ArgReader::Value() {
    if (index_ + 1 >= argc_) Fail(arg_ + " needs a value");
    return argv_[++index_];
}

int64_t ArgReader::Number(int64_t low, int64_t high) {
    return NumberIn(Value(), low, high);
}

int64_t ArgReader::NumberIn(const std::string& text, int64_t low, int64_t high) const {
    int64_t n = 0;
    if (!ParseInt(text, &n) || n < low || n > high) {
        Fail(Positional() ? "bad argument " + text : "bad value for " + arg_ + ": " + text);
    }
    return n;
}

void ArgReader::Unknown() const {
    Fail((Positional() ? "unexpected argument " : "unknown option ") + arg_);
}

void ArgReader::Fail(const std::string& message) const {
    std::fprintf(stderr, "%s: %s\n%s", name_, message.c_str(), usage_);
    std::exit(badStatus_);
}

bool ParseInt(const std::string& text, int64_t* value) {
    try {
        size_t used = 0;
        *value = std::stoll(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}
