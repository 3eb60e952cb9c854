#include "tessellar/sheets/sheet_run.h"

#include <optional>
#include <string>

#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/command_catalogue.h"

namespace sheets {

bool RunSheetPlan(document::Document& document, model::CScreenModel& screen, const commands::ItemKey& item,
                  const SheetPlan& plan, platform::MessageSink& sink) {
    // Every command is made and checked against the screen as the sheet
    // saw it, before any of them changes it.
    commands::CommandBatch batch;
    for (const SheetStep& step : plan) {
        if (step.command.empty()) {
            sink.ShowMessage(step.refusal);
            continue;
        }
        const commands::ItemKey key = step.target == StepTarget::Window ? commands::WindowKey() : item;
        commands::MadeCommand made = commands::MakeCommand(screen, step.command, key, step.values);
        if (!made.command) {
            sink.ShowMessage(made.error);
            continue;
        }
        if (const std::optional<std::string> refusal = made.command->Check(screen)) {
            sink.ShowMessage(*refusal);
            continue;
        }
        batch.Add(std::move(made.command));
    }
    if (batch.Empty()) return false;
    return document.Run(screen, batch, sink);
}

}  // namespace sheets
