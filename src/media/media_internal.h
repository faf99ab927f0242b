// What the two backends share inside the media layer: the handle registry,
// image pixels and masks, the drawing state, the input tables, the mixer, and
// the small hooks each backend provides. Game code never includes this.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
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
// Storage for bytes that are always written before they are read (pictures,
// files read whole): growing it leaves the new bytes as they are instead of
// clearing them first.
template <typename T>
struct UnclearedAllocator : std::allocator<T> {
    using value_type = T;
    template <typename U>
    struct rebind {
        using other = UnclearedAllocator<U>;
    };
    UnclearedAllocator() = default;
    template <typename U>
    UnclearedAllocator(const UnclearedAllocator<U>&) noexcept {}
    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
using RawBytes = std::vector<uint8_t, UnclearedAllocator<uint8_t>>;

// The box of a frame's opaque pixels (w and h 0 when it has none).
struct Box {
    int32_t x = 0, y = 0, w = 0, h = 0;
};

struct Image {
    std::string path;  // file it came from ("" for blank and synthesised images)
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t frameCount = 0;
    int32_t flags = 0;  // resolved flags (never -1)
    float originX = 0.0f;
    float originY = 0.0f;
    // The pixels on the CPU: frame-major, frame f starts at f * frameWidth *
    // frameHeight. RGBA8 in memory order R, G, B, A; alpha is 0 or 255. The
    // real backend drops them (rgba and opaque both) once a picture loaded
    // from a file is on the graphics card; ImageWithPixels brings them back.
    RawBytes rgba;
    // 1 where the pixel is opaque, same layout as rgba / 4.
    RawBytes opaque;
    // The compact copy the real backend keeps instead, of a picture loaded
    // from a file until it first goes to the card: the RGB of its opaque
    // pixels in order (frame, row, column), packedStart[f] the first of
    // frame f's. Its see-through pixels are the mask colour it was loaded
    // under (clearRgb).
    RawBytes packedRgb;
    std::vector<uint32_t> packedStart;
    uint8_t clearRgb[3] = {0, 0, 0};
    // Kept for good: the opaque pixels as bits, maskWords 64-bit words a row
    // (the last one spare), frame-major; and each frame's box of them.
    std::vector<uint64_t> maskBits;
    int32_t maskWords = 0;
    std::vector<Box> boxes;
    // Bumped whenever the pixels change (a grab), so a backend re-uploads.
    uint32_t version = 1;

    size_t FramePixels() const { return static_cast<size_t>(frameWidth) * frameHeight; }
    bool HasPixels() const { return !rgba.empty(); }
    bool HasPackedPixels() const { return !packedStart.empty(); }
    const uint8_t* FrameRgba(int32_t frame) const { return rgba.data() + 4 * FramePixels() * frame; }
    uint8_t* FrameRgba(int32_t frame) { return rgba.data() + 4 * FramePixels() * frame; }
    const uint8_t* FrameMask(int32_t frame) const { return opaque.data() + FramePixels() * frame; }
    const uint64_t* MaskRow(int32_t frame, int32_t y) const {
        return maskBits.data() + (static_cast<size_t>(frame) * frameHeight + y) * maskWords;
    }
    uint64_t* MaskRow(int32_t frame, int32_t y) {
        return maskBits.data() + (static_cast<size_t>(frame) * frameHeight + y) * maskWords;
    }
};

Image* FindImage(int32_t handle);
// nullptr unless the handle is an image and the frame is within it.
Image* FindImageFrame(int32_t handle, int32_t frame);
// The image with its pixels on the CPU, read back from the graphics card
// when the backend had dropped them (developer tools and tests); nullptr for
// an inert handle.
Image* ImageWithPixels(int32_t handle);
// Provided by each backend: puts the RGBA of an image whose CPU copy was
// dropped back into it; false when it cannot.
bool BackendRestorePixels(int32_t handle, Image& image);
// Provided by each backend: whether pictures loaded from files are kept in
// the compact form (packedRgb) rather than as RGBA.
bool BackendKeepsPackedPixels();
// Writes one frame's RGBA from the compact copy into `out`.
void UnpackFrame(const Image& image, int32_t frame, uint8_t* out);
// Frees the CPU copy of the pixels, either form (the mask bits and boxes stay).
void DropPixels(Image& image);
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
    RawBytes rgb;  // 3 bytes a pixel, row-major
};
// Reads a PNG into 8-bit RGB (palette, grey and 16-bit expanded, alpha dropped).
bool DecodePng(const std::string& path, Picture& out, std::string* error);
// Cuts cells from a picture and applies the mask rule, into RGBA or into the
// compact form; nullptr when the picture holds fewer than first + count cells.
std::unique_ptr<Image> CutCells(const Picture& picture, int32_t cellWidth, int32_t cellHeight,
                                int32_t firstCell, int32_t cellCount, int32_t flags, bool packed = false);
