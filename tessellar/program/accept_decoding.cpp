// Entry fields (accept statements).

#include "tessellar/pictures/field_picture.h"
#include "tessellar/program/field_width.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_texts.h"
#include "tessellar/program/screen_item_decoder.h"

namespace program {

namespace {

// A help line holds 99 characters.
std::string HelpLineText(const OperandValue& help) { return platform::CutText(help.text, model::kHelpLineLength); }

}  // namespace

void ScreenItemDecoder::DecodeAccept(std::uint32_t statement, DecodePass pass) {
    const ProgramImage& image = context_.image;
    const RecordCopy<accept_field::kRecordLength> record(image, Int24Field(image, statement, statement_field::kData),
                                                        U16Field(image, statement, statement_field::kLength));
    model::CAcceptFld& item = context_.model.AddAccept();

    const std::uint32_t variable = record.Int24(accept_field::kVariable);
    item.SetName(VariableName(image, variable, record.Int24(accept_field::kSubscript)));
    item.sizeWord = U16Field(image, variable, variable_field::kSizeWord);
    item.attributeWord = U16Field(image, variable, variable_field::kAttributes);
    item.typeLetter = static_cast<char>(ByteField(image, variable, variable_field::kType));

    item.suppressedInProgram = (record.Byte(accept_field::kFlags) & accept_field::kSuppressedBit) != 0;
    item.suppressed.SetBoth(item.suppressedInProgram);

    if (const std::uint32_t allowed = record.Int24(accept_field::kAllowed)) {
        item.allowed.SetBoth(ValueListText(texts::kAllowedPrefix, allowed));
    }
    if (const std::uint32_t disallowed = record.Int24(accept_field::kDisallowed)) {
        item.disallowed.SetBoth(ValueListText(texts::kDisallowedPrefix, disallowed));
    }

    if (const std::uint16_t tag = record.U16(accept_field::kTag)) {
        item.identification = model::IdentificationKind::Tag;
        item.tag = tag;
    } else if (auto [earlier, first] = acceptsByName_.try_emplace(item.name, &item); !first) {
        earlier->second->identification = model::IdentificationKind::OriginalCoordinate;
        item.identification = model::IdentificationKind::OriginalCoordinate;
    } else {
        item.identification = model::IdentificationKind::Name;
    }
    // A tagged field still takes part in the name rule of later fields.
    if (item.identification == model::IdentificationKind::Tag) acceptsByName_.try_emplace(item.name, &item);

    item.help.SetBoth(HelpLineText(OperandText(image, record.Int24(accept_field::kHelp), context_.sink)));

    const std::uint32_t row = record.Int24(accept_field::kRow);
    const bool inReviewArea = !item.suppressedInProgram && InReviewArea(static_cast<int>(CoordinateValue(row)), pass);
    Place(item, row, record.Int24(accept_field::kColumn));

    const std::uint16_t sizeWord = record.U16(accept_field::kSizeWord);
    const std::uint8_t displayWidth = record.Byte(accept_field::kDisplayWidth);
    item.width.SetBoth(displayWidth != 0 ? displayWidth : FieldWidth(sizeWord, item.typeLetter));
    item.SetDefaultPicture(pictures::DefaultPictureText(sizeWord, item.typeLetter));
    item.picture.SetBoth(PictureText(record.Int24(accept_field::kPicture)));

    const std::string title = OperandText(image, record.Int24(accept_field::kTitle), context_.sink).text;
    if (!title.empty()) {
        item.title.SetBoth(title);
        item.titled = true;
    }
    if (inReviewArea) JoinReviewArea(item, item.title.Current());
}

}  // namespace program
