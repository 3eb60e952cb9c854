#include "tools/scfcheck/program_tree.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/text_case.h"

namespace scfcheck {

namespace {

namespace fs = std::filesystem;

bool EndsWithIgnoringCase(std::string_view name, std::string_view suffix) {
    if (name.size() <= suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return a == platform::LowerCasedAscii(b); });
}

class Walk {
public:
    explicit Walk(const std::function<void(const std::string&)>& visit) : visit_(visit) {}

    bool Directory(const fs::path& directory) {
        std::error_code error;
        const fs::path identity = fs::canonical(directory, error);
        if (!error) {
            if (std::find(descent_.begin(), descent_.end(), identity) != descent_.end()) return true;
            descent_.push_back(identity);
        }
        std::vector<std::string> programs;
        std::vector<std::string> subdirectories;
        fs::directory_iterator entries(directory, error);
        const bool listed = !error;
        for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
            std::string name = entries->path().filename().string();
            std::error_code typeError;
            if (entries->is_directory(typeError)) {
                subdirectories.push_back(std::move(name));
            } else if (IsProgramFileName(name)) {
                programs.push_back(std::move(name));
            }
        }
        std::sort(programs.begin(), programs.end());
        std::sort(subdirectories.begin(), subdirectories.end());
        for (const std::string& name : programs) visit_((directory / name).string());
        for (const std::string& name : subdirectories) Directory(directory / name);
        if (!descent_.empty() && descent_.back() == identity) descent_.pop_back();
        return listed;
    }

private:
    const std::function<void(const std::string&)>& visit_;
    std::vector<fs::path> descent_;
};

}  // namespace

bool IsProgramFileName(std::string_view name) {
    return EndsWithIgnoringCase(name, ".op6") || EndsWithIgnoringCase(name, ".op5");
}

bool WalkPrograms(const std::string& root, const std::function<void(const std::string&)>& visit) {
    Walk walk(visit);
    return walk.Directory(fs::path(root));
}

}  // namespace scfcheck
