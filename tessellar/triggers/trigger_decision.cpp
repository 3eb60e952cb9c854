// The dialog's enabling rules and its caller's decision after OK.

#include "tessellar/triggers/trigger_decision.h"

#include "tessellar/commands/command_texts.h"

namespace triggers {

namespace {

namespace texts = commands::texts;

struct KindCommands {
    const char* modify;
    const char* remove;
};

KindCommands CommandsOf(TriggerItemKind kind) {
    switch (kind) {
        case TriggerItemKind::Display: return {texts::kModifyDisplayTrigger, texts::kRemoveDisplayTrigger};
        case TriggerItemKind::Accept: return {texts::kModifyAcceptTrigger, texts::kRemoveAcceptTrigger};
        case TriggerItemKind::Option: return {texts::kModifyMenuTrigger, texts::kRemoveMenuTrigger};
        case TriggerItemKind::Mode: return {texts::kModifyModeTrigger, texts::kRemoveModeTrigger};
        case TriggerItemKind::Screen: return {texts::kModifyScreenTrigger, texts::kRemoveScreenTrigger};
    }
    return {"", ""};
}

const char* KeywordOf(TriggerItemKind kind, model::TriggerPoint point) {
    for (const TriggerPointEntry& entry : TriggerPointsOf(kind)) {
        if (entry.point == point) return entry.keyword;
    }
    return nullptr;
}

}  // namespace

DefinitionEnabling EnablingFor(const DefinitionState& state) {
    if (!state.pointSelected) return {};
    const bool program = !state.programEmpty;
    return {true, program, program, program && state.typeChosen, state.hasTrigger};
}

std::optional<TriggerCommandRequest> DecideAfterOk(TriggerItemKind kind, model::TriggerPoint point,
                                                   bool hadTrigger, const std::string& storedLine,
                                                   const std::string& newLine, int typeCode) {
    const char* keyword = KeywordOf(kind, point);
    if (keyword == nullptr) return std::nullopt;
    const KindCommands names = CommandsOf(kind);
    // The display command has one point and names none.
    const bool namesPoint = kind != TriggerItemKind::Display;
    if (newLine.empty()) {
        if (!hadTrigger) return std::nullopt;
        TriggerCommandRequest request{names.remove, {}};
        if (namesPoint) request.values.push_back(keyword);
        return request;
    }
    const bool typeChosen = typeCode >= 1 && typeCode <= 6;
    if (newLine == storedLine && hadTrigger && !typeChosen) return std::nullopt;
    TriggerCommandRequest request{names.modify, {}};
    if (namesPoint) request.values.push_back(keyword);
    request.values.push_back(newLine);
    request.values.push_back(std::to_string(typeChosen ? typeCode : 0));
    return request;
}

}  // namespace triggers
