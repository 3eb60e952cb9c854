#include "tessellar/settings/command_line.h"

#include <algorithm>
#include <cstddef>

#include "platform/line_trim.h"
#include "platform/text_capacity.h"

namespace settings {
namespace {

constexpr std::size_t kProgramPathLength = 512;
constexpr std::size_t kScreenNameLength = 79;
constexpr std::size_t kOptionLength = 511;

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && text[position] == ' ') ++position;
        const std::size_t start = position;
        while (position < text.size() && text[position] != ' ') ++position;
        if (position > start) words.push_back(text.substr(start, position - start));
    }
    return words;
}

bool IsOption(std::string_view word) {
    return word == "-s" || word == "-m" || word == "-l" || word == "-c" || word == "-n";
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty()) text += ' ';
        text += word;
    }
    return ParseCommandLineText(text);
}

CommandLine ParseCommandLineText(std::string_view text) {
    CommandLine line;
    // A command line that starts with an option names no program.
    std::string_view rest;
    const std::string_view trimmed = platform::TrimSpaces(text);
    if (!trimmed.starts_with('-')) {
        const std::size_t optionStart = trimmed.find(" -");
        line.programPath = platform::CutText(platform::TrimSpaces(trimmed.substr(0, optionStart)), kProgramPathLength);
        if (optionStart != std::string_view::npos) rest = trimmed.substr(optionStart);
    } else {
        rest = trimmed;
    }

    const std::vector<std::string_view> words = Words(rest);
    // An option's word is the next word unless that is an option itself.
    const auto wordAfter = [&](std::size_t index) -> std::string_view {
        if (index + 1 >= words.size() || IsOption(words[index + 1])) return {};
        return words[index + 1];
    };
    for (std::size_t index = 0; index < words.size(); ++index) {
        const std::string_view option = words[index];
        if (!IsOption(option)) continue;
        const std::string_view word = wordAfter(index);
        if (word.empty()) continue;  // an option whose word is missing is ignored
        ++index;
        if (option == "-s") {
            line.screenName = platform::CutText(word, kScreenNameLength);
        } else if (option == "-m") {
            line.overridePath = platform::CutText(word, kOptionLength);
        } else if (option == "-l") {
            line.overrideDirectories = platform::CutText(word, kOptionLength);
        } else if (option == "-c") {
            line.modes = platform::CutText(word, kOptionLength);
            line.modesGiven = true;
        } else {  // "-n": the host name, then the mapping list
            std::string mappings(word);
            const std::string_view list = wordAfter(index);
            if (!list.empty()) {
                mappings += ' ';
                mappings += list;
                ++index;
            }
            line.shareMappings = platform::CutText(mappings, kOptionLength);
        }
    }
    return line;
}

std::string PathForMessage(std::string_view path) {
    std::string shown(path);
    if (shown.starts_with('/')) {
        std::replace(shown.begin(), shown.end(), '\\', '/');
    } else {
        std::replace(shown.begin(), shown.end(), '/', '\\');
    }
    return shown;
}

}  // namespace settings
