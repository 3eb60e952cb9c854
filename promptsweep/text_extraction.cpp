#include "promptsweep/text_extraction.h"

#include <algorithm>
#include <cstring>

#include "platform/message_format.h"
#include "platform/text_capacity.h"
#include "promptsweep/term_match.h"
#include "promptsweep/texts.h"
#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/overrides/override_words.h"
#include "tessellar/program/image/text_table.h"

namespace promptsweep {

using platform::FormatText;
namespace words = overrides::texts;

namespace {

using program::ChainWalk;
using program::ProgramImage;
using program::ReadByte;
using program::ReadU24;
using program::ReadU16;

namespace op = program::op;
using program::kLiteralOperand;
using program::kTextNumberOperand;
using program::TextStringOffset;

// The pre-test copies each text into a 512-byte buffer.
constexpr std::size_t kPretestCapacity = 511;
// An accept record is read through its first 88 bytes at most, a display
// record through 18 (short form) or 38 (long form).
using AcceptRecordCopy = program::RecordCopy<program::accept_field::kRecordLength>;
using DisplayRecordCopy = program::RecordCopy<program::display_field::kLongLength>;
// Statement lists nest only a few levels in compiled programs; a damaged
// file may nest them without end.
constexpr int kMaxNesting = 200;

// A text of the image as a view: up to its NUL, the image's end or
// `capacity` characters.
std::string_view TextView(const ProgramImage& image, std::uint32_t offset, std::size_t capacity) {
    if (offset == 0 || offset >= image.Size()) return {};
    const char* start = reinterpret_cast<const char*>(image.Bytes().data()) + offset;
    const std::size_t limit = std::min(image.Size() - offset, capacity);
    const void* nul = std::memchr(start, '\0', limit);
    return {start, nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - start) : limit};
}

class ProgramVisit {
public:
    ProgramVisit(const ProgramImage& image, const PairList& pairs, HandOverTarget& target)
        : image_(image), pairs_(pairs), target_(target), budget_(image.Size() + 1024) {}

    bool Run() {
        const program::ProgramHeader header = program::ReadProgramHeader(image_);
        for (ChainWalk entries(image_, header.firstEntry, program::entry_field::kNext);
             const std::uint32_t entry = entries.Next();) {
            VisitEntry(entry);
        }
        return found_;
    }

private:
    void VisitEntry(std::uint32_t entry) {
        namespace field = program::entry_field;
        const std::uint8_t kind = ReadByte(image_, std::uint64_t{entry} + field::kKind) & 0x03;
        section_ = kind == 1 ? words::kScreen : kind == 2 ? words::kMenu : words::kProcedure;
        section_ += ' ';
        section_ += std::string(TextView(image_, ReadU24(image_, std::uint64_t{entry} + field::kName), kTextCapacity));

        Test(kScreenTitle, texts::kWindowTitleName, TextReference(Field(entry, field::kTitle)));
        VisitModes(Field(entry, field::kModeList));
        for (const std::uint32_t list : {field::kBody, field::kDetail}) {
            previous_.clear();
            VisitItems(Field(entry, list));
        }
        visitedMessages_.clear();
        for (const std::uint32_t list : {field::kBody, field::kDetail, field::kThirdList}) {
            VisitMessages(Field(entry, list), 0);
        }
        target_.EndEntry();
    }

    std::uint32_t Field(std::uint32_t record, std::uint32_t field) const {
        return program::Int24Field(image_, record, field);
    }

    // The text of a text-number operand, cut to its declared length and to
    // a text slot; nothing for any other operand or for none.
    std::optional<std::string> TextReference(std::uint32_t operand) const {
        namespace field = program::operand_field;
        if (operand == 0 || Field(operand, field::kExpression) != 0) return std::nullopt;
        if (ReadByte(image_, std::uint64_t{operand} + field::kKind) != kTextNumberOperand) return std::nullopt;
        const std::uint16_t number = ReadU16(image_, std::uint64_t{operand} + field::kTextNumber);
        const std::size_t length =
            std::min<std::size_t>(ReadU16(image_, std::uint64_t{operand} + field::kLength), kTextCapacity);
        return std::string(TextView(image_, TextStringOffset(image_, number), length));
    }

    // Tests one text against every pair; a match hands the item over.
    bool Test(int kind, std::string_view name, const std::optional<std::string>& text) {
        current_.clear();
        if (!text) return false;
        current_ = *text;
        const bool matched = std::any_of(pairs_.begin(), pairs_.end(), [&](const ReplacementPair& pair) {
            return HasTermMatch(current_, pair.find);
        });
        if (!matched) return false;
        found_ = true;
        target_.EnsureNewContent();
        HandOver(kind, name);
        return true;
    }

    void HandOver(int kind, std::string_view name) {
        target_.HandOver(HandedItem{kind, section_, name, current_, previous_, coordinate_});
    }

