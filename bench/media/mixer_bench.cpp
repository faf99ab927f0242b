// Mixer cost: one second of 44100 Hz stereo output with 24 busy channels,
// mixed in 1024-frame buffers as the audio device asks for them. The time per
// iteration is the cost of one second of audio, which "cpu_per_audio_second"
// repeats as a rate.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "benchmark_flags.h"
#include "headless.h"
#include "media_internal.h"

namespace {

namespace fs = std::filesystem;

void Put16(std::string& b, uint32_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A looping 16-bit sound of `seconds` of noisy tone, written as a WAV and loaded.
int32_t MakeSound(const fs::path& dir, const std::string& name, int rate, int channels, double seconds) {
    const int frames = static_cast<int>(rate * seconds);
    std::string data;
    uint32_t noise = 12345;
    for (int i = 0; i < frames * channels; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double v = 12000 * std::sin(i * 0.031) + static_cast<int>(noise >> 20) - 2048;
        Put16(data, static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    std::string file = "RIFF";
    Put32(file, static_cast<uint32_t>(36 + data.size()));
    file += "WAVEfmt ";
    Put32(file, 16);
    Put16(file, 1);
    Put16(file, channels);
    Put32(file, rate);
    Put32(file, rate * channels * 2);
    Put16(file, channels * 2);
    Put16(file, 16);
    file += "data";
    Put32(file, static_cast<uint32_t>(data.size()));
    file += data;
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << file;
    return LoadSoundFile(path.string(), 1);
}

void BM_MixOneSecond24Channels(benchmark::State& state) {
    headless::Reset();
    const fs::path dir = fs::temp_directory_path() / "streetwarden_mixer_bench";
    fs::create_directories(dir);
    const int32_t effect = MakeSound(dir, "effect.wav", 44100, 1, 0.7);
    const int32_t lowRate = MakeSound(dir, "voice.wav", 22050, 1, 1.3);
    const int32_t music = MakeSound(dir, "music.wav", 44100, 2, 3.0);
    media::SetMixerDriven(true);
    // Effects as play makes them: most at rate 1, some in slow motion at 0.5,
    // voice lines from 22050 Hz data at 0.7, and the two music parts.
    for (int i = 0; i < 24; ++i) {
        int32_t ch = 0;
        if (i < 2) {
            ch = PlaySoundOn(music, 0);
        } else if (i < 6) {
            ch = PlaySoundOn(lowRate, 0);
            SetChannelRate(ch, 0.7f);
        } else {
            ch = PlaySoundOn(effect, 0);
            if (i % 3 == 0) SetChannelRate(ch, 0.5f);
        }
        SetChannelPan(ch, -1.0f + (i % 21) * 0.1f);
        SetChannelVolume(ch, 0.3f + (i % 7) * 0.1f);
    }
    std::vector<int16_t> buffer(2 * 1024);
    for (auto _ : state) {
        for (int done = 0; done < media::MixRate; done += 1024) {
            media::MixAudio(buffer.data(), std::min(1024, media::MixRate - done));
        }
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    if (media::LiveChannelCount() != 24) state.SkipWithError("channels ended during the run");
    state.counters["cpu_per_audio_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    headless::Reset();
    fs::remove_all(dir);
}
BENCHMARK(BM_MixOneSecond24Channels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    TakeBenchmarkFlags(&argc, argv, "mixer_bench");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
