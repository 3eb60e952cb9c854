#include "tessellar/program/screen_item_decoder.h"

#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_texts.h"

namespace program {

void ScreenItemDecoder::WalkList(std::uint32_t first, DecodePass pass, int depth) {
    if (depth >= kMaxStatementDepth) return;
    const ProgramImage& image = context_.image;
    for (ChainWalk walk(image, first, statement_field::kNext); std::uint32_t statement = walk.Next();) {
        // Met before through another list: it and the rest of its chain are done.
        if (!visits_.FirstVisit(statement)) return;
        switch (ByteField(image, statement, statement_field::kOp)) {
            case op::kBlock:
                WalkList(Int24Field(image, statement, statement_field::kFirstList), pass, depth + 1);
                break;
            case op::kAccept: DecodeAccept(statement, pass); break;
            case op::kDisplay: DecodeDisplay(statement, pass); break;
            case op::kBox: DecodeBox(statement); break;
            case op::kOption: DecodeOption(statement); break;
            case op::kConfirm: DecodeConfirm(statement); break;
            default: break;
        }
    }
}

bool ScreenItemDecoder::InReviewArea(int compiledRow, DecodePass pass) const {
    const ScreenGeometry& geometry = context_.geometry;
    return pass == DecodePass::Detail && geometry.review && compiledRow >= geometry.reviewFirstRow &&
           compiledRow < geometry.reviewFirstRow + geometry.reviewRows;
}

void ScreenItemDecoder::Place(model::FieldItem& item, std::uint32_t row, std::uint32_t column) {
    const ScreenGeometry& geometry = context_.geometry;
    item.compiled = {static_cast<int>(CoordinateValue(row)), static_cast<int>(CoordinateValue(column))};
    item.position.SetBoth({item.compiled.row - geometry.originRow, item.compiled.column - geometry.originColumn});
}

void ScreenItemDecoder::JoinReviewArea(model::FieldItem& item, const std::string& columnTitle) {
    model::CReviewArea* area = context_.model.ReviewArea();
    if (area == nullptr) return;
    item.inReviewArea = true;
    item.reviewArea = area;
    if (context_.model.IsDataGrid()) {
        context_.model.RegisterGridColumn(item, columnTitle);
    } else {
        area->columns.AddByPosition(item.position.Current().column, item.width.Current(), item.compiled.column);
    }
}

std::string ScreenItemDecoder::PictureText(std::uint32_t picture) const {
    if (IsExpression(picture)) return kExpressionText;
    if (picture == 0) return texts::kDefaultPicture;
    return ReadString(context_.image, picture, model::kNameLength + 1);
}

std::string ScreenItemDecoder::ValueListText(const char* prefix, std::uint32_t first) {
    std::string text = prefix;
    bool firstValue = true;
    for (ChainWalk walk(context_.image, first, value_field::kNext); std::uint32_t element = walk.Next();) {
        if (!firstValue) text += texts::kValueSeparator;
        firstValue = false;
        const std::uint32_t value = Int24Field(context_.image, element, value_field::kValue);
        text += TitleText(context_.image, value, context_.sink).text;
        if (const std::uint32_t end = Int24Field(context_.image, element, value_field::kRangeEnd)) {
            text += texts::kRangeJoin;
            text += TitleText(context_.image, end, context_.sink).text;
        }
        // The field holds no more; the rest of a long list cannot show.
        if (text.size() >= model::kValueListLength) break;
    }
    return platform::CutText(text, model::kValueListLength);
}

}  // namespace program
