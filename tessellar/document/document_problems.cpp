#include "tessellar/document/document_problems.h"

#include <algorithm>

#include "platform/file_replace.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/overrides/override_saving.h"

namespace document {
namespace {

// The file the findings name: the override file, or the one a first save would make.
std::string CheckedFileName(const Document& document) {
    return document.OverridePath().empty() ? WithOverrideExtension(document.ProgramPath()) : document.OverridePath();
}

std::vector<checks::Finding> Check(const Document& document, const std::string& text) {
    checks::CheckInputs inputs;
    inputs.decode = document.Inputs().decode;
    return checks::CheckProgram(*document.Image(), CheckedFileName(document), text, inputs);
}

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

}  // namespace

std::string CurrentOverrideText(const Document& document) {
    platform::IoFaults faults;
    bool readFailed = false;
    return overrides::BuildOverrideText(document.Workspace().Sections(), faults, readFailed, &document.SavedTexts());
}

std::vector<checks::Finding> CheckOpenDocument(const Document& document) {
    if (!document.HasProgram()) return {};
    return Check(document, CurrentOverrideText(document));
}

std::vector<ProblemGroup> GroupBySection(const std::vector<checks::Finding>& findings) {
    std::vector<ProblemGroup> groups;
    for (const checks::Finding& finding : findings) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&finding](const ProblemGroup& g) { return g.section == finding.section; });
        if (group == groups.end()) group = groups.insert(groups.end(), ProblemGroup{finding.section, {}});
        group->findings.push_back(finding);
    }
    return groups;
}

std::optional<ProblemEntry> EntryOf(const checks::Finding& finding) {
    const std::size_t blank = finding.section.find(' ');
    if (blank == std::string::npos) return std::nullopt;
    const std::string_view keyword = std::string_view(finding.section).substr(0, blank);
    for (const overrides::SectionKind kind :
         {overrides::SectionKind::Screen, overrides::SectionKind::Menu, overrides::SectionKind::Procedure}) {
        if (overrides::SectionKeyword(kind) == keyword) return ProblemEntry{kind, finding.section.substr(blank + 1)};
    }
    return std::nullopt;
}

std::string ProblemCountText(const std::vector<checks::Finding>& findings) {
    const auto errors = static_cast<std::size_t>(std::count_if(
        findings.begin(), findings.end(), [](const checks::Finding& f) { return f.severity() == checks::Severity::Error; }));
    const std::size_t warnings = findings.size() - errors;
    if (findings.empty()) return "No problems";
    if (warnings == 0) return Counted(errors, "error", "errors");
    if (errors == 0) return Counted(warnings, "warning", "warnings");
    return Counted(errors, "error", "errors") + ", " + Counted(warnings, "warning", "warnings");
}

bool DocumentProblems::Refresh(const Document& document) {
    if (!document.HasProgram()) {
        const bool had = checkedKey_.has_value() || !findings_.empty();
        checkedKey_.reset();
        findings_.clear();
        return had;
    }
    const std::string text = CurrentOverrideText(document);
    // The program and file paths and the text, apart by characters no path holds.
    std::string key = document.ProgramPath() + '\0' + CheckedFileName(document) + '\0' + text;
    if (checkedKey_ == key) return false;
    findings_ = Check(document, text);
    checkedKey_ = std::move(key);
    return true;
}

}  // namespace document
