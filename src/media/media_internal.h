// What the two backends share inside the media layer: the handle registry,
// image pixels and masks, the drawing state, the input tables, the mixer, and
// the small hooks each backend provides. Game code never includes this.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "media.h"

namespace media {

// ------------------------------------------------------------- handles
// One counter for every kind of object; a handle is never given out twice.
int32_t NewHandle();
// Provided by each backend: forget what it keeps for a handle being released
// (textures, tick timers). Called by ReleaseHandle for every handle.
void BackendHandleReleased(int32_t handle);

// ------------------------------------------------------------- images
struct Image {
    std::string path;  // file it came from ("" for blank and synthesised images)
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t frameCount = 0;
    int32_t flags = 0;  // resolved flags (never -1)
    float originX = 0.0f;
    float originY = 0.0f;
    // Frame-major pixels: frame f starts at f * frameWidth * frameHeight.
    // RGBA8 in memory order R, G, B, A; alpha is 0 or 255.
    std::vector<uint8_t> rgba;
    // 1 where the pixel is opaque, same layout as rgba / 4.
    std::vector<uint8_t> opaque;
    // Bumped whenever the pixels change (a grab), so a backend re-uploads.
    uint32_t version = 1;

    size_t FramePixels() const { return static_cast<size_t>(frameWidth) * frameHeight; }
    const uint8_t* FrameRgba(int32_t frame) const { return rgba.data() + 4 * FramePixels() * frame; }
    uint8_t* FrameRgba(int32_t frame) { return rgba.data() + 4 * FramePixels() * frame; }
    const uint8_t* FrameMask(int32_t frame) const { return opaque.data() + FramePixels() * frame; }
};

Image* FindImage(int32_t handle);
// nullptr unless the handle is an image and the frame is within it.
const Image* FindImageFrame(int32_t handle, int32_t frame);
int32_t RegisterImage(std::unique_ptr<Image> image);
bool ReleaseImage(int32_t handle);
void ResetImages();
// The colour in force for masked loads and grabs.
void MaskColour(uint8_t& r, uint8_t& g, uint8_t& b);
int32_t ResolveImageFlags(int32_t flags);

// A decoded picture before it is cut into cells.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;  // 3 bytes a pixel, row-major
};
// Reads a PNG into 8-bit RGB (palette, grey and 16-bit expanded, alpha dropped).
bool DecodePng(const std::string& path, Picture& out, std::string* error);
// Cuts cells from a picture and applies the mask rule; nullptr when the
// picture holds fewer than first + count cells.
std::unique_ptr<Image> CutCells(const Picture& picture, int32_t cellWidth, int32_t cellHeight,
                                int32_t firstCell, int32_t cellCount, int32_t flags);
// Rewrites alpha and mask of frame pixels after new RGB landed in them:
// masked images take the mask colour in force as transparent.
void ApplyMaskRule(Image& image, int32_t frame);

// The headless backend may synthesise images when no file exists (tests only).
using MissingImageHook = std::unique_ptr<Image> (*)(const std::string& path, int32_t cellWidth,
                                                     int32_t cellHeight, int32_t cellCount);
void SetMissingImageHook(MissingImageHook hook);

// ------------------------------------------------------------- drawing state
struct DrawState {
    int32_t r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int32_t blend = BlendMask;
    float scaleX = 1.0f, scaleY = 1.0f;
    float rotation = 0.0f;
    int32_t clipX = 0, clipY = 0, clipWidth = 640, clipHeight = 480;
    int32_t clearR = 0, clearG = 0, clearB = 0;
};
const DrawState& CurrentDrawState();
void ResetDrawState();
// The alpha byte used for drawing: alpha x 255, truncated.
inline uint8_t AlphaByte(float alpha) { return static_cast<uint8_t>(alpha * 255.0f); }

// PresentFrame(-1) pacing shared by both backends. `deadline` is the time the
// previous paced call was due; returns how long to sleep before presenting and
// moves the deadline on. A call that is a whole period or more late starts a
// fresh schedule instead of bursting to catch up.
int32_t PaceFrame(int32_t& deadline, bool& started, int32_t now, int32_t hertz);

// ------------------------------------------------------------- input
constexpr int KeyCount = 256;
constexpr int JoyPorts = 16;
constexpr int JoyButtons = 32;
// Backends feed events here (auto-repeat already filtered out).
void KeyEvent(int32_t key, bool down);
void JoyButtonEvent(int32_t port, int32_t button, bool down);
void JoyAxisEvent(int32_t port, int32_t axis, float value);  // axis 0 x, 1 y
void SetJoystickCountValue(int32_t count);
void ResetInput();
// Provided by the backend: takes in waiting events (calls the *Event feeders).
void PumpEvents();

// ------------------------------------------------------------- mixer
constexpr int32_t MixRate = 44100;

struct Sound {
    std::string path;
    int32_t rate = MixRate;      // sample rate of the data
    int32_t channels = 1;        // 1 or 2
    std::vector<int16_t> samples;  // interleaved
    bool loop = false;
    int64_t Frames() const { return channels ? static_cast<int64_t>(samples.size()) / channels : 0; }
};

struct ChannelInfo {
    bool exists = false;
    bool busy = false;  // holds a playback that has not ended or been stopped
    bool paused = false;
    int32_t sound = 0;
    float volume = 1.0f;
    float pan = 0.0f;
    float rate = 1.0f;
    double position = 0.0;  // in frames of the sound
};

bool DecodeWav(const std::string& path, Sound& out, std::string* error);
bool DecodeOgg(const std::string& path, Sound& out, std::string* error);

// Mixes `frames` stereo frames of 16-bit output (interleaved L, R) and moves
// every playing channel on; ended channels are freed. Safe to call from an
// audio thread.
void MixAudio(int16_t* out, int32_t frames);
// Whether an audio device pulls MixAudio. Without one the mixer moves its
// channels on by the clock (ElapsedMillis) whenever it is asked something, so
// channels still end on time.
void SetMixerDriven(bool driven);
ChannelInfo QueryChannel(int32_t channel);
int32_t LiveChannelCount();
void ResetMixer();
std::mutex& MixerLock();
// ReleaseHandle's share of the mixer: frees a sound (stopping the channels
// that play it) or a channel; false when the handle is neither.
bool ReleaseSoundOrChannel(int32_t handle);

// ------------------------------------------------------------- files
void ResetFiles();
bool ReleaseFile(int32_t handle);

// ------------------------------------------------------------- random
void ResetRandom();

}  // namespace media
