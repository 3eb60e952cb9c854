#include "tessellar/overrides/line_classifier.h"

#include "platform/line_trim.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/statement_keys.h"

namespace overrides {

ClassifiedLine ClassifyLine(std::string_view rawLine) {
    // The key as the parser reads it: before the first "=", trimmed, cut.
    const std::string_view key = platform::TrimControls(rawLine.substr(0, rawLine.find('='))).substr(0, kMatchLength);
    if (key == "}") return {LineClass::ClosingBrace, StatementKind::None};
    const StatementKeyEntry* entry = FindStatementKey(key);
    if (entry != nullptr && entry->key == StatementKey::Keyword) return {LineClass::Keyword, entry->kind};
    return {};
}

}  // namespace overrides
