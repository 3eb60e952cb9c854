#include "promptsweep_ui/check_plan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "promptsweep_ui/ui_texts.h"

namespace sweepui {
namespace {

namespace fs = std::filesystem;

bool HoldsOverrideFile(const fs::path& directory) {
    std::error_code error;
    for (fs::directory_iterator at(directory, error), end; !error && at != end; at.increment(error)) {
        if (at->path().extension() == ".scf") return true;
    }
    return false;
}

// The mirrored folders that hold override files, the output directory first
// and then in name order, joined as the checker's -l takes a list.
std::string MirrorDirectories(const std::string& output) {
    std::vector<std::string> found;
    std::error_code error;
    if (HoldsOverrideFile(output)) found.push_back(output);
    std::vector<std::string> below;
    for (fs::recursive_directory_iterator at(output, error), end; !error && at != end; at.increment(error)) {
        if (at->is_directory(error) && HoldsOverrideFile(at->path())) below.push_back(at->path().string());
    }
    std::sort(below.begin(), below.end());
    found.insert(found.end(), below.begin(), below.end());
    std::string joined;
    for (const std::string& directory : found) joined += (joined.empty() ? "" : ":") + directory;
    return joined.empty() ? output : joined;
}

}  // namespace

std::vector<std::string> CheckArguments(const FormOptions& options) {
    std::vector<std::string> arguments{"-R", Trimmed(options.startDirectory)};
    const std::string output = Trimmed(options.outputDirectory);
    if (options.location == OutputLocation::ProgramDirectory || output.empty()) return arguments;
    arguments.push_back("-l");
    arguments.push_back(options.location == OutputLocation::AllInOne ? output : MirrorDirectories(output));
    return arguments;
}

std::string CheckSummary(int exitStatus, std::size_t findingCount) {
    if (exitStatus == 0) return texts::kCheckClean;
    if (exitStatus == 1) {
        return std::to_string(findingCount) + (findingCount == 1 ? texts::kCheckFoundOne : texts::kCheckFoundMany);
    }
    return texts::kCheckTrouble;
}

}  // namespace sweepui
