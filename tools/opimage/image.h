#pragma once
// Lays out a described program as the bytes of a compiled program image and
// tells where each record went, so a test can damage a chosen record.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/opimage/program.h"

namespace opimage {

// Where one statement went: the StatementRecord and its data record at
// offset 4 (0 when it has none), with the statements of its sub-lists at 9
// and 12 (or of a BranchRecord's first list).
struct StatementLayout {
    std::uint32_t offset = 0;
    std::uint32_t record = 0;
    std::vector<StatementLayout> first{};
    std::vector<StatementLayout> second{};
};

struct EntryLayout {
    std::uint32_t offset = 0;
    std::uint32_t name = 0;
    std::uint32_t title = 0;  // the title operand
    std::vector<std::uint32_t> modeList{};  // ModeListElements, in order
    std::uint32_t variableGroup = 0;
    std::uint32_t fileDefinition = 0;
    std::vector<StatementLayout> body{};
    std::vector<StatementLayout> third{};
    std::vector<StatementLayout> detail{};
    std::map<std::string, std::uint32_t> locals{};  // VariableRecords by name
};

struct Layout {
    std::vector<EntryLayout> entries{};  // in entry order
    std::uint32_t textTable = 0;
    std::vector<std::uint32_t> texts{};  // string offset by text number; [0] unused
    std::map<std::string, std::uint16_t> textNumbers{};
    std::map<std::string, std::uint32_t> variables{};  // globals and Program::variables
    std::map<std::string, std::uint32_t> modes{};      // ModeRecords by name
    // The program outgrew the format: offsets past 24 bits or more texts than
    // 16-bit text numbers reach. Such an image is not faithful.
    bool overflowed = false;
};

struct Image {
    std::vector<std::uint8_t> bytes{};
    Layout layout{};
};

// The header comes first, then the directory entries, then the other records
// in the order they are met, the text table and its strings last.
Image Write(const Program& program);

// Writes the image to a file; false (with a reason in error) when that fails
// or the image overflowed.
bool WriteFile(const Program& program, const std::filesystem::path& path, std::string& error);
bool WriteFile(const Program& program, const std::filesystem::path& path);

}  // namespace opimage
