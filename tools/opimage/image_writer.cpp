#include "tools/opimage/image_writer.h"

#include <fstream>

#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/image/text_table.h"

namespace opimage {

// Fields are placed where the readers look for them.
using namespace program;

namespace {

constexpr std::size_t kEntrySize = 111;
constexpr std::size_t kVariableSize = 24;
constexpr std::size_t kModeSize = 14;
constexpr std::size_t kModeListElementSize = 6;
constexpr std::size_t kVariableGroupSize = 38;
constexpr std::size_t kGroupElementSize = 12;
constexpr std::size_t kFileDefinitionSize = 35;
constexpr std::size_t kKeySize = 10;
constexpr std::size_t kFieldSize = 25;
constexpr std::size_t kFurtherSize = 10;

}  // namespace

Image Write(const Program& program) { return ImageWriter(program).Run(); }

bool WriteFile(const Program& program, const std::filesystem::path& path, std::string& error) {
    const Image image = Write(program);
    if (image.layout.overflowed) {
        error = "the program is too large for the compiled program format";
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.bytes.data()),
              static_cast<std::streamsize>(image.bytes.size()));
    out.close();
    if (!out) {
        error = "cannot write the image";
        return false;
    }
    return true;
}

bool WriteFile(const Program& program, const std::filesystem::path& path) {
    std::string error;
    return WriteFile(program, path, error);
}

Image ImageWriter::Run() {
    buffer_.Reserve(kHeaderLength);
    for (const std::string& text : program_.texts) {
        texts_.push_back(text);
        layout_.textNumbers.emplace(text, static_cast<std::uint16_t>(texts_.size()));
    }
    // Entries sit together right after the header, in chain order.
    for (std::size_t i = 0; i < program_.entries.size(); ++i) {
        layout_.entries.push_back({.offset = buffer_.Reserve(kEntrySize)});
    }
    const std::uint32_t globals = WriteVariableChain(program_.globals, layout_.variables);
    for (const Variable& variable : program_.variables) WriteVariable(variable, layout_.variables);
    const std::uint32_t modes = WriteModes();
    for (std::size_t i = 0; i < program_.entries.size(); ++i) {
        WriteEntry(i, layout_.entries[i].offset);
    }
    const std::uint32_t textTable = WriteTextTable();

    const HeaderOverrides& forged = program_.header;
    const std::uint32_t firstEntry = layout_.entries.empty() ? 0 : layout_.entries[0].offset;
    buffer_.PutInt24(header_field::kFirstEntry, forged.firstEntry.value_or(firstEntry));
    buffer_.PutInt24(header_field::kGlobals, forged.globals.value_or(globals));
    buffer_.PutInt24(header_field::kProgramModes, forged.programModes.value_or(modes));
    buffer_.PutInt24(header_field::kTextTable, forged.textTable.value_or(textTable));
    buffer_.PutU32(header_field::kMagic, forged.magic.value_or(kProgramMagic));
    buffer_.PutU16(header_field::kTextCount, forged.textCount.value_or(static_cast<std::uint16_t>(texts_.size() + 1)));
    buffer_.PutU32(header_field::kTotalSize, forged.totalSize.value_or(static_cast<std::uint32_t>(buffer_.size())));
    layout_.overflowed = buffer_.size() > 0xFFFFFF || texts_.size() >= 0xFFFF;
    return Image{.bytes = buffer_.Take(), .layout = std::move(layout_)};
}

std::uint32_t ImageWriter::WriteVariableChain(const std::vector<Variable>& variables,
                                              std::map<std::string, std::uint32_t>& offsets) {
    std::uint32_t first = 0;
    std::uint32_t previous = 0;
    for (const Variable& variable : variables) {
        const std::uint32_t at = WriteVariable(variable, offsets);
        if (previous == 0) first = at; else buffer_.PutInt24(previous, at);
        previous = at;
    }
    return first;
}

std::uint32_t ImageWriter::WriteVariable(const Variable& variable,
                                         std::map<std::string, std::uint32_t>& offsets) {
    const std::uint32_t at = buffer_.Reserve(kVariableSize);
    buffer_.PutInt24(at + variable_field::kName, buffer_.AppendString(variable.name));
    buffer_.PutU16(at + variable_field::kSizeWord, variable.sizeWord);
    buffer_.PutByte(at + variable_field::kDisplayWidth, variable.displayWidth);
    buffer_.PutByte(at + variable_field::kType, static_cast<std::uint8_t>(variable.type));
    buffer_.PutU16(at + variable_field::kAttributes, variable.attributes);
    offsets.emplace(variable.name, at);
    return at;
}

