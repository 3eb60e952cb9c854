#pragma once
// Applying the statements of an entry's section to its decoded items, in
// file order: for each property the last statement that gives it wins.

#include <cstddef>
#include <istream>
#include <string_view>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/line_notes.h"
#include "tessellar/overrides/override_statement.h"
#include "tessellar/overrides/statement_outcome.h"

namespace overrides {

// Applies the model's section work file. With no work file, or one that
// cannot be read, nothing is applied (false) and the entry shows its
// compiled items.
bool ApplySection(model::CScreenModel& model, platform::MessageSink& sink);

// Applies a section body held in memory; returns how many statements it held.
std::size_t ApplySectionText(model::CScreenModel& model, std::string_view text, platform::MessageSink& sink);

// Applies the statements of the first part of a body, for a state kept to
// apply the rest to: the data grid is put in its statements' order only
// when the whole body has been applied.
std::size_t ApplySectionStatements(model::CScreenModel& model, std::string_view text, platform::MessageSink& sink);

class StatementStarts;

// Applies the statements of a body held in memory from `statement` on (its
// start as `starts` tells it, found in the same body or in one that has the
// same lines up to there), and gives `starts` the starts of the statements
// applied.
void ApplySectionTextFrom(model::CScreenModel& model, std::string_view text, std::size_t statement,
                          StatementStarts& starts, platform::MessageSink& sink);

// Applies a section body read from a stream; returns how many statements it
// held.
std::size_t ApplySectionStream(model::CScreenModel& model, std::istream& in, platform::MessageSink& sink);

// Hears, while a section is applied, each line as it is read and each
// statement once it has been applied. A keyword line ends the statement
// before it: that statement is reported applied before the keyword line is
// reported read. The statement before the first keyword (of no kind) is
// reported too, though applying ignores it.
class ApplyObserver {
public:
    virtual ~ApplyObserver() = default;
    virtual void LineRead(std::string_view line, const LineNotes& notes) = 0;
    virtual void StatementApplied(const OverrideStatement& statement, const StatementOutcome& outcome) = 0;
};

// The same as ApplySectionStream, telling the observer what happens.
std::size_t ApplySectionStream(model::CScreenModel& model, std::istream& in, platform::MessageSink& sink,
                               ApplyObserver& observer);

}  // namespace overrides
