#include "tessellar/overrides/item_resolution.h"

#include "tessellar/overrides/item_placement.h"

namespace overrides {

namespace {

using model::IdentificationKind;

bool Is(int identificationKind, IdentificationKind kind) { return identificationKind == static_cast<int>(kind); }

bool SameCell(const model::CellPosition& compiled, const ItemIdentifier& id) {
    return compiled.row == id.row && compiled.column == id.column;
}

}  // namespace

ItemIdentifier DisplayIdentifier(const OverrideStatement& statement) {
    ItemIdentifier id = statement.identifier;
    const ItemOverrides& o = statement.overrides;
    const bool addedItemKeys = o.added != kNotGiven && o.coordinateGiven;
    if (!addedItemKeys) return id;
    if (!o.hasExplicitIdentifier && o.textGiven) {
        id.identificationKind = static_cast<int>(IdentificationKind::AddedPrompt);
        id.text = o.text;
        id.row = o.row;
        id.column = o.column;
    } else if (!o.textGiven && (!o.hasExplicitIdentifier || Is(id.identificationKind, IdentificationKind::Tag))) {
        // The tag, if any, stays as the other key.
        id.identificationKind = static_cast<int>(IdentificationKind::AddedDisplay);
        id.row = o.row;
        id.column = o.column;
    }
    return id;
}

ItemIdentifier TriggerDisplayIdentifier(const OverrideStatement& statement) {
    ItemIdentifier id = statement.identifier;
    id.identificationKind = static_cast<int>(IdentificationKind::AddedDisplay);
    id.row = statement.overrides.row;
    id.column = statement.overrides.column;
    return id;
}

model::CDispText* ResolveDisplay(model::CScreenModel& model, const ItemIdentifier& id) {
    if (id.identificationKind < static_cast<int>(IdentificationKind::Name) ||
        id.identificationKind > static_cast<int>(IdentificationKind::AddedDisplay)) {
        return nullptr;
    }
    const auto kind = static_cast<IdentificationKind>(id.identificationKind);
    return model.Displays().FindIf([&](const model::CDispText& item) {
        if (item.identification != kind) return false;
        switch (kind) {
            case IdentificationKind::Name: return !item.name.empty() && item.name == id.text;
            case IdentificationKind::OriginalText:
                return !item.text.Original().empty() && item.text.Original() == id.text;
            case IdentificationKind::Tag: return item.tag != 0 && item.tag == id.tag;
            case IdentificationKind::OriginalCoordinate: return SameCell(item.compiled, id);
            case IdentificationKind::AddedPrompt:
                return item.text.Original() == id.text && SameCell(item.compiled, id);
            case IdentificationKind::AddedDisplay:
                return (item.tag != -1 && item.tag == id.tag) || SameCell(item.compiled, id);
            case IdentificationKind::None: break;
        }
        return false;
    });
}

model::CAcceptFld* ResolveAccept(model::CScreenModel& model, const ItemIdentifier& id) {
    return model.Accepts().FindIf([&](const model::CAcceptFld& item) {
        if (static_cast<int>(item.identification) != id.identificationKind) return false;
        switch (item.identification) {
            case IdentificationKind::Name: return item.name == id.text;
            case IdentificationKind::Tag: return item.tag != 0 && item.tag == id.tag;
            case IdentificationKind::OriginalCoordinate: return SameCell(item.compiled, id);
            default: return false;
        }
    });
}

model::COptionItem* ResolveOption(model::CScreenModel& model, const ItemIdentifier& id) {
    return model.Options().FindIf([&](const model::COptionItem& item) {
        if (static_cast<int>(item.identification) != id.identificationKind) return false;
        switch (item.identification) {
            case IdentificationKind::Name: return item.name == id.text;
            case IdentificationKind::OriginalText: return item.label.Original() == id.text;
            case IdentificationKind::OriginalCoordinate: return SameCell(item.compiled, id);
            default: return false;
        }
    });
}

model::CModeItem* ResolveMode(model::CScreenModel& model, const ItemIdentifier& id, model::ModeList list) {
    if (Is(id.identificationKind, IdentificationKind::Name)) return model.FindModeByIdentifier(id.text, list);
    if (Is(id.identificationKind, IdentificationKind::OriginalText)) return model.FindModeByOriginalLabel(id.text, list);
    if (Is(id.identificationKind, IdentificationKind::OriginalCoordinate)) {
        // Modes keep their place on the mode line relative to the screen origin.
        return model.FindModeByPosition(RelativePosition(model, id.row, id.column), list);
    }
    return nullptr;
}

model::CBoxItem* ResolveBox(model::CScreenModel& model, const ItemIdentifier& id, int bottomRow,
                            int rightColumn) {
    if (!Is(id.identificationKind, IdentificationKind::OriginalCoordinate)) return nullptr;
    const model::BoxCorners wanted{id.column, id.row, rightColumn, bottomRow};
    return model.Boxes().FindIf([&](const model::CBoxItem& item) { return item.compiled == wanted; });
}

model::CModeItem* ResolveAnyMode(model::CScreenModel& model, const ItemIdentifier& id) {
    if (model::CModeItem* mode = ResolveMode(model, id, model::ModeList::Screen)) return mode;
    return ResolveMode(model, id, model::ModeList::ProgramWide);
}

model::CConfirmItem* ResolveConfirm(model::CScreenModel& model, const ItemIdentifier& id) {
    if (id.text.empty()) return model.Confirms().First();
    return model.FindConfirmByQuestion(id.text);
}

std::vector<model::CMessageItem*> ResolveMessages(model::CScreenModel& model, const ItemIdentifier& id) {
    std::vector<model::CMessageItem*> found;
    if (!Is(id.identificationKind, IdentificationKind::OriginalText)) return found;
    for (model::CMessageItem& item : model.Messages()) {
        if (item.identification == IdentificationKind::OriginalText && item.text.Original() == id.text) {
            found.push_back(&item);
        }
    }
    return found;
}

}  // namespace overrides
