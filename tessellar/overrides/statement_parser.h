#pragma once
// Parsing the lines of a section body into statements. An item keyword line
// ends the statement before it and starts a new one; every other known key
// fills the current statement, a repeated key overwriting the earlier value;
// braces, indentation and unknown keys carry no meaning.

#include <optional>
#include <string_view>
#include <vector>

#include "tessellar/overrides/line_notes.h"
#include "tessellar/overrides/override_statement.h"

namespace overrides {

// For a keyword line, the kind of the statement it starts: the caller
// finishes the current statement and resets it to that kind. Any other line
// fills `statement` and gives nothing. The line is passed raw, with its
// newline, because several keys read their value from it again.
std::optional<StatementKind> ParseStatementLine(std::string_view rawLine, OverrideStatement& statement);
// The same, telling in `notes` which key the line held and which value it
// refused or cut.
std::optional<StatementKind> ParseStatementLine(std::string_view rawLine, OverrideStatement& statement,
                                                LineNotes& notes);

// The key line a command changes when it updates a block in place.
enum class PropertySelector : int {
    Suppress = 1,
    Coordinate = 2,
    Text = 3,
    Add = 4,
    Helpline = 5,
    Readonly = 6,
    Default = 7,
    Picture = 8,
    Color = 9,
    Unsuppress = 10,
    Run = 11,
    Type = 12,
    ColumnNumber = 14,
    Attributes = 15,
    Scale = 16,
    Title = 17,
    RecoverFromReadonly = 18,
    WholeBlock = 19,  // no key line: the whole block
    Allowed = 20,
    Disallowed = 21,
    WindowSize = 22,
    TriggerCoordinate = 23,
    RemoveTitle = 24,
    Filter = 25,
    DefaultMode = 26,
    RemoveFilter = 27,
    RemoveDefaultMode = 28,
};

// The key a selector names; empty for the whole-block selector and for
// numbers that are no selector.
std::string_view SelectedKey(PropertySelector selector);

// Parses the line as ParseStatementLine does (a keyword line resets the
// statement to its kind), filling in only what names the block's item and
// where it is (the identifier keys, trigger_point, add, coordinate and
// text: all that finding the block of an item reads), and tells whether the
// line holds the selected key.
bool ParseStatementLineForProperty(std::string_view rawLine, OverrideStatement& statement,
                                   PropertySelector selector);
// The same for every selector at once: parses the line so and gives its key
// word as the parser spells it (what SelectedKey gives), or empty for a
// keyword line and a line of no key.
std::string_view ParseNamingKeysOfLine(std::string_view rawLine, OverrideStatement& statement);

// Every word the parser knows as a key, item keywords first.
std::vector<std::string_view> StatementKeys();

// The keyword of a statement kind, or empty for none.
std::string_view StatementKeyword(StatementKind kind);

}  // namespace overrides
