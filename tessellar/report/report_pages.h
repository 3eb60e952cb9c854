#pragma once
// The review report's pages as HTML text: static pages that need no script,
// with a print style sheet (one entry a printed page), a text alternative on
// every picture and headers on every table. Every text from a program or an
// override file is escaped.

#include <string>

#include "tessellar/report/report_model.h"

namespace report {

// A program's page: its customised entries with pictures, statements,
// changes and findings. `indexFile` is the index's file name, for the way back.
std::string ProgramPage(const ProgramReport& program, const std::string& indexFile);

// The index: per program the entries, statements and findings by severity,
// with links to each program's page and entries.
std::string IndexPage(const ReportIndex& index);

}  // namespace report
