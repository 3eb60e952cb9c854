#include "tools/scfcheck/finding_output.h"

#include <nlohmann/json.hpp>

#include <ostream>

#include "platform/cp1252.h"

namespace scfcheck {

namespace {

// Texts come from the programs and override files as code page 1252 bytes.
nlohmann::ordered_json Text(const std::string& text) { return platform::Utf8FromCp1252(text); }
nlohmann::ordered_json TextOrNull(const std::string& text) { return text.empty() ? nlohmann::ordered_json() : Text(text); }

nlohmann::ordered_json Fix(const checks::Finding& finding) {
    if (!finding.fix) return nullptr;
    return {{"line", finding.fix->line},
            {"old", Text(finding.fix->old)},
            {"new", Text(finding.fix->replacement)},
            {"confidence", std::string(checks::ConfidenceName(finding.fix->confidence))}};
}

}  // namespace

void WriteFindings(const std::vector<checks::Finding>& findings, OutputFormat format, std::ostream& out) {
    for (const checks::Finding& finding : findings) {
        if (format == OutputFormat::Lines) {
            out << checks::FindingLine(finding);
            continue;
        }
        const nlohmann::ordered_json object = {
            {"file", Text(finding.file)},
            {"line", finding.line},
            {"section", Text(finding.section)},
            {"item_key", TextOrNull(finding.itemKey)},
            {"kind", std::string(checks::KindName(finding.kind))},
            {"severity", std::string(checks::SeverityName(finding.severity()))},
            {"message", Text(finding.message)},
            {"hint", TextOrNull(finding.hint)},
            {"fix", Fix(finding)},
        };
        out << object.dump() << '\n';
    }
}

}  // namespace scfcheck
