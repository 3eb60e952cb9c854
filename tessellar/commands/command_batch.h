#pragma once
// Commands carried out as one user action: the message list's changes of
// several messages at once, or a display suppressed together with losing its
// trigger. Only the first records an undo point, so one Undo reverts all.

#include <memory>
#include <vector>

#include "tessellar/commands/command.h"

namespace commands {

class CommandBatch {
public:
    void Add(std::unique_ptr<Command> command) { commands_.push_back(std::move(command)); }
    bool Empty() const { return commands_.empty(); }
    const std::vector<std::unique_ptr<Command>>& Commands() const { return commands_; }

private:
    std::vector<std::unique_ptr<Command>> commands_;
};

}  // namespace commands
