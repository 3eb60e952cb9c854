#include "tessellar/report/program_report.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/message_sink.h"
#include "platform/unified_diff.h"
#include "tessellar/checks/override_sections.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/overrides/apply_section.h"
#include "tessellar/program/directory_page.h"

namespace report {

namespace {

using EntryKey = std::pair<std::string, overrides::SectionKind>;
using SectionIndex = std::map<EntryKey, const checks::OverrideSection*>;

EntryKey KeyOf(const model::CScreenModel& model) {
    return {model.Name(), static_cast<overrides::SectionKind>(model.Kind())};
}

// A later section of one name and kind replaces an earlier one, as the work files do.
SectionIndex LastSections(const checks::OverrideSections& file) {
    SectionIndex index;
    for (const checks::OverrideSection& section : file.sections) index[{section.name, section.kind}] = &section;
    return index;
}

const checks::OverrideSection* Find(const SectionIndex& index, const EntryKey& key) {
    const auto found = index.find(key);
    return found == index.end() ? nullptr : found->second;
}

std::string Title(const EntryKey& key) { return std::string(overrides::SectionKeyword(key.second)) + ' ' + key.first; }

std::vector<StatementLine> SectionLines(const checks::OverrideSection& section) {
    std::vector<StatementLine> lines;
    lines.push_back({section.headerLine, section.Title()});
    for (std::size_t i = 0; i < section.lineStarts.size(); ++i) {
        const std::size_t end = i + 1 < section.lineStarts.size() ? section.lineStarts[i + 1] : section.body.size();
        std::string text = section.body.substr(section.lineStarts[i], end - section.lineStarts[i]);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        lines.push_back({section.fileLines[i], std::move(text)});
    }
    return lines;
}

std::unique_ptr<model::CScreenModel> CopyOf(const model::CScreenModel& model) {
    auto copy = std::make_unique<model::CScreenModel>(model.Name(), model.Identifier(), model.Image(), model.Entry(),
                                                      model.ProgramModes(), model.Kind());
    copy->CopyContentsFrom(model);
    return copy;
}

struct Chosen {
    std::size_t row;
    const checks::OverrideSection* section;     // in the file reported
    const checks::OverrideSection* oldSection;  // in the old file, when there is one
};

class EntryDrawing {
public:
    EntryDrawing(const PicturePlace& place, PictureMaker& pictures) : place_(place), pictures_(pictures) {}

    void Draw(ReportEntry& entry, const model::CScreenModel& model, bool highlight, const std::string& state,
              const char* caption, const char* suffix) {
        const std::string file = entry.anchor + suffix;
        if (!MadeDirectory()) {
            entry.problems.push_back(place_.directory + ": cannot be made");
            return;
        }
        if (std::optional<std::string> problem = pictures_.Draw(model, highlight, place_.directory + "/" + file)) {
            entry.problems.push_back(std::move(*problem));
            return;
        }
        entry.pictures.push_back({place_.prefix + "/" + file, caption, entry.title + ", " + state});
    }

private:
    bool MadeDirectory() {
        if (!made_) {
            std::error_code error;
            std::filesystem::create_directories(place_.directory, error);
            made_ = std::filesystem::is_directory(place_.directory, error);
        }
        return *made_;
    }

