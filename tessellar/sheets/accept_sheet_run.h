#pragma once
// Carries out the entry field sheet's OK as one user action: refusals shown
// in step order, every command made and checked before any runs, and the
// rest run together so that one Undo takes back the whole sheet. The
// default is checked against the user list this OK stores, as the plan
// checked it, not against the list the field held before.

#include <vector>

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tessellar/sheets/accept_sheet_plan.h"

namespace sheets {

// Returns whether a command was issued. The screen's items are rebuilt when
// one was: no item reference survives the call.
bool RunAcceptSheetPlan(document::Document& document, model::CScreenModel& screen, const commands::ItemKey& field,
                        const AcceptSheetEdits& edits, const std::vector<SheetAction>& plan,
                        platform::MessageSink& sink);

}  // namespace sheets
