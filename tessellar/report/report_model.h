#pragma once
// What the review report's pages show, gathered before any page is written:
// per program the customised entries, each with its pictures, statements,
// changes and findings.

#include <cstddef>
#include <string>
#include <vector>

#include "tessellar/checks/finding.h"
#include "tessellar/document/entry_changes.h"

namespace report {

// One line of the override file as the entry's section holds it.
struct StatementLine {
    std::size_t line = 0;  // in the override file, from 1
    std::string text;      // code page 1252, without its line end
};

struct EntryPicture {
    std::string file;     // relative to the report's directory
    std::string caption;  // "Original", "Customised", "As the old file showed it"
    std::string alt;      // names the screen and the state
};

struct ReportEntry {
    std::string title;     // "screen CUSTOMER", as the section's header names it
    std::string typeText;  // the browser's type: "Screen", "Data Grid", ...
    std::string anchor;    // the entry's id on its program's page
    std::size_t statements = 0;
    std::vector<StatementLine> lines;  // the header and body of its section
    std::vector<document::ItemChanges> changes;
    std::vector<checks::Finding> findings;  // of its section, in line order
    std::vector<EntryPicture> pictures;
    std::string diff;                   // with an old file: the unified diff of the section
    std::vector<std::string> problems;  // pictures that could not be made
};

struct ProgramReport {
    std::string programPath;
    std::string overridePath;     // empty: the program has no override file
    std::string oldOverridePath;  // empty: not a report of changes
    std::string note;             // said at the top of the page ("unsaved changes included")
    std::string problem;          // the program could not be read: nothing else is known
    std::string page;             // the page's file name; empty when it has no page
    std::vector<ReportEntry> entries;
    std::vector<checks::Finding> otherFindings;  // findings of no entry shown
    std::size_t statements = 0;

    std::size_t Count(checks::Severity severity) const;
};

struct ReportIndex {
    bool since = false;  // every program is compared with an old file
    std::vector<ProgramReport> programs;
};

}  // namespace report
