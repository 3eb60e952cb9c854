#pragma once
// "Apply fix": replaces one identifier line of the entry's work file with
// the line that names the item the block meant, as the checker proposes it
// after an upgrade. The line is found by its text and its place among the
// lines of the same text, so a fix made on the saved file's lines lands on
// the same block of the work file.

#include <cstddef>
#include <string>

#include "tessellar/commands/command.h"

namespace commands {

class LineFixCommand : public Command {
public:
    // The `occurrence`-th line (0-based) whose text, without indentation, is
    // `old` becomes `replacement`, keeping its indentation.
    LineFixCommand(std::string old, std::string replacement, std::size_t occurrence);

    std::string Label() const override;
    std::optional<std::string> Check(const model::CScreenModel& model) const override;
    bool Run(CommandContext& context) override;

private:
    std::string old_;
    std::string replacement_;
    std::size_t occurrence_;
};

// Where in `text` the `occurrence`-th line reading `old` (trimmed of
// indentation and trailing blanks) starts its text, or npos.
std::size_t FindFixLine(const std::string& text, const std::string& old, std::size_t occurrence);

}  // namespace commands
