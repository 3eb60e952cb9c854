#pragma once
// What the trigger definition dialog enables for its state, and the one
// command its caller issues after OK for the point selected then.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/triggers/trigger_points.h"

namespace triggers {

struct DefinitionState {
    bool pointSelected = false;
    bool hasTrigger = false;   // the selected point had a trigger when the dialog opened
    bool programEmpty = true;
    bool typeChosen = false;
};

struct DefinitionEnabling {
    bool editing = false;  // program, parameters, type list, Browse, wizard, field parameter
    bool verify = false;
    bool ok = false;
    bool validation = false;
    bool remove = false;
};

DefinitionEnabling EnablingFor(const DefinitionState& state);

// The command as the catalogue makes it: its name and values.
struct TriggerCommandRequest {
    std::string name;
    std::vector<std::string> values;
};

// After OK, for the selected point: the modify command with the new line and
// type when there is a line (or a type, or the point had no trigger); the
// remove command when the line is empty and the point had a trigger; nothing
// for an empty line on a point without a trigger. `typeCode` 0 is no type.
std::optional<TriggerCommandRequest> DecideAfterOk(TriggerItemKind kind, model::TriggerPoint point,
                                                   bool hadTrigger, const std::string& storedLine,
                                                   const std::string& newLine, int typeCode);

}  // namespace triggers
