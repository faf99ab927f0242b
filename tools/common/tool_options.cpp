// Command-line options the developer tools share.
#include "tool_options.h"

#include <algorithm>

#include "play/stage_loop.h"

int32_t SectionIn(const ArgReader& args, const std::string& text) {
    const int32_t stage = static_cast<int32_t>(args.NumberIn(text, 1, 21));
    if (!FindSectionStart(stage)) args.Fail("no section has stage identifier " + text);
    return stage;
}

bool TakeSharedOption(ArgReader& args, ToolOptions* opt) {
    const std::string& arg = args.Arg();
    if (arg == "--from-start") {
        opt->fromStart = true;
    } else if (arg == "--data") {
        opt->data = args.Value();
    } else if (arg == "--input") {
        opt->input = args.Value();
    } else if (arg == "--stage") {
        opt->stage = SectionIn(args, args.Value());
    } else if (arg == "--passes") {
        opt->passes = args.Number(1, INT64_MAX);
    } else if (arg == "--device") {
        opt->device = static_cast<int32_t>(args.Number(0, 1));
    } else if (arg == "--dump") {
        const std::string list = args.Value();
        size_t start = 0;
        while (start <= list.size()) {
            const size_t comma = std::min(list.find(',', start), list.size());
            int64_t n = 0;
            if (!ParseInt(list.substr(start, comma - start), &n) || n < 1) {
                args.Fail("bad pass list for --dump: " + list);
            }
            opt->dumps.insert(n);
            start = comma + 1;
        }
    } else {
        return false;
    }
    return true;
}

void RequireOneGame(const ArgReader& args, const ToolOptions& opt) {
    if ((opt.stage != 0) == opt.fromStart) args.Fail("give exactly one of --stage N and --from-start");
}
