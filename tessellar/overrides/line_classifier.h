#pragma once
// What a line of a section body is, told from its key alone: an item
// keyword line that starts a block, the "}" that closes one, or any other
// line. The in-place update asks this of every line of a work file, so it
// builds no statement and copies nothing; it agrees with the parser on
// which lines are keyword lines.

#include <string_view>

#include "tessellar/overrides/override_statement.h"

namespace overrides {

enum class LineClass { Keyword, ClosingBrace, Other };

struct ClassifiedLine {
    LineClass what = LineClass::Other;
    StatementKind kind = StatementKind::None;  // keyword lines: the statement they start
};

ClassifiedLine ClassifyLine(std::string_view rawLine);

}  // namespace overrides
