#pragma once
// The trigger points each kind of item offers in the trigger definition
// dialog (title, list text, `trigger_point` code, parameter key suffix), the
// program types of its "Program Type:" list, and the registry key under
// which a point's saved test values live. Words, codes and captions come
// from the override file's own tables (overrides/trigger_words.h).

#include <span>
#include <string>
#include <string_view>

#include "tessellar/model/trigger_slots.h"
#include "tessellar/overrides/trigger_words.h"

namespace triggers {

// The dialog's item kinds, by the codes the dialog state carries.
enum class TriggerItemKind : int { Display = 1, Accept = 2, Option = 3, Mode = 4, Screen = 16 };

struct TriggerPointEntry {
    const char* listText;
    model::TriggerPoint point;
    const char* keyword;  // the `trigger_point` word
    const char* keySuffix;
};

// The dialog title of an item kind.
const char* TriggerDialogTitle(TriggerItemKind kind);
// The points of an item kind in list order.
std::span<const TriggerPointEntry> TriggerPointsOf(TriggerItemKind kind);
// The word of the kind in a parameter key ("window" for the screen).
const char* ItemKindWord(TriggerItemKind kind);
// The help context of the dialog for an item kind.
int TriggerDialogHelpContext(TriggerItemKind kind);

// A program type: `code`, `word` and the list's `caption`.
using ProgramTypeEntry = overrides::TriggerTypeName;
// All six program types in list order; "Export Data Grid" is the last.
std::span<const ProgramTypeEntry> ProgramTypes();
inline constexpr int kExportDataGridCode = overrides::kTriggerTypes.back().code;
// The types the list offers: "Export Data Grid" only for the "Confirm" point
// of a mode on a data grid screen.
std::span<const ProgramTypeEntry> OfferedProgramTypes(TriggerItemKind kind, model::TriggerPoint point,
                                                      bool dataGridScreen);
// Server types: their programs are stored in server form.
bool IsServerProgramType(int code);

// How a statement identifies the item (identification kind and its keys).
struct ItemIdentification {
    int kind = 0;  // 1 name, 3 tag, 4 original coordinate, 6 added display; others add nothing
    std::string name;
    int tag = -1;
    int row = -1;
    int column = -1;
};

// "PROGRAM\SCREEN\KIND[\IDENTIFICATION]\SUFFIX" with PROGRAM the compiled
// program's file name without directory and extension.
std::string ParameterKey(std::string_view programPath, std::string_view screenName, TriggerItemKind kind,
                         const ItemIdentification& identification, std::string_view keySuffix);

}  // namespace triggers
