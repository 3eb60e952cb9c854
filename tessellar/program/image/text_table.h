#pragma once
// The program's text table: numbered texts that records refer to by number.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_image.h"

namespace program {

// Each entry of the text table: the string's offset at 2. Entry 0 is never used.
inline constexpr std::uint32_t kTextEntryLength = 5;
inline constexpr std::uint32_t kTextEntryOffsetField = 2;

// Where the string of text number `number` starts, read from its text table
// entry without checking the number against the header's count.
std::uint32_t TextStringOffset(const ProgramImage& image, std::uint32_t number);

// Reads text number `number` cut to capacity - 1 characters into `text`.
// Valid numbers run from 1 to the header's text count - 1; any other number
// shows "Internal error: illegal text number", leaves `text` unchanged and
// returns false.
bool ReadText(const ProgramImage& image, int number, std::size_t capacity, std::string& text,
              platform::MessageSink& sink);

}  // namespace program
