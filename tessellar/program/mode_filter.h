#pragma once
// Whether a mode of an entry's mode list is shown on its mode line.

#include <cstdint>

#include "tessellar/program/image/program_image.h"

namespace program {

namespace mode_field {
inline constexpr std::uint32_t kNext = 0;
inline constexpr std::uint32_t kIdentifier = 3;
inline constexpr std::uint32_t kLabel = 6;
inline constexpr std::uint32_t kHelp = 9;
inline constexpr std::uint32_t kFlags = 12;
}  // namespace mode_field

// A mode is shown only on an entry with a record source to act on, and only
// when the entry's kind and record source allow what the mode does.
bool ModeApplies(const ProgramImage& image, std::uint32_t entry, std::uint32_t mode);

}  // namespace program
