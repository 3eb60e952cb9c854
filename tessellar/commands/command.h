#pragma once
// A customisation command: one user action on one entry, carried out on the
// entry's section work file. Its label is taken when it is made; Check
// gives the refusal the user sees instead, if any; Run writes the
// statements. The document records the undo point around Run, so commands
// have no undo of their own: the work file's snapshots do the undoing.

#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"

namespace commands {

struct CommandContext {
    model::CScreenModel& model;  // its work file exists when Run is called
    platform::MessageSink& sink;
};

class Command {
public:
    virtual ~Command() = default;
    // The undo label: "NAME(IDENTIFIER LINE)".
    virtual std::string Label() const = 0;
    // The refusal text, or none when the command may run.
    virtual std::optional<std::string> Check(const model::CScreenModel&) const { return std::nullopt; }
    // Writes the command's statements; false when the work file could not
    // be written.
    virtual bool Run(CommandContext& context) = 0;
};

}  // namespace commands