// The entry's own variables hide the program's; a name found nowhere gets
// a variable of its own so a test need not declare every field it shows.
std::uint32_t ImageWriter::ResolveVariable(const std::string& name) {
    if (name.empty()) return 0;
    if (locals_ != nullptr) {
        if (auto found = locals_->find(name); found != locals_->end()) return found->second;
    }
    if (auto found = layout_.variables.find(name); found != layout_.variables.end()) {
        return found->second;
    }
    return WriteVariable(Variable{.name = name}, layout_.variables);
}

std::uint32_t ImageWriter::WriteModes() {
    std::uint32_t first = 0;
    std::uint32_t previous = 0;
    for (const Mode& mode : program_.modes) {
        const std::uint32_t at = buffer_.Reserve(kModeSize);
        layout_.modes.emplace(mode.name, at);
        if (mode.hasIdentifier) buffer_.PutInt24(at + mode_field::kIdentifier, buffer_.AppendString(mode.name));
        buffer_.PutInt24(at + mode_field::kLabel, WriteOperand(mode.label));
        buffer_.PutInt24(at + mode_field::kHelp, WriteOperand(mode.help));
        buffer_.PutU16(at + mode_field::kFlags, mode.flags);
        if (!mode.programWide) continue;
        if (previous == 0) first = at; else buffer_.PutInt24(previous, at);
        previous = at;
    }
    return first;
}

std::uint32_t ImageWriter::ResolveMode(const std::string& name) {
    if (auto found = layout_.modes.find(name); found != layout_.modes.end()) return found->second;
    const std::uint32_t at = buffer_.Reserve(kModeSize);
    layout_.modes.emplace(name, at);
    buffer_.PutInt24(at + mode_field::kIdentifier, buffer_.AppendString(name));
    buffer_.PutInt24(at + mode_field::kLabel, WriteOperand(Text(name)));
    return at;
}

void ImageWriter::WriteEntry(std::size_t index, std::uint32_t at) {
    const Entry& entry = program_.entries[index];
    EntryLayout& layout = layout_.entries[index];
    if (index + 1 < layout_.entries.size()) {
        buffer_.PutInt24(at + entry_field::kNext, layout_.entries[index + 1].offset);
    }

    locals_ = &layout.locals;
    buffer_.PutInt24(at + entry_field::kLocals, WriteVariableChain(entry.locals, layout.locals));
    layout.name = buffer_.AppendString(entry.name);
    buffer_.PutInt24(at + entry_field::kName, layout.name);
    buffer_.PutInt24(at + entry_field::kModeLineRow, entry.modeLineRow);
    buffer_.PutInt24(at + entry_field::kModeLineColumn, entry.modeLineColumn);
    buffer_.PutInt24(at + entry_field::kTopRow, entry.top);
    buffer_.PutInt24(at + entry_field::kLeftColumn, entry.left);
    buffer_.PutInt24(at + entry_field::kBottomRow, entry.bottom);
    buffer_.PutInt24(at + entry_field::kRightColumn, entry.right);
    buffer_.PutInt24(at + entry_field::kModeList, WriteModeList(entry.modes, layout));
    if (entry.variableGroup) layout.variableGroup = WriteVariableGroup(*entry.variableGroup);
    if (entry.fileDefinition) layout.fileDefinition = WriteFileDefinition(*entry.fileDefinition);
    buffer_.PutInt24(at + entry_field::kVariableGroup, layout.variableGroup);
    buffer_.PutInt24(at + entry_field::kFileDefinition, layout.fileDefinition);
    buffer_.PutInt24(at + entry_field::kModeFilterWord, entry.modeFilterWord);
    buffer_.PutInt24(at + entry_field::kBody, WriteList(entry.body, &layout.body));
    buffer_.PutInt24(at + entry_field::kThirdList, WriteList(entry.third, &layout.third));
    buffer_.PutInt24(at + entry_field::kDetail, WriteList(entry.detail, &layout.detail));
    buffer_.PutByte(at + entry_field::kModeFilterBits, entry.modeFilterBits);
    buffer_.PutByte(at + entry_field::kKind, static_cast<std::uint8_t>((static_cast<std::uint8_t>(entry.kind) & 3) |
                                                                      entry.kindByteFlags));
    buffer_.PutU16(at + entry_field::kReviewWord, entry.reviewWord);
    buffer_.PutU16(at + entry_field::kReviewHeight, entry.reviewBoxHeight);
    buffer_.PutU16(at + entry_field::kReviewRepeat, entry.reviewRepeat);
    buffer_.PutU16(at + entry_field::kReviewFirstRow, entry.reviewFirstRow);
    buffer_.PutByte(at + entry_field::kModeFilterByte, entry.modeFilterByte);
    buffer_.PutInt24(at + entry_field::kOptionWidth, entry.optionWidth);
    layout.title = WriteOperand(entry.title);
    buffer_.PutInt24(at + entry_field::kTitle, layout.title);
    locals_ = nullptr;
}

