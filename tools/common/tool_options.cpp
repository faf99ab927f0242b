// Command-line options the developer tools share.
#include "tool_options.h"

#include <algorithm>

#include "play/stage_loop.h"

bool ArgReader::Next() {
    if (index_ + 1 >= argc_) return false;
    arg_ = argv_[++index_];
    return true;
}

bool ArgReader::Value(std::string* out) {
    if (index_ + 1 >= argc_) {
        error = arg_ + " needs a value";
        return false;
    }
    *out = argv_[++index_];
    return true;
}

bool ArgReader::Number(int64_t* out, int64_t low, int64_t high) {
    std::string text;
    if (!Value(&text)) return false;
    if (!ParseInt(text, out) || *out < low || *out > high) {
        error = "bad value for " + arg_ + ": " + text;
        return false;
    }
    return true;
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

int TakeSharedOption(ArgReader& args, ToolOptions* opt) {
    const std::string& arg = args.Arg();
    int64_t n = 0;
    if (arg == "--from-start") {
        opt->fromStart = true;
    } else if (arg == "--data") {
        if (!args.Value(&opt->data)) return -1;
    } else if (arg == "--input") {
        if (!args.Value(&opt->input)) return -1;
    } else if (arg == "--stage") {
        if (!args.Number(&n, 1, 21)) return -1;
        opt->stage = static_cast<int32_t>(n);
        if (!FindSectionStart(opt->stage)) {
            args.error = "no section has stage identifier " + std::to_string(n);
            return -1;
        }
    } else if (arg == "--passes") {
        if (!args.Number(&opt->passes, 1, INT64_MAX)) return -1;
    } else if (arg == "--device") {
        if (!args.Number(&n, 0, 1)) return -1;
        opt->device = static_cast<int32_t>(n);
    } else if (arg == "--dump") {
        std::string list;
        if (!args.Value(&list)) return -1;
        size_t start = 0;
        while (start <= list.size()) {
            const size_t comma = std::min(list.find(',', start), list.size());
            if (!ParseInt(list.substr(start, comma - start), &n) || n < 1) {
                args.error = "bad pass list for --dump: " + list;
                return -1;
            }
            opt->dumps.insert(n);
            start = comma + 1;
        }
    } else {
        return 0;
    }
    return 1;
}