    void SetCoordinate(std::uint32_t row, std::uint32_t column) {
        coordinate_.clear();
        if (program::IsExpression(row) || program::IsExpression(column)) return;
        coordinate_ = FormatText(texts::kPairKeyLine, words::kOrigCoordinate, static_cast<int>(row), static_cast<int>(column));
    }

    void VisitModes(std::uint32_t first) {
        namespace field = program::mode_field;
        for (ChainWalk elements(image_, first, program::mode_list_field::kNext);
             const std::uint32_t element = elements.Next();) {
            const std::uint32_t mode = Field(element, program::mode_list_field::kMode);
            if (mode == 0) continue;
            const std::string name(TextView(image_, Field(mode, field::kIdentifier), kTextCapacity));
            const bool helpMatched = Test(kModeHelp, name, TextReference(Field(mode, field::kHelp)));
            previous_ = current_;
            const bool labelMatched = Test(kModeLabel, name, TextReference(Field(mode, field::kLabel)));
            if (helpMatched && !labelMatched) HandOver(kModeLabel, name);
        }
    }

    void VisitItems(std::uint32_t first) {
        namespace field = program::statement_field;
        for (ChainWalk statements(image_, first, field::kNext); const std::uint32_t statement = statements.Next();) {
            if (!Spend()) return;
            const std::uint32_t record = Field(statement, field::kData);
            if (record == 0) continue;
            switch (program::ByteField(image_, statement, field::kOp)) {
                case op::kAccept: VisitAccept(statement, record); break;
                case op::kDisplay: VisitDisplay(record); break;
                case op::kBox: VisitBox(record); break;
                case op::kOption: VisitOption(record); break;
                case op::kConfirm: VisitConfirm(record); break;
                default: break;
            }
        }
    }

    AcceptRecordCopy AcceptRecord(std::uint32_t statement, std::uint32_t record) const {
        return AcceptRecordCopy(image_, record, program::U16Field(image_, statement, program::statement_field::kLength));
    }

    std::string AcceptName(const AcceptRecordCopy& accept) const {
        namespace operand = program::operand_field;
        const std::uint32_t variable = accept.Int24(program::accept_field::kVariable);
        if (variable == 0) return {};
        std::string name(TextView(image_, Field(variable, program::variable_field::kName), kTextCapacity));
        const std::uint32_t subscript = accept.Int24(program::accept_field::kSubscript);
        if (subscript != 0 && Field(subscript, operand::kExpression) == 0 &&
            program::ByteField(image_, subscript, operand::kKind) == kLiteralOperand) {
            const std::uint16_t size = program::U16Field(image_, subscript, operand::kLength);
            if ((size & 0x2000) != 0 && (size & 0x3E0) <= 0x80) {
                const int value = ReadU16(image_, Field(subscript, operand::kLiteral));
                name = platform::CutText(FormatText(texts::kSubscriptedName, name.c_str(), value), kTextCapacity);
            }
        }
        return name;
    }

    void VisitAccept(std::uint32_t statement, std::uint32_t record) {
        namespace field = program::accept_field;
        const AcceptRecordCopy accept = AcceptRecord(statement, record);
        SetCoordinate(accept.Int24(field::kRow), accept.Int24(field::kColumn));
        const std::string name = AcceptName(accept);
        const bool titleMatched = Test(kAcceptTitle, name, TextReference(accept.Int24(field::kTitle)));
        previous_ = current_;
        const bool helpMatched = Test(kAcceptHelp, name, TextReference(accept.Int24(field::kHelp)));
        if (titleMatched && !helpMatched) HandOver(kAcceptHelp, name);
    }

    void VisitDisplay(std::uint32_t record) {
        namespace field = program::display_field;
        const bool longForm = (program::ByteField(image_, record, field::kFormByte) & 0x01) != 0;
        const DisplayRecordCopy display(image_, record, longForm ? field::kLongLength : field::kShortLength);
        SetCoordinate(display.Int24(field::kRow), display.Int24(field::kColumn));
        previous_.clear();
        bool titleMatched = false;
        if (longForm) {
            const std::optional<std::string> title = TextReference(display.Int24(field::kColumnTitle));
            if (title && !title->empty()) {
                previous_ = *title;
                titleMatched = Test(kDisplayTitle, "", title);
            }
        }
        const bool textMatched = Test(kDisplayText, "", TextReference(display.Int24(field::kText)));
        if (titleMatched && !textMatched) HandOver(kDisplayText, "");
    }

    void VisitBox(std::uint32_t record) {
        namespace field = program::box_field;
        const std::uint32_t top = Field(record, field::kTop);
        const std::uint32_t left = Field(record, field::kLeft);
        std::string name;
        if (!program::IsExpression(top) && !program::IsExpression(left)) {
            name = FormatText(texts::kBoxPosition, static_cast<int>(top), static_cast<int>(left));
        }
        Test(kBoxTitle, name, TextReference(Field(record, field::kTitle)));
    }

