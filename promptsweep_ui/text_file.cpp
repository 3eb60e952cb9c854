#include "promptsweep_ui/text_file.h"

#include <filesystem>
#include <fstream>


namespace sweepui {

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string ShortPath(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) return {};
    return path;
}

}  // namespace sweepui
