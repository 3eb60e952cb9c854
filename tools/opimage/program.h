#pragma once
// A compiled program described as plain values, ready to be laid out into an
// image by opimage::Write. Every record the customiser reads has a struct
// here; fields that hold offsets in the image are described by what they
// point at (a name, an operand, a list) and get their offsets when written.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace opimage {

// Bit 23 of a coordinate: the value is computed at run time.
inline constexpr std::uint32_t kComputed = 0x800000;

// Screen flags, the low byte of the review word (directory entry offset 69).
inline constexpr std::uint16_t kReviewScreen = 0x0001;
inline constexpr std::uint16_t kDataGrid = 0x0080;

// Storage kinds of a numeric size word.
inline constexpr std::uint16_t kPacked = 0x0800;
inline constexpr std::uint16_t kDisplayDigits = 0x1000;
inline constexpr std::uint16_t kBinary = 0x2000;
inline constexpr std::uint16_t kFloat = 0x4000;
inline constexpr std::uint16_t kSigned = 0x0400;

// A numeric size word: storage kind | integer digits | decimal places.
constexpr std::uint16_t NumericSize(std::uint16_t storage, int integerDigits, int decimalPlaces,
                                    bool isSigned = false) {
    return static_cast<std::uint16_t>(storage | ((integerDigits & 0x1F) << 5) |
                                      (decimalPlaces & 0x1F) | (isSigned ? kSigned : 0));
}

// A text of the text table: given as a string (numbered automatically, equal
// strings share a number) or as a raw number, which may be out of range.
struct TextRef {
    std::string text{};
    std::optional<std::uint16_t> number{};  // wins over text when set
};

enum class OperandKind {
    None,        // no operand: the referring field is 0
    Expression,  // nonzero first three bytes
    Variable,    // kind 10
    Literal,     // kind 11
    TextNumber,  // kind 87
};

// An operand descriptor (15 bytes).
struct Operand {
    OperandKind kind = OperandKind::None;
    std::uint32_t expression = 1;  // Expression: the first three bytes
    // Variable: the variable's name (resolved against the entry's locals, then
    // the globals, then Program::variables; an unknown name creates a variable).
    std::string variable{};
    std::shared_ptr<const Operand> subscript{};  // Variable: null = none
    // Literal: its bytes and size word (default: the number of bytes).
    std::string bytes{};
    std::optional<std::uint16_t> sizeWord{};
    // TextNumber: the text and its declared length (default: the text's length).
    TextRef text{};
    std::optional<std::uint16_t> declaredLength{};
    // Forges the kind byte (offset 3) whatever the kind above.
    std::optional<std::uint8_t> kindByte{};
};

// Operand shorthands.
Operand Text(std::string text);
Operand Text(std::string text, std::uint16_t declaredLength);
// A raw text number; the declared length defaults to the length of that
// number's text when it is already numbered (Program::texts always are), else 0.
Operand TextNumber(std::uint16_t number, std::optional<std::uint16_t> declaredLength = {});
Operand Var(std::string name);
Operand Var(std::string name, Operand subscript);
Operand Literal(std::string bytes);
Operand Literal(std::string bytes, std::uint16_t sizeWord);
// A numeric literal: the value scaled by the decimal places and stored
// big-endian in the size word's storage size.
Operand Number(double value, std::uint16_t sizeWord);
// A subscript literal that readers show as "[value]" (binary, 4 digits).
Operand Subscript(std::uint16_t value);
Operand Expr(std::uint32_t firstBytes = 1);

// A program variable or database field (VariableRecord).
struct Variable {
    std::string name{};
    std::uint16_t sizeWord = 10;
    std::uint8_t displayWidth = 0;
    char type = 'A';
    std::uint16_t attributes = 0;
};

// A mode (ModeRecord). Mode lists refer to it by name.
struct Mode {
    std::string name{};
    bool hasIdentifier = true;  // write the name as the identifier string (offset 3)
    Operand label{};
    Operand help{};
    std::uint16_t flags = 0;
    bool programWide = true;  // chained from the header; otherwise only listed by screens
};

