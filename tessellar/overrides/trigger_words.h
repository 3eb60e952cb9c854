#pragma once
// The trigger points and trigger types as the override file names them, and
// the captions the trigger definition dialog lists them by: one table each,
// which the reader, the commands, the dialog and opdump all use.

#include <array>

#include "tessellar/model/trigger_slots.h"

namespace overrides {

struct TriggerPointName {
    model::TriggerPoint point;
    const char* word;     // the `trigger_point` word, lower case
    const char* caption;  // the dialog's list text
};

inline constexpr std::array<TriggerPointName, 13> kTriggerPoints{{
    {model::TriggerPoint::Option, "option", "Excute Option"},
    {model::TriggerPoint::Mode, "mode", ""},  // read, but no dialog offers it
    {model::TriggerPoint::ScreenLoad, "screen_load", "Screen Load"},
    {model::TriggerPoint::ScreenExit, "screen_exit", "Screen Exit"},
    {model::TriggerPoint::Confirmed, "confirmed", "Confirm"},
    {model::TriggerPoint::NotConfirmed, "not_confirmed", "Not Confirm"},
    {model::TriggerPoint::BeforeConfirm, "before_confirm", "Before Confirm"},
    {model::TriggerPoint::BeforeAccept, "before_accept", "Before Accepted (Entry Mode Only)"},
    {model::TriggerPoint::AfterAccept, "after_accept", "After Accepted"},
    {model::TriggerPoint::BeforeOption, "before_option", "Before Option"},
    {model::TriggerPoint::ValidateMode, "validate_mode", "Validate Mode"},
    {model::TriggerPoint::Display, "display", "Display"},
    {model::TriggerPoint::OnHelp, "on_help", "Lookup Help"},
}};

struct TriggerTypeName {
    int code;             // 1..6, as a trigger slot keeps it
    const char* word;     // the `type` word, exact and lower case
    const char* caption;  // the "Program Type:" list text
};

// In the dialog's list order; "Export Data Grid" is the last.
inline constexpr std::array<TriggerTypeName, 6> kTriggerTypes{{
    {1, "command", "Command (server)"},
    {2, "windows", "Command (client)"},
    {3, "command_with_status", "Command (Server with Status)"},
    {4, "windows_with_status", "Command (Client with Status)"},
    {5, "orvale", "ORVALE"},
    {6, "export_data_grid", "Export Data Grid"},
}};

}  // namespace overrides
