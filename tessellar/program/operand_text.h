#pragma once
// The text of an operand descriptor: the value a display shows, a label, a
// title, a help line or a part of a message.

#include <cstdint>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/model/identification.h"
#include "tessellar/program/image/program_image.h"
#include "tessellar/program/image/record_layout.h"

namespace program {

// Text numbers are read into 100-character fields.
inline constexpr std::size_t kTextCapacity = 100;
inline constexpr int kLongestText = 99;

struct OperandValue {
    std::string text;
    int length = 0;
    model::TextSource source = model::TextSource::None;
    bool data = false;  // a variable's or an expression's value, not a text of the screen
};

// A variable, a text number, or "<expression>" for anything else. Offset 0
// is no operand: empty text, length 0. A text number out of range shows
// "Internal error: illegal text number" and gives empty text.
OperandValue OperandText(const ProgramImage& image, std::uint32_t operand, platform::MessageSink& sink);

// As OperandText, but a literal shows its value: a number formatted by its
// size word, a text as its bytes.
OperandValue TitleText(const ProgramImage& image, std::uint32_t operand, platform::MessageSink& sink);

// A variable's name; with a subscript, "NAME[n]" when the subscript is a
// small binary literal, else empty (the runtime value cannot be shown).
// Cut to 79 characters.
std::string VariableName(const ProgramImage& image, std::uint32_t variable, std::uint32_t subscript);

}  // namespace program
