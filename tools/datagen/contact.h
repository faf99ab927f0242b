// Review sheets: every cell of a picture laid out with outlines and numbers.
#pragma once

#include <string>

#include "canvas.h"

namespace dg {

bool WriteContactSheet(const std::string& path, const Sheet& sheet);

}  // namespace dg
