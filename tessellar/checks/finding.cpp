#include "tessellar/checks/finding.h"

#include <algorithm>

namespace checks {

std::string_view KindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::UnknownSection: return "unknown-section";
        case FindingKind::RepeatedSection: return "repeated-section";
        case FindingKind::OutsideSection: return "outside-section";
        case FindingKind::OutsideBlock: return "outside-block";
        case FindingKind::UnknownKey: return "unknown-key";
        case FindingKind::UnresolvedItem: return "unresolved-item";
        case FindingKind::UnknownMessage: return "unknown-message";
        case FindingKind::RepeatedItem: return "repeated-item";
        case FindingKind::AllowedAndDisallowed: return "allowed-and-disallowed";
        case FindingKind::NoTriggerPoint: return "no-trigger-point";
        case FindingKind::OutOfRange: return "out-of-range";
        case FindingKind::NotAPair: return "not-a-pair";
        case FindingKind::NotABoolean: return "not-a-boolean";
        case FindingKind::UnknownColour: return "unknown-colour";
        case FindingKind::UnknownAttribute: return "unknown-attribute";
        case FindingKind::UnknownWord: return "unknown-word";
        case FindingKind::InvalidPicture: return "invalid-picture";
        case FindingKind::CutValue: return "cut-value";
        case FindingKind::LongLine: return "long-line";
        case FindingKind::Overlap: return "overlap";
        case FindingKind::PastEdge: return "past-edge";
        case FindingKind::WideGridColumn: return "wide-grid-column";
        case FindingKind::HiddenWithoutDefault: return "hidden-without-default";
    }
    return "";
}

Severity SeverityOf(FindingKind kind) {
    switch (kind) {
        case FindingKind::Overlap:
        case FindingKind::PastEdge:
        case FindingKind::WideGridColumn:
        case FindingKind::HiddenWithoutDefault: return Severity::Warning;
        default: return Severity::Error;
    }
}

std::string_view ConfidenceName(FixConfidence confidence) {
    return confidence == FixConfidence::Certain ? "certain" : "likely";
}

std::string_view SeverityName(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

std::string FindingText(const Finding& finding) {
    std::string text(SeverityName(finding.severity()));
    text += ": ";
    text += finding.message;
    if (!finding.hint.empty()) {
        text += " [";
        text += finding.hint;
        text += ']';
    }
    if (finding.fix) {
        text += " [";
        text += ConfidenceName(finding.fix->confidence);
        text += " fix: ";
        text += finding.fix->replacement;
        text += ']';
    }
    return text;
}

std::string FindingLine(const Finding& finding) {
    return finding.file + ':' + std::to_string(finding.line) + ": " + finding.section + ": " + FindingText(finding) +
           '\n';
}

void SortFindings(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    // Repeats share a line: look back only over the findings of that line.
    std::vector<Finding> unique;
    unique.reserve(findings.size());
    std::size_t lineStart = 0;
    for (Finding& finding : findings) {
        if (!unique.empty() && unique.back().line != finding.line) lineStart = unique.size();
        const auto first = unique.begin() + static_cast<std::ptrdiff_t>(lineStart);
        if (std::find(first, unique.end(), finding) == unique.end()) unique.push_back(std::move(finding));
    }
    findings = std::move(unique);
}

}  // namespace checks
