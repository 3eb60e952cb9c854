#pragma once
// Carrying out an scfedit script on an open document through the same core
// functions the window calls: selecting an entry as a click on its browser
// row, running catalogue commands, undo and redo, printing the label lists
// and the work file, the hand edit and saving.

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tools/scfedit/script_reader.h"

namespace scfedit {

// Exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kSaveFailed = 1;
inline constexpr int kScriptError = 2;

// Reads a whole script; on the first line it cannot understand, writes
// "SCRIPT:LINE: what is wrong" to `errors` and returns false.
bool ReadScript(std::istream& in, const std::string& scriptName, std::vector<ScriptStep>& steps,
                std::ostream& errors);

struct RunOptions {
    std::string scriptName;
    std::string modeOrder;  // -c: the mode line of the first entry selected
    bool modeOrderGiven = false;
};

// Runs the steps on a document with a program loaded and its override file
// opened. Refusals print their text on `out` and the script goes on.
int RunScript(document::Document& document, const std::vector<ScriptStep>& steps, const RunOptions& options,
              std::ostream& out, std::ostream& errors);

}  // namespace scfedit
