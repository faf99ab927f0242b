// The software mixer: sounds, channels and the 44100 Hz stereo mix that feeds
// the audio output. Every channel is one playback of a sound; it lives from
// PlaySoundOn/CueSoundOn until its sound ends or it is stopped, and is then
// freed, so its handle (never given out again) stays idle for good.
//
// An audio device pulls MixAudio from its own thread, so everything here is
// guarded by one mutex. Without a device (silent machine, headless backend)
// every call first moves the channels on by the millisecond clock, so a
// channel still ends when its sound would have ended.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <numbers>
#include <unordered_map>
#include <unordered_set>

#include "media_internal.h"

namespace media {
namespace {

struct Channel {
    const Sound* sound = nullptr;
    int32_t soundHandle = 0;
    float volume = 1.0f;
    float pan = 0.0f;
    float rate = 1.0f;
    bool paused = false;
    double position = 0.0;  // in frames of the sound
    std::unique_ptr<OggCursor> cursor;  // a streamed sound's decoder, made at its first mix
};

// The output stage's limiter: the summed channels pass unchanged while their
// peaks stay under the ceiling. A louder frame turns the gain down at once to
// what brings it to the ceiling (both sides alike, so the stereo image holds);
// the gain is held a little, then comes back up smoothly. So a busy scene
// never hard-clips or wraps, and a quiet one is not touched.
struct Limiter {
    static constexpr float Ceiling = 30000.0f;           // about -0.8 dBFS
    static constexpr int32_t HoldFrames = MixRate / 50;  // 20 ms
    // Each frame the cut shrinks by this factor (a time constant of 80 ms);
    // below a ten-thousandth it is gone.
    static constexpr float Keep = 1.0f - 1.0f / (0.08f * MixRate);
    float cut = 0.0f;  // the gain is 1 - cut
    int32_t hold = 0;

