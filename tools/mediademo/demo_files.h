// Files the demo makes for itself: PNG pictures and a WAV sound.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demo {

// rgb: width x height x 3 bytes, row-major. False when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
// 16-bit samples, interleaved when stereo.
bool WriteWav(const std::string& path, int rate, int channels, const std::vector<int16_t>& samples);

}  // namespace demo
