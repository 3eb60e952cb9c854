#include "tessellar/overrides/apply_section.h"

#include <sstream>
#include <string>

#include "tessellar/overrides/apply_statement.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/statement_parser.h"

namespace overrides {

bool ApplySection(model::CScreenModel& model, platform::MessageSink& sink) {
    if (model.OverridePath().empty()) return false;
    // Read whole first: a work file that fails part-way applies nothing.
    const std::optional<std::string> text = ReadOverrideText(model.OverridePath());
    if (!text) return false;
    std::istringstream in(*text);
    ApplySectionStream(model, in, sink);
    return true;
}

std::size_t ApplySectionStream(model::CScreenModel& model, std::istream& in, platform::MessageSink& sink) {
    LineReader reader(in);
    OverrideStatement statement;
    std::string line;
    std::size_t statements = 0;
    while (reader.Next(line)) {
        if (const auto kind = ParseStatementLine(line, statement)) {
            ApplyStatement(model, statement, sink);
            statement.Reset(*kind);
            ++statements;
        }
    }
    ApplyStatement(model, statement, sink);
    return statements;
}

}  // namespace overrides
