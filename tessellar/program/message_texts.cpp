#include "tessellar/program/message_texts.h"

#include <string>
#include <vector>

#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_texts.h"
#include "tessellar/program/statement_visits.h"

namespace program {

namespace {

// Builds one message text in its 511-character field; parts beyond the
// field are dropped.
class MessageText {
public:
    MessageText& operator<<(std::string_view part) {
        text_.append(part.substr(0, model::kMessageLength - std::min(text_.size(), model::kMessageLength)));
        return *this;
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

class MessageCollector {
public:
    explicit MessageCollector(DecodeContext& context) : context_(context), image_(context.image) {}

    void WalkList(std::uint32_t first, int depth) {
        if (depth >= kMaxStatementDepth) return;
        for (ChainWalk walk(image_, first, statement_field::kNext); std::uint32_t statement = walk.Next();) {
            if (!visits_.FirstVisit(statement)) return;
            Statement(statement, depth);
        }
    }

private:
    void Statement(std::uint32_t statement, int depth) {
        const std::uint32_t data = Int24Field(image_, statement, statement_field::kData);
        const int inner = depth + 1;
        switch (ByteField(image_, statement, statement_field::kOp)) {
            case op::kBlock:
                WalkList(Int24Field(image_, statement, statement_field::kFirstList), inner);
                break;
            case op::kTwoBranch:
                WalkList(Int24Field(image_, statement, statement_field::kFirstList), inner);
                WalkList(Int24Field(image_, statement, statement_field::kSecondList), inner);
                break;
            case op::kAccept: {
                const RecordCopy<accept_field::kRecordLength> record(
                    image_, data, U16Field(image_, statement, statement_field::kLength));
                WalkList(record.Int24(accept_field::kSecondRunList), inner);
                WalkList(record.Int24(accept_field::kRunList), inner);
                WalkChain(record.Int24(accept_field::kRunChain), accept_field::kRunElementList, inner);
                break;
            }
            case op::kMultiBranch:
                WalkList(Int24Field(image_, data, branch_field::kFirstList), inner);
                WalkChain(Int24Field(image_, data, branch_field::kAlternatives), branch_field::kElementList, inner);
                WalkChain(Int24Field(image_, data, branch_field::kFurther), branch_field::kElementList, inner);
                break;
            case op::kConfirm:
                for (std::uint32_t list : confirm_field::kRunLists) WalkList(Int24Field(image_, data, list), inner);
                break;
            case op::kLoop:
                WalkList(Int24Field(image_, statement, statement_field::kFirstList), inner);
                WalkChain(Int24Field(image_, statement, statement_field::kSecondList), branch_field::kElementList,
                          inner);
                WalkChain(Int24Field(image_, statement, statement_field::kFurtherList), branch_field::kElementList,
                          inner);
                break;
            case op::kMessage: AddParts(data, model::MessageKind::Message); break;
            case op::kAbort: AddParts(data, model::MessageKind::Abort); break;
            case op::kAcknowledge:
                AddParts(Int24Field(image_, statement, statement_field::kFirstList), model::MessageKind::Acknowledge);
                if (data != 0) Add(model::MessageKind::PrintOrPrompt, MessageText() << texts::kPromptPrefix << PartText(data));
                break;
            case op::kPrint: AddPrint(data); break;
            default: break;
        }
    }

    // A chain of elements (next at 0) that each hold a statement list.
    void WalkChain(std::uint32_t first, std::uint32_t listField, int depth) {
        for (ChainWalk walk(image_, first, branch_field::kElementNext); std::uint32_t element = walk.Next();) {
            WalkList(Int24Field(image_, element, listField), depth);
        }
    }

    std::string PartText(std::uint32_t operand) { return OperandText(image_, operand, context_.sink).text; }

    void AddParts(std::uint32_t firstPart, model::MessageKind kind) {
        MessageText text;
        std::vector<model::MessagePart> parts;
        for (ChainWalk walk(image_, firstPart, message_part_field::kNext); std::uint32_t part = walk.Next();) {
            const OperandValue value = OperandText(image_, Int24Field(image_, part, message_part_field::kText),
                                                   context_.sink);
            text << value.text;
            parts.push_back({value.text, value.text, value.source == model::TextSource::TextNumber});
        }
        Add(kind, text).parts = std::move(parts);
    }

    void AddPrint(std::uint32_t record) {
        MessageText text;
        text << texts::kPrintPrefix << PartText(Int24Field(image_, record, print_field::kValue));
        const std::uint32_t row = Int24Field(image_, record, print_field::kRow);
        const std::uint32_t column = Int24Field(image_, record, print_field::kColumn);
        if (row != 0) {
            text << texts::kPrintAt << CoordinateText(row) << texts::kPrintAtSeparator << CoordinateText(column);
        } else if (column != 0) {
            text << texts::kPrintInColumn << CoordinateText(column);
        }
        Add(model::MessageKind::PrintOrPrompt, text);
    }

    model::CMessageItem& Add(model::MessageKind kind, const MessageText& text) {
        model::CMessageItem& item = context_.model.AddMessage(kind);
        item.SetText(text.Text());
        return item;
    }

    DecodeContext& context_;
    const ProgramImage& image_;
    StatementVisits visits_;
};

}  // namespace

void CollectMessageTexts(DecodeContext& context) {
    MessageCollector collector(context);
    for (std::uint32_t list : {entry_field::kBody, entry_field::kDetail, entry_field::kThirdList}) {
        collector.WalkList(Int24Field(context.image, context.entry, list), 0);
    }
}

}  // namespace program
