#pragma once
// Every command of the catalogue by its exact name, made from an item key
// and the command's values as texts: the one way the command-line
// customiser and the window's generic paths turn a user's choice into a
// command. Values and items are checked here; the model's own refusals
// come from the made command's Check.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/commands/command.h"
#include "tessellar/commands/item_reference.h"

namespace commands {

// One value as the user gave it; quoted tells a literal default from a
// field name.
struct CommandValue {
    std::string text;
    bool quoted = false;
};

struct MadeCommand {
    std::unique_ptr<Command> command;
    std::string error;  // what is wrong, when no command was made
};

// The catalogue's command names, in catalogue order.
const std::vector<std::string>& CatalogueNames();

// The item class a command works on, or false for an unknown name.
bool CommandItemClass(std::string_view name, ItemClass& itemClass);

// Whether the command adds a new item (and so names no existing one).
bool IsAddCommand(std::string_view name);

// Makes the named command for the item the key names (its class is taken
// from the command). `key` is ignored by the add commands, which take
// their item from the values.
MadeCommand MakeCommand(model::CScreenModel& model, std::string_view name, ItemKey key,
                        const std::vector<CommandValue>& values);

}  // namespace commands
