#include "tessellar/overrides/item_resolution.h"

#include "tessellar/overrides/item_placement.h"

namespace overrides {

namespace {

using model::IdentificationKind;

bool Is(int identificationKind, IdentificationKind kind) { return identificationKind == static_cast<int>(kind); }

bool SameCell(const model::CellPosition& compiled, const ItemIdentifier& id) {
    return compiled.row == id.row && compiled.column == id.column;
}

// An identifier that names the item by its text (or name) and its compiled
// coordinate, as the batch tool's blocks do, first finds the item on which
// both agree, whatever kind decoding gave it; only when none has both does
// the kind of the last identifier line decide.
template <typename Item, typename List, typename TextOf>
Item* FindByTextAndCoordinate(List& items, const ItemIdentifier& id, TextOf textOf) {
    if (!NamesTextAndCoordinate(id)) return nullptr;
    return items.FindIf([&](const Item& item) {
        const std::string_view text = textOf(item, id.textKind);
        return !text.empty() && text == id.text && SameCell(item.compiled, id);
    });
}

// Items the customiser adds carry no compiled place of their own: the
// keys that find them take over, and the text and coordinate pair is gone.
ItemIdentifier WithoutTextAndCoordinate(ItemIdentifier id) {
    id.textKind = kNoIdentification;
    id.coordinateNamed = false;
    return id;
}

}  // namespace

bool NamesTextAndCoordinate(const ItemIdentifier& id) {
    return id.coordinateNamed && (Is(id.textKind, IdentificationKind::Name) ||
                                  Is(id.textKind, IdentificationKind::OriginalText));
}

ItemIdentifier DisplayIdentifier(const OverrideStatement& statement) {
    ItemIdentifier id = statement.identifier;
    const ItemOverrides& o = statement.overrides;
    const bool addedItemKeys = o.added != kNotGiven && o.coordinateGiven;
    if (!addedItemKeys) return id;
    if (!o.hasExplicitIdentifier && o.textGiven) {
        id = WithoutTextAndCoordinate(id);
        id.identificationKind = static_cast<int>(IdentificationKind::AddedPrompt);
        id.text = o.text;
        id.row = o.row;
        id.column = o.column;
    } else if (!o.textGiven && (!o.hasExplicitIdentifier || Is(id.identificationKind, IdentificationKind::Tag))) {
        // The tag, if any, stays as the other key.
        id = WithoutTextAndCoordinate(id);
        id.identificationKind = static_cast<int>(IdentificationKind::AddedDisplay);
        id.row = o.row;
        id.column = o.column;
    }
    return id;
}

ItemIdentifier TriggerDisplayIdentifier(const OverrideStatement& statement) {
    ItemIdentifier id = WithoutTextAndCoordinate(statement.identifier);
    id.identificationKind = static_cast<int>(IdentificationKind::AddedDisplay);
    id.row = statement.overrides.row;
    id.column = statement.overrides.column;
    return id;
}

model::CDispText* ResolveDisplay(model::CScreenModel& model, const ItemIdentifier& id) {
    if (model::CDispText* both = FindByTextAndCoordinate<model::CDispText>(
            model.Displays(), id, [](const model::CDispText& item, int textKind) -> std::string_view {
                return Is(textKind, IdentificationKind::Name) ? std::string_view(item.name) : item.text.Original();
            })) {
        return both;
    }
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
    // Entry fields have no original text: only a name pairs with the coordinate.
    if (model::CAcceptFld* both = FindByTextAndCoordinate<model::CAcceptFld>(
            model.Accepts(), id, [](const model::CAcceptFld& item, int textKind) -> std::string_view {
                return Is(textKind, IdentificationKind::Name) ? std::string_view(item.name) : std::string_view();
            })) {
        return both;
    }
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
    if (model::COptionItem* both = FindByTextAndCoordinate<model::COptionItem>(
            model.Options(), id, [](const model::COptionItem& item, int textKind) -> std::string_view {
                return Is(textKind, IdentificationKind::Name) ? std::string_view(item.name) : item.label.Original();
            })) {
        return both;
    }
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

model::CBoxItem* ResolveBoxByTopLeft(model::CScreenModel& model, const ItemIdentifier& id) {
    if (!Is(id.identificationKind, IdentificationKind::OriginalCoordinate)) return nullptr;
    return model.Boxes().FindIf([&](const model::CBoxItem& item) {
        return !item.added && item.compiled.top == id.row && item.compiled.left == id.column;
    });
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
