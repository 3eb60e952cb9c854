#pragma once
// The fixed header at the start of every compiled program.

#include <cstdint>

#include "tessellar/program/image/program_image.h"

namespace program {

namespace header_field {
inline constexpr std::uint32_t kFirstEntry = 12;
inline constexpr std::uint32_t kGlobals = 18;
inline constexpr std::uint32_t kProgramModes = 21;
inline constexpr std::uint32_t kTextTable = 30;
inline constexpr std::uint32_t kMagic = 33;
inline constexpr std::uint32_t kTextCount = 45;
inline constexpr std::uint32_t kTotalSize = 51;
}  // namespace header_field

// The loader reads this many bytes before it trusts anything else.
inline constexpr std::uint32_t kHeaderLength = 95;
inline constexpr std::uint32_t kProgramMagic = 0x0D0AFF0A;

struct ProgramHeader {
    std::uint32_t firstEntry = 0;
    std::uint32_t globals = 0;
    std::uint32_t programModes = 0;
    std::uint32_t textTable = 0;
    std::uint32_t magic = 0;
    std::uint16_t textCount = 0;
    std::uint32_t totalSize = 0;
};

ProgramHeader ReadProgramHeader(const ProgramImage& image);

}  // namespace program
