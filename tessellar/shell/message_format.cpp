#include "tessellar/shell/message_format.h"

namespace shell {

std::string FormatWithText(std::string_view format, std::string_view text) {
    const std::size_t placeholder = format.find("%s");
    if (placeholder == std::string_view::npos) return std::string(format);
    std::string message(format.substr(0, placeholder));
    message.append(text);
    message.append(format.substr(placeholder + 2));
    return message;
}

}  // namespace shell