// The picture of a file announced to PrepareImageFiles and not yet taken,
// waiting for its decoding if need be: true when the file was announced,
// with `decoded` telling whether it decoded.
bool TakeDecodedPicture(const std::string& path, Picture& out, bool* decoded);
// Ends decoding ahead, dropping whatever was not taken.
void StopDecodingAhead();
// Rewrites alpha, mask, mask bits and box of a frame after new RGB landed in
// its pixels: masked images take the mask colour in force as transparent.
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

// Whether a backend that draws skips the pixels nobody will see: sprites
// drawn as the box of their opaque pixels, quads painted over later cut or
// dropped (the same pixels on the surface, fewer to fill), or draws
// everything as asked. On by default; tests and tools compare the two.
void SetHiddenPixelSkipping(bool on);

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
// Provided by the backend: an input poll, made by every key and joystick
// query (and by the real backend after each present). It hands the taking in
// of its waiting events to TakeInWaitingEvents.
void PumpEvents();
// Runs `takeIn` (which hands a backend's waiting events to the *Event
// feeders) unless it already ran while the millisecond clock read what it
// reads now; a flush runs it regardless. The queries of one burst thus all
// see one intake: a press cannot come in between two of them (the title asks
// for X in its layout step and again in its scan of the letters, and only
// the first may act on it), while a loop that sleeps between its polls still
// sees every key change.
void TakeInWaitingEvents(void (*takeIn)());

// ------------------------------------------------------------- mixer
constexpr int32_t MixRate = 44100;

struct OggStream;

struct Sound {
    std::string path;
    int32_t rate = MixRate;      // sample rate of the data
    int32_t channels = 1;        // 1 or 2
    std::vector<int16_t> samples;  // interleaved; empty for a sound that streams
    bool loop = false;
    // Music is decoded as it plays: its file stays in memory, compressed,
    // and each playback decodes its own way through it.
    std::shared_ptr<const OggStream> stream;
    int64_t streamFrames = 0;
    int16_t firstFrame[2] = {0, 0};  // of a streamed sound (where a loop's seam leads)
    int64_t Frames() const {
        if (stream) return streamFrames;
        return channels ? static_cast<int64_t>(samples.size()) / channels : 0;
    }
};

// Frames of a sound from `first` up to `end` (exclusive), interleaved: the
// whole of a decoded sound, or the part a streamed one has ready.
struct FrameSpan {
    const int16_t* data = nullptr;
    int64_t first = 0;
    int64_t end = 0;
    // Whether it holds the frame at `index` and the one after it (or the
    // sound, `length` frames, ends there).
    bool Holds(int64_t index, int64_t length) const {
        return index >= first && (index + 1 < end || (index < end && end >= length));
    }
};

// One playback's way through a streamed sound.
class OggCursor {
public:
    explicit OggCursor(std::shared_ptr<const OggStream> stream);
    ~OggCursor();
    OggCursor(const OggCursor&) = delete;
    OggCursor& operator=(const OggCursor&) = delete;
    // Frames from `index` on: at least up to index + 1, or to the end of the
    // sound (`length` frames). Frames past what the file holds are silent.
    FrameSpan From(int64_t index, int64_t length);

private:
    struct Decoder;
    std::unique_ptr<Decoder> decoder_;
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

// Reads a whole file of at most 1 GiB into `out`; on failure returns the
// reason ("cannot open", "unreadable size", "read error"), else nullptr.
const char* ReadWholeFile(const std::string& path, RawBytes& out);
bool DecodeWav(const std::string& path, Sound& out, std::string* error);
// Decodes a whole Ogg Vorbis file.
bool DecodeOgg(const std::string& path, Sound& out, std::string* error);
// Reads an Ogg Vorbis file for streaming: its format, its length and first
// frame are taken now; the rest is decoded as it plays (OggCursor).
bool OpenOgg(const std::string& path, Sound& out, std::string* error);
// Gives a sound a handle, as LoadSoundFile does once a file is decoded.
int32_t RegisterSound(std::unique_ptr<Sound> sound);

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
