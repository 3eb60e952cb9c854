#include "tessellar/checks/program_check.h"

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>
#include <utility>

#include "platform/message_sink.h"
#include "platform/text_case.h"
#include "tessellar/checks/check_texts.h"
#include "tessellar/checks/identifier_fixes.h"
#include "tessellar/checks/section_findings.h"
#include "tessellar/checks/section_trace.h"
#include "tessellar/checks/text_distance.h"
#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/program/directory_page.h"

namespace checks {

namespace {

using overrides::SectionKind;

SectionKind SectionKindOf(const model::CScreenModel& model) { return static_cast<SectionKind>(model.Kind()); }

// The program's entries by the section that customises them: name and kind,
// as the work files pair them.
using EntryKey = std::pair<std::string, SectionKind>;

class ProgramEntries {
public:
    ProgramEntries(const program::ProgramImage& image, platform::MessageSink& sink) {
        program::FillDirectoryPage(page_, image, "", sink);
        for (const auto& model : page_.Models()) byKey_.emplace(EntryKey{model->Name(), SectionKindOf(*model)}, model.get());
    }

    std::vector<model::CScreenModel*> Find(const OverrideSection& section) const {
        std::vector<model::CScreenModel*> found;
        const auto range = byKey_.equal_range(EntryKey{section.name, section.kind});
        for (auto at = range.first; at != range.second; ++at) found.push_back(at->second);
        return found;
    }

    // "CUSTOMER is a screen" or "nearest: screen CUSTOMERS"; empty when nothing is near.
    std::string Hint(const OverrideSection& section) const {
        for (const auto& [key, model] : byKey_) {
            if (key.first == section.name) {
                return section.name + texts::kIsA + std::string(overrides::SectionKeyword(key.second));
            }
        }
        const model::CScreenModel* best = nullptr;
        std::size_t bestScore = 0;
        for (const auto& [key, model] : byKey_) {
            if (key.second != section.kind) continue;
            const std::optional<std::size_t> score = Nearness(section.name, key.first);
            if (score && (best == nullptr || *score < bestScore)) {
                best = model;
                bestScore = *score;
            }
        }
        if (best == nullptr) return {};
        return texts::kNearest + std::string(overrides::SectionKeyword(section.kind)) + " " + best->Name();
    }

