#pragma once
// The kinds of property sheet, by the codes the sheets keep to choose their
// page resets and help, and each sheet's title.

#include <string>
#include <string_view>

#include "tessellar/model/identification.h"

namespace sheets {

enum class SheetKind : int {
    Display = 1,
    Accept = 2,
    Menu = 3,
    Mode = 4,
    Confirm = 15,
    Box = 19,
    ScreenTitle = 20,
};

// The sheet's title: the bare title, or "TITLE--TEXT" for an item found by
// its name or its original text (a box always shows its title).
std::string SheetTitle(SheetKind kind, model::IdentificationKind identification, std::string_view text);

// The confirm sheet: "Mode Confirm Properties--QUESTION" for a mode's
// confirm, "Confirm Properties" for the screen's.
std::string ConfirmSheetTitle(bool forMode, std::string_view question);

}  // namespace sheets
