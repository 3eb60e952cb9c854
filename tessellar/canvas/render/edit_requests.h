#pragma once
// What the canvas needs from its surroundings to edit a screen: the
// document every command runs through, where messages go, what to refresh
// after a change, and the dialogs of other parts of the window (property
// sheets, the field list) it opens. Each dialog hook returns whether it
// issued something (the sheets run their own commands); an unset hook
// leaves its entry doing nothing.

#include <functional>
#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/document/document.h"
#include "tessellar/lists/suppressed_fields.h"
#include "tessellar/model/screen_model.h"

namespace canvas {

struct EditRequests {
    std::function<bool(model::CDispText&)> openDisplaySheet;
    std::function<bool(model::CAcceptFld&, int cellWidth)> openAcceptSheet;
    std::function<bool(model::COptionItem&)> openMenuSheet;
    std::function<bool(model::CModeItem&)> openModeSheet;
    std::function<bool()> openModeFromList;
    std::function<bool(bool forMode)> openConfirmSheet;  // forMode: opened for a selected mode's confirm
    std::function<bool(model::CBoxItem&)> openBoxSheet;
    std::function<bool()> openScreenTitleSheet;
    // The field list of the add-field commands: the chosen field's name.
    std::function<std::optional<std::string>(model::FieldList)> chooseField;
    // "Add Mod&e": the name of the program mode to add to the screen's mode line.
    std::function<std::optional<std::string>()> chooseModeToAdd;
    // Deleting an entry field: asks for the default it takes while hidden
    // and hides it ("Suppress accept"); unset, the field's own default is used.
    std::function<bool(model::CAcceptFld&)> suppressAccept;
    // The trigger definition dialog of an item, of a mode chosen from the
    // screen's list, and of the screen.
    std::function<bool(model::CDispText&)> openDisplayTrigger;
    std::function<bool(model::CAcceptFld&)> openAcceptTrigger;
    std::function<bool(model::COptionItem&)> openOptionTrigger;
    std::function<bool(model::CModeItem&)> openModeTrigger;
    std::function<bool()> openModeTriggerFromList;
    std::function<bool()> openScreenTrigger;
    // The suppressed field list of a use and the placement dialog: the item
    // to release and where; the canvas issues the release.
    std::function<std::optional<lists::ReleasedField>(lists::SuppressedListUse)> chooseSuppressedField;
};

struct CanvasServices {
    document::Document* document = nullptr;
    platform::MessageSink* sink = nullptr;
    // After every command that changed the screen: undo lists, title mark.
    std::function<void()> afterChange;
    // A passing note for the status bar (the items a group action left out).
    std::function<void(const std::string&)> note;
};

}  // namespace canvas
