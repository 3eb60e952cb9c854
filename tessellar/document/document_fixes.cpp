#include "tessellar/document/document_fixes.h"

#include "tessellar/checks/override_sections.h"
#include "platform/message_format.h"
#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/line_fix_command.h"
#include "tessellar/document/document_problems.h"

namespace document {

namespace {

// The entry's section title, as the findings name it ("screen CUSTOMER").
std::string TitleOf(const model::CScreenModel& entry) {
    return std::string(overrides::SectionKeyword(static_cast<overrides::SectionKind>(entry.Kind()))) + " " +
           entry.Name();
}

// Which of the section's lines reading the fix's old text the fixed one is:
// the saved text leaves out blocks that change nothing, so the work file is
// matched by that count, not by the line's number.
std::optional<std::size_t> OccurrenceOf(const std::string& text, const checks::Finding& finding) {
    for (const checks::OverrideSection& section : checks::SplitOverrideText(text).sections) {
        if (section.Title() != finding.section) continue;
        std::size_t occurrence = 0;
        for (std::size_t index = 0; index < section.fileLines.size(); ++index) {
            const std::size_t start = section.lineStarts[index];
            const std::size_t end =
                index + 1 < section.lineStarts.size() ? section.lineStarts[index + 1] : section.body.size();
            const std::string line = section.body.substr(start, end - start);
            const bool same = commands::FindFixLine(line, finding.fix->old, 0) != std::string::npos;
            if (section.fileLines[index] == finding.fix->line) {
                if (!same) return std::nullopt;
                return occurrence;
            }
            if (same) ++occurrence;
        }
    }
    return std::nullopt;
}

bool IsHeaderFix(const checks::Finding& finding) {
    return finding.fix.has_value() && finding.kind == checks::FindingKind::UnknownSection;
}

// A section header fix renames the finding's section to the entry the fix names.
bool ApplyHeaderFix(Document& document, model::CScreenModel& entry, const checks::Finding& finding,
                    platform::MessageSink& sink) {
    const std::optional<ProblemEntry> from = EntryOf(finding);
    const ProblemEntry to{static_cast<overrides::SectionKind>(entry.Kind()), entry.Name()};
    if (!from || EntryFixedBy(finding) != to) return false;
    const std::string label = platform::FormatText(commands::texts::kLabelFormat, commands::texts::kApplyFix,
                                                   finding.fix->replacement.c_str());
    return document.RenameSection(entry, from->name, label, sink);
}

}  // namespace

bool HasApplicableFix(const checks::Finding& finding) { return finding.fix.has_value(); }

std::optional<ProblemEntry> EntryFixedBy(const checks::Finding& finding) {
    if (!IsHeaderFix(finding)) return EntryOf(finding);
    checks::Finding renamed;
    renamed.section = finding.fix->replacement;
    return EntryOf(renamed);
}

std::unique_ptr<commands::Command> FixCommand(const Document& document, const checks::Finding& finding) {
    if (!HasApplicableFix(finding) || IsHeaderFix(finding)) return nullptr;
    const std::optional<std::size_t> occurrence = OccurrenceOf(CurrentOverrideText(document), finding);
    if (!occurrence) return nullptr;
    return std::make_unique<commands::LineFixCommand>(finding.fix->old, finding.fix->replacement, *occurrence);
}

std::string FixText(const checks::Finding& finding) {
    if (!finding.fix) return {};
    std::string text = "Re-attach to " + finding.fix->replacement;
    if (finding.kind == checks::FindingKind::UnknownSection) text = "Rename the section to " + finding.fix->replacement;
    if (finding.fix->confidence == checks::FixConfidence::Likely) text += " (likely)";
    return text;
}

bool ApplyFix(Document& document, model::CScreenModel& entry, const checks::Finding& finding,
              platform::MessageSink& sink) {
    if (IsHeaderFix(finding)) return ApplyHeaderFix(document, entry, finding, sink);
    if (finding.section != TitleOf(entry)) return false;
    std::unique_ptr<commands::Command> command = FixCommand(document, finding);
    if (!command) return false;
    return document.Run(entry, *command, sink);
}

bool ApplyCertainFixes(Document& document, model::CScreenModel& entry, const std::vector<checks::Finding>& findings,
                       platform::MessageSink& sink) {
    for (const checks::Finding& finding : findings) {
        if (IsHeaderFix(finding) && finding.fix->confidence == checks::FixConfidence::Certain &&
            ApplyHeaderFix(document, entry, finding, sink)) {
            return true;
        }
    }
    commands::CommandBatch batch;
    for (const checks::Finding& finding : findings) {
        if (!finding.fix || finding.fix->confidence != checks::FixConfidence::Certain) continue;
        if (finding.section != TitleOf(entry)) continue;
        if (std::unique_ptr<commands::Command> command = FixCommand(document, finding)) batch.Add(std::move(command));
    }
    if (batch.Empty()) return false;
    return document.Run(entry, batch, sink);
}

}  // namespace document