struct Statement;
using StatementList = std::vector<Statement>;

// An allowed or disallowed value (ValueListElement); rangeEnd None = single value.
struct Value {
    Operand value{};
    Operand rangeEnd{};
};

struct AcceptRecord {
    std::uint32_t row = 1;
    std::uint32_t column = 1;
    std::string variable{};  // empty = offset 0
    Operand subscript{};
    std::optional<std::string> picture{};  // none = offset 0 (default picture)
    bool pictureExpression = false;      // writes bit 23 instead of a string
    bool suppressed = false;             // byte 18 bit 5
    std::optional<std::uint16_t> sizeWord{};  // default: the variable's size word
    std::uint8_t displayWidth = 0;
    Operand help{};
    Operand title{};
    std::vector<Value> allowed{};
    std::vector<Value> disallowed{};
    std::uint16_t tag = 0;
    // Statement lists run with the field; only the message walk enters them.
    StatementList runList{};
    std::vector<StatementList> runChain{};  // one chain element per list
    StatementList secondRunList{};
};

struct DisplayRecord {
    std::uint32_t row = 1;
    std::uint32_t column = 1;
    Operand text{};
    std::optional<std::string> picture{};
    bool pictureExpression = false;
    std::uint16_t attributes = 0;  // bit 0 is also set by longForm
    std::uint16_t sizeWord = 0;
    char type = 0;
    std::uint8_t displayWidth = 0;
    bool longForm = false;  // 38 bytes instead of 18
    // Long form only:
    std::uint32_t scale = 100;
    std::uint16_t tag = 0;
    Operand columnTitle{};
};

struct PrintRecord {
    std::uint32_t row = 0;
    std::uint32_t column = 0;
    Operand value{};
};

struct BoxRecord {
    std::uint32_t top = 1;
    std::uint32_t left = 1;
    std::uint32_t bottom = 1;
    std::uint32_t right = 1;
    Operand title{};
};

struct OptionRecord {
    std::uint32_t row = 1;
    std::uint32_t column = 1;
    Operand text{};
    Operand help{};
    bool noText = false;                         // flags bit 0
    std::optional<std::uint32_t> pictureNumber{};  // flags bit 4 and offset 21
};

struct ConfirmRecord {
    std::uint32_t row = 1;
    std::uint32_t column = 1;
    TextRef question{};  // empty text and no number = 0
    char defaultAnswer = 0;
    std::vector<StatementList> runLists{};  // up to four, at 15, 18, 21, 24
};

// One statement. The record written at offset 4 depends on which record is
// set, not on the op code, so a test can pair any op code with any record.
// The op code decides only where lists go: op 34 puts the prompt at 4 and
// the message parts at 9 and has no sub-lists (other ops put the parts at
// 4); op 49 puts first, alternatives and further into a BranchRecord at 4;
// every other op writes first at 9, alternatives (or, when there are none,
// second) at 12 and further at 15.
struct Statement {
    std::uint8_t op = 0;
    // The record at offset 4 (ops 25, 26, 27, 31, 35, 60).
    std::optional<AcceptRecord> accept{};
    std::optional<DisplayRecord> display{};
    std::optional<PrintRecord> print{};
    std::optional<BoxRecord> box{};
    std::optional<OptionRecord> option{};
    std::optional<ConfirmRecord> confirm{};
    // Message part chain: at offset 4 for ops 32 and 33, at offset 9 for op 34.
    std::vector<Operand> messageParts{};
    Operand prompt{};  // op 34: the prompt operand at offset 4
    StatementList first{};
    StatementList second{};
    // BranchElement chains, one element per list.
    std::vector<StatementList> alternatives{};
    std::vector<StatementList> further{};
    std::optional<std::uint16_t> length{};  // field at 7 (default 88 with an accept record)
    bool boxFlag = false;                   // byte 8 bit 0 (op 31)
};

