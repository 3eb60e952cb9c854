#pragma once
// The pairs of the main window's list and the list file that hands them to
// the batch tool: one line per pair, "find","replace" (the tool's
// specification list format).

#include <string>
#include <vector>

namespace sweepui {

struct ReplacementRow {
    std::string find;
    std::string replace;

    bool operator==(const ReplacementRow&) const = default;
};

// Every double quote removed, split at the commas, both parts trimmed. Lines
// without a find string (empty lines among them) give no row.
std::vector<ReplacementRow> ReadListFile(const std::string& path);
// Replaces the file in one rename; false (the old file kept) on any failure.
bool WriteListFile(const std::string& path, const std::vector<ReplacementRow>& rows);

// What leaving the replace string has to say about a pair (both trimmed).
enum class ReplacementCheck {
    Fine,
    LineBreak,  // a line end or a carriage return in either: the tool refuses the pair
    Longer,  // the new text is longer: it may overlay other screen objects
    Same,    // the replacement must differ from the find string
};
ReplacementCheck CheckReplacement(const std::string& find, const std::string& replace);

}  // namespace sweepui
