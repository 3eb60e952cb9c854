#pragma once
// What one statement does to the items of a decoded screen. Properties are
// applied only when given, in a fixed order per item kind; a statement whose
// item cannot be found (and is not created) changes nothing and says
// nothing.

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"

namespace overrides {

// Dispatches on the statement kind; a statement of no kind is ignored.
void ApplyStatement(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink);

// The statement kinds, one each.
void ApplyDisplay(model::CScreenModel& model, const OverrideStatement& statement);
void ApplyAccept(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink);
void ApplyOption(model::CScreenModel& model, const OverrideStatement& statement);
void ApplyMode(model::CScreenModel& model, const OverrideStatement& statement);
void ApplyConfirm(model::CScreenModel& model, const OverrideStatement& statement);
void ApplyWindow(model::CScreenModel& model, const OverrideStatement& statement);
void ApplyBox(model::CScreenModel& model, const OverrideStatement& statement);
void ApplyMessage(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink);
void ApplyTrigger(model::CScreenModel& model, const OverrideStatement& statement);

}  // namespace overrides
