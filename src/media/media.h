// The media layer: everything the game needs from the machine (display,
// images and drawing, sound, input, time, random numbers, files and text).
// The game reaches SDL, OpenGL, libpng and libvorbis only through here.
//
// Every object is an int32 handle; 0 stands for none. Handles are never
// reused, so a handle to a released image or a finished channel stays inert:
// drawing it draws nothing, playing it plays nothing, asking it answers 0.
//
// Two backends implement the machine-facing half: the real one (SDL2 and
// OpenGL, src/media/sdl) and a headless one for tests (src/media/headless).
// A program links exactly one of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// ---------------------------------------------------------------- start-up
// Bring up the layer's modules. The real backend opens the audio output in
// InitAudio and the video system in InitDisplay; the window opens with
// OpenDisplay.
void InitRuntime();
void InitAudio();
void InitKeyboard();
void InitJoystick();
void InitDisplay();
// Caption of the window and of the message boxes.
void SetAppTitle(const std::string& title);

// ---------------------------------------------------------------- display
constexpr int32_t OpenGl2dDriver() { return 1; }
void SelectDisplayDriver(int32_t driver, int32_t flags);
// depth 0: a window; 16 or 32: full screen. hertz paces PresentFrame(-1).
// When no display can be opened the program says so on stderr and exits 1.
void OpenDisplay(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t flags);
int32_t DisplayColourDepth();
void HideMousePointer();
// Lines separated by '\r'. Returns 1 yes, 0 no, -1 cancel.
int32_t AskYesNoCancel(const std::string& text, int32_t serious);
void SetClearColour(int32_t r, int32_t g, int32_t b);
void ClearScreen();
// -1: paced to the display's hertz (carrying the remainder); 0: at once.
// The back buffer keeps the presented picture until drawn over.
void PresentFrame(int32_t sync);

// ---------------------------------------------------------------- images
constexpr int32_t ImageMasked = 1;
constexpr int32_t ImageFiltered = 2;
constexpr int32_t ImageDefaultFlags = -1;

void SetMaskColour(int32_t r, int32_t g, int32_t b);
void SetDefaultImageFlags(int32_t flags);
int32_t LoadImageFile(const std::string& path, int32_t flags);
// 0 when the picture is missing, unreadable or holds fewer cells than asked.
int32_t LoadImageStrip(const std::string& path, int32_t cellWidth, int32_t cellHeight,
                       int32_t firstCell, int32_t cellCount, int32_t flags);
// Starts decoding these PNG files on worker threads, so that the loads that
// follow (LoadImageFile, LoadImageStrip) find them ready. Only the decoding
// runs ahead: each load still happens when it is called, handles come in the
// order of the loads, and a file not announced is decoded by its load.
void PrepareImageFiles(const std::vector<std::string>& paths);
void SetImageOrigin(int32_t image, float x, float y);
void CentreImageOrigin(int32_t image);
int32_t CreateBlankImage(int32_t width, int32_t height, int32_t frames, int32_t flags);
// Copies the back buffer from (x, y), the frame's size, into the frame. A
// masked image turns pixels of the mask colour in force transparent.
void GrabScreenToImage(int32_t image, int32_t x, int32_t y, int32_t frame);
// Forgets a handle of any kind and frees its object. 0 releases nothing.
void ReleaseHandle(int32_t handle);
// Writes one frame as an 8-bit RGBA PNG (see-through pixels get alpha 0), for
// developer tools. 1 when the file was written whole; 0 for an inert handle,
// a frame outside the image or a failed write (no file is left behind).
int32_t SaveImagePng(int32_t image, int32_t frame, const std::string& path);

// Frame size and count of a loaded image (0 for an inert handle).
int32_t ImageFrameWidth(int32_t image);
int32_t ImageFrameHeight(int32_t image);
int32_t ImageFrameCount(int32_t image);

// ---------------------------------------------------------------- drawing
constexpr int32_t BlendMask = 1;
constexpr int32_t BlendSolid = 2;
constexpr int32_t BlendAlpha = 3;
constexpr int32_t BlendLight = 4;
constexpr int32_t BlendShade = 5;

void SetDrawColour(int32_t r, int32_t g, int32_t b);
void SetDrawAlpha(float alpha);  // clamped to 0..1, NaN counts as 0
void SetBlendMode(int32_t mode);
void SetDrawScale(float sx, float sy);
void SetDrawRotation(float degrees);
void SetClipRect(int32_t x, int32_t y, int32_t width, int32_t height);
void DrawImageFrame(int32_t image, float x, float y, int32_t frame);
void TileImageFrame(int32_t image, float x, float y, int32_t frame);
void FillRect(float x, float y, float width, float height);
void PlotPoint(float x, float y);

// 1 when an opaque pixel of frame1 placed at (x1, y1) covers an opaque pixel
// of frame2 placed at (x2, y2) (origins applied); works on the pixels as
// loaded, never on what was drawn.
int32_t ImagesOverlap(int32_t image1, float x1, float y1, int32_t frame1,
                      int32_t image2, float x2, float y2, int32_t frame2);