    // The entries of a kind, for a section whose own entry is gone.
    std::vector<model::CScreenModel*> OfKind(SectionKind kind) const {
        std::vector<model::CScreenModel*> found;
        for (const auto& [key, model] : byKey_) {
            if (key.second == kind) found.push_back(model);
        }
        return found;
    }

private:
    program::DirectoryPage page_{program::BrowserPage::All};
    std::multimap<EntryKey, model::CScreenModel*> byKey_;
};

void CheckSection(model::CScreenModel& model, const OverrideSection& section, const CheckInputs& inputs,
                  SectionFindings& findings) {
    // Messages of decoding and applying are what findings put better.
    platform::RecordingMessageSink quiet;
    if (model.NeedsDecoding()) program::DecodeScreen(model, quiet, inputs.decode);
    std::istringstream body(section.body);
    SectionTrace trace(model, section, body, findings);
    overrides::ApplySectionStream(model, body, quiet, trace);
    trace.Finish();
    // The next section of this entry (a screen and a menu of one name) starts from the program again.
    model.DestroyItems();
    model.SetNeedsDecoding(true);
}

// Whether a block of the section names an item; one that only sets the
// window's title would fit any entry.
bool NamesItems(const OverrideSection& section) {
    std::string_view body = section.body;
    while (!body.empty()) {
        const std::size_t newline = body.find('\n');
        if (IsIdentifierKey(overrides::SplitLine(body.substr(0, newline)).key)) return true;
        body = newline == std::string_view::npos ? std::string_view() : body.substr(newline + 1);
    }
    return false;
}

bool ItemsAllReached(const std::vector<Finding>& findings) {
    for (const Finding& finding : findings) {
        if (finding.kind == FindingKind::UnresolvedItem || finding.kind == FindingKind::UnknownMessage) return false;
    }
    return true;
}

// A program that renamed an entry leaves its section under the old name.
// When every block of the section reaches its item in exactly one entry of
// the kind that has no section of its own, the header is certain to mean it.
// Entries are tried one by one, so the search stops at a bound.
std::optional<Fix> RenamedEntry(const ProgramEntries& entries, const OverrideSections& file,
                                const OverrideSection& section, const CheckInputs& inputs) {
    constexpr std::size_t kMostEntriesTried = 64;
    if (!NamesItems(section)) return std::nullopt;
    std::vector<model::CScreenModel*> unsectioned;
    for (model::CScreenModel* model : entries.OfKind(section.kind)) {
        bool hasSection = false;
        for (const OverrideSection& other : file.sections) hasSection = hasSection || other.name == model->Name();
        if (!hasSection) unsectioned.push_back(model);
    }
    if (unsectioned.empty() || unsectioned.size() > kMostEntriesTried) return std::nullopt;
    model::CScreenModel* match = nullptr;
    for (model::CScreenModel* model : unsectioned) {
        std::vector<Finding> trial;
        const std::string noFile;
        SectionFindings trialFindings(noFile, section.Title(), trial);
        CheckSection(*model, section, inputs, trialFindings);
        if (!ItemsAllReached(trial)) continue;
        if (match != nullptr) return std::nullopt;  // two entries would do
        match = model;
    }
    if (match == nullptr) return std::nullopt;
    const std::string keyword(overrides::SectionKeyword(section.kind));
    return Fix{section.headerLine, keyword + " " + section.name, keyword + " " + match->Name(),
               FixConfidence::Certain};
}

// "nearest: screen ACCTMAINT" for a line whose first word is near a header word.
std::string HeaderHint(std::string_view line) {
    const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
    const std::string word = platform::LowerCased(line.substr(0, end));
    for (const SectionKind kind : {SectionKind::Screen, SectionKind::Menu, SectionKind::Procedure}) {
        const std::string_view keyword = overrides::SectionKeyword(kind);
        if (word != keyword && Nearness(word, keyword)) {
            return texts::kNearest + std::string(keyword) + std::string(line.substr(end));
        }
    }
    return {};
}

// One finding for all of them, on the first: a misspelt first header takes
// its whole section with it.
void ReportLinesBeforeSections(const OverrideSections& file, const std::string& overridePath,
                               std::vector<Finding>& findings) {
    if (file.beforeSections.empty()) return;
    const StrayLine& first = file.beforeSections.front();
    const std::size_t more = file.beforeSections.size() - 1;
    std::string message = "\"" + first.text + "\"";
    message += more == 0 ? texts::kBeforeFirstHeader
                         : texts::kAnd + std::to_string(more) + (more == 1 ? texts::kMoreLine : texts::kMoreLines) +
                               texts::kBeforeFirstHeaderMany;
    SectionFindings(overridePath, texts::kBeforeSections, findings)
        .Add(first.line, FindingKind::OutsideSection, {}, std::move(message), HeaderHint(first.text));
}

}  // namespace

std::vector<Finding> CheckProgram(const program::ProgramImage& image, const std::string& overridePath,
                                  std::string_view overrideText, const CheckInputs& inputs) {
    std::vector<Finding> findings;
    const OverrideSections file = SplitOverrideText(overrideText);
    platform::RecordingMessageSink quiet;
    const ProgramEntries entries(image, quiet);

    // A later section of one name and kind replaces the earlier one's work file.
    std::map<EntryKey, std::size_t> last;
    for (std::size_t index = 0; index < file.sections.size(); ++index) {
        last[EntryKey{file.sections[index].name, file.sections[index].kind}] = index;
    }
    for (std::size_t index = 0; index < file.sections.size(); ++index) {
        const OverrideSection& section = file.sections[index];
        SectionFindings sectionFindings(overridePath, section.Title(), findings);
        const std::size_t later = last[EntryKey{section.name, section.kind}];
        if (later != index) {
            sectionFindings.Add(section.headerLine, FindingKind::RepeatedSection, {},
                                texts::kSectionAgain + std::to_string(file.sections[later].headerLine) +
                                    texts::kKeepsLater);
            continue;
        }
        const std::vector<model::CScreenModel*> models = entries.Find(section);
        if (models.empty()) {
            sectionFindings.Add(section.headerLine, FindingKind::UnknownSection, {},
                                texts::kProgramHasNo + std::string(overrides::SectionKeyword(section.kind)) +
                                    texts::kNamed + section.name + texts::kSkipsSection,
                                entries.Hint(section), RenamedEntry(entries, file, section, inputs));
            continue;
        }
        for (model::CScreenModel* model : models) CheckSection(*model, section, inputs, sectionFindings);
    }
    ReportLinesBeforeSections(file, overridePath, findings);
    for (const std::size_t line : file.longLines) {
        // A long line's section is the one whose body holds it.
        std::string title;
        for (const OverrideSection& section : file.sections) {
            if (section.headerLine < line) title = section.Title();
        }
        findings.push_back(Finding{overridePath, line, title, {}, FindingKind::LongLine, texts::kLongLine, {}, {}});
    }
    SortFindings(findings);
    SettleFixes(overrideText, findings);
    return findings;
}

std::optional<std::vector<Finding>> CheckProgramFile(const program::ProgramImage& image,
                                                     const std::string& overridePath, const CheckInputs& inputs) {
    const std::optional<std::string> text = overrides::ReadOverrideText(overridePath);
    if (!text) return std::nullopt;
    return CheckProgram(image, overridePath, *text, inputs);
}

}  // namespace checks
