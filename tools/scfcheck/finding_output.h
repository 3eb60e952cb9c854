#pragma once
// Findings as scfcheck writes them: one line each in the shape editors jump
// to, or one JSON object each for scripts and CI.

#include <iosfwd>
#include <vector>

#include "tessellar/checks/finding.h"

namespace scfcheck {

enum class OutputFormat { Lines, Json };

void WriteFindings(const std::vector<checks::Finding>& findings, OutputFormat format, std::ostream& out);

}  // namespace scfcheck