// ---------------------------------------------------------------- sound
int32_t LoadSoundFile(const std::string& path, int32_t flags);  // flags 1: loop
int32_t AllocateChannel();
// Both make a fresh channel (volume 1, pan 0, rate 1) and return it; the
// channel argument is accepted and ignored, as the game always passes 0.
int32_t PlaySoundOn(int32_t sound, int32_t channel);
int32_t CueSoundOn(int32_t sound, int32_t channel);  // starts paused
void StopChannel(int32_t channel);
int32_t IsChannelPlaying(int32_t channel);  // paused counts as playing
void SetChannelVolume(int32_t channel, float volume);
void SetChannelPan(int32_t channel, float pan);  // clamped to -1..1
void SetChannelRate(int32_t channel, float rate);
void PauseChannel(int32_t channel);
void ResumeChannel(int32_t channel);

// ---------------------------------------------------------------- input
// Key codes are Windows virtual-key numbers: 13 Enter, 27 Escape, 32 Space,
// 37..40 left, up, right, down, 48..57 digits, 65..90 letters, 112..123 F1..F12.
int32_t IsKeyDown(int32_t key);
int32_t KeyHitCount(int32_t key);
void FlushKeyStates();
int32_t JoystickCount();
int32_t IsJoyButtonDown(int32_t button, int32_t port);
int32_t JoyButtonHitCount(int32_t button, int32_t port);
float JoyAxisX(int32_t port);
float JoyAxisY(int32_t port);

// ---------------------------------------------------------------- time
// A free-running millisecond clock, truncated to 32 bits: it wraps, so
// compare readings only through MillisSince.
int32_t ElapsedMillis();
// Milliseconds from an earlier reading to a later one, correct across the wrap.
inline int32_t MillisBetween(int32_t earlier, int32_t later) {
    return static_cast<int32_t>(static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier));
}
// Milliseconds since an earlier reading of ElapsedMillis.
inline int32_t MillisSince(int32_t earlier) { return MillisBetween(earlier, ElapsedMillis()); }
void SleepMillis(int32_t ms);  // negative does nothing
int32_t CreateTickTimer(int32_t hertz);
// Blocks until the timer ticked at least once since the last call (or its
// creation), then returns how many ticks passed, however many.
int32_t WaitTick(int32_t timer);
void StopTickTimer(int32_t timer);

// ---------------------------------------------------------------- random
void SeedRandom(int32_t seed);
float RandomFloat(float a, float b);
int32_t RandomInt(int32_t a, int32_t b);
int32_t RandomState();  // the generator's state, for tests and state dumps
// `count` pairs of draws, RandomInt(0, firstTop) then RandomInt(0, secondTop):
// the same numbers in the same order as 2 x count calls, worked out only as
// far as needed. The pairs whose second draw is 0 are listed in order, their
// index (0 .. count - 1) in `hits` and their first draw in `firsts`, both
// with room for `count`. Returns how many.
int32_t RandomPairsSecondZero(int32_t firstTop, int32_t secondTop, int32_t count, int32_t* hits, int32_t* firsts);

// ---------------------------------------------------------------- files
// 0 nothing there (or nothing but a pipe, socket or device), 1 a regular
// file, 2 a folder.
int32_t PathKind(const std::string& path);
// 0 when the file cannot be opened; a pipe, socket or device is never opened.
int32_t OpenFileForReading(const std::string& path);
int32_t OpenFileForWriting(const std::string& path);  // creates or empties
int32_t ReadInt32(int32_t stream);    // little-endian; 0 past the end
float ReadFloat32(int32_t stream);
void WriteInt32(int32_t stream, int32_t value);
void WriteFloat32(int32_t stream, float value);
// 1 when every write since the stream opened reached the file and it closed
// cleanly; 0 otherwise.
int32_t CloseFile(int32_t stream);
// Bytes left to read in a stream opened for reading (0 for stream 0).
int32_t FileBytesLeft(int32_t stream);
// Makes the file at `from` take the place of `to` in one step (a rename on
// the same disk): either the old or the new file is there, never a torn one.
int32_t ReplaceFile(const std::string& from, const std::string& to);
void DeleteFile(const std::string& path);

// ---------------------------------------------------------------- text
std::string StringFromInt(int32_t n);
std::string ConcatStrings(const std::string& a, const std::string& b);
int32_t CompareStrings(const std::string& a, const std::string& b);  // <0, 0, >0
std::string ToUpperAscii(const std::string& s);
std::string Substring(const std::string& s, int32_t start, int32_t count);  // start from 1
std::string LeftChars(const std::string& s, int32_t n);
int32_t FirstCharCode(const std::string& s);  // -1 when empty
std::string StringFromCharCode(int32_t code);

// ---------------------------------------------------------------- program
// Ends the process at once with code 0 (the headless backend throws
// MediaExit instead, so tests can catch it).
[[noreturn]] void ExitProgram();
// Tells the player that something failed: the message on stderr, in one
// line, and in a message box captioned with the application title wherever
// a display can show one (the video system runs on a driver that shows
// windows); returns once the player has closed the box. Lines of the box are
// separated by '\n'. The headless backend shows nothing and keeps the
// message (headless::ReportedFailures).
void ReportFailure(const std::string& message);
// Ends the process with the given status once ReportFailure has told the
// player (a missing data file, no display).
[[noreturn]] void FailAndExit(const std::string& message, int32_t status);

// The game's entry, called by the platform layer once the program's own
// folder is the working directory.
int GameModuleEntry();
