// The developer tools' state dump: one JSON object on one line with every
// global of the shared records, every actor table and the in-stage loop's own
// values, by the names the game uses.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

struct DumpHeader {
    int64_t pass;         // passes of the in-stage loop so far, over the whole run
    int64_t sectionPass;  // passes of the current section
    std::string at;       // "pass" for a listed pass, else why the run ended
    int32_t result;       // the section's result (StageResult; 0 while it runs)
    int32_t clock;        // the millisecond clock (ElapsedMillis) at the dump
};

void WriteStateDump(std::FILE* out, const DumpHeader& header);
