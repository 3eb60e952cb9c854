#pragma once
// The words the statement parser knows as keys, item keywords first, and a
// look-up that goes straight to the few words of a key's length instead of
// comparing against every word.

#include <optional>
#include <string_view>

#include "tessellar/overrides/override_statement.h"

namespace overrides {

enum class StatementKey {
    Keyword,
    TriggerPoint,
    Tag,
    Name,
    OrigText,
    OrigCoordinate,
    Suppress,
    Add,
    Readonly,
    Default,
    Filter,
    Allowed,
    Disallowed,
    Picture,
    Coordinate,
    WindowSize,
    ColumnNumber,
    Color,
    Scale,
    Attributes,
    Text,
    NewPromptText,
    NewPromptCoord,
    Helpline,
    Title,
    Run,
    Type,
};

struct StatementKeyEntry {
    std::string_view word;
    StatementKey key;
    StatementKind kind;  // item keywords: the statement they start
};

// The entry of a key word, compared without regard to the case of A-Z (the
// file's keys are read lower-cased); null for a word that is no key.
const StatementKeyEntry* FindStatementKey(std::string_view word);

// Every entry, item keywords first, in the parser's order.
const StatementKeyEntry* StatementKeysBegin();
const StatementKeyEntry* StatementKeysEnd();

}  // namespace overrides
