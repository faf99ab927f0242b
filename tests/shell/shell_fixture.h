// Helpers of the shell tests: a made-up Data folder the game can start from,
// a working directory switch, and a driver for the title screen's keys.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace shelltest {

// Writes an 8-bit RGB PNG (stored, uncompressed deflate); its header gives
// `headerHeight` rows when that is above 0, else the picture's own height.
void WritePng(const std::string& path, int32_t width, int32_t height, const std::vector<uint8_t>& rgb,
              int32_t headerHeight = 0);
// Writes a short 16-bit mono WAV (also used for .ogg paths: the loader looks
// at the content).
void WriteWav(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Builds a Data folder under `root` holding every manifest file and section
// strip. Whole pictures are 3 x 1 probes (black, green, blue pixels); small
// strips are real pictures whose cell 0 starts with the same three pixels;
// large strips are empty files that the headless backend synthesises.
void MakeDataFolder(const std::string& root);
// True when the file was written as a real picture with probe pixels.
bool HasProbePixels(const std::string& path);

// A fresh temporary folder (removed by RemoveTree).
std::string MakeTempDir();
void RemoveTree(const std::string& path);

// Makes a folder the working directory for its lifetime.
class WorkingDir {
public:
    explicit WorkingDir(const std::string& dir);
    ~WorkingDir();
private:
    std::string old_;
};

// A named pipe at `path` for its lifetime (where the system has them; Made()
// says whether it was made); a file that was there is put back afterwards.
// Opening a pipe waits for its other end, so its watchdog keeps a test from
// hanging on it: if the pipe is still there after 30 s, it opens the other
// end (which frees an open that waits) and closes it again (which ends a read
// that waits), and Fired() tells the test that something waited on the pipe.
class NamedPipe {
public:
    explicit NamedPipe(const std::string& path);
    ~NamedPipe();
    bool Made() const;
    bool Fired() const;

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

// Presses keys on the title screen: on each new title frame (one in which
// the title text was drawn), taps the next group of keys of the script; with
// the script used up it taps Escape, so the title always ends by quitting.
// Keys in `held` are held down throughout. The story, the credits and the
// results screen are skipped with Escape on their first frame that shows them.
struct TitleDriver {
    std::deque<std::vector<int32_t>> taps;
    std::vector<int32_t> held;
    std::function<void()> onPoll;  // called first at every poll
    void Install();
};

// Scripts the in-stage loop: on the first pass of every section, notes
// "RunStage <StageNumber>" for FlowLog and ends the section with the result
// that `result` gives (every section cleared when it is empty).
void ScriptSections(std::function<int32_t()> result = nullptr);

// What the game showed, in order, read from the draw log: the screens by the
// functions that draw them ("ShowLogoScreen", "ShowStory", "ShowCredits",
// "ShowEndScene", "ShowGameOver", "ShowResults"), one entry per run of their
// frames, and the scripted sections ("RunStage 6"). Title frames separate
// entries but are not listed.
std::vector<std::string> FlowLog();
// True when the frame presented last is a title-screen frame.
bool InTitle();

// Resets the headless backend and the game's flow state for a fresh Main.
void ResetGame();

}  // namespace shelltest
