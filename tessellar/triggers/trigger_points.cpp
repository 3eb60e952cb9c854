// The trigger point and program type tables and the parameter keys.

#include "tessellar/triggers/trigger_points.h"

#include <array>

namespace triggers {

namespace {

using model::TriggerPoint;

constexpr std::array<TriggerPointEntry, 1> kDisplayPoints{{{"Display", TriggerPoint::Display, "display", "display"}}};
constexpr std::array<TriggerPointEntry, 3> kAcceptPoints{{
    {"Before Accepted (Entry Mode Only)", TriggerPoint::BeforeAccept, "before_accept", "before"},
    {"After Accepted", TriggerPoint::AfterAccept, "after_accept", "after"},
    {"Lookup Help", TriggerPoint::OnHelp, "on_help", "onhelp"},
}};
constexpr std::array<TriggerPointEntry, 2> kOptionPoints{{
    {"Before Option", TriggerPoint::BeforeOption, "before_option", "before"},
    {"Excute Option", TriggerPoint::Option, "option", "excute"},
}};
constexpr std::array<TriggerPointEntry, 4> kModePoints{{
    {"Confirm", TriggerPoint::Confirmed, "confirmed", "conf"},
    {"Before Confirm", TriggerPoint::BeforeConfirm, "before_confirm", "before"},
    {"Not Confirm", TriggerPoint::NotConfirmed, "not_confirmed", "not_conf"},
    {"Validate Mode", TriggerPoint::ValidateMode, "validate_mode", "validate"},
}};
constexpr std::array<TriggerPointEntry, 2> kScreenPoints{{
    {"Screen Load", TriggerPoint::ScreenLoad, "screen_load", "scr_load"},
    {"Screen Exit", TriggerPoint::ScreenExit, "screen_exit", "scr_exit"},
}};

constexpr std::array<ProgramTypeEntry, 6> kProgramTypes{{
    {"Command (server)", 1, "command"},
    {"Command (client)", 2, "windows"},
    {"Command (Server with Status)", 3, "command_with_status"},
    {"Command (Client with Status)", 4, "windows_with_status"},
    {"ORVALE", 5, "orvale"},
    {"Export Data Grid", kExportDataGridCode, "export_data_grid"},
}};

}  // namespace

const char* TriggerDialogTitle(TriggerItemKind kind) {
    switch (kind) {
        case TriggerItemKind::Display: return "Add/Modify Display Trigger";
        case TriggerItemKind::Accept: return "Add/Modify Field Trigger";
        case TriggerItemKind::Option: return "Add/Modify Option Trigger";
        case TriggerItemKind::Mode: return "Add/Modify Mode Trigger";
        case TriggerItemKind::Screen: return "Add/Modify Screen Trigger";
    }
    return "";
}

std::span<const TriggerPointEntry> TriggerPointsOf(TriggerItemKind kind) {
    switch (kind) {
        case TriggerItemKind::Display: return kDisplayPoints;
        case TriggerItemKind::Accept: return kAcceptPoints;
        case TriggerItemKind::Option: return kOptionPoints;
        case TriggerItemKind::Mode: return kModePoints;
        case TriggerItemKind::Screen: return kScreenPoints;
    }
    return {};
}

const char* ItemKindWord(TriggerItemKind kind) {
    switch (kind) {
        case TriggerItemKind::Display: return "display";
        case TriggerItemKind::Accept: return "accept";
        case TriggerItemKind::Option: return "menu";
        case TriggerItemKind::Mode: return "mode";
        case TriggerItemKind::Screen: return "window";
    }
    return "";
}

int TriggerDialogHelpContext(TriggerItemKind kind) {
    switch (kind) {
        case TriggerItemKind::Display: return 32;
        case TriggerItemKind::Accept: return 31;
        case TriggerItemKind::Option: return 24;
        case TriggerItemKind::Mode: return 52;
        case TriggerItemKind::Screen: return 30;
    }
    return 0;
}

std::span<const ProgramTypeEntry> ProgramTypes() { return kProgramTypes; }

std::span<const ProgramTypeEntry> OfferedProgramTypes(TriggerItemKind kind, model::TriggerPoint point,
                                                      bool dataGridScreen) {
    const bool exportOffered =
        kind == TriggerItemKind::Mode && point == model::TriggerPoint::Confirmed && dataGridScreen;
    return exportOffered ? std::span<const ProgramTypeEntry>(kProgramTypes)
                         : std::span<const ProgramTypeEntry>(kProgramTypes).first(kProgramTypes.size() - 1);
}

bool IsServerProgramType(int code) { return code == 1 || code == 3 || code == 5; }

std::string ParameterKey(std::string_view programPath, std::string_view screenName, TriggerItemKind kind,
                         const ItemIdentification& identification, std::string_view keySuffix) {
    // Both separators count: program paths may come in either form.
    const std::size_t slash = programPath.find_last_of("/\\");
    std::string_view file = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    if (const std::size_t dot = file.rfind('.'); dot != std::string_view::npos && dot > 0) file = file.substr(0, dot);

    std::string key(file);
    key += '\\';
    key += screenName;
    key += '\\';
    key += ItemKindWord(kind);
    switch (identification.kind) {
        case 1: key += "\\name\\" + identification.name; break;
        case 3: key += "\\tag\\" + std::to_string(identification.tag); break;
        case 4:
            key += "\\orig_coord\\" + std::to_string(identification.row) + "_" + std::to_string(identification.column);
            break;
        case 6:
            key += "\\coordinate\\" + std::to_string(identification.row) + "_" + std::to_string(identification.column);
            break;
        default: break;
    }
    key += '\\';
    key += keySuffix;
    return key;
}

}  // namespace triggers