    void VisitOption(std::uint32_t record) {
        namespace field = program::option_field;
        if ((program::ByteField(image_, record, field::kFlags) & field::kNoTextBit) != 0) return;
        const bool textMatched = Test(kOptionText, "", TextReference(Field(record, field::kText)));
        previous_ = current_;
        const bool helpMatched = Test(kOptionHelp, "", TextReference(Field(record, field::kHelp)));
        if (textMatched && !helpMatched) HandOver(kOptionHelp, "");
    }

    void VisitConfirm(std::uint32_t record) {
        const std::uint16_t number = program::U16Field(image_, record, program::confirm_field::kQuestion);
        if (number == 0) return;
        const std::string question(TextView(image_, TextStringOffset(image_, number), kTextCapacity));
        if (!question.empty()) Test(kConfirmQuestion, "", question);
    }

    void VisitMessages(std::uint32_t first, int depth) {
        namespace field = program::statement_field;
        if (depth > kMaxNesting) return;
        for (ChainWalk statements(image_, first, field::kNext); const std::uint32_t statement = statements.Next();) {
            if (!Spend() || !visitedMessages_.insert(statement).second) return;
            switch (program::ByteField(image_, statement, field::kOp)) {
                case op::kMessage:
                case op::kAbort: VisitMessageParts(Field(statement, field::kData)); break;
                case op::kAcknowledge: VisitMessageParts(Field(statement, field::kFirstList)); break;
                case op::kBlock: VisitMessages(Field(statement, field::kFirstList), depth + 1); break;
                case op::kTwoBranch:
                    VisitMessages(Field(statement, field::kFirstList), depth + 1);
                    VisitMessages(Field(statement, field::kSecondList), depth + 1);
                    break;
                case op::kLoop: VisitBranches(statement, depth); break;
                case op::kMultiBranch: {
                    const std::uint32_t branch = Field(statement, field::kData);
                    if (branch != 0) VisitBranches(branch, depth);
                    break;
                }
                case op::kConfirm: {
                    const std::uint32_t confirm = Field(statement, field::kData);
                    if (confirm == 0) break;
                    for (const std::uint32_t list : program::confirm_field::kRunLists) {
                        VisitMessages(Field(confirm, list), depth + 1);
                    }
                    break;
                }
                case op::kAccept: {
                    namespace accept_field = program::accept_field;
                    const std::uint32_t record = Field(statement, field::kData);
                    if (record == 0) break;
                    const AcceptRecordCopy accept = AcceptRecord(statement, record);
                    VisitMessages(accept.Int24(accept_field::kSecondRunList), depth + 1);
                    VisitMessages(accept.Int24(accept_field::kRunList), depth + 1);
                    for (ChainWalk elements(image_, accept.Int24(accept_field::kRunChain), 0);
                         const std::uint32_t element = elements.Next();) {
                        VisitMessages(Field(element, accept_field::kRunElementList), depth + 1);
                    }
                    break;
                }
                default: break;
            }
        }
    }

    // A first list and two chains of branch elements, each element holding
    // a list: a loop statement and a branch record share this shape.
    void VisitBranches(std::uint32_t record, int depth) {
        namespace field = program::branch_field;
        VisitMessages(Field(record, field::kFirstList), depth + 1);
        for (const std::uint32_t chain : {field::kAlternatives, field::kFurther}) {
            for (ChainWalk elements(image_, Field(record, chain), field::kElementNext);
                 const std::uint32_t element = elements.Next();) {
                VisitMessages(Field(element, field::kElementList), depth + 1);
            }
        }
    }

    void VisitMessageParts(std::uint32_t first) {
        namespace field = program::message_part_field;
        for (ChainWalk parts(image_, first, field::kNext); const std::uint32_t part = parts.Next();) {
            Test(kMessagePart, texts::kMessageName, TextReference(Field(part, field::kText)));
        }
    }

    // Every statement costs one step of a budget that a compiled program
    // never exhausts, so a damaged file whose lists share and loop ends
    // in time proportional to its size.
    bool Spend() { return budget_ > 0 && --budget_ > 0; }

    const ProgramImage& image_;
    const PairList& pairs_;
    HandOverTarget& target_;
    std::size_t budget_;
    bool found_ = false;
    std::string section_;
    std::string current_;
    std::string previous_;
    std::string coordinate_;
    std::unordered_set<std::uint32_t> visitedMessages_;
};

}  // namespace

bool PretestFinds(const ProgramImage& image, std::string_view find) {
    // A text can only hold the find string if the image does: most programs
    // are done with one scan of their bytes.
    const std::string_view bytes(reinterpret_cast<const char*>(image.Bytes().data()), image.Size());
    if (find.empty() || bytes.find(find) == std::string_view::npos) return false;
    const std::uint16_t count = ReadU16(image, program::header_field::kTextCount);
    for (std::uint32_t number = 1; number < count; ++number) {
        if (HasTermMatch(TextView(image, TextStringOffset(image, number), kPretestCapacity), find)) return true;
    }
    return false;
}

bool VisitProgram(const ProgramImage& image, const PairList& pairs, HandOverTarget& target) {
    return ProgramVisit(image, pairs, target).Run();
}

}  // namespace promptsweep
