#include "tessellar/triggers/run_line.h"

namespace triggers {
namespace {

std::string_view SkipBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

}  // namespace

RunLine SplitRunLine(std::string_view line) {
    std::size_t end = 0;
    std::string program;
    if (!line.empty() && line.front() == '"') {
        const std::size_t close = line.find('"', 1);
        program = std::string(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        end = close == std::string_view::npos ? line.size() : close + 1;
    } else {
        end = std::min(line.find(' '), line.size());
        program = std::string(line.substr(0, end));
    }
    return {std::move(program), std::string(SkipBlanks(line.substr(end)))};
}

std::string Unquoted(std::string_view program) {
    if (!program.empty() && program.front() == '"') program.remove_prefix(1);
    if (!program.empty() && program.back() == '"') program.remove_suffix(1);
    return std::string(program);
}

std::string ComposeRunLine(std::string_view program, std::string_view parameters) {
    const std::string bare = Unquoted(program);
    if (bare.empty()) return {};
    std::string line = "\"" + bare + "\" ";
    line.append(parameters);
    return line;
}

bool IsLiteralParameter(std::string_view token) { return !token.empty() && token.front() == '"'; }

std::vector<std::string> SplitParameters(std::string_view line, std::size_t limit) {
    std::vector<std::string> tokens;
    std::string_view rest = line;
    // Each round takes at least one character, so the walk ends.
    while (!rest.empty() && (limit == 0 || tokens.size() < limit)) {
        std::size_t end = 0;
        if (rest.front() == '"') {
            const std::size_t close = rest.find('"', 1);
            end = close == std::string_view::npos ? rest.size() : close + 1;
        } else {
            end = std::min(rest.find(' '), rest.size());
        }
        tokens.emplace_back(rest.substr(0, end));
        rest = SkipBlanks(rest.substr(end));
    }
    return tokens;
}

}  // namespace triggers