// Statement shorthands.
Statement Block(StatementList statements);
Statement TwoBranch(StatementList first, StatementList second);
Statement Accept(AcceptRecord record);
Statement Display(DisplayRecord record);
Statement Print(PrintRecord record);
Statement Box(BoxRecord record, bool flag = false);
Statement Message(std::vector<Operand> parts);
Statement Abort(std::vector<Operand> parts);
Statement Acknowledge(std::vector<Operand> parts, Operand prompt = {});
Statement Option(OptionRecord record);
Statement MultiBranch(StatementList first, std::vector<StatementList> alternatives,
                      std::vector<StatementList> further = {});
Statement Confirm(ConfirmRecord record);
Statement Loop(StatementList body, std::vector<StatementList> alternatives = {},
               std::vector<StatementList> further = {});
Statement Other(std::uint8_t op, StatementList first = {}, StatementList second = {});

// A variable group record (record source at entry offset 39; also a key's group).
struct VariableGroup {
    std::string name{};
    std::vector<std::string> variables{};  // group elements, by variable name
    char sourceLetter = 'I';             // byte 37, read by the mode filter
};

struct KeyRecord {
    VariableGroup group{};
    bool listed = true;  // flag byte 9 bit 0
};

struct FieldRecord {
    std::string variable{};
    bool listed = true;            // flag byte 24 bit 0
    bool listedRegardless = false; // flag byte 24 bit 1
    std::optional<std::uint8_t> furtherByte = 0;  // none = further record offset 0
};

// A file definition record (record source at entry offset 42).
struct FileDefinition {
    std::vector<KeyRecord> keys{};
    std::vector<FieldRecord> fields{};
    // Read only by the mode filter.
    std::array<std::uint32_t, 3> modeFilterWords{};
    std::uint8_t indexByte = 0;
};

enum class EntryKind : std::uint8_t { Procedure = 0, Screen = 1, Menu = 2, OtherProcedure = 3 };

// A directory entry: one screen, menu or procedure.
struct Entry {
    EntryKind kind = EntryKind::Screen;
    std::string name{};
    std::uint8_t kindByteFlags = 0;  // ORed into byte 67 above the kind bits (bit 3: mode filter)
    std::uint16_t reviewWord = 0;    // low byte = screen flags (kReviewScreen, kDataGrid)
    std::uint16_t reviewBoxHeight = 0;
    std::uint16_t reviewRepeat = 0;
    std::uint16_t reviewFirstRow = 0;
    // Raw Int24 coordinates; 0 or kComputed means the reader's default.
    std::uint32_t modeLineRow = 0;
    std::uint32_t modeLineColumn = 0;
    std::uint32_t top = 0;
    std::uint32_t left = 0;
    std::uint32_t bottom = 0;
    std::uint32_t right = 0;
    // The screen's mode list, by mode name; an unknown name creates a mode
    // of that name, labelled with it, in no chain.
    std::vector<std::string> modes{};
    std::optional<VariableGroup> variableGroup{};
    std::optional<FileDefinition> fileDefinition{};
    // Read only by the mode filter.
    std::uint32_t modeFilterWord = 0;
    std::uint8_t modeFilterBits = 0;
    std::uint8_t modeFilterByte = 0;
    StatementList body{};           // offset 51
    StatementList third{};          // offset 54, read only for messages
    StatementList detail{};         // offset 57, fills the review area
    std::vector<Variable> locals{};  // offset 86
    std::uint32_t optionWidth = 0;
    Operand title{};
};

// Forged header fields; unset fields get their true values.
struct HeaderOverrides {
    std::optional<std::uint32_t> firstEntry{};
    std::optional<std::uint32_t> globals{};
    std::optional<std::uint32_t> programModes{};
    std::optional<std::uint32_t> textTable{};
    std::optional<std::uint32_t> magic{};
    std::optional<std::uint16_t> textCount{};
    std::optional<std::uint32_t> totalSize{};
};

struct Program {
    std::vector<Entry> entries{};       // the directory chain, in order
    std::vector<Variable> globals{};    // chain at header offset 18
    std::vector<Variable> variables{};  // in no chain; referred to by name
    std::vector<Mode> modes{};          // program-wide ones chain from header offset 21
    std::vector<std::string> texts{};   // numbered 1, 2, ... before any interned text
    HeaderOverrides header{};
};

}  // namespace opimage
