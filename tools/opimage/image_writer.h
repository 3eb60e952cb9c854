#pragma once
// The state of one Write call: the growing image, the texts interned so far
// and where variables and modes went, so each is written once.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/opimage/byte_buffer.h"
#include "tools/opimage/image.h"

namespace opimage {

class ImageWriter {
public:
    explicit ImageWriter(const Program& program) : program_(program) {}
    Image Run();

private:
    // Program level (image_writer.cpp).
    void WriteHeader();
    std::uint32_t WriteVariableChain(const std::vector<Variable>& variables,
                                     std::map<std::string, std::uint32_t>& offsets);
    std::uint32_t WriteVariable(const Variable& variable, std::map<std::string, std::uint32_t>& offsets);
    std::uint32_t ResolveVariable(const std::string& name);
    std::uint32_t WriteModes();
    std::uint32_t ResolveMode(const std::string& name);
    void WriteEntry(std::size_t index, std::uint32_t at);
    std::uint32_t WriteModeList(const std::vector<std::string>& names, EntryLayout& layout);
    std::uint32_t WriteVariableGroup(const VariableGroup& group);
    std::uint32_t WriteFileDefinition(const FileDefinition& definition);
    std::uint16_t InternText(const std::string& text);
    std::uint16_t TextLength(std::uint16_t number) const;
    std::uint32_t WriteTextTable();

    // Statements and their records (record_writer.cpp).
    std::uint32_t WriteList(const StatementList& list, std::vector<StatementLayout>* layout);
    std::uint32_t WriteBranchChain(const std::vector<StatementList>& lists, std::uint32_t listField);
    StatementLayout WriteStatement(const Statement& statement, std::uint32_t at);
    std::uint32_t WriteRecord(const Statement& statement);
    std::uint32_t WriteAccept(const AcceptRecord& record);
    std::uint32_t WriteDisplay(const DisplayRecord& record);
    std::uint32_t WritePrint(const PrintRecord& record);
    std::uint32_t WriteBox(const BoxRecord& record);
    std::uint32_t WriteOption(const OptionRecord& record);
    std::uint32_t WriteConfirm(const ConfirmRecord& record);
    std::uint32_t WriteMessageParts(const std::vector<Operand>& parts);
    std::uint32_t WriteValueList(const std::vector<Value>& values);
    std::uint32_t WritePicture(const std::optional<std::string>& picture, bool expression);
    std::uint32_t WriteOperand(const Operand& operand);
    std::uint16_t TextNumberOf(const TextRef& text);

    const Program& program_;
    ByteBuffer buffer_;
    Layout layout_;
    std::vector<std::string> texts_;  // text number n is texts_[n - 1]
    std::map<std::string, std::uint32_t>* locals_ = nullptr;  // the entry being written
};

}  // namespace opimage