    const PicturePlace& place_;
    PictureMaker& pictures_;
    std::optional<bool> made_;
};

std::size_t Apply(model::CScreenModel& model, const checks::OverrideSection* section, platform::MessageSink& sink) {
    return section == nullptr ? 0 : overrides::ApplySectionText(model, section->body, sink);
}

}  // namespace

std::size_t ProgramReport::Count(checks::Severity severity) const {
    std::size_t count = 0;
    for (const ReportEntry& entry : entries) {
        count += static_cast<std::size_t>(std::count_if(entry.findings.begin(), entry.findings.end(),
                                                        [severity](const auto& f) { return f.severity() == severity; }));
    }
    return count + static_cast<std::size_t>(std::count_if(otherFindings.begin(), otherFindings.end(),
                                                          [severity](const auto& f) { return f.severity() == severity; }));
}

std::optional<ProgramReport> BuildProgramReport(const ProgramSource& source, const PicturePlace& place,
                                                PictureMaker& pictures, const Progress& progress) {
    ProgramReport report;
    report.programPath = source.programPath;
    report.overridePath = source.overridePath;
    report.oldOverridePath = source.oldOverridePath.value_or(std::string());
    report.note = source.note;
    const bool since = source.oldOverridePath.has_value();

    const checks::OverrideSections file = checks::SplitOverrideText(source.overrideText);
    const checks::OverrideSections oldFile = checks::SplitOverrideText(since ? source.oldOverrideText : "");
    const SectionIndex sections = LastSections(file);
    const SectionIndex oldSections = LastSections(oldFile);

    // Messages of decoding and applying are what the findings put better.
    platform::RecordingMessageSink quiet;
    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, *source.image, "", quiet);
    std::vector<Chosen> chosen;
    for (std::size_t row = 0; row < page.Models().size(); ++row) {
        const EntryKey key = KeyOf(*page.Models()[row]);
        const checks::OverrideSection* section = Find(sections, key);
        const checks::OverrideSection* oldSection = since ? Find(oldSections, key) : nullptr;
        const bool differs = (section == nullptr) != (oldSection == nullptr) ||
                             (section != nullptr && section->body != oldSection->body);
        if (since ? differs : section != nullptr) chosen.push_back({row, section, oldSection});
    }

    // An unchanged file is the whole file checked for nothing: the check runs only for entries shown.
    std::vector<checks::Finding> findings;
    if (!chosen.empty() && !file.sections.empty()) {
        checks::CheckInputs inputs;
        inputs.decode = source.inputs.decode;
        findings = checks::CheckProgram(*source.image, source.overridePath, source.overrideText, inputs);
    }
    std::vector<bool> shown(findings.size(), false);

    EntryDrawing drawing(place, pictures);
    for (std::size_t done = 0; done < chosen.size(); ++done) {
        if (progress && !progress(done, chosen.size())) return std::nullopt;
        const Chosen& pick = chosen[done];
        model::CScreenModel& model = *page.Models()[pick.row];
        const EntryKey key = KeyOf(model);
        ReportEntry& entry = report.entries.emplace_back();
        entry.title = Title(key);
        entry.typeText = page.Rows()[pick.row].typeText;
        entry.anchor = "e" + std::to_string(pick.row + 1);
        if (pick.section != nullptr) entry.lines = SectionLines(*pick.section);
        for (std::size_t i = 0; i < findings.size(); ++i) {
            if (findings[i].section != entry.title) continue;
            entry.findings.push_back(findings[i]);
            shown[i] = true;
        }

        document::PrepareEntry(model, source.inputs, quiet);
        const std::unique_ptr<model::CScreenModel> customised = CopyOf(model);
        entry.statements = Apply(*customised, pick.section, quiet);
        report.statements += entry.statements;
        entry.changes = document::EntryChanges(*customised);
        if (since) {
            const std::unique_ptr<model::CScreenModel> old = CopyOf(model);
            Apply(*old, pick.oldSection, quiet);
            drawing.Draw(entry, *old, true, "as the old override file showed it", "Before: the old override file",
                         "-old.png");
            drawing.Draw(entry, *customised, true, "as this override file shows it, changes highlighted",
                         "After: this override file", "-customised.png");
            entry.diff = platform::UnifiedDiff(pick.oldSection != nullptr ? pick.oldSection->body : "",
                                                  pick.section != nullptr ? pick.section->body : "",
                                                  *source.oldOverridePath + ": " + entry.title,
                                                  source.overridePath + ": " + entry.title);
        } else {
            drawing.Draw(entry, *customised, true, "customised, changes highlighted", "Customised", "-customised.png");
        }
        drawing.Draw(entry, model, false, "original, as the program is compiled", "Original", "-original.png");
        // Thousands of entries: only the one being drawn keeps its items.
        model.DestroyItems();
        model.SetNeedsDecoding(true);
        quiet.Clear();
    }
    if (progress && !progress(chosen.size(), chosen.size())) return std::nullopt;
    if (!since) {
        for (std::size_t i = 0; i < findings.size(); ++i) {
            if (!shown[i]) report.otherFindings.push_back(findings[i]);
        }
    }
    return report;
}

}  // namespace report
