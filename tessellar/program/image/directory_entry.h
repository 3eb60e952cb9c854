#pragma once
// One screen, menu or procedure of the program's directory chain.

#include <cstdint>
#include <string>

#include "tessellar/program/image/program_image.h"

namespace program {

namespace entry_field {
inline constexpr std::uint32_t kModeLineRow = 4;
inline constexpr std::uint32_t kModeLineColumn = 7;
inline constexpr std::uint32_t kTopRow = 10;
inline constexpr std::uint32_t kLeftColumn = 13;
inline constexpr std::uint32_t kBottomRow = 16;
inline constexpr std::uint32_t kRightColumn = 19;
inline constexpr std::uint32_t kName = 30;
inline constexpr std::uint32_t kNext = 33;
inline constexpr std::uint32_t kModeList = 36;
inline constexpr std::uint32_t kVariableGroup = 39;
inline constexpr std::uint32_t kFileDefinition = 42;
inline constexpr std::uint32_t kModeFilterWord = 48;
inline constexpr std::uint32_t kBody = 51;
inline constexpr std::uint32_t kThirdList = 54;
inline constexpr std::uint32_t kDetail = 57;
inline constexpr std::uint32_t kModeFilterBits = 66;
inline constexpr std::uint32_t kKind = 67;
inline constexpr std::uint32_t kReviewWord = 68;
inline constexpr std::uint32_t kScreenFlags = 69;
inline constexpr std::uint32_t kReviewHeight = 70;
inline constexpr std::uint32_t kReviewRepeat = 72;
inline constexpr std::uint32_t kReviewFirstRow = 74;
inline constexpr std::uint32_t kModeFilterByte = 76;
inline constexpr std::uint32_t kLocals = 86;
inline constexpr std::uint32_t kOptionWidth = 93;
inline constexpr std::uint32_t kTitle = 108;
}  // namespace entry_field

inline constexpr std::uint8_t kScreenFlagReview = 0x01;
inline constexpr std::uint8_t kScreenFlagDataGrid = 0x80;

// Names, labels, texts and titles are held in 80-character fields.
inline constexpr std::size_t kNameCapacity = 80;

enum class EntryClass { Screen, ReviewScreen, DataGrid, Menu, Procedure, NotListed };

// The class an entry is offered as; a procedure with no record source and no
// statement list has nothing to draw and is not listed.
EntryClass ClassifyEntry(const ProgramImage& image, std::uint32_t entry);

// "Screen", "Screen(Review)", "Data Grid", "Menu", "Procedure"; empty for
// an entry that is not listed.
const char* EntryTypeText(EntryClass entryClass);

// The entry's name, cut to 79 characters.
std::string ReadEntryName(const ProgramImage& image, std::uint32_t entry);

}  // namespace program
