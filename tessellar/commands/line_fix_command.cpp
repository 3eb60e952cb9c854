#include "tessellar/commands/line_fix_command.h"

#include <utility>

#include "platform/message_format.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/overrides/held_work_file.h"

namespace commands {

LineFixCommand::LineFixCommand(std::string old, std::string replacement, std::size_t occurrence)
    : old_(std::move(old)), replacement_(std::move(replacement)), occurrence_(occurrence) {}

std::string LineFixCommand::Label() const {
    return platform::FormatText(texts::kLabelFormat, texts::kApplyFix, replacement_.c_str());
}

std::optional<std::string> LineFixCommand::Check(const model::CScreenModel& model) const {
    // A line break would start a statement the fix never meant.
    if (replacement_.find_first_of("\r\n") != std::string::npos || old_.empty()) return std::string(texts::kFixGone);
    if (model.OverridePath().empty()) return std::string(texts::kFixGone);
    return std::nullopt;
}

std::size_t FindFixLine(const std::string& text, const std::string& old, std::size_t occurrence) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::size_t first = start;
        while (first < end && (text[first] == ' ' || text[first] == '\t')) ++first;
        std::size_t last = end;
        while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t' || text[last - 1] == '\r')) --last;
        if (text.compare(first, last - first, old) == 0 && last - first == old.size()) {
            if (occurrence == 0) return first;
            --occurrence;
        }
        start = end + 1;
    }
    return std::string::npos;
}

bool LineFixCommand::Run(CommandContext& context) {
    // The document holds the work file while its commands run.
    std::string* text = overrides::HeldWorkFile::Find(context.model.OverridePath());
    if (text == nullptr) return false;
    const std::size_t at = FindFixLine(*text, old_, occurrence_);
    if (at == std::string::npos) {
        context.sink.ShowMessage(texts::kFixGone);
        return false;
    }
    text->replace(at, old_.size(), replacement_);
    return true;
}

}  // namespace commands
