#include "tessellar/document/override_location.h"

#include <cstddef>

namespace document {
namespace {

// "SCFPATH" is read into a 512-byte buffer.
constexpr std::size_t kRegistryValueLength = 511;
constexpr std::string_view kExtension = "scf";

std::string_view ListCharacters(DirectorySource source) {
    return source == DirectorySource::CommandLine ? std::string_view(";,:") : std::string_view(";,");
}

std::size_t FileNameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string OverrideFileName(std::string_view programPath) {
    return WithOverrideExtension(programPath.substr(FileNameStart(programPath)));
}

std::string WithOverrideExtension(std::string_view path) {
    const std::size_t nameStart = FileNameStart(path);
    const std::size_t dot = path.find_last_of('.');
    std::string result;
    if (dot == std::string_view::npos || dot < nameStart) {
        result.assign(path);
        result += '.';
    } else {
        result.assign(path.substr(0, dot + 1));
    }
    result += kExtension;
    return result;
}

bool IsDirectoryList(std::string_view value, DirectorySource source) {
    return value.find_first_of(ListCharacters(source)) != std::string_view::npos;
}

std::vector<std::string> SplitDirectoryList(std::string_view value, DirectorySource source) {
    std::vector<std::string> directories;
    const std::string_view separators = ListCharacters(source);
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find_first_of(separators, start);
        if (end == std::string_view::npos) end = value.size();
        if (end > start) directories.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    return directories;
}

std::string OverridePathIn(std::string_view directory, std::string_view fileName) {
    std::string path(directory);
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    path += fileName;
    return path;
}

std::optional<std::string> LocateOverrideFile(const OverrideLocationInputs& inputs,
                                              const OverrideLocationPrompts& prompts) {
    if (!inputs.overridePath.empty()) return inputs.overridePath;

    std::string directory;
    std::string value;
    DirectorySource source = DirectorySource::CommandLine;
    if (!inputs.overrideDirectories.empty()) {
        value = inputs.overrideDirectories;
    } else if (inputs.registryPath) {
        value = inputs.registryPath->substr(0, kRegistryValueLength);
        source = DirectorySource::Registry;
    }
    if (IsDirectoryList(value, source)) {
        const std::vector<std::string> choices = SplitDirectoryList(value, source);
        if (!choices.empty() && prompts.chooseDirectory) {
            directory = prompts.chooseDirectory(choices).value_or(std::string());
        }
    } else {
        directory = value;
    }
    if (!directory.empty()) return OverridePathIn(directory, OverrideFileName(inputs.programPath));

    if (!prompts.chooseFile) return std::nullopt;
    const std::optional<std::string> chosen = prompts.chooseFile();
    if (!chosen || chosen->empty()) return std::nullopt;
    return WithOverrideExtension(*chosen);
}

}  // namespace document
