#pragma once

#include <string>
#include <string_view>

namespace shell {

// The message with its one "%s" replaced by the text.
std::string FormatWithText(std::string_view format, std::string_view text);

}  // namespace shell
