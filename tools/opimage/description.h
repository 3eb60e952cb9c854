#pragma once
// Reads the text description of a program (FORMAT.md) into a Program.

#include <optional>
#include <string>
#include <string_view>

#include "tools/opimage/program.h"

namespace opimage {

struct DescriptionError {
    int line = 0;  // 1-based; 0 when no line is to blame
    std::string message{};
};

std::optional<Program> ParseDescription(std::string_view text, DescriptionError& error);

// The same, with the error as "LINE: message".
std::optional<Program> ParseDescription(std::string_view text, std::string& error);

}  // namespace opimage
