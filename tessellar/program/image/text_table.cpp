#include "tessellar/program/image/text_table.h"

#include "tessellar/program/image/program_header.h"
#include "tessellar/program/program_texts.h"

namespace program {

namespace {
constexpr std::uint32_t kTextEntryLength = 5;
constexpr std::uint32_t kTextEntryOffsetField = 2;
}  // namespace

bool ReadText(const ProgramImage& image, int number, std::size_t capacity, std::string& text,
              platform::MessageSink& sink) {
    const std::uint16_t count = ReadU16(image, header_field::kTextCount);
    if (number <= 0 || number >= count) {
        sink.ShowMessage(texts::kIllegalTextNumber);
        return false;
    }
    const std::uint64_t entry = std::uint64_t{ReadInt24(image, header_field::kTextTable)} +
                                std::uint64_t{kTextEntryLength} * static_cast<std::uint32_t>(number);
    text = ReadString(image, ReadInt24(image, entry + kTextEntryOffsetField), capacity);
    return true;
}

}  // namespace program
