#include "promptsweep_ui/replacement_rows.h"

#include <algorithm>

#include "platform/file_replace.h"
#include "promptsweep_ui/form_options.h"
#include "promptsweep_ui/text_file.h"
#include "promptsweep/replacement_pair.h"

namespace sweepui {

std::vector<ReplacementRow> ReadListFile(const std::string& path) {
    std::vector<ReplacementRow> rows;
    for (std::string line : ReadLines(path)) {
        line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
        const auto comma = line.find(',');
        ReplacementRow row;
        row.find = Trimmed(std::string_view(line).substr(0, comma));
        if (comma != std::string::npos) {
            const auto next = line.find(',', comma + 1);
            row.replace = Trimmed(std::string_view(line).substr(comma + 1, next == std::string::npos ? next : next - comma - 1));
        }
        if (!row.find.empty()) rows.push_back(row);
    }
    return rows;
}

bool WriteListFile(const std::string& path, const std::vector<ReplacementRow>& rows) {
    std::string text;
    for (const ReplacementRow& row : rows) text += "\"" + row.find + "\",\"" + row.replace + "\"\n";
    return platform::ReplaceFile(path, text);
}

ReplacementCheck CheckReplacement(const std::string& find, const std::string& replace) {
    const std::string oldText = Trimmed(find);
    const std::string newText = Trimmed(replace);
    // The tool's own rule, so the form never builds a list it would refuse.
    if (promptsweep::HoldsLineBreak(promptsweep::ReplacementPair{oldText, newText})) return ReplacementCheck::LineBreak;
    if (!oldText.empty() && oldText == newText) return ReplacementCheck::Same;
    if (newText.size() > oldText.size()) return ReplacementCheck::Longer;
    return ReplacementCheck::Fine;
}

}  // namespace sweepui
