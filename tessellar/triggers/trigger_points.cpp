// The trigger point and program type tables and the parameter keys.

#include "tessellar/triggers/trigger_points.h"

#include <array>

namespace triggers {

namespace {

using model::TriggerPoint;

// A point of a kind's list: its caption and word from the override file's
// table, and the suffix of its parameter key.
consteval TriggerPointEntry Point(TriggerPoint point, const char* keySuffix) {
    for (const overrides::TriggerPointName& named : overrides::kTriggerPoints) {
        if (named.point == point) return {named.caption, point, named.word, keySuffix};
    }
    throw "a trigger point the override file does not name";  // stops the build
}

constexpr std::array<TriggerPointEntry, 1> kDisplayPoints{{Point(TriggerPoint::Display, "display")}};
constexpr std::array<TriggerPointEntry, 3> kAcceptPoints{{
    Point(TriggerPoint::BeforeAccept, "before"),
    Point(TriggerPoint::AfterAccept, "after"),
    Point(TriggerPoint::OnHelp, "onhelp"),
}};
constexpr std::array<TriggerPointEntry, 2> kOptionPoints{{
    Point(TriggerPoint::BeforeOption, "before"),
    Point(TriggerPoint::Option, "excute"),
}};
constexpr std::array<TriggerPointEntry, 4> kModePoints{{
    Point(TriggerPoint::Confirmed, "conf"),
    Point(TriggerPoint::BeforeConfirm, "before"),
    Point(TriggerPoint::NotConfirmed, "not_conf"),
    Point(TriggerPoint::ValidateMode, "validate"),
}};
constexpr std::array<TriggerPointEntry, 2> kScreenPoints{{
    Point(TriggerPoint::ScreenLoad, "scr_load"),
    Point(TriggerPoint::ScreenExit, "scr_exit"),
}};

constexpr const auto& kProgramTypes = overrides::kTriggerTypes;

// What the dialog shows and stores for one kind of item.
struct KindEntry {
    const char* title;
    std::span<const TriggerPointEntry> points;
    const char* word;  // in a parameter key
    int helpContext;
};

KindEntry KindOf(TriggerItemKind kind) {
    switch (kind) {
        case TriggerItemKind::Display: return {"Add/Modify Display Trigger", kDisplayPoints, "display", 32};
        case TriggerItemKind::Accept: return {"Add/Modify Field Trigger", kAcceptPoints, "accept", 31};
        case TriggerItemKind::Option: return {"Add/Modify Option Trigger", kOptionPoints, "menu", 24};
        case TriggerItemKind::Mode: return {"Add/Modify Mode Trigger", kModePoints, "mode", 52};
        case TriggerItemKind::Screen: return {"Add/Modify Screen Trigger", kScreenPoints, "window", 30};
    }
    return {"", {}, "", 0};
}

}  // namespace

const char* TriggerDialogTitle(TriggerItemKind kind) { return KindOf(kind).title; }

std::span<const TriggerPointEntry> TriggerPointsOf(TriggerItemKind kind) { return KindOf(kind).points; }

const char* ItemKindWord(TriggerItemKind kind) { return KindOf(kind).word; }

int TriggerDialogHelpContext(TriggerItemKind kind) { return KindOf(kind).helpContext; }

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
