#pragma once
// Where the fields of compiled records sit: statements and the op codes that
// readers act on, their data records, operands, variables and modes.

#include <cstdint>

namespace program {

namespace statement_field {
inline constexpr std::uint32_t kNext = 0;
inline constexpr std::uint32_t kOp = 3;
inline constexpr std::uint32_t kData = 4;
inline constexpr std::uint32_t kLength = 7;   // 16 bit: length of an accept record
inline constexpr std::uint32_t kFlags = 8;    // bit 0: the box flag
inline constexpr std::uint32_t kFirstList = 9;
inline constexpr std::uint32_t kSecondList = 12;
inline constexpr std::uint32_t kFurtherList = 15;
}  // namespace statement_field

namespace op {
inline constexpr std::uint8_t kBlock = 16;
inline constexpr std::uint8_t kTwoBranch = 17;
inline constexpr std::uint8_t kAccept = 25;
inline constexpr std::uint8_t kDisplay = 26;
inline constexpr std::uint8_t kPrint = 27;
inline constexpr std::uint8_t kBox = 31;
inline constexpr std::uint8_t kMessage = 32;
inline constexpr std::uint8_t kAbort = 33;
inline constexpr std::uint8_t kAcknowledge = 34;
inline constexpr std::uint8_t kOption = 35;
inline constexpr std::uint8_t kMultiBranch = 49;
inline constexpr std::uint8_t kConfirm = 60;
inline constexpr std::uint8_t kLoop = 75;
}  // namespace op

// BranchRecord (op 49) and BranchElement fields.
namespace branch_field {
inline constexpr std::uint32_t kFirstList = 9;
inline constexpr std::uint32_t kAlternatives = 12;
inline constexpr std::uint32_t kFurther = 15;
inline constexpr std::uint32_t kElementNext = 0;
inline constexpr std::uint32_t kElementList = 6;
}  // namespace branch_field

namespace accept_field {
inline constexpr std::size_t kRecordLength = 88;
inline constexpr std::uint32_t kRow = 0;
inline constexpr std::uint32_t kColumn = 3;
inline constexpr std::uint32_t kVariable = 9;
inline constexpr std::uint32_t kSubscript = 12;
inline constexpr std::uint32_t kPicture = 15;
inline constexpr std::uint32_t kFlags = 18;       // bit 5: suppressed in the program
inline constexpr std::uint32_t kSizeWord = 22;
inline constexpr std::uint32_t kDisplayWidth = 24;
inline constexpr std::uint32_t kHelp = 26;
inline constexpr std::uint32_t kTitle = 29;
inline constexpr std::uint32_t kRunList = 35;
inline constexpr std::uint32_t kAllowed = 38;
inline constexpr std::uint32_t kRunChain = 44;    // elements: next at 0, list at 3
inline constexpr std::uint32_t kDisallowed = 53;
inline constexpr std::uint32_t kSecondRunList = 63;
inline constexpr std::uint32_t kTag = 78;
inline constexpr std::uint8_t kSuppressedBit = 0x20;
inline constexpr std::uint32_t kRunElementList = 3;
}  // namespace accept_field

namespace value_field {
inline constexpr std::uint32_t kNext = 0;
inline constexpr std::uint32_t kValue = 3;
inline constexpr std::uint32_t kRangeEnd = 6;
}  // namespace value_field

namespace display_field {
inline constexpr std::size_t kShortLength = 18;
inline constexpr std::size_t kLongLength = 38;
inline constexpr std::uint32_t kRow = 0;
inline constexpr std::uint32_t kColumn = 3;
inline constexpr std::uint32_t kText = 6;
inline constexpr std::uint32_t kPicture = 9;
inline constexpr std::uint32_t kAttributes = 12;
inline constexpr std::uint32_t kFormByte = 13;    // bit 0: the long form
inline constexpr std::uint32_t kSizeWord = 14;
inline constexpr std::uint32_t kType = 16;
inline constexpr std::uint32_t kDisplayWidth = 17;
inline constexpr std::uint32_t kScale = 18;
inline constexpr std::uint32_t kTag = 27;
inline constexpr std::uint32_t kColumnTitle = 29;
}  // namespace display_field

namespace box_field {
inline constexpr std::uint32_t kTop = 0;
inline constexpr std::uint32_t kLeft = 3;
inline constexpr std::uint32_t kBottom = 6;
inline constexpr std::uint32_t kRight = 9;
inline constexpr std::uint32_t kTitle = 15;
}  // namespace box_field

namespace option_field {
inline constexpr std::uint32_t kRow = 0;
inline constexpr std::uint32_t kColumn = 3;
inline constexpr std::uint32_t kText = 6;
inline constexpr std::uint32_t kHelp = 9;
inline constexpr std::uint32_t kFlags = 20;
inline constexpr std::uint32_t kPictureNumber = 21;
inline constexpr std::uint8_t kNoTextBit = 0x01;
inline constexpr std::uint8_t kPictureBit = 0x10;
}  // namespace option_field

namespace confirm_field {
inline constexpr std::uint32_t kRow = 0;
inline constexpr std::uint32_t kColumn = 3;
inline constexpr std::uint32_t kQuestion = 8;     // 16-bit text number
inline constexpr std::uint32_t kDefaultAnswer = 11;
inline constexpr std::uint32_t kRunLists[] = {15, 18, 21, 24};
}  // namespace confirm_field

namespace print_field {
inline constexpr std::uint32_t kRow = 0;
inline constexpr std::uint32_t kColumn = 3;
inline constexpr std::uint32_t kValue = 6;
}  // namespace print_field

namespace message_part_field {
inline constexpr std::uint32_t kNext = 0;
inline constexpr std::uint32_t kText = 3;
}  // namespace message_part_field

namespace operand_field {
inline constexpr std::uint32_t kExpression = 0;  // Int24, nonzero = compiled expression
inline constexpr std::uint32_t kKind = 3;
inline constexpr std::uint32_t kLiteral = 4;      // Int24 offset of the literal's bytes
inline constexpr std::uint32_t kTextNumber = 4;   // 16 bit
inline constexpr std::uint32_t kLength = 7;       // 16 bit: size word or declared length
inline constexpr std::uint32_t kVariable = 9;
inline constexpr std::uint32_t kSubscript = 12;
}  // namespace operand_field

namespace variable_field {
inline constexpr std::uint32_t kNext = 0;
inline constexpr std::uint32_t kName = 3;
inline constexpr std::uint32_t kSizeWord = 11;
inline constexpr std::uint32_t kDisplayWidth = 13;
inline constexpr std::uint32_t kType = 15;
inline constexpr std::uint32_t kAttributes = 21;
}  // namespace variable_field

inline constexpr std::uint8_t kVariableOperand = 10;
inline constexpr std::uint8_t kLiteralOperand = 11;
inline constexpr std::uint8_t kTextNumberOperand = 87;

namespace mode_field {
inline constexpr std::uint32_t kNext = 0;
inline constexpr std::uint32_t kIdentifier = 3;
inline constexpr std::uint32_t kLabel = 6;
inline constexpr std::uint32_t kHelp = 9;
inline constexpr std::uint32_t kFlags = 12;
}  // namespace mode_field

// VariableGroup (an entry's record source, a key's group) and its elements.
namespace group_field {
inline constexpr std::uint32_t kName = 3;
inline constexpr std::uint32_t kFirstElement = 6;
inline constexpr std::uint32_t kSourceLetter = 37;  // read by the mode filter
inline constexpr std::uint32_t kElementVariable = 3;
inline constexpr std::uint32_t kElementNext = 9;
}  // namespace group_field

// FileDefinition (an entry's record source), its KeyRecords, FieldRecords and
// their further records.
namespace file_field {
inline constexpr std::uint32_t kFirstKey = 9;
inline constexpr std::uint32_t kFirstField = 12;
inline constexpr std::uint32_t kModeFilterWords[] = {18, 24, 27};  // read by the mode filter
inline constexpr std::uint32_t kIndexByte = 34;                    // read by the mode filter
inline constexpr std::uint32_t kKeyNext = 0;
inline constexpr std::uint32_t kKeyGroup = 5;
inline constexpr std::uint32_t kKeyFlags = 9;
inline constexpr std::uint32_t kFieldNext = 0;
inline constexpr std::uint32_t kFieldVariable = 5;
inline constexpr std::uint32_t kFieldFurther = 8;
inline constexpr std::uint32_t kFurtherByte = 9;
inline constexpr std::uint32_t kFieldFlags = 24;
inline constexpr std::uint8_t kListed = 0x01;
inline constexpr std::uint8_t kListedRegardless = 0x02;
inline constexpr std::uint8_t kFurtherExcludes = 0x01;
}  // namespace file_field

// ModeListElement: one mode of an entry's mode list.
namespace mode_list_field {
inline constexpr std::uint32_t kNext = 0;
inline constexpr std::uint32_t kMode = 3;
}  // namespace mode_list_field

}  // namespace program
