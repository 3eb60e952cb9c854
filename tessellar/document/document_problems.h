#pragma once
// The problems of the open program's override text as it stands now, its
// unsaved changes included: the text a save would write, assembled from
// the section work files, checked exactly as scfcheck checks a file. The
// window's Problems panel shows them, grouped by entry.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/checks/finding.h"
#include "tessellar/document/document.h"
#include "tessellar/overrides/section_lines.h"

namespace document {

// The override text a save would write now: the section work files
// assembled, unsaved changes included.
std::string CurrentOverrideText(const Document& document);

// The findings of the document's current override text, in line order; the
// lines are those the saved file would have. None without a program.
std::vector<checks::Finding> CheckOpenDocument(const Document& document);

// The findings of one entry ("screen CUSTOMER"), in line order.
struct ProblemGroup {
    std::string section;
    std::vector<checks::Finding> findings;
};
// Entries in the order their first finding comes.
std::vector<ProblemGroup> GroupBySection(const std::vector<checks::Finding>& findings);

// The entry a finding's section names; none for a finding outside every section.
struct ProblemEntry {
    overrides::SectionKind kind = overrides::SectionKind::Screen;
    std::string name;
    bool operator==(const ProblemEntry&) const = default;
};
std::optional<ProblemEntry> EntryOf(const checks::Finding& finding);

// "No problems", "1 error", "2 errors, 1 warning".
std::string ProblemCountText(const std::vector<checks::Finding>& findings);

// The findings kept between checks: a check runs again only when the
// program, the override file or the text changed, so that selecting
// another entry costs nothing.
class DocumentProblems {
public:
    // True when the findings may have changed.
    bool Refresh(const Document& document);
    const std::vector<checks::Finding>& Findings() const { return findings_; }

private:
    std::optional<std::string> checkedKey_;
    std::vector<checks::Finding> findings_;
};

}  // namespace document
