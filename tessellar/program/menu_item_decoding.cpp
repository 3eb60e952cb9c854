// Boxes, menu options and confirm prompts.

#include "tessellar/model/model_texts.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/image/text_table.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/screen_item_decoder.h"

namespace program {

namespace {

constexpr std::uint8_t kBoxFlagBit = 0x01;
// A bottom row this far below the right column is no row the compiler meant.
constexpr std::int64_t kBottomRowSlack = 256;
constexpr std::size_t kQuestionCapacity = 80;

model::IdentificationKind KindOfSource(model::TextSource source) {
    switch (source) {
        case model::TextSource::Variable: return model::IdentificationKind::Name;
        case model::TextSource::TextNumber: return model::IdentificationKind::OriginalText;
        case model::TextSource::Expression: return model::IdentificationKind::OriginalCoordinate;
        case model::TextSource::None: break;
    }
    return model::IdentificationKind::None;
}

std::string DefaultAnswer(std::uint8_t letter) {
    if (letter == 'Y' || letter == 'y') return model::texts::kAnswerYes;
    if (letter == 'N' || letter == 'n') return model::texts::kAnswerNo;
    return {};
}

}  // namespace

void ScreenItemDecoder::DecodeBox(std::uint32_t statement) {
    const ProgramImage& image = context_.image;
    const std::uint32_t record = Int24Field(image, statement, statement_field::kData);
    const ScreenGeometry& geometry = context_.geometry;
    model::CBoxItem& item = context_.model.AddBox();

    // Box corners are taken as stored, computed or not.
    model::BoxCorners corners{static_cast<int>(Int24Field(image, record, box_field::kLeft)),
                              static_cast<int>(Int24Field(image, record, box_field::kTop)),
                              static_cast<int>(Int24Field(image, record, box_field::kRight)),
                              static_cast<int>(Int24Field(image, record, box_field::kBottom))};
    if (corners.bottom > std::int64_t{corners.right} + kBottomRowSlack) {
        corners.bottom = geometry.originalBottomRow - 1;
    }
    item.compiled = corners;
    item.corners.SetBoth({corners.left - geometry.originColumn, corners.top - geometry.originRow,
                          corners.right - geometry.originColumn, corners.bottom - geometry.originRow});
    item.statementFlag = (ByteField(image, statement, statement_field::kFlags) & kBoxFlagBit) != 0;
    if (const std::uint32_t title = Int24Field(image, record, box_field::kTitle)) {
        item.title.SetBoth(TitleText(image, title, context_.sink).text);
    }
}

void ScreenItemDecoder::DecodeOption(std::uint32_t statement) {
    const ProgramImage& image = context_.image;
    const std::uint32_t record = Int24Field(image, statement, statement_field::kData);
    const ScreenGeometry& geometry = context_.geometry;
    model::COptionItem& item = context_.model.AddOption();
    const std::uint8_t flags = ByteField(image, record, option_field::kFlags);

    if (flags & option_field::kNoTextBit) {
        item.noText = true;
    } else {
        const OperandValue label = OperandText(image, Int24Field(image, record, option_field::kText), context_.sink);
        const OperandValue help = OperandText(image, Int24Field(image, record, option_field::kHelp), context_.sink);
        item.label.SetBoth(label.text);
        item.help.SetBoth(platform::CutText(help.text, model::kHelpLineLength));
        item.labelSource = label.source;
        const int optionWidth = context_.model.OptionWidth();
        item.width = optionWidth > 0 ? optionWidth : label.length;
        if (IsExpression(static_cast<std::uint32_t>(item.width))) item.width = static_cast<int>(label.text.size());
        longestOptionLength_ = std::max(longestOptionLength_, static_cast<int>(label.text.size()));

        item.identification = KindOfSource(label.source);
        if (label.source == model::TextSource::Variable) item.SetName(item.label.Original());
        auto [earlier, first] = optionsByLabel_.try_emplace(item.label.Original(), &item);
        if (!first && label.source == model::TextSource::Variable) {
            earlier->second->identification = model::IdentificationKind::OriginalCoordinate;
            item.identification = model::IdentificationKind::OriginalCoordinate;
        }
    }

    item.compiled = {static_cast<int>(CoordinateValue(Int24Field(image, record, option_field::kRow))),
                     static_cast<int>(CoordinateValue(Int24Field(image, record, option_field::kColumn)))};
    item.position.SetBoth({item.compiled.row - geometry.originRow, item.compiled.column - geometry.originColumn});

    if (flags & option_field::kPictureBit) {
        const std::uint32_t picture = Int24Field(image, record, option_field::kPictureNumber);
        if (picture != 0 && !IsExpression(picture)) item.pictureNumber = static_cast<int>(picture);
    }
}

void ScreenItemDecoder::DecodeConfirm(std::uint32_t statement) {
    const ProgramImage& image = context_.image;
    const std::uint32_t record = Int24Field(image, statement, statement_field::kData);
    model::CConfirmItem& item = context_.model.AddConfirm();
    item.compiled = {static_cast<int>(CoordinateValue(Int24Field(image, record, confirm_field::kRow))),
                     static_cast<int>(CoordinateValue(Int24Field(image, record, confirm_field::kColumn)))};
    item.defaultAnswer.SetBoth(DefaultAnswer(ByteField(image, record, confirm_field::kDefaultAnswer)));
    if (const std::uint16_t question = U16Field(image, record, confirm_field::kQuestion)) {
        std::string text;
        ReadText(image, question, kQuestionCapacity, text, context_.sink);
        item.question.SetBoth(text);
    }
}

}  // namespace program
