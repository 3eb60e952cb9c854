#pragma once
// The directory of this process's work files. Work files are named after
// their section alone (ZZZ_NAME.tmp and friends), so two customisers open at
// once would overwrite each other's files in a shared TEMP; each process
// keeps them in a directory of its own under TEMP instead.

#include <string>
#include <string_view>

#include "platform/temp_directory.h"

namespace overrides {

class WorkFileDirectory {
public:
    // temporaryRoot: TEMP ("TEMP", else "TMPDIR", else the system's own).
    explicit WorkFileDirectory(std::string temporaryRoot = platform::TempDirectory());
    ~WorkFileDirectory();
    WorkFileDirectory(const WorkFileDirectory&) = delete;
    WorkFileDirectory& operator=(const WorkFileDirectory&) = delete;

    // Creates the directory, readable by this user only, on first use;
    // false when it cannot be made.
    bool Ensure();
    // Empty until Ensure succeeded.
    const std::string& Path() const { return path_; }
    // The temporary folder it is made in.
    const std::string& Root() const { return root_; }

    // ZZZ_NAME plus the extension (".tmp", ".sav", ".txt") inside
    // the directory, which is made when needed; empty when it cannot be.
    std::string FilePath(std::string_view sectionName, std::string_view extension);
    // The same for a section of a kind (see WorkFileName).
    std::string FilePath(std::string_view sectionName, int sectionKind, std::string_view extension);

    // Who the directory's work files are for (see WorkFolderOwnerText): kept
    // in a file of the directory, so that the work of a customiser that was
    // killed can be found and recovered.
    void SetOwner(std::string ownerText);

    // Removes the directory when nothing but its owner file is left in it.
    void RemoveIfEmpty();

private:
    void WriteOwner() const;

    std::string root_;
    std::string path_;
    std::string owner_;
};

// The file of a work folder that names its maker.
inline constexpr const char* kWorkFolderOwnerFile = "owner";

// The file name of a section's work file. A section name is one word of a
// user's file: characters that would reach outside the directory ("/",
// "\"), control characters and "%" itself are written as "%XX".
std::string WorkFileName(std::string_view sectionName, std::string_view extension);

// The work file name of a section of a kind: a screen's is ZZZ_NAME plus the
// extension; a menu or procedure of the same name gets "%menu" or
// "%procedure" after the name, which no escaped name can end in, so the two
// sections never share a file.
std::string WorkFileName(std::string_view sectionName, int sectionKind, std::string_view extension);

}  // namespace overrides
