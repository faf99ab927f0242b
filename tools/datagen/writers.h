// File writers of the data generator: 8-bit RGB PNG without time stamps,
// 16-bit mono WAV, and Ogg Vorbis with a fixed stream serial number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dg {

// Creates the folders above `path` as needed.
void MakeParentDirs(const std::string& path);

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

// Samples in -1..1 at 44100 Hz, written as they are (anything beyond full
// scale is cut off).
bool WriteWav(const std::string& path, const std::vector<float>& mono);

// Interleaved stereo samples in -1..1 at 44100 Hz.
bool WriteOgg(const std::string& path, const std::vector<float>& stereo, int serial, float quality);

}  // namespace dg
