#include "promptsweep/directory_walk.h"

#include <algorithm>
#include <filesystem>

#include "platform/message_format.h"
#include "platform/native_path.h"
#include "promptsweep/link_paths.h"
#include "promptsweep/texts.h"
#include "promptsweep/tool_path.h"

namespace promptsweep {

using platform::FormatText;

bool CheckDirectory(const std::string& directory, RunOutput& output) {
    switch (InspectDirectory(directory)) {
        case DirectoryState::Writable: return true;
        case DirectoryState::NotWritable:
            output.Console(FormatText(texts::kNoPermission, directory.c_str()));
            return false;
        case DirectoryState::Missing:
            if (CreateDirectoryLevel(directory)) return true;
            break;
        case DirectoryState::NotADirectory: break;
    }
    output.Console(FormatText(texts::kUnableToCreateDirectory, directory.c_str()));
    return false;
}

bool IsProgramName(const std::string& name) {
    const std::string_view suffix = texts::kProgramPattern;
    if (name.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

DirectoryWalk::DirectoryWalk(const RunOptions& options, RunOutput& output, Visitor visitor)
    : options_(options), output_(output), visitor_(std::move(visitor)), mirror_(options.outputDirectory) {
    if (options_.outputDirectory != options_.startDirectory) {
        outputIdentity_ = IdentifyDirectory(options_.outputDirectory);
    }
    startRoot_ = {ResolvedPath(options_.startDirectory)};
    writableRoots_ = {startRoot_[0], ResolvedPath(options_.outputDirectory)};
}

void DirectoryWalk::Note(const std::string& text) {
    if (options_.verbose) output_.Progress(text);
    output_.Log(text);
}

bool DirectoryWalk::LeadsOutside(const std::string& subdirectory) {
    if (!IsLink(subdirectory) || LiesWithin(ResolvedPath(subdirectory), startRoot_)) return false;
    Note(FormatText(texts::kLinkLeadsOutside, subdirectory.c_str()));
    return true;
}

std::string DirectoryWalk::MirrorFor(const std::string& mirrored) {
    const std::string mirror = JoinToolPath(options_.outputDirectory, mirrored);
    // A missing mirror is made in its parent, which must lie inside too.
    std::error_code error;
    const bool exists = std::filesystem::exists(std::filesystem::symlink_status(mirror, error));
    const std::string reached = exists ? mirror : std::filesystem::path(mirror).parent_path().string();
    const std::string resolved = ResolvedPath(reached);
    // What does not exist at all is for the directory check to report.
    if (resolved.empty() ? IsLink(reached) : !LiesWithin(resolved, writableRoots_)) {
        Note(FormatText(texts::kLinkLeadsOutside, reached.c_str()));
        return options_.outputDirectory;
    }
    if (!CheckDirectory(mirror, output_)) return options_.outputDirectory;
    return mirror;
}

void DirectoryWalk::Run() { Walk(options_.startDirectory, {}); }

// The programs and sub-directories of a directory, each in name order. An
// enumeration that fails part way keeps what it had. One pass serves both
// lists: processing a directory's programs creates no directory in it.
DirectoryWalk::Listing DirectoryWalk::List(const std::string& directory) const {
    Listing listing;
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::string name = entries->path().filename().string();
        if (name.empty()) continue;
        std::error_code typeError;
        // The entry's type comes with the listing: no call per program.
        // A type that cannot be told (a dangling link) is for the reader to report.
        if (IsProgramName(name)) {
            const bool regular = entries->is_regular_file(typeError);
            listing.programs.push_back({name, regular || static_cast<bool>(typeError)});
        }
        if (options_.includeSubdirectories && entries->is_directory(typeError)) {
            listing.subdirectories.push_back(std::move(name));
        }
    }
    std::sort(listing.programs.begin(), listing.programs.end());
    std::sort(listing.subdirectories.begin(), listing.subdirectories.end());
    return listing;
}

std::string DirectoryWalk::OutputLocation(const std::string& directory) const {
    switch (options_.outputMode) {
        case kReportOnly:
        case kMirrorDirectories: return mirror_;
        case kAllInOutputDirectory: return options_.outputDirectory;
        default: return directory;
    }
}

// True when the directory is one the walk is already inside (a link led
// back to it), or, where mirror directories are made, the output directory
// itself: walking it would mirror it into itself without end.
bool DirectoryWalk::EntersLoop(const std::string& directory) {
    const std::optional<DirectoryIdentity> identity = IdentifyDirectory(directory);
    if (!identity) return false;
    if (std::find(descent_.begin(), descent_.end(), *identity) != descent_.end()) return true;
    return options_.MirrorsDirectories() && outputIdentity_ && *outputIdentity_ == *identity;
}

void DirectoryWalk::Walk(const std::string& directory, const std::string& relative) {
    if (directory.empty()) return;
    const std::optional<DirectoryIdentity> identity = IdentifyDirectory(directory);
    if (identity) descent_.push_back(*identity);

    const Listing listing = List(directory);
    for (const ProgramEntry& entry : listing.programs) {
        ProgramFound program{JoinToolPath(directory, entry.name), entry.name, OutputLocation(directory),
                             entry.regularFile};
        if (options_.verbose) output_.Progress(program.path);
        visitor_(program);
    }

    if (options_.includeSubdirectories) {
        for (const std::string& name : listing.subdirectories) {
            const std::string subdirectory = JoinToolPath(directory, name);
            if (EntersLoop(subdirectory) || LeadsOutside(subdirectory)) continue;
            // The mirror keeps the whole path below the start directory, so
            // that two sub-directories of one name never share a mirror.
            const std::string mirrored =
                relative.empty() ? name : relative + platform::kNativeSeparator + name;
            if (options_.MirrorsDirectories()) mirror_ = MirrorFor(mirrored);
            Walk(subdirectory, mirrored);
        }
    }
    if (identity) descent_.pop_back();
}

}  // namespace promptsweep