std::uint32_t ImageWriter::WriteModeList(const std::vector<std::string>& names, EntryLayout& layout) {
    std::uint32_t previous = 0;
    for (const std::string& name : names) {
        const std::uint32_t mode = ResolveMode(name);
        const std::uint32_t at = buffer_.Reserve(kModeListElementSize);
        buffer_.PutInt24(at + mode_list_field::kMode, mode);
        if (previous != 0) buffer_.PutInt24(previous, at);
        layout.modeList.push_back(at);
        previous = at;
    }
    return layout.modeList.empty() ? 0 : layout.modeList.front();
}

std::uint32_t ImageWriter::WriteVariableGroup(const VariableGroup& group) {
    const std::uint32_t at = buffer_.Reserve(kVariableGroupSize);
    buffer_.PutInt24(at + group_field::kName, buffer_.AppendString(group.name));
    buffer_.PutByte(at + group_field::kSourceLetter, static_cast<std::uint8_t>(group.sourceLetter));
    std::uint32_t link = at + group_field::kFirstElement;
    for (const std::string& name : group.variables) {
        const std::uint32_t variable = ResolveVariable(name);
        const std::uint32_t element = buffer_.Reserve(kGroupElementSize);
        buffer_.PutInt24(element + group_field::kElementVariable, variable);
        buffer_.PutInt24(link, element);
        link = element + group_field::kElementNext;
    }
    return at;
}

std::uint32_t ImageWriter::WriteFileDefinition(const FileDefinition& definition) {
    const std::uint32_t at = buffer_.Reserve(kFileDefinitionSize);
    for (std::size_t i = 0; i < definition.modeFilterWords.size(); ++i) {
        buffer_.PutInt24(at + file_field::kModeFilterWords[i], definition.modeFilterWords[i]);
    }
    buffer_.PutByte(at + file_field::kIndexByte, definition.indexByte);
    std::uint32_t link = at + file_field::kFirstKey;
    for (const KeyRecord& key : definition.keys) {
        const std::uint32_t group = WriteVariableGroup(key.group);
        const std::uint32_t record = buffer_.Reserve(kKeySize);
        buffer_.PutInt24(record + file_field::kKeyGroup, group);
        buffer_.PutByte(record + file_field::kKeyFlags, key.listed ? file_field::kListed : 0);
        buffer_.PutInt24(link + file_field::kKeyNext, record);
        link = record;
    }
    link = at + file_field::kFirstField;
    for (const FieldRecord& field : definition.fields) {
        const std::uint32_t variable = ResolveVariable(field.variable);
        std::uint32_t further = 0;
        if (field.furtherByte) {
            further = buffer_.Reserve(kFurtherSize);
            buffer_.PutByte(further + file_field::kFurtherByte, *field.furtherByte);
        }
        const std::uint32_t record = buffer_.Reserve(kFieldSize);
        buffer_.PutInt24(record + file_field::kFieldVariable, variable);
        buffer_.PutInt24(record + file_field::kFieldFurther, further);
        buffer_.PutByte(record + file_field::kFieldFlags,
                        static_cast<std::uint8_t>((field.listed ? file_field::kListed : 0) |
                                                  (field.listedRegardless ? file_field::kListedRegardless : 0)));
        buffer_.PutInt24(link + file_field::kFieldNext, record);
        link = record;
    }
    return at;
}

std::uint16_t ImageWriter::InternText(const std::string& text) {
    if (auto found = layout_.textNumbers.find(text); found != layout_.textNumbers.end()) {
        return found->second;
    }
    texts_.push_back(text);
    const auto number = static_cast<std::uint16_t>(texts_.size());
    layout_.textNumbers.emplace(text, number);
    return number;
}

std::uint16_t ImageWriter::TextLength(std::uint16_t number) const {
    if (number == 0 || number > texts_.size()) return 0;
    return static_cast<std::uint16_t>(texts_[number - 1].size());
}

// Entry 0 is never used, so the table holds one entry more than there are texts.
std::uint32_t ImageWriter::WriteTextTable() {
    const std::uint32_t table = buffer_.Reserve(kTextEntryLength * (texts_.size() + 1));
    layout_.textTable = table;
    layout_.texts.assign(texts_.size() + 1, 0);
    for (std::size_t number = 1; number <= texts_.size(); ++number) {
        const std::uint32_t text = buffer_.AppendString(texts_[number - 1]);
        buffer_.PutInt24(static_cast<std::uint32_t>(table + kTextEntryLength * number + kTextEntryOffsetField), text);
        layout_.texts[number] = text;
    }
    return table;
}

}  // namespace opimage
