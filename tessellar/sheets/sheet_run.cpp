#include "tessellar/sheets/sheet_run.h"

#include <optional>
#include <string>

#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/command_catalogue.h"

namespace sheets {

void AddCheckedStep(commands::CommandBatch& batch, model::CScreenModel& screen, const std::string& command,
                    const commands::ItemKey& key, const std::vector<commands::CommandValue>& values,
                    const std::string& refusal, platform::MessageSink& sink) {
    if (command.empty()) {
        sink.ShowMessage(refusal);
        return;
    }
    commands::MadeCommand made = commands::MakeCommand(screen, command, key, values);
    if (!made.command) {
        sink.ShowMessage(made.error);
        return;
    }
    if (const std::optional<std::string> check = made.command->Check(screen)) {
        sink.ShowMessage(*check);
        return;
    }
    batch.Add(std::move(made.command));
}

bool RunSheetPlan(document::Document& document, model::CScreenModel& screen, const commands::ItemKey& item,
                  const SheetPlan& plan, platform::MessageSink& sink) {
    // Every command is made and checked against the screen as the sheet
    // saw it, before any of them changes it.
    commands::CommandBatch batch;
    for (const SheetStep& step : plan) {
        const commands::ItemKey key = step.target == StepTarget::Window ? commands::WindowKey() : item;
        AddCheckedStep(batch, screen, step.command, key, step.values, step.refusal, sink);
    }
    if (batch.Empty()) return false;
    return document.Run(screen, batch, sink);
}

}  // namespace sheets
