#include "tessellar/program/screen_decoder.h"

#include "platform/message_format.h"
#include "tessellar/program/decode_context.h"
#include "tessellar/program/field_lists.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/message_texts.h"
#include "tessellar/program/mode_line.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_texts.h"
#include "tessellar/program/screen_item_decoder.h"

namespace program {

namespace {

constexpr int kDefaultBottomRow = 24;
constexpr int kDefaultRightColumn = 80;
// Room for the frame's border, and for a data grid's scroll bar.
constexpr int kFrameMargin = 2;
constexpr int kDataGridMargin = 2;
constexpr int kModeLineIndent = 2;

// An origin coordinate: a computed one, or 0, is 1.
int OriginCoordinate(std::uint32_t stored) {
    return (stored == 0 || IsExpression(stored)) ? 1 : static_cast<int>(stored);
}

void ReportMissingEntry(const model::CScreenModel& model, platform::MessageSink& sink) {
    sink.ShowMessage(platform::FormatText(texts::kScreenNotFound, model.Name().c_str()));
}

// Origin, frame, title bar, title and option width.
void DecodeFrame(DecodeContext& context, model::CScreenWnd& frame) {
    const ProgramImage& image = context.image;
    model::CScreenModel& model = context.model;
    ScreenGeometry& geometry = context.geometry;
    geometry.originRow = OriginCoordinate(Int24Field(image, context.entry, entry_field::kTopRow));
    geometry.originColumn = OriginCoordinate(Int24Field(image, context.entry, entry_field::kLeftColumn));
    model.SetOrigin({geometry.originRow, geometry.originColumn});

    const std::uint32_t bottom = Int24Field(image, context.entry, entry_field::kBottomRow);
    const std::uint32_t right = Int24Field(image, context.entry, entry_field::kRightColumn);
    const int bottomRow = (bottom == 0 || IsExpression(bottom)) ? kDefaultBottomRow : static_cast<int>(bottom) + 1;
    int rightColumn = (right == 0 || IsExpression(right)) ? kDefaultRightColumn : static_cast<int>(right);
    rightColumn += kFrameMargin;
    if (geometry.screenFlags & kScreenFlagDataGrid) rightColumn += kDataGridMargin;
    frame.Place(geometry.originColumn, geometry.originRow, rightColumn, bottomRow);
    frame.originalRightColumn = rightColumn;
    frame.originalBottomRow = bottomRow;
    geometry.originalBottomRow = bottomRow;

    if (const std::uint32_t title = Int24Field(image, context.entry, entry_field::kTitle)) {
        const std::string text = platform::CutText(OperandText(image, title, context.sink).text, model::kNameLength);
        if (!text.empty()) {
            model.Title().SetBoth(text);
            frame.TitleBar().title.SetBoth(text);
        }
    }
    if (const std::uint32_t width = Int24Field(image, context.entry, entry_field::kOptionWidth)) {
        model.SetOptionWidth(static_cast<int>(width));
        frame.optionWidth = static_cast<int>(width);
    }
}

constexpr std::int64_t kMaxReviewRows = 0xFFFF;

void DecodeReviewArea(DecodeContext& context, const model::CScreenWnd& frame) {
    const ProgramImage& image = context.image;
    const std::uint16_t word = U16Field(image, context.entry, entry_field::kReviewWord);
    if (word == 0) return;
    ScreenGeometry& geometry = context.geometry;
    context.model.SetReviewWord(word);
    model::CReviewArea& area = context.model.CreateReviewArea();
    area.flags = word;
    area.boxHeight = U16Field(image, context.entry, entry_field::kReviewHeight);
    area.repeatCount = U16Field(image, context.entry, entry_field::kReviewRepeat);
    // A damaged entry's grid would be taller than any picture of it can be:
    // its rows (height times repeats) are kept within one 16-bit count, so
    // whoever measures the grid in pixels stays within an int.
    if (area.boxHeight > 0 && std::int64_t{area.boxHeight} * area.repeatCount > kMaxReviewRows) {
        area.repeatCount = static_cast<int>(kMaxReviewRows / area.boxHeight);
    }
    const int firstRow = U16Field(image, context.entry, entry_field::kReviewFirstRow);
    area.firstRow = firstRow - geometry.originRow;
    area.leftColumn = 0;
    area.rightColumn = frame.rightColumn - 1 - geometry.originColumn;
    area.box = {area.leftColumn, area.firstRow, area.rightColumn, area.firstRow + area.boxHeight};

    geometry.review = true;
    geometry.reviewFirstRow = firstRow;
    geometry.reviewRows = std::int64_t{area.boxHeight} * area.repeatCount;
}

void DecodeModeLinePosition(DecodeContext& context) {
    const ProgramImage& image = context.image;
    const ScreenGeometry& geometry = context.geometry;
    int row = static_cast<int>(CoordinateValue(Int24Field(image, context.entry, entry_field::kModeLineRow)));
    int column = static_cast<int>(CoordinateValue(Int24Field(image, context.entry, entry_field::kModeLineColumn)));
    if (row == 0 || column == 0) {
        row = geometry.originalBottomRow - 1;
        column = geometry.originColumn + kModeLineIndent;
    }
    context.model.SetModeLine({row - geometry.originRow, column - geometry.originColumn});
}

void WidenOptions(model::CScreenModel& model, int longestLabel) {
    model.SetLongestOptionLength(longestLabel);
    if (model.OptionWidth() >= 1 || longestLabel <= 0) return;
    for (model::COptionItem& option : model.Options()) option.width = longestLabel;
}

bool ModeOrderApplies(const DecodeInputs& inputs, const model::CScreenModel& model) {
    return inputs.modeOrder && inputs.modeOrder->screenName == model.Name();
}

// The values decoding sets, back at their undecoded state.
void ResetScreenValues(model::CScreenModel& model) {
    model.DestroyItems();
    model.SetOrigin({});
    model.Title().SetBoth("");
    model.SetOptionWidth(-1);
    model.SetLongestOptionLength(0);
    model.SetReviewWord(0);
    model.SetModeLine({});
    model.ScreenTriggers().ClearAll();
}

}  // namespace

void DecodeScreen(model::CScreenModel& model, platform::MessageSink& sink, const DecodeInputs& inputs) {
    const std::string overridePath = model.OverridePath();
    ResetScreenValues(model);
    model.SetOverridePath(overridePath);
    model.SetNeedsDecoding(false);
    model::CScreenWnd& frame = model.CreateFrame();

    const ProgramImage* image = model.Image();
    if (image == nullptr || model.Entry() == 0 || model.Entry() >= image->Size()) {
        ReportMissingEntry(model, sink);
        return;
    }
    DecodeContext context{*image, model, sink, model.Entry(), {}};
    context.geometry.screenFlags = ByteField(*image, context.entry, entry_field::kScreenFlags);
    DecodeFrame(context, frame);
    DecodeReviewArea(context, frame);
    DecodeModeLinePosition(context);

    ScreenItemDecoder items(context);
    items.WalkList(Int24Field(*image, context.entry, entry_field::kBody), DecodePass::Body);
    items.WalkList(Int24Field(*image, context.entry, entry_field::kDetail), DecodePass::Detail);
    model.PlaceGridItems();

    DecodeScreenModes(context);
    WidenOptions(model, items.LongestOptionLength());
    BuildFieldLists(context, ReadProgramHeader(*image).globals);
    DecodeProgramModes(context, model.ProgramModes());
    if (ModeOrderApplies(inputs, model)) RebuildModeLine(model, inputs.modeOrder->modes);
    CollectMessageTexts(context);
}

}  // namespace program
