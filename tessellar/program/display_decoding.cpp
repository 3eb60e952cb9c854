// Displays: prompts and labels (texts of the program's text table) and the
// values of fields and expressions.

#include "tessellar/pictures/field_picture.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_attributes.h"
#include "tessellar/program/screen_item_decoder.h"

namespace program {

namespace {

constexpr std::uint8_t kLongFormBit = 0x01;

int ScaleOf(std::uint32_t stored) {
    if (IsExpression(stored)) return model::kDefaultScale;
    if (stored >= model::kMinimumScale && stored <= model::kMaximumScale) return static_cast<int>(stored);
    return model::kDefaultScale;
}

}  // namespace

void ScreenItemDecoder::DecodeDisplay(std::uint32_t statement, DecodePass pass) {
    const ProgramImage& image = context_.image;
    const std::uint32_t at = Int24Field(image, statement, statement_field::kData);
    const bool longForm = (ByteField(image, at, display_field::kFormByte) & kLongFormBit) != 0;
    const RecordCopy<display_field::kLongLength> record(
        image, at, longForm ? display_field::kLongLength : display_field::kShortLength);
    model::CDispText& item = context_.model.AddDisplay();

    const OperandValue value = OperandText(image, record.Int24(display_field::kText), context_.sink);
    const std::string text = platform::CutText(value.text, model::kNameLength);
    item.source = value.source;
    item.dataDisplay = value.data;
    if (value.source == model::TextSource::Variable) item.SetName(text);

    int width = record.Byte(display_field::kDisplayWidth);
    if (width == 0) width = value.length;
    if (IsExpression(static_cast<std::uint32_t>(width))) width = static_cast<int>(text.size());
    item.width.SetBoth(width);

    item.sizeWord = record.U16(display_field::kSizeWord);
    item.typeLetter = static_cast<char>(record.Byte(display_field::kType));
    item.SetDefaultPicture(pictures::DefaultPictureText(item.sizeWord, item.typeLetter));
    item.picture.SetBoth(PictureText(record.Int24(display_field::kPicture)));

    const std::uint16_t tag = longForm ? record.U16(display_field::kTag) : 0;
    if (tag != 0) {
        item.identification = model::IdentificationKind::Tag;
        item.tag = tag;
    } else {
        switch (value.source) {
            case model::TextSource::Variable: {
                item.identification = model::IdentificationKind::Name;
                if (text.empty()) {
                    item.identification = model::IdentificationKind::OriginalCoordinate;
                } else if (auto [earlier, first] = displaysByName_.try_emplace(text, &item); !first) {
                    earlier->second->identification = model::IdentificationKind::OriginalCoordinate;
                    item.identification = model::IdentificationKind::OriginalCoordinate;
                }
                break;
            }
            case model::TextSource::TextNumber: {
                item.identification = model::IdentificationKind::OriginalText;
                if (auto [earlier, first] = displaysByText_.try_emplace(text, &item); !first) {
                    earlier->second->identification = model::IdentificationKind::OriginalCoordinate;
                    item.identification = model::IdentificationKind::OriginalCoordinate;
                }
                break;
            }
            default: item.identification = model::IdentificationKind::OriginalCoordinate; break;
        }
    }
    // Every display takes part in the duplicate rules of later ones.
    if (!item.name.empty()) displaysByName_.try_emplace(item.name, &item);
    displaysByText_.try_emplace(text, &item);
    item.text.SetBoth(text);

    const std::uint32_t row = record.Int24(display_field::kRow);
    const bool inReviewArea = InReviewArea(static_cast<int>(CoordinateValue(row)), pass);
    Place(item, row, record.Int24(display_field::kColumn));
    item.scale.SetBoth(ScaleOf(record.Int24(display_field::kScale)));

    if (inReviewArea) {
        if (context_.model.IsDataGrid() && longForm) {
            const OperandValue title = OperandText(image, record.Int24(display_field::kColumnTitle), context_.sink);
            item.columnTitle.SetBoth(title.text);
        }
        JoinReviewArea(item, item.columnTitle.Current());
    }

    const ItemAttributes attributes =
        MapProgramAttributes(record.U16(display_field::kAttributes), context_.geometry.screenFlags, inReviewArea);
    item.attributes.SetBoth(attributes.flags);
    if (attributes.prompt) item.promptMark = true;
    item.colours.SetBoth(model::ColoursForAttributes(attributes.flags, item.HasDataMark(), context_.model.Colours()));
}

}  // namespace program
