#include "tessellar/program/image/text_table.h"

#include "tessellar/program/image/program_header.h"
#include "tessellar/program/program_texts.h"

namespace program {

bool ReadText(const ProgramImage& image, int number, std::size_t capacity, std::string& text,
              platform::MessageSink& sink) {
    const std::uint16_t count = ReadU16(image, header_field::kTextCount);
    if (number <= 0 || number >= count) {
        sink.ShowMessage(texts::kIllegalTextNumber);
        return false;
    }
    text = ReadString(image, TextStringOffset(image, static_cast<std::uint32_t>(number)), capacity);
    return true;
}

std::uint32_t TextStringOffset(const ProgramImage& image, std::uint32_t number) {
    const std::uint64_t entry =
        std::uint64_t{ReadU24(image, header_field::kTextTable)} + std::uint64_t{kTextEntryLength} * number;
    return ReadU24(image, entry + kTextEntryOffsetField);
}

}  // namespace program
