#include "tessellar/report/report_pages.h"

#include <string_view>

#include "tessellar/report/html_text.h"

namespace report {

namespace {

constexpr const char* kStyle = R"(
body { font-family: "Liberation Sans", Arial, sans-serif; margin: 1.5em; color: #1a1a1a; }
h1 { font-size: 1.5em; } h2 { font-size: 1.25em; margin-top: 0; } h3 { font-size: 1.05em; }
table { border-collapse: collapse; margin: 0.5em 0 1em; }
th, td { border: 1px solid #b8b8b8; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
th { background: #ececec; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
td.line { text-align: right; color: #555; font-family: "Liberation Mono", monospace; }
td.statement, pre { font-family: "Liberation Mono", monospace; white-space: pre-wrap; margin: 0; }
tr.flagged td { background: #fff4e0; }
.error { color: #a00000; font-weight: bold; } .warning { color: #8a5a00; font-weight: bold; }
.note { border-left: 4px solid #d08000; padding: 0.3em 0.8em; background: #fff8e8; }
.pictures { display: flex; gap: 1.5em; align-items: flex-start; }
figure { margin: 0; flex: 1 1 0; min-width: 0; } figcaption { font-weight: bold; margin-bottom: 0.3em; }
figure img { border: 1px solid #777; max-width: 100%; height: auto; }
section.entry { border-top: 2px solid #777; margin-top: 2em; padding-top: 0.8em; }
pre.diff { border: 1px solid #b8b8b8; padding: 0.4em; }
.diff .added { background: #e2f7e2; } .diff .removed { background: #fbe3e3; } .diff .hunk { color: #0b4f8a; }
@media print {
  body { margin: 0; }
  nav, .contents { display: none; }
  a { color: inherit; text-decoration: none; }
  section.entry { break-before: page; page-break-before: always; border-top: none; margin-top: 0; }
  .pictures { display: block; }
  figure { break-inside: avoid; page-break-inside: avoid; margin-bottom: 0.8em; }
  figure img { max-height: 40vh; }
  tr { break-inside: avoid; page-break-inside: avoid; }
}
)";

std::string Head(const std::string& title) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
           "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
}

constexpr const char* kTail = "</body>\n</html>\n";

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SeverityCell(checks::Severity severity) {
    const std::string name(checks::SeverityName(severity));
    return "<span class=\"" + name + "\">" + name + "</span>";
}

// "error: message [hint] [likely fix: NEW LINE]", escaped.
std::string FindingHtml(const checks::Finding& finding) {
    std::string text = SeverityCell(finding.severity()) + ": " + HtmlText(finding.message);
    if (!finding.hint.empty()) text += " [" + HtmlText(finding.hint) + "]";
    if (finding.fix) {
        text += " [" + std::string(checks::ConfidenceName(finding.fix->confidence)) + " fix: " +
                HtmlText(finding.fix->replacement) + "]";
    }
    return text;
}

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string Pictures(const ReportEntry& entry) {
    std::string html = "<div class=\"pictures\">\n";
    for (const EntryPicture& picture : entry.pictures) {
        html += "<figure><figcaption>" + HtmlText(picture.caption) + "</figcaption><img src=\"" +
                HtmlPath(picture.file) + "\" alt=\"" + HtmlText(picture.alt) + "\"></figure>\n";
    }
    html += "</div>\n";
    for (const std::string& problem : entry.problems) html += "<p class=\"error\">" + HtmlText(problem) + "</p>\n";
    return html;
}

std::string Changes(const ReportEntry& entry) {
    std::string html = "<h3>What the statements changed</h3>\n";
    if (entry.changes.empty()) return html + "<p>Nothing changed.</p>\n";
    html += "<table class=\"changes\">\n<thead><tr><th scope=\"col\">Item</th><th scope=\"col\">As a statement "
            "names it</th><th scope=\"col\">Changed</th></tr></thead>\n<tbody>\n";
    for (const document::ItemChanges& item : entry.changes) {
        html += "<tr><td>" + HtmlText(item.item) + "</td><td class=\"statement\">" + HtmlText(item.key) +
                "</td><td>" + HtmlText(document::ChangeListText(item)) + "</td></tr>\n";
    }
    return html + "</tbody>\n</table>\n";
}

std::string Statements(const ReportEntry& entry) {
    std::string html = "<h3>Statements (" + std::to_string(entry.statements) + ")</h3>\n";
    if (entry.lines.empty()) return html + "<p>The override file has no section for this entry.</p>\n";
    html += "<table class=\"statements\">\n<thead><tr><th scope=\"col\">Line</th><th scope=\"col\">Statement</th>"
            "<th scope=\"col\">Findings</th></tr></thead>\n<tbody>\n";
    std::vector<bool> placed(entry.findings.size(), false);
    for (const StatementLine& line : entry.lines) {
        std::string found;
        for (std::size_t i = 0; i < entry.findings.size(); ++i) {
            if (entry.findings[i].line != line.line) continue;
            found += (found.empty() ? "" : "<br>") + FindingHtml(entry.findings[i]);
            placed[i] = true;
        }
        html += std::string(found.empty() ? "<tr" : "<tr class=\"flagged\"") + " id=\"" + entry.anchor + "-l" +
                std::to_string(line.line) + "\"><td class=\"line\">" + std::to_string(line.line) +
                "</td><td class=\"statement\">" + HtmlText(line.text) + "</td><td>" + found + "</td></tr>\n";
    }
    html += "</tbody>\n</table>\n";
    std::string rest;
    for (std::size_t i = 0; i < entry.findings.size(); ++i) {
        if (!placed[i]) rest += "<li>line " + std::to_string(entry.findings[i].line) + ": " + FindingHtml(entry.findings[i]) + "</li>\n";
    }
    if (!rest.empty()) html += "<p>Findings on other lines of the entry's sections:</p>\n<ul>\n" + rest + "</ul>\n";
    return html;
}

std::string Diff(const ReportEntry& entry) {
    std::string html = "<h3>Changes to the statements</h3>\n<pre class=\"diff\">";
    std::string_view rest = entry.diff;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
        rest.remove_prefix(line.size());
        const char* kind = line.starts_with("@@") ? "hunk"
                           : line.starts_with("+++") || line.starts_with("---") ? "file"
                           : line.starts_with('+') ? "added"
                           : line.starts_with('-') ? "removed"
                                                   : "context";
        html += "<span class=\"" + std::string(kind) + "\">" + HtmlText(line) + "</span>";
    }
    return html + "</pre>\n";
}

std::string FindingsTable(const std::vector<checks::Finding>& findings) {
    std::string html = "<table class=\"findings\">\n<thead><tr><th scope=\"col\">Line</th><th scope=\"col\">Section"
                       "</th><th scope=\"col\">Finding</th></tr></thead>\n<tbody>\n";
    for (const checks::Finding& finding : findings) {
        html += "<tr><td class=\"line\">" + std::to_string(finding.line) + "</td><td>" + HtmlText(finding.section) +
                "</td><td>" + FindingHtml(finding) + "</td></tr>\n";
    }
    return html + "</tbody>\n</table>\n";
}

std::string EntryFindingCount(const ReportEntry& entry) {
    std::size_t errors = 0;
    for (const checks::Finding& finding : entry.findings) errors += finding.severity() == checks::Severity::Error;
    const std::size_t warnings = entry.findings.size() - errors;
    return Counted(errors, "error", "errors") + ", " + Counted(warnings, "warning", "warnings");
}

}  // namespace

std::string ProgramPage(const ProgramReport& program, const std::string& indexFile) {
    const std::string name = HtmlPath(FileNameOf(program.programPath));
    const bool since = !program.oldOverridePath.empty();
    std::string html = Head("Review of " + name);
    html += "<nav><a href=\"" + HtmlPath(indexFile) + "\">All programs</a></nav>\n<h1>Review of " + name + "</h1>\n";
    html += "<table class=\"files\">\n<tbody>\n<tr><th scope=\"row\">Program</th><td>" + HtmlPath(program.programPath) +
            "</td></tr>\n<tr><th scope=\"row\">Override file</th><td>" + HtmlPath(program.overridePath) + "</td></tr>\n";
    if (since) html += "<tr><th scope=\"row\">Compared with</th><td>" + HtmlPath(program.oldOverridePath) + "</td></tr>\n";
    html += "</tbody>\n</table>\n";
    if (!program.note.empty()) html += "<p class=\"note\">" + HtmlText(program.note) + "</p>\n";
    html += "<p>" + Counted(program.entries.size(), since ? "entry changed" : "entry customised",
                            since ? "entries changed" : "entries customised") +
            ", " + Counted(program.statements, "statement", "statements") + ", " +
            Counted(program.Count(checks::Severity::Error), "error", "errors") + ", " +
            Counted(program.Count(checks::Severity::Warning), "warning", "warnings") + ".</p>\n";

    html += "<div class=\"contents\">\n<h2>Entries</h2>\n<table>\n<thead><tr><th scope=\"col\">Entry</th><th "
            "scope=\"col\">Type</th><th scope=\"col\">Statements</th><th scope=\"col\">Findings</th></tr></thead>\n"
            "<tbody>\n";
    for (const ReportEntry& entry : program.entries) {
        html += "<tr><td><a href=\"#" + entry.anchor + "\">" + HtmlText(entry.title) + "</a></td><td>" +
                HtmlText(entry.typeText) + "</td><td class=\"number\">" + std::to_string(entry.statements) +
                "</td><td>" + EntryFindingCount(entry) + "</td></tr>\n";
    }
    html += "</tbody>\n</table>\n</div>\n";

    for (const ReportEntry& entry : program.entries) {
        html += "<section class=\"entry\" id=\"" + entry.anchor + "\">\n<h2>" + HtmlText(entry.title) + " <small>(" +
                HtmlText(entry.typeText) + ")</small></h2>\n";
        html += Pictures(entry);
        if (since) html += Diff(entry);
        html += Changes(entry);
        html += Statements(entry);
        html += "</section>\n";
    }
    if (!program.otherFindings.empty()) {
        html += "<section class=\"entry\" id=\"other-findings\">\n<h2>Findings outside the customised entries</h2>\n" +
                FindingsTable(program.otherFindings) + "</section>\n";
    }
    return html + kTail;
}

std::string IndexPage(const ReportIndex& index) {
    std::size_t entries = 0;
    std::size_t statements = 0;
    std::size_t errors = 0;
    std::size_t warnings = 0;
    for (const ProgramReport& program : index.programs) {
        entries += program.entries.size();
        statements += program.statements;
        errors += program.Count(checks::Severity::Error);
        warnings += program.Count(checks::Severity::Warning);
    }
    std::string html = Head(index.since ? "Review of the changes" : "Review of the customised screens");
    html += std::string("<h1>") + (index.since ? "Review of the changes" : "Review of the customised screens") + "</h1>\n";
    html += "<p>" + Counted(index.programs.size(), "program", "programs") + ", " +
            Counted(entries, index.since ? "entry changed" : "entry customised",
                    index.since ? "entries changed" : "entries customised") +
            ", " + Counted(statements, "statement", "statements") + ", " + Counted(errors, "error", "errors") + ", " +
            Counted(warnings, "warning", "warnings") + ".</p>\n";
    for (const ProgramReport& program : index.programs) {
        if (!program.note.empty()) {
            html += "<p class=\"note\">" + HtmlPath(FileNameOf(program.programPath)) + ": " + HtmlText(program.note) + "</p>\n";
        }
    }
    html += "<table class=\"programs\">\n<thead><tr><th scope=\"col\">Program</th><th scope=\"col\">Override file</th>"
            "<th scope=\"col\">" + std::string(index.since ? "Entries changed" : "Entries customised") +
            "</th><th scope=\"col\">Statements</th><th scope=\"col\">Errors</th><th scope=\"col\">Warnings</th>"
            "</tr></thead>\n<tbody>\n";
    for (const ProgramReport& program : index.programs) {
        const std::string path = HtmlPath(program.programPath);
        const std::string name = program.page.empty() ? path : "<a href=\"" + HtmlPath(program.page) + "\">" + path + "</a>";
        if (!program.problem.empty()) {
            html += "<tr><td>" + name + "</td><td colspan=\"5\" class=\"error\">" + HtmlText(program.problem) + "</td></tr>\n";
            continue;
        }
        html += "<tr><td>" + name + "</td><td>" +
                (program.overridePath.empty() ? std::string("none") : HtmlPath(program.overridePath)) +
                "</td><td class=\"number\">" + std::to_string(program.entries.size()) + "</td><td class=\"number\">" +
                std::to_string(program.statements) + "</td><td class=\"number\">" +
                std::to_string(program.Count(checks::Severity::Error)) + "</td><td class=\"number\">" +
                std::to_string(program.Count(checks::Severity::Warning)) + "</td></tr>\n";
    }
    html += "</tbody>\n</table>\n";
    for (const ProgramReport& program : index.programs) {
        if (program.page.empty() || program.entries.empty()) continue;
        html += "<h2>" + HtmlPath(FileNameOf(program.programPath)) + "</h2>\n<ul>\n";
        for (const ReportEntry& entry : program.entries) {
            html += "<li><a href=\"" + HtmlPath(program.page) + "#" + entry.anchor + "\">" + HtmlText(entry.title) +
                    "</a>: " + Counted(entry.statements, "statement", "statements") + ", " + EntryFindingCount(entry) +
                    "</li>\n";
        }
        html += "</ul>\n";
    }
    return html + kTail;
}

}  // namespace report