    void Run(const float* in, int16_t* out, int32_t frames) {
        for (int32_t i = 0; i < frames; ++i) {
            const float left = in[2 * i], right = in[2 * i + 1];
            const float peak = std::max(std::fabs(left), std::fabs(right));
            if (peak * (1.0f - cut) > Ceiling) {
                cut = 1.0f - Ceiling / peak;
                hold = HoldFrames;
            } else if (hold > 0) {
                --hold;
            } else if (cut > 0.0f) {
                cut *= Keep;
                if (cut < 1e-4f) cut = 0.0f;
            }
            const float gain = 1.0f - cut;
            out[2 * i] = ToSample(left * gain);
            out[2 * i + 1] = ToSample(right * gain);
        }
    }
    static int16_t ToSample(float v) {
        return static_cast<int16_t>(std::clamp(std::nearbyint(v), -32768.0f, 32767.0f));
    }
};

struct Mixer {
    std::mutex lock;
    std::unordered_map<int32_t, std::unique_ptr<Sound>> sounds;
    // Channels holding a playback, in handle order so the mix sums in a fixed order.
    std::map<int32_t, Channel> channels;
    // Channels made by AllocateChannel that never played: idle, but known.
    std::unordered_set<int32_t> idleChannels;
    bool driven = false;
    // Clock bookkeeping while no device drives the mixer.
    bool clockStarted = false;
    int32_t lastAdvance = 0;
    int64_t tenthsCarry = 0;  // fraction of an output frame, in tenths
    std::vector<float> mixBuffer;
    Limiter limiter;
};

// Never destroyed: the audio thread may still pull a mix while the process
// runs its exit handlers.
Mixer& State() {
    static Mixer* mixer = new Mixer;
    return *mixer;
}

// Frames of the sound that one output frame moves on.
double StepOf(const Channel& c) {
    return static_cast<double>(c.rate) * c.sound->rate / MixRate;
}

// Moves the playing channels on by `frames` output frames without mixing
// them, freeing those that end.
void AdvanceSilently(Mixer& m, int64_t frames) {
    if (frames <= 0) return;
    for (auto it = m.channels.begin(); it != m.channels.end();) {
        Channel& c = it->second;
        if (c.paused) {
            ++it;
            continue;
        }
        const double length = static_cast<double>(c.sound->Frames());
        c.position += static_cast<double>(frames) * StepOf(c);
        if (length <= 0.0 || (c.position >= length && !c.sound->loop)) {
            it = m.channels.erase(it);
            continue;
        }
        if (c.position >= length) c.position = std::fmod(c.position, length);
        ++it;
    }
}

// Without a device, brings the channels up to the clock: 44.1 frames a
// millisecond, the fraction carried to the next call.
void CatchUp(Mixer& m) {
    if (m.driven) return;
    const int32_t now = ElapsedMillis();
    if (!m.clockStarted) {
        m.clockStarted = true;
        m.lastAdvance = now;
        return;
    }
    const int32_t ms = MillisBetween(m.lastAdvance, now);
    m.lastAdvance = now;
    if (ms <= 0) return;  // a clock set back starts afresh from here
    constexpr int64_t tenthsPerMs = MixRate / 100;  // 44.1 frames = 441 tenths
    const int64_t tenths = m.tenthsCarry + static_cast<int64_t>(ms) * tenthsPerMs;
    m.tenthsCarry = tenths % 10;
    AdvanceSilently(m, tenths / 10);
}

Channel* FindChannel(Mixer& m, int32_t handle) {
    auto it = m.channels.find(handle);
    return it == m.channels.end() ? nullptr : &it->second;
}

// Linear interpolation between the frame at `index` and the next one; past
// the end a looping sound continues at its start, a one-shot sound fades to 0.
inline float SampleAt(const Sound& s, const FrameSpan& span, int64_t index, double frac, int32_t ch,
                      int64_t length) {
    const int16_t* data = span.data + (index - span.first) * s.channels;
    const float a = data[ch];
    float b = 0.0f;
    if (index + 1 < length) {
        b = data[s.channels + ch];
    } else if (s.loop) {
        b = s.stream ? s.firstFrame[ch] : s.samples[ch];
    }
    return a + (b - a) * static_cast<float>(frac);
}

// Mixes one channel into the float buffer; returns false when it ended.
bool MixChannel(Channel& c, float* acc, int32_t frames) {
    const Sound& s = *c.sound;
    const int64_t length = s.Frames();
    if (length <= 0) return false;
    FrameSpan span{s.samples.data(), 0, length};
    if (s.stream) {
        if (!c.cursor) c.cursor = std::make_unique<OggCursor>(s.stream);
        span = FrameSpan{};
    }
    // Equal-power pan law: centre takes each side at cos(pi/4); a hard pan
    // silences the other side exactly.
    const double angle = (static_cast<double>(c.pan) + 1.0) * (std::numbers::pi / 4.0);
    const float gainL = c.pan >= 1.0f ? 0.0f : static_cast<float>(c.volume * std::cos(angle));
    const float gainR = c.pan <= -1.0f ? 0.0f : static_cast<float>(c.volume * std::sin(angle));
    const double step = StepOf(c);
    const double dlength = static_cast<double>(length);
    double pos = c.position;
    const int32_t rightCh = s.channels > 1 ? 1 : 0;
    for (int32_t i = 0; i < frames; ++i) {
        const int64_t index = static_cast<int64_t>(pos);
        const double frac = pos - static_cast<double>(index);
        if (!span.Holds(index, length)) span = c.cursor->From(index, length);
        acc[2 * i] += SampleAt(s, span, index, frac, 0, length) * gainL;
        acc[2 * i + 1] += SampleAt(s, span, index, frac, rightCh, length) * gainR;
        pos += step;
        if (pos >= dlength) {
            if (!s.loop) return false;
            pos = pos - dlength < dlength ? pos - dlength : std::fmod(pos, dlength);
        }
    }
    c.position = pos;
    return true;
}

float CleanVolume(float v) {
    if (!(v > 0.0f)) return 0.0f;  // NaN too
    return v > 1.0f ? 1.0f : v;
}

float CleanPan(float p) {
    if (std::isnan(p)) return 0.0f;
    return std::clamp(p, -1.0f, 1.0f);
}

float CleanRate(float r) {
    if (!(r > 0.0f)) return 0.0f;  // NaN too: the channel stands still
    return r > 1000.0f ? 1000.0f : r;
}

bool HasExtension(const std::string& path, const char* ext) {
    const size_t n = std::char_traits<char>::length(ext);
    if (path.size() < n) return false;
    for (size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(path[path.size() - n + i])) != ext[i]) return false;
    }
    return true;
}

// "wav", "ogg" or "" from the first bytes of the file, else from its name.
std::string SoundKind(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return "";
    unsigned char head[12] = {};
    const size_t got = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    if (got >= 12 && std::equal(head, head + 4, "RIFF") && std::equal(head + 8, head + 12, "WAVE"))
        return "wav";
    if (got >= 4 && std::equal(head, head + 4, "OggS")) return "ogg";
    if (HasExtension(path, ".wav")) return "wav";
    if (HasExtension(path, ".ogg")) return "ogg";
    return "";
}

int32_t StartChannel(int32_t sound, bool paused) {
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    CatchUp(m);
    auto it = m.sounds.find(sound);
    if (it == m.sounds.end()) return 0;
    const int32_t handle = NewHandle();
    Channel& c = m.channels[handle];
    c.sound = it->second.get();
    c.soundHandle = sound;
    c.paused = paused;
    return handle;
}

// Runs `change` on a channel that holds a playback, after catching up.
template <typename F>
void WithChannel(int32_t channel, F change) {
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    CatchUp(m);
    if (Channel* c = FindChannel(m, channel)) change(*c);
}

}  // namespace

