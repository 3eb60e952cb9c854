#pragma once
// Carries out a sheet's OK: each step's command made from the catalogue
// for the sheet's item (or the screen window), refusals shown in step
// order and their properties left alone, and the remaining commands run
// as one user action, so that one Undo takes back the whole sheet.

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/document/document.h"
#include "tessellar/sheets/sheet_plan.h"

namespace sheets {

// One step of an OK: a refusal (empty command) is shown; otherwise the
// command is made and checked against the screen as the sheet saw it, its
// failure shown, and a command that passes joins the batch.
void AddCheckedStep(commands::CommandBatch& batch, model::CScreenModel& screen, const std::string& command,
                    const commands::ItemKey& key, const std::vector<commands::CommandValue>& values,
                    const std::string& refusal, platform::MessageSink& sink);

// Returns whether a command was issued. The screen's items are rebuilt
// when one was: no item reference survives the call.
bool RunSheetPlan(document::Document& document, model::CScreenModel& screen, const commands::ItemKey& item,
                  const SheetPlan& plan, platform::MessageSink& sink);

}  // namespace sheets
