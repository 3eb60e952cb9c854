#pragma once
// Whether a mode of an entry's mode list is shown on its mode line.

#include <cstdint>

#include "tessellar/program/image/program_image.h"

namespace program {

// A mode is shown only on an entry with a record source to act on, and only
// when the entry's kind and record source allow what the mode does.
bool ModeApplies(const ProgramImage& image, std::uint32_t entry, std::uint32_t mode);

}  // namespace program
