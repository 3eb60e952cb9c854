#pragma once
// The work folders a customiser leaves behind when it is killed: each names
// its maker (program, override file, host, process, time) in its owner
// file, so that a later customiser finds the ones whose process is gone,
// offers their unsaved changes back for the override file being opened,
// and removes the others once they are a week old.

#include <ctime>
#include <string>
#include <vector>

#include "tessellar/overrides/section_lines.h"

namespace overrides {

struct WorkFolderOwner {
    std::string program;
    std::string overrideFile;
    std::string host;
    long process = 0;
    std::time_t made = 0;
};

// The owner file's text for a work folder of this process.
std::string WorkFolderOwnerText(const std::string& program, const std::string& overrideFile);

struct AbandonedWorkFolder {
    std::string path;
    WorkFolderOwner owner;
};

// The work folders under the temporary folder whose process is gone on
// this host (folders of other hosts cannot be told from live ones).
std::vector<AbandonedWorkFolder> FindAbandonedWorkFolders(const std::string& temporaryRoot);

// One section's work file in a work folder, by its file name.
struct LeftSection {
    SectionKind kind = SectionKind::Screen;
    std::string name;
    std::string path;
};
std::vector<LeftSection> SectionsLeftIn(const std::string& folder);

// The section name and kind a work file name (ZZZ_NAME[%menu|%procedure].tmp)
// stands for; false for any other file.
bool SectionOfWorkFileName(const std::string& fileName, SectionKind& kind, std::string& name);

// Removes a work folder with everything in it.
void RemoveWorkFolder(const std::string& folder);

// Abandoned folders of other override files are kept this long for their
// own customiser to offer back.
inline constexpr std::time_t kAbandonedFolderLife = 7 * 24 * 60 * 60;

}  // namespace overrides