void MixAudio(int16_t* out, int32_t frames) {
    if (frames <= 0) return;
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    std::vector<float>& acc = m.mixBuffer;
    acc.assign(2 * static_cast<size_t>(frames), 0.0f);
    for (auto it = m.channels.begin(); it != m.channels.end();) {
        if (it->second.paused || MixChannel(it->second, acc.data(), frames)) {
            ++it;
        } else {
            it = m.channels.erase(it);
        }
    }
    m.limiter.Run(acc.data(), out, frames);
}

void SetMixerDriven(bool driven) {
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    if (driven == m.driven) return;
    if (driven) {
        CatchUp(m);  // what the clock owed before the device took over
        m.driven = true;
    } else {
        m.driven = false;
        m.clockStarted = true;
        m.lastAdvance = ElapsedMillis();
        m.tenthsCarry = 0;
    }
}

ChannelInfo QueryChannel(int32_t channel) {
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    CatchUp(m);
    ChannelInfo info;
    if (const Channel* c = FindChannel(m, channel)) {
        info.exists = true;
        info.busy = true;
        info.paused = c->paused;
        info.sound = c->soundHandle;
        info.volume = c->volume;
        info.pan = c->pan;
        info.rate = c->rate;
        info.position = c->position;
    } else if (m.idleChannels.count(channel)) {
        info.exists = true;
    }
    return info;
}

int32_t LiveChannelCount() {
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    CatchUp(m);
    return static_cast<int32_t>(m.channels.size());
}

void ResetMixer() {
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    m.channels.clear();
    m.idleChannels.clear();
    m.sounds.clear();
    m.driven = false;
    m.clockStarted = false;
    m.lastAdvance = 0;
    m.tenthsCarry = 0;
    m.limiter = Limiter{};
}

std::mutex& MixerLock() { return State().lock; }

int32_t RegisterSound(std::unique_ptr<Sound> sound) {
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    CatchUp(m);
    const int32_t handle = NewHandle();
    m.sounds[handle] = std::move(sound);
    return handle;
}

bool ReleaseSoundOrChannel(int32_t handle) {
    if (handle == 0) return false;
    Mixer& m = State();
    std::lock_guard<std::mutex> guard(m.lock);
    CatchUp(m);
    if (m.sounds.count(handle)) {
        std::erase_if(m.channels, [handle](const auto& entry) { return entry.second.soundHandle == handle; });
        m.sounds.erase(handle);
        return true;
    }
    if (m.channels.erase(handle)) return true;
    return m.idleChannels.erase(handle) > 0;
}

}  // namespace media

using media::Channel;
using media::Mixer;

int32_t LoadSoundFile(const std::string& path, int32_t flags) {
    auto sound = std::make_unique<media::Sound>();
    const std::string kind = media::SoundKind(path);
    bool ok = false;
    if (kind == "wav") ok = media::DecodeWav(path, *sound, nullptr);
    if (kind == "ogg") ok = media::OpenOgg(path, *sound, nullptr);
    if (!ok) return 0;
    sound->path = path;
    sound->loop = (flags & 1) != 0;
    return media::RegisterSound(std::move(sound));
}

int32_t AllocateChannel() {
    Mixer& m = media::State();
    std::lock_guard<std::mutex> guard(m.lock);
    media::CatchUp(m);
    const int32_t handle = media::NewHandle();
    m.idleChannels.insert(handle);
    return handle;
}

int32_t PlaySoundOn(int32_t sound, int32_t /*channel*/) { return media::StartChannel(sound, false); }

int32_t CueSoundOn(int32_t sound, int32_t /*channel*/) { return media::StartChannel(sound, true); }

void StopChannel(int32_t channel) {
    Mixer& m = media::State();
    std::lock_guard<std::mutex> guard(m.lock);
    media::CatchUp(m);
    m.channels.erase(channel);
}

int32_t IsChannelPlaying(int32_t channel) {
    Mixer& m = media::State();
    std::lock_guard<std::mutex> guard(m.lock);
    media::CatchUp(m);
    return media::FindChannel(m, channel) ? 1 : 0;
}

void SetChannelVolume(int32_t channel, float volume) {
    media::WithChannel(channel, [volume](Channel& c) { c.volume = media::CleanVolume(volume); });
}

void SetChannelPan(int32_t channel, float pan) {
    media::WithChannel(channel, [pan](Channel& c) { c.pan = media::CleanPan(pan); });
}

void SetChannelRate(int32_t channel, float rate) {
    media::WithChannel(channel, [rate](Channel& c) { c.rate = media::CleanRate(rate); });
}

void PauseChannel(int32_t channel) {
    media::WithChannel(channel, [](Channel& c) { c.paused = true; });
}

void ResumeChannel(int32_t channel) {
    media::WithChannel(channel, [](Channel& c) { c.paused = false; });
}
