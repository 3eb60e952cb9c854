#include "tessellar/checks/nearest_item.h"

#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "tessellar/checks/check_texts.h"
#include "tessellar/checks/item_keys.h"
#include "tessellar/checks/text_distance.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/overrides/item_resolution.h"

namespace checks {

namespace {

using model::IdentificationKind;
using overrides::StatementKind;

// An item of the kind the block names, with everything a block could have
// named it by.
struct Candidate {
    IdentificationKind identification = IdentificationKind::None;
    std::string name;
    std::string text;
    int tag = 0;
    model::CellPosition compiled;
    std::string identifier;  // how a block of the same keyword names it now
};

// The lists a block of each kind (a trigger: of its point) searches.
enum class Target { None, Display, Accept, Option, Mode, Confirm, Box, Message };

Target TargetOf(const overrides::OverrideStatement& statement) {
    switch (statement.identifier.statementKind) {
        case StatementKind::Display: return Target::Display;
        case StatementKind::Accept: return Target::Accept;
        case StatementKind::Option: return Target::Option;
        case StatementKind::Mode: return Target::Mode;
        case StatementKind::Confirm: return Target::Confirm;
        case StatementKind::Box: return Target::Box;
        case StatementKind::Message: return Target::Message;
        case StatementKind::Trigger: break;
        default: return Target::None;
    }
    switch (static_cast<model::TriggerPoint>(statement.trigger.point)) {
        case model::TriggerPoint::Option:
        case model::TriggerPoint::BeforeOption: return Target::Option;
        case model::TriggerPoint::Confirmed:
        case model::TriggerPoint::NotConfirmed:
        case model::TriggerPoint::BeforeConfirm:
        case model::TriggerPoint::ValidateMode: return Target::Mode;
        case model::TriggerPoint::BeforeAccept:
        case model::TriggerPoint::AfterAccept:
        case model::TriggerPoint::OnHelp: return Target::Accept;
        case model::TriggerPoint::Display: return Target::Display;
        default: return Target::None;
    }
}

Candidate Make(IdentificationKind identification, std::string_view name, std::string_view text, int tag,
               model::CellPosition compiled) {
    Candidate candidate{identification, std::string(name), std::string(text), tag, compiled, {}};
    const std::string_view key = identification == IdentificationKind::Name ? name : text;
    candidate.identifier =
        IdentifierText(static_cast<int>(identification), key, tag, compiled.row, compiled.column);
    return candidate;
}

std::vector<Candidate> CandidatesOf(const model::CScreenModel& model, Target target) {
    std::vector<Candidate> candidates;
    switch (target) {
        case Target::Display:
            for (const model::CDispText& item : model.Displays()) {
                candidates.push_back(Make(item.identification, item.name, item.text.Original(), item.tag, item.compiled));
            }
            break;
        case Target::Accept:
            for (const model::CAcceptFld& item : model.Accepts()) {
                candidates.push_back(Make(item.identification, item.name, {}, item.tag, item.compiled));
            }
            break;
        case Target::Option:
            for (const model::COptionItem& item : model.Options()) {
                if (item.identification == IdentificationKind::None) continue;
                candidates.push_back(Make(item.identification, item.name, item.label.Original(), 0, item.compiled));
            }
            break;
        case Target::Mode:
            for (const model::ModeList list : {model::ModeList::Screen, model::ModeList::ProgramWide}) {
                for (const model::CModeItem& item : model.Modes(list)) {
                    candidates.push_back(Make(item.identification, item.identifier, item.label.Original(), 0,
                                              overrides::AbsolutePosition(model, item.position)));
                }
            }
            break;
        case Target::Confirm:
            for (const model::CConfirmItem& item : model.Confirms()) {
                Candidate candidate = Make(IdentificationKind::OriginalText, {}, item.question.Original(), 0,
                                           item.compiled);
                candidate.identifier = "name = \"" + item.question.Original() + "\"";
                candidates.push_back(std::move(candidate));
            }
            break;
        case Target::Message:
            for (const model::CMessageItem& item : model.Messages()) {
                candidates.push_back(Make(IdentificationKind::OriginalText, {}, item.text.Original(), 0, {}));
            }
            break;
        case Target::Box:
        case Target::None: break;
    }
    return candidates;
}

// What the block's identifier value is, read the way its kind reads it.
bool SameValue(const Candidate& candidate, const overrides::ItemIdentifier& id) {
    switch (static_cast<IdentificationKind>(id.identificationKind)) {
        case IdentificationKind::Name: return !id.text.empty() && candidate.name == id.text;
        case IdentificationKind::OriginalText: return !id.text.empty() && candidate.text == id.text;
        case IdentificationKind::Tag: return id.tag != 0 && candidate.tag == id.tag;
        case IdentificationKind::OriginalCoordinate:
            return candidate.compiled.row == id.row && candidate.compiled.column == id.column;
        default: return false;
    }
}

// The item is still there, but the screen now names it another way (its
// name or text is no longer unique, or it gained a tag). When one item
// carries the very value the block names, naming it the new way is certain.
ItemProposal RenamedHint(const std::vector<Candidate>& candidates, const overrides::ItemIdentifier& id) {
    std::string keys;
    const Candidate* only = nullptr;
    int count = 0;
    for (const Candidate& candidate : candidates) {
        if (static_cast<int>(candidate.identification) == id.identificationKind || !SameValue(candidate, id)) continue;
        if (candidate.identifier.empty()) continue;
        if (count++ > 0) keys += texts::kAnd;
        keys += candidate.identifier;
        only = &candidate;
    }
    if (count == 0) return {};
    if (count > 1) return {texts::kNowNamedSeveral + keys, {}, FixConfidence::Likely};
    return {texts::kNowNamed + keys, only->identifier, FixConfidence::Certain};
}

// The item of the same kind whose name or text is nearest the one the block
// names: one signal, so a likely fix, and none when two are as near.
ItemProposal NearestByText(const std::vector<Candidate>& candidates, const overrides::ItemIdentifier& id) {
    const auto kind = static_cast<IdentificationKind>(id.identificationKind);
    const Candidate* best = nullptr;
    std::size_t bestScore = 0;
    bool tie = false;
    for (const Candidate& candidate : candidates) {
        if (candidate.identification != kind) continue;
        const std::string& value = kind == IdentificationKind::Name ? candidate.name : candidate.text;
        const std::optional<std::size_t> score = Nearness(id.text, value);
        if (!score) continue;
        if (best != nullptr && *score == bestScore) tie = true;
        if (best == nullptr || *score < bestScore) {
            best = &candidate;
            bestScore = *score;
            tie = false;
        }
    }
    if (best == nullptr) return {};
    return {texts::kNearest + best->identifier, tie ? std::string() : best->identifier, FixConfidence::Likely};
}

// Coordinates from a damaged program or file may lie anywhere in int.
long long CellDistance(model::CellPosition a, int row, int column) {
    return std::llabs(static_cast<long long>(a.row) - row) + std::llabs(static_cast<long long>(a.column) - column);
}

// The item of the same kind compiled nearest to the old coordinate.
ItemProposal NearestByPlace(const std::vector<Candidate>& candidates, const overrides::ItemIdentifier& id) {
    constexpr long long kNearCells = 4;
    const Candidate* best = nullptr;
    bool tie = false;
    for (const Candidate& candidate : candidates) {
        const long long distance = CellDistance(candidate.compiled, id.row, id.column);
        if (distance > kNearCells || candidate.identifier.empty()) continue;
        const long long bestDistance = best == nullptr ? 0 : CellDistance(best->compiled, id.row, id.column);
        if (best != nullptr && distance == bestDistance) tie = true;
        if (best == nullptr || distance < bestDistance) {
            best = &candidate;
            tie = false;
        }
    }
    if (best == nullptr) return {};
    return {texts::kNearest + best->identifier + texts::kAtCell + CellText(best->compiled.row, best->compiled.column),
            tie ? std::string() : best->identifier, FixConfidence::Likely};
}

// Another kind of item compiled at the old coordinate: the program put
// something else there.
std::string OtherItemAt(const model::CScreenModel& model, const overrides::ItemIdentifier& id) {
    auto at = [&](model::CellPosition compiled) { return compiled.row == id.row && compiled.column == id.column; };
    if (id.statementKind != StatementKind::Display) {
        for (const model::CDispText& item : model.Displays()) {
            if (at(item.compiled)) return texts::kNowAtCell + ItemKey(item);
        }
    }
    if (id.statementKind != StatementKind::Accept) {
        for (const model::CAcceptFld& item : model.Accepts()) {
            if (at(item.compiled)) return texts::kNowAtCell + ItemKey(item);
        }
    }
    if (id.statementKind != StatementKind::Option) {
        for (const model::COptionItem& item : model.Options()) {
            if (at(item.compiled)) return texts::kNowAtCell + ItemKey(item);
        }
    }
    return {};
}

std::string BoxHint(const model::CScreenModel& model, const overrides::OverrideStatement& statement) {
    const overrides::ItemIdentifier& id = statement.identifier;
    if (id.identificationKind != static_cast<int>(IdentificationKind::OriginalCoordinate)) return {};
    for (const model::CBoxItem& box : model.Boxes()) {
        if (box.compiled.top == id.row && box.compiled.left == id.column) {
            return texts::kBoxNowEnds + CellText(box.compiled.bottom, box.compiled.right);
        }
    }
    constexpr long long kNearCells = 4;
    for (const model::CBoxItem& box : model.Boxes()) {
        if (CellDistance({box.compiled.top, box.compiled.left}, id.row, id.column) <= kNearCells) {
            return texts::kNearest + ItemKey(box);
        }
    }
    return {};
}

}  // namespace

std::string NounOf(const overrides::OverrideStatement& statement) {
    switch (TargetOf(statement)) {
        case Target::Display: return texts::kDisplayNoun;
        case Target::Accept: return texts::kAcceptNoun;
        case Target::Option: return texts::kOptionNoun;
        case Target::Mode: return texts::kModeNoun;
        case Target::Confirm: return texts::kConfirmNoun;
        case Target::Box: return texts::kBoxNoun;
        case Target::Message:
        case Target::None: break;
    }
    return {};
}

std::string NearestItemHint(const model::CScreenModel& model, const overrides::OverrideStatement& statement) {
    return NearestItem(model, statement).hint;
}

ItemProposal NearestItem(const model::CScreenModel& model, const overrides::OverrideStatement& statement) {
    const Target target = TargetOf(statement);
    if (target == Target::None) return {};
    if (target == Target::Box) return {BoxHint(model, statement), {}, FixConfidence::Likely};

    overrides::ItemIdentifier id =
        target == Target::Display && statement.identifier.statementKind == StatementKind::Display
            ? overrides::DisplayIdentifier(statement)
            : statement.identifier;
    if (target == Target::Confirm) id.identificationKind = static_cast<int>(IdentificationKind::OriginalText);
    if (id.identificationKind < static_cast<int>(IdentificationKind::Name) ||
        id.identificationKind > static_cast<int>(IdentificationKind::OriginalCoordinate)) {
        if (id.identificationKind == overrides::kNoIdentification) return {texts::kNameTheItem, {}, FixConfidence::Likely};
        return {};
    }
    const std::vector<Candidate> candidates = CandidatesOf(model, target);
    if (target != Target::Confirm && target != Target::Message) {
        if (ItemProposal renamed = RenamedHint(candidates, id); !renamed.hint.empty()) return renamed;
    }
    switch (static_cast<IdentificationKind>(id.identificationKind)) {
        case IdentificationKind::Name:
        case IdentificationKind::OriginalText: return NearestByText(candidates, id);
        case IdentificationKind::OriginalCoordinate: {
            // Another kind of item in its place: a person decides.
            if (std::string hint = OtherItemAt(model, id); !hint.empty()) return {hint, {}, FixConfidence::Likely};
            return NearestByPlace(candidates, id);
        }
        default: return {};
    }
}

}  // namespace checks
