// The command line of a Google Benchmark program: the library's own flags
// (--help lists them after the usage); any other argument is refused with
// the usage on stderr and status 1 before a benchmark runs.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "tool_args.h"

inline void TakeBenchmarkFlags(int* argc, char** argv, const char* name) {
    static std::string usage;
    usage = std::string("usage: ") + name + " [--benchmark_FLAG=VALUE...]\n";
    benchmark::Initialize(argc, argv, [] {
        std::fputs(usage.c_str(), stdout);
        benchmark::PrintDefaultHelp();
    });
    usage += "--help lists Google Benchmark's flags.\n";
    ArgReader args(*argc, argv, name, usage.c_str());
    while (args.Next()) args.Unknown();
}
