// Memory of the real program in play: runs the screenshot tool (the game's
// own code on the real backend, under SDL's offscreen driver unless
// SDL_VIDEODRIVER says otherwise) in section 10 for 30 s with a fighting
// player (walking right, firing every 12 passes, stopping now and then), and
// prints its peak resident memory, and the resident memory sampled every
// 100 ms once the section runs. Linux only (it reads /proc).
//
//   rss_bench [--seconds S] [--stage N] [SHOTS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tool_args.h"

namespace {

// Resident kilobytes of a process, 0 when it is gone.
long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string shots = RSS_BENCH_SHOTS;
    int seconds = 30;
    int stage = 10;
    bool shotsGiven = false;
    ArgReader args(argc, argv, "rss_bench",
                   "usage: rss_bench [--seconds S] [--stage N] [SHOTS]\n"
                   "  --seconds S  seconds of play (default 30)\n"
                   "  --stage N    the section played (default 10)\n"
                   "  SHOTS        the screenshot tool to run (default: this build's)\n");
    while (args.Next()) {
        if (args.Arg() == "--seconds") {
            seconds = static_cast<int>(args.Number(1, 3600));
        } else if (args.Arg() == "--stage") {
            stage = static_cast<int>(args.Number(1, 21));
        } else if (args.Positional() && !shotsGiven) {
            shots = args.Arg();
            shotsGiven = true;
        } else {
            args.Unknown();
        }
    }
    char timeline[] = "/tmp/rss_bench_input_XXXXXX";
    const int fd = mkstemp(timeline);
    if (fd < 0) {
        std::perror("rss_bench: mkstemp");
        return 1;
    }
    std::string lines = "120 key down 39\n";
    for (int pass = 130; pass < 100 * (seconds + 10); pass += 12) lines += std::to_string(pass) + " key tap 90\n";
    for (int pass = 400; pass < 100 * (seconds + 10); pass += 300) {
        lines += std::to_string(pass) + " key up 39\n" + std::to_string(pass + 100) + " key down 39\n";
    }
    const bool written = write(fd, lines.data(), lines.size()) == static_cast<ssize_t>(lines.size());
    close(fd);
    if (!written) {
        std::fprintf(stderr, "rss_bench: cannot write the input timeline\n");
        return 1;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    // The section starts when the first pass is reached; the run's own time
    // limit counts from the tool's start, so loading is added to it.
    const std::string stageArg = std::to_string(stage);
    const std::string limit = std::to_string(seconds * 1000 + 3000);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(shots.c_str(), shots.c_str(), "--stage", stageArg.c_str(), "--input", timeline, "--max-ms",
              limit.c_str(), static_cast<char*>(nullptr));
        std::perror("rss_bench: cannot run the screenshot tool");
        _exit(127);
    }
    std::vector<long> samples;
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child) break;
        const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (t > 4.0) samples.push_back(ResidentKb(child));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::remove(timeline);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "rss_bench: the screenshot tool failed (status %d)\n", status);
        return 1;
    }
    samples.erase(std::remove(samples.begin(), samples.end(), 0L), samples.end());
    std::sort(samples.begin(), samples.end());
    std::printf("section %d for %d s on the real backend: peak resident memory %.1f MB", stage, seconds,
                usage.ru_maxrss / 1024.0);
    if (!samples.empty()) {
        std::printf("; in play %.1f MB median, %.1f MB most", samples[samples.size() / 2] / 1024.0,
                    samples.back() / 1024.0);
    }
    std::printf("\n");
    return 0;
}
