#include "tessellar/overrides/apply_section.h"

#include <string>

#include "tessellar/overrides/apply_statement.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/statement_parser.h"
#include "tessellar/overrides/statement_starts.h"

namespace overrides {

namespace {

void Apply(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
           ApplyObserver* observer) {
    if (observer == nullptr) {
        ApplyStatement(model, statement, sink);
        return;
    }
    StatementOutcome outcome;
    ApplyStatement(model, statement, sink, outcome);
    observer->StatementApplied(statement, outcome);
}

// Whether the statements read end the section: only then does the data
// grid take the order their coordinates give.
enum class Reach { WholeSection, Partway };

// starts, when given, hears the offset of each keyword line of a body
// held in memory, counted from `base`.
std::size_t ApplyLines(model::CScreenModel& model, LineReader& reader, platform::MessageSink& sink,
                       ApplyObserver* observer, Reach reach = Reach::WholeSection, StatementStarts* starts = nullptr,
                       std::size_t base = 0) {
    OverrideStatement statement;
    LineNotes notes;
    std::string line;
    std::size_t statements = 0;
    std::size_t offset = base;
    while (reader.Next(line)) {
        const auto kind =
            observer == nullptr ? ParseStatementLine(line, statement) : ParseStatementLine(line, statement, notes);
        if (kind) {
            Apply(model, statement, sink, observer);
            statement.Reset(*kind);
            ++statements;
            if (starts != nullptr) starts->Add(offset);
        }
        if (starts != nullptr) offset = base + reader.Offset();
        if (observer != nullptr) observer->LineRead(line, notes);
    }
    Apply(model, statement, sink, observer);
    if (reach == Reach::WholeSection) OrderGridAsStated(model);
    return statements;
}

}  // namespace

bool ApplySection(model::CScreenModel& model, platform::MessageSink& sink) {
    if (model.OverridePath().empty()) return false;
    // Read whole first: a work file that fails part-way applies nothing.
    const std::optional<std::string> text = ReadOverrideText(model.OverridePath());
    if (!text) return false;
    ApplySectionText(model, *text, sink);
    return true;
}

std::size_t ApplySectionText(model::CScreenModel& model, std::string_view text, platform::MessageSink& sink) {
    LineReader reader(text);
    return ApplyLines(model, reader, sink, nullptr);
}

void ApplySectionTextFrom(model::CScreenModel& model, std::string_view text, std::size_t statement,
                          StatementStarts& starts, platform::MessageSink& sink) {
    const std::size_t from = starts.Offset(statement);
    // The statement's own keyword line is met again and counted again.
    starts.KeepBefore(statement);
    LineReader reader(text.substr(from));
    ApplyLines(model, reader, sink, nullptr, Reach::WholeSection, &starts, from);
}

std::size_t ApplySectionStatements(model::CScreenModel& model, std::string_view text, platform::MessageSink& sink) {
    LineReader reader(text);
    return ApplyLines(model, reader, sink, nullptr, Reach::Partway);
}

std::size_t ApplySectionStream(model::CScreenModel& model, std::istream& in, platform::MessageSink& sink) {
    LineReader reader(in);
    return ApplyLines(model, reader, sink, nullptr);
}

std::size_t ApplySectionStream(model::CScreenModel& model, std::istream& in, platform::MessageSink& sink,
                               ApplyObserver& observer) {
    LineReader reader(in);
    return ApplyLines(model, reader, sink, &observer);
}

}  // namespace overrides
