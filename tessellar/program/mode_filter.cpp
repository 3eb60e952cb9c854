#include "tessellar/program/mode_filter.h"

#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"

namespace program {

namespace {

namespace mode_flag {
constexpr std::uint16_t kReviewModes = 0x180;
constexpr std::uint16_t kFileModes = 0x800E;
constexpr std::uint16_t kEntryBit3Modes = 0x1060;
constexpr std::uint8_t kFileModesHigh = 0x40;
constexpr std::uint8_t kRecordModes = 0x10;
constexpr std::uint8_t kGroupModes = 0x08;
}  // namespace mode_flag

constexpr std::uint8_t kIndexedSourceLetter = 'I';
constexpr std::uint8_t kMemorySourceLetter = 'M';

}  // namespace

bool ModeApplies(const ProgramImage& image, std::uint32_t entry, std::uint32_t mode) {
    const std::uint16_t flags = U16Field(image, mode, mode_field::kFlags);
    const auto high = static_cast<std::uint8_t>(flags >> 8);
    const auto low = static_cast<std::uint8_t>(flags & 0xFF);
    const std::uint32_t group = Int24Field(image, entry, entry_field::kVariableGroup);
    const std::uint32_t file = Int24Field(image, entry, entry_field::kFileDefinition);
    const std::uint8_t screenFlags = ByteField(image, entry, entry_field::kScreenFlags);
    const std::uint8_t filterBits = ByteField(image, entry, entry_field::kModeFilterBits);
    const std::uint8_t kindByte = ByteField(image, entry, entry_field::kKind);

    std::uint8_t source = 0;
    if (group != 0) {
        source = ByteField(image, group, group_field::kSourceLetter);
    } else if (file != 0) {
        source = kIndexedSourceLetter;
    } else {
        return false;
    }
    const bool indexedOrMemory = source == kIndexedSourceLetter || source == kMemorySourceLetter;

    if ((flags & mode_flag::kReviewModes) && !(screenFlags & kScreenFlagReview)) return false;
    if (low & mode_flag::kRecordModes) {
        const bool entryHolds = (kindByte & 0x08) ||
                                ((filterBits & 0x02) && ByteField(image, entry, entry_field::kModeFilterByte) == 0 &&
                                 Int24Field(image, entry, entry_field::kModeFilterWord) == 0);
        if (entryHolds) return false;
        const bool fileHolds = file != 0 && (Int24Field(image, file, file_field::kModeFilterWords[0]) != 0 ||
                                             Int24Field(image, file, file_field::kModeFilterWords[1]) != 0 ||
                                             Int24Field(image, file, file_field::kModeFilterWords[2]) != 0);
        if (!indexedOrMemory || fileHolds) return false;
    }
    if ((low & mode_flag::kGroupModes) && (!indexedOrMemory || group == 0)) return false;
    if ((flags & mode_flag::kFileModes) && (high & mode_flag::kFileModesHigh) && file != 0 &&
        ByteField(image, file, file_field::kIndexByte) < 128) {
        return false;
    }
    if (!(filterBits & 0x08) && (flags & mode_flag::kEntryBit3Modes)) return false;
    if ((filterBits & 0x04) && (flags & mode_flag::kReviewModes)) return false;
    return true;
}

}  // namespace program
