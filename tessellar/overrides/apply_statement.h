#pragma once
// What one statement does to the items of a decoded screen. Properties are
// applied only when given, in a fixed order per item kind; a statement whose
// item cannot be found (and is not created) changes nothing and says
// nothing.

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"
#include "tessellar/overrides/statement_outcome.h"

namespace overrides {

// Dispatches on the statement kind; a statement of no kind is ignored.
void ApplyStatement(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink);
// The same, telling in `outcome` what the statement reached and what was refused.
void ApplyStatement(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
                    StatementOutcome& outcome);

// The statement kinds, one each; `outcome`, when given, is filled.
void ApplyDisplay(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome = nullptr);
void ApplyAccept(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
                 StatementOutcome* outcome = nullptr);
void ApplyOption(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome = nullptr);
void ApplyMode(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome = nullptr);
void ApplyConfirm(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome = nullptr);
void ApplyWindow(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome = nullptr);
void ApplyBox(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome = nullptr);
void ApplyMessage(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
                  StatementOutcome* outcome = nullptr);
void ApplyTrigger(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome = nullptr);

}  // namespace overrides
