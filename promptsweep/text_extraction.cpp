#include "promptsweep/text_extraction.h"

#include <algorithm>
#include <cstring>

#include "promptsweep/format.h"
#include "promptsweep/term_match.h"
#include "promptsweep/texts.h"
#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/program_header.h"

namespace promptsweep {

namespace {

using program::ChainWalk;
using program::ProgramImage;
using program::ReadByte;
using program::ReadInt24;
using program::ReadU16;

constexpr std::uint8_t kTextNumberOperand = 87;  // "W"
constexpr std::uint8_t kLiteralOperand = 11;
constexpr std::uint32_t kTextEntryLength = 5;
constexpr std::uint32_t kTextEntryOffsetField = 2;
// The pre-test copies each text into a 512-byte buffer.
constexpr std::size_t kPretestCapacity = 511;
// An accept record is read through its first 88 bytes at most, a display
// record through 18 (short form) or 38 (long form).
constexpr std::uint32_t kAcceptRecordLimit = 88;
constexpr std::uint32_t kShortDisplayLength = 18;
constexpr std::uint32_t kLongDisplayLength = 38;
// Statement lists nest only a few levels in compiled programs; a damaged
// file may nest them without end.
constexpr int kMaxNesting = 200;

namespace op {
constexpr std::uint8_t kBlock = 16;
constexpr std::uint8_t kTwoBranch = 17;
constexpr std::uint8_t kAccept = 25;
constexpr std::uint8_t kDisplay = 26;
constexpr std::uint8_t kBox = 31;
constexpr std::uint8_t kMessage = 32;
constexpr std::uint8_t kAbort = 33;
constexpr std::uint8_t kAcknowledge = 34;
constexpr std::uint8_t kOption = 35;
constexpr std::uint8_t kMultiBranch = 49;
constexpr std::uint8_t kConfirm = 60;
constexpr std::uint8_t kLoop = 75;
}  // namespace op

// A text of the image as a view: up to its NUL, the image's end or
// `capacity` characters.
std::string_view TextView(const ProgramImage& image, std::uint32_t offset, std::size_t capacity) {
    if (offset == 0 || offset >= image.Size()) return {};
    const char* start = reinterpret_cast<const char*>(image.Bytes().data()) + offset;
    const std::size_t limit = std::min(image.Size() - offset, capacity);
    const void* nul = std::memchr(start, '\0', limit);
    return {start, nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - start) : limit};
}

std::uint32_t TextOffset(const ProgramImage& image, std::uint32_t number) {
    const std::uint64_t table = ReadInt24(image, program::header_field::kTextTable);
    return ReadInt24(image, table + std::uint64_t{kTextEntryLength} * number + kTextEntryOffsetField);
}

// A record read through a bounded length: fields past it read as 0.
class RecordView {
public:
    RecordView(const ProgramImage& image, std::uint32_t offset, std::uint32_t length)
        : image_(image), offset_(offset), length_(length) {}
    std::uint32_t Int24(std::uint32_t field) const {
        return field + 3 <= length_ ? ReadInt24(image_, std::uint64_t{offset_} + field) : 0;
    }

private:
    const ProgramImage& image_;
    std::uint32_t offset_;
    std::uint32_t length_;
};

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
        section_ = kind == 1 ? texts::kSectionScreen : kind == 2 ? texts::kSectionMenu : texts::kSectionProcedure;
        section_ += std::string(TextView(image_, ReadInt24(image_, std::uint64_t{entry} + field::kName), kTextCapacity));

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
        return ReadInt24(image_, std::uint64_t{record} + field);
    }

    // The text of a text-number operand, cut to its declared length and to
    // a text slot; nothing for any other operand or for none.
    std::optional<std::string> TextReference(std::uint32_t operand) const {
        if (operand == 0 || Field(operand, 0) != 0) return std::nullopt;
        if (ReadByte(image_, std::uint64_t{operand} + 3) != kTextNumberOperand) return std::nullopt;
        const std::uint16_t number = ReadU16(image_, std::uint64_t{operand} + 4);
        const std::size_t length = std::min<std::size_t>(ReadU16(image_, std::uint64_t{operand} + 7), kTextCapacity);
        return std::string(TextView(image_, TextOffset(image_, number), length));
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
        coordinate_ = Format(texts::kCoordinateText, static_cast<int>(row), static_cast<int>(column));
    }

    void VisitModes(std::uint32_t first) {
        for (ChainWalk elements(image_, first, 0); const std::uint32_t element = elements.Next();) {
            const std::uint32_t mode = Field(element, 3);
            if (mode == 0) continue;
            const std::string name(TextView(image_, Field(mode, 3), kTextCapacity));
            const bool helpMatched = Test(kModeHelp, name, TextReference(Field(mode, 9)));
            previous_ = current_;
            const bool labelMatched = Test(kModeLabel, name, TextReference(Field(mode, 6)));
            if (helpMatched && !labelMatched) HandOver(kModeLabel, name);
        }
    }

    void VisitItems(std::uint32_t first) {
        for (ChainWalk statements(image_, first, 0); const std::uint32_t statement = statements.Next();) {
            if (!Spend()) return;
            const std::uint32_t record = Field(statement, 4);
            if (record == 0) continue;
            switch (ReadByte(image_, std::uint64_t{statement} + 3)) {
                case op::kAccept: VisitAccept(statement, record); break;
                case op::kDisplay: VisitDisplay(record); break;
                case op::kBox: VisitBox(record); break;
                case op::kOption: VisitOption(record); break;
                case op::kConfirm: VisitConfirm(record); break;
                default: break;
            }
        }
    }

    RecordView AcceptRecord(std::uint32_t statement, std::uint32_t record) const {
        const std::uint32_t length = ReadU16(image_, std::uint64_t{statement} + 7);
        return RecordView(image_, record, std::min(length, kAcceptRecordLimit));
    }

    std::string AcceptName(const RecordView& accept) const {
        const std::uint32_t variable = accept.Int24(9);
        if (variable == 0) return {};
        std::string name(TextView(image_, Field(variable, 3), kTextCapacity));
        const std::uint32_t subscript = accept.Int24(12);
        if (subscript != 0 && Field(subscript, 0) == 0 &&
            ReadByte(image_, std::uint64_t{subscript} + 3) == kLiteralOperand) {
            const std::uint16_t size = ReadU16(image_, std::uint64_t{subscript} + 7);
            if ((size & 0x2000) != 0 && (size & 0x3E0) <= 0x80) {
                const int value = ReadU16(image_, Field(subscript, 4));
                name = CutTo(Format(texts::kSubscriptedName, name.c_str(), value), kTextCapacity);
            }
        }
        return name;
    }

    void VisitAccept(std::uint32_t statement, std::uint32_t record) {
        const RecordView accept = AcceptRecord(statement, record);
        SetCoordinate(accept.Int24(0), accept.Int24(3));
        const std::string name = AcceptName(accept);
        const bool titleMatched = Test(kAcceptTitle, name, TextReference(accept.Int24(29)));
        previous_ = current_;
        const bool helpMatched = Test(kAcceptHelp, name, TextReference(accept.Int24(26)));
        if (titleMatched && !helpMatched) HandOver(kAcceptHelp, name);
    }

    void VisitDisplay(std::uint32_t record) {
        const bool longForm = (ReadByte(image_, std::uint64_t{record} + 13) & 0x01) != 0;
        const RecordView display(image_, record, longForm ? kLongDisplayLength : kShortDisplayLength);
        SetCoordinate(display.Int24(0), display.Int24(3));
        previous_.clear();
        bool titleMatched = false;
        if (longForm) {
            const std::optional<std::string> title = TextReference(display.Int24(29));
            if (title && !title->empty()) {
                previous_ = *title;
                titleMatched = Test(kDisplayTitle, "", title);
            }
        }
        const bool textMatched = Test(kDisplayText, "", TextReference(display.Int24(6)));
        if (titleMatched && !textMatched) HandOver(kDisplayText, "");
    }

    void VisitBox(std::uint32_t record) {
        const std::uint32_t top = Field(record, 0);
        const std::uint32_t left = Field(record, 3);
        std::string name;
        if (!program::IsExpression(top) && !program::IsExpression(left)) {
            name = Format(texts::kBoxPosition, static_cast<int>(top), static_cast<int>(left));
        }
        Test(kBoxTitle, name, TextReference(Field(record, 15)));
    }

    void VisitOption(std::uint32_t record) {
        if ((ReadByte(image_, std::uint64_t{record} + 20) & 0x01) != 0) return;  // no text
        const bool textMatched = Test(kOptionText, "", TextReference(Field(record, 6)));
        previous_ = current_;
        const bool helpMatched = Test(kOptionHelp, "", TextReference(Field(record, 9)));
        if (textMatched && !helpMatched) HandOver(kOptionHelp, "");
    }

    void VisitConfirm(std::uint32_t record) {
        const std::uint16_t number = ReadU16(image_, std::uint64_t{record} + 8);
        if (number == 0) return;
        const std::string question(TextView(image_, TextOffset(image_, number), kTextCapacity));
        if (!question.empty()) Test(kConfirmQuestion, "", question);
    }

    void VisitMessages(std::uint32_t first, int depth) {
        if (depth > kMaxNesting) return;
        for (ChainWalk statements(image_, first, 0); const std::uint32_t statement = statements.Next();) {
            if (!Spend() || !visitedMessages_.insert(statement).second) return;
            const std::uint64_t at = statement;
            switch (ReadByte(image_, at + 3)) {
                case op::kMessage:
                case op::kAbort: VisitMessageParts(Field(statement, 4)); break;
                case op::kAcknowledge: VisitMessageParts(Field(statement, 9)); break;
                case op::kBlock: VisitMessages(Field(statement, 9), depth + 1); break;
                case op::kTwoBranch:
                    VisitMessages(Field(statement, 9), depth + 1);
                    VisitMessages(Field(statement, 12), depth + 1);
                    break;
                case op::kLoop: VisitBranches(statement, depth); break;
                case op::kMultiBranch: {
                    const std::uint32_t branch = Field(statement, 4);
                    if (branch != 0) VisitBranches(branch, depth);
                    break;
                }
                case op::kConfirm: {
                    const std::uint32_t confirm = Field(statement, 4);
                    if (confirm == 0) break;
                    for (const std::uint32_t list : {15u, 18u, 21u, 24u}) {
                        VisitMessages(Field(confirm, list), depth + 1);
                    }
                    break;
                }
                case op::kAccept: {
                    const std::uint32_t record = Field(statement, 4);
                    if (record == 0) break;
                    const RecordView accept = AcceptRecord(statement, record);
                    VisitMessages(accept.Int24(63), depth + 1);
                    VisitMessages(accept.Int24(35), depth + 1);
                    for (ChainWalk elements(image_, accept.Int24(44), 0); const std::uint32_t element = elements.Next();) {
                        VisitMessages(Field(element, 3), depth + 1);
                    }
                    break;
                }
                default: break;
            }
        }
    }

    // A list at 9 and two chains of branch elements at 12 and 15, each
    // element holding a list at 6: a loop statement or a branch record.
    void VisitBranches(std::uint32_t record, int depth) {
        VisitMessages(Field(record, 9), depth + 1);
        for (const std::uint32_t chain : {12u, 15u}) {
            for (ChainWalk elements(image_, Field(record, chain), 0); const std::uint32_t element = elements.Next();) {
                VisitMessages(Field(element, 6), depth + 1);
            }
        }
    }

    void VisitMessageParts(std::uint32_t first) {
        for (ChainWalk parts(image_, first, 0); const std::uint32_t part = parts.Next();) {
            Test(kMessagePart, texts::kMessageName, TextReference(Field(part, 3)));
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
        if (HasTermMatch(TextView(image, TextOffset(image, number), kPretestCapacity), find)) return true;
    }
    return false;
}

bool VisitProgram(const ProgramImage& image, const PairList& pairs, HandOverTarget& target) {
    return ProgramVisit(image, pairs, target).Run();
}

}  // namespace promptsweep
