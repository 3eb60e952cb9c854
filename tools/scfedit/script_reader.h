#pragma once
// Reading one line of an scfedit script into a step: the verb, the entry,
// the catalogue command with the key of its item and its values, a step
// count or a path. Reading never touches a file or a program, so a script
// can be checked whole before any step is carried out.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/item_reference.h"

namespace scfedit {

enum class Verb { Select, Run, Undo, Redo, UndoLabels, RedoLabels, WorkFile, Save, SaveAs, Edit, Batch, End };

// The longest line a script may hold, and what a longer one is told.
inline constexpr std::size_t kMaxScriptLineLength = 100000;
inline constexpr const char* kLineTooLong = "the line is longer than 100000 characters";

// The entry kinds a select line may name, as the section kinds are coded.
inline constexpr int kAnyKind = 0;

struct ScriptStep {
    Verb verb = Verb::Select;
    int line = 0;
    std::string entryName;  // select
    int entryKind = kAnyKind;  // select: 1 procedure, 2 screen, 3 menu
    std::string commandName;   // run
    commands::ItemKey key;     // run
    std::vector<commands::CommandValue> values;  // run
    int count = 0;             // undo, redo: 0 = one step
    std::string path;          // saveas, edit
};

// One parsed line: a step, nothing (a blank or "#" line), or what is wrong.
struct ReadLine {
    std::optional<ScriptStep> step;
    std::string error;
};

ReadLine ReadScriptLine(std::string_view line, int lineNumber);

// Splits a line into words: blanks and tabs separate them; a word in double
// quotes may hold blanks, and \" \\ \t \n inside it stand for a quote, a
// backslash, a tab and a line end. False (with the problem) for a quote
// that never closes or an unknown escape.
struct Word {
    std::string text;
    bool quoted = false;
};
bool SplitWords(std::string_view line, std::vector<Word>& words, std::string& error);

// A text as the label lists are printed: tab, line end and backslash as
// \t, \n and \\.
std::string Escaped(std::string_view text);

}  // namespace scfedit
