// Loading the generated files through the game's media layer, and small
// helpers to ask where a cell is opaque.
#pragma once

#include <string>

#include "manifest.h"
#include "media_internal.h"

namespace datatest {

std::string DataPath(const std::string& relative);  // relative starts with "Data/"
const dg::FileSpec* Spec(const std::string& relative);

// Loads a picture with its listed cells under its mask colour; nullptr when
// the load fails.
const media::Image* LoadPicture(const dg::FileSpec& spec);
const media::Image* LoadPicture(const std::string& relative);

// Opaque tests on one cell; out-of-range coordinates count as transparent.
bool On(const media::Image* img, int cell, int x, int y);
// Whether any pixel in cols x0..x1, rows y0..y1 (inclusive) is opaque.
bool AnyOn(const media::Image* img, int cell, int x0, int y0, int x1, int y1);
int CountOn(const media::Image* img, int cell);

bool LoadSound(const dg::FileSpec& spec, media::Sound& out);

}  // namespace datatest
