#include "promptsweep/format.h"

#include <cstdarg>
#include <cstdio>

#include "platform/native_path.h"

namespace promptsweep {

std::string Format(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    }
    va_end(arguments);
    return text;
}

std::string JoinToolPath(const std::string& directory, const std::string& name) {
    std::string path;
    path.reserve(directory.size() + 1 + name.size());
    path.append(directory);
    path.push_back(platform::kNativeSeparator);
    path.append(name);
    return path;
}

std::string CutTo(std::string text, std::size_t capacity) {
    if (text.size() > capacity) text.resize(capacity);
    return text;
}

}  // namespace promptsweep
