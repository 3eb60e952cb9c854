#include "tessellar/checks/identifier_fixes.h"

#include <map>
#include <set>
#include <utility>

#include "tessellar/checks/override_sections.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_words.h"

namespace checks {

namespace {

namespace keys = overrides::texts;

// A line as the check compares it: "key = value", trimmed.
std::string KeyLineText(std::string_view line) {
    const overrides::SplitLineResult split = overrides::SplitLine(line);
    return split.key + " = " + split.value;
}

struct FileLine {
    std::string_view indent;
    std::string_view content;  // without indentation and line end
    std::string_view end;      // "\n", "\r\n" or nothing
};

std::vector<FileLine> FileLines(std::string_view text) {
    std::vector<FileLine> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        std::size_t endLength = newline == std::string_view::npos ? 0 : 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            ++endLength;
        }
        const std::size_t first = line.find_first_not_of(" \t");
        const std::size_t indent = first == std::string_view::npos ? line.size() : first;
        std::size_t last = line.size();
        while (last > indent && (line[last - 1] == ' ' || line[last - 1] == '\t')) --last;
        // Trailing blanks stay with the line end, so that the three parts
        // give back the line byte for byte.
        lines.push_back({line.substr(0, indent), line.substr(indent, last - indent),
                         std::string_view(line.data() + last, line.size() - last + endLength)});
    }
    return lines;
}

bool Applies(const Fix& fix, bool likelyToo) {
    return fix.confidence == FixConfidence::Certain || likelyToo;
}

}  // namespace

bool IsIdentifierKey(std::string_view key) {
    return key == keys::kTag || key == keys::kName || key == keys::kOrigText || key == keys::kOrigCoordinate;
}

void SettleFixes(std::string_view overrideText, std::vector<Finding>& findings) {
    bool anyFix = false;
    for (const Finding& finding : findings) anyFix = anyFix || finding.fix.has_value();
    if (!anyFix) return;

    const std::vector<FileLine> lines = FileLines(overrideText);
    // Every item a section's blocks name already, by the line that names it.
    std::map<std::string, std::set<std::string>> named;
    for (const OverrideSection& section : SplitOverrideText(overrideText).sections) {
        std::set<std::string>& names = named[section.Title()];
        for (std::size_t index = 0; index < section.lineStarts.size(); ++index) {
            const std::size_t start = section.lineStarts[index];
            const std::size_t end = index + 1 < section.lineStarts.size() ? section.lineStarts[index + 1]
                                                                          : section.body.size();
            const std::string_view line = std::string_view(section.body).substr(start, end - start);
            if (IsIdentifierKey(overrides::SplitLine(line).key)) names.insert(KeyLineText(line));
        }
    }
    std::map<std::pair<std::string, std::string>, int> proposed;  // (section, new line) -> fixes
    std::map<std::size_t, int> perLine;
    for (Finding& finding : findings) {
        if (!finding.fix) continue;
        Fix& fix = *finding.fix;
        if (fix.line == 0 || fix.line > lines.size()) {
            finding.fix.reset();
            continue;
        }
        if (fix.old.empty()) fix.old = std::string(lines[fix.line - 1].content);
        ++proposed[{finding.section, KeyLineText(fix.replacement)}];
        ++perLine[fix.line];
    }
    for (Finding& finding : findings) {
        if (!finding.fix) continue;
        const std::string replacement = KeyLineText(finding.fix->replacement);
        const bool header = finding.kind == FindingKind::UnknownSection;
        const bool alreadyNamed = !header && named[finding.section].count(replacement) != 0;
        const bool twice = proposed[{finding.section, replacement}] > 1 || perLine[finding.fix->line] > 1;
        if (alreadyNamed || twice) finding.fix.reset();
    }
}

std::string ApplyFixes(std::string_view overrideText, const std::vector<Finding>& findings, bool likelyToo) {
    std::map<std::size_t, const Fix*> byLine;
    for (const Finding& finding : findings) {
        if (finding.fix && Applies(*finding.fix, likelyToo)) byLine[finding.fix->line] = &*finding.fix;
    }
    std::string fixed;
    fixed.reserve(overrideText.size() + 64);
    std::size_t number = 0;
    for (const FileLine& line : FileLines(overrideText)) {
        ++number;
        const auto at = byLine.find(number);
        // A header keeps what follows its name ("screen OLD {" stays braced).
        if (at != byLine.end() && line.content.substr(0, at->second->old.size()) == at->second->old) {
            fixed += line.indent;
            fixed += at->second->replacement;
            fixed += line.content.substr(at->second->old.size());
        } else {
            fixed += line.indent;
            fixed += line.content;
        }
        fixed += line.end;
    }
    return fixed;
}

std::size_t FixCount(const std::vector<Finding>& findings, bool likelyToo) {
    std::size_t count = 0;
    for (const Finding& finding : findings) count += finding.fix && Applies(*finding.fix, likelyToo) ? 1 : 0;
    return count;
}

}  // namespace checks
