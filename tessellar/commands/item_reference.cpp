#include "tessellar/commands/item_reference.h"

#include "tessellar/overrides/item_resolution.h"
#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/override_texts.h"

namespace commands {

namespace {

using model::IdentificationKind;
namespace keys = overrides::texts;
namespace format = overrides::format;

constexpr std::size_t kDisplayLabelKeyLength = 40;

overrides::ItemIdentifier Identifier(IdentificationKind kind, std::string text, int tag, model::CellPosition at) {
    overrides::ItemIdentifier id;
    id.identificationKind = static_cast<int>(kind);
    id.text = std::move(text);
    id.tag = tag;
    id.row = at.row;
    id.column = at.column;
    return id;
}

ItemKey Key(ItemClass itemClass, overrides::ItemIdentifier id) {
    ItemKey key;
    key.itemClass = itemClass;
    key.identifier = std::move(id);
    key.identifier.statementKind = BlockKind(itemClass);
    return key;
}

bool Is(const overrides::ItemIdentifier& id, IdentificationKind kind) {
    return id.identificationKind == static_cast<int>(kind);
}

}  // namespace

overrides::StatementKind BlockKind(ItemClass itemClass) {
    switch (itemClass) {
        case ItemClass::Display: return overrides::StatementKind::Display;
        case ItemClass::Accept: return overrides::StatementKind::Accept;
        case ItemClass::Option: return overrides::StatementKind::Option;
        case ItemClass::Mode: return overrides::StatementKind::Mode;
        case ItemClass::Confirm: return overrides::StatementKind::Confirm;
        case ItemClass::Box: return overrides::StatementKind::Box;
        case ItemClass::Window: return overrides::StatementKind::Window;
        case ItemClass::Message: return overrides::StatementKind::Message;
    }
    return overrides::StatementKind::None;
}

ItemKey KeyOf(const model::CDispText& item) {
    const std::string text = item.identification == IdentificationKind::Name ? item.name : item.text.Original();
    return Key(ItemClass::Display, Identifier(item.identification, text, item.tag, item.compiled));
}

ItemKey KeyOf(const model::CAcceptFld& item) {
    return Key(ItemClass::Accept, Identifier(item.identification, item.name, item.tag, item.compiled));
}

ItemKey KeyOf(const model::COptionItem& item) {
    const std::string text = item.identification == IdentificationKind::Name ? item.name : item.label.Original();
    return Key(ItemClass::Option, Identifier(item.identification, text, 0, item.compiled));
}

ItemKey KeyOf(const model::CModeItem& item) {
    const std::string text =
        item.identification == IdentificationKind::OriginalText ? item.label.Original() : item.identifier;
    return Key(ItemClass::Mode, Identifier(item.identification, text, 0, item.position));
}

ItemKey KeyOf(const model::CBoxItem& item) {
    ItemKey key = Key(ItemClass::Box, Identifier(IdentificationKind::OriginalCoordinate, {}, 0,
                                                 {item.compiled.top, item.compiled.left}));
    key.bottomRow = item.compiled.bottom;
    key.rightColumn = item.compiled.right;
    return key;
}

ItemKey KeyOf(const model::CConfirmItem& item) {
    return Key(ItemClass::Confirm, Identifier(IdentificationKind::Name, item.question.Original(), 0, {}));
}

ItemKey WindowKey() { return Key(ItemClass::Window, {}); }

ItemKey MessageKey(const std::string& originalText) {
    return Key(ItemClass::Message, Identifier(IdentificationKind::OriginalText, originalText, 0, {}));
}

std::optional<ResolvedItem> Resolve(model::CScreenModel& model, const ItemKey& key) {
    ResolvedItem found;
    found.key = key;
    const overrides::ItemIdentifier& id = key.identifier;
    switch (key.itemClass) {
        case ItemClass::Display: found.display = overrides::ResolveDisplay(model, id); break;
        case ItemClass::Accept: found.accept = overrides::ResolveAccept(model, id); break;
        case ItemClass::Option: found.option = overrides::ResolveOption(model, id); break;
        case ItemClass::Mode: found.mode = overrides::ResolveAnyMode(model, id); break;
        case ItemClass::Confirm: found.confirm = overrides::ResolveConfirm(model, id); break;
        case ItemClass::Box: found.box = overrides::ResolveBox(model, id, key.bottomRow, key.rightColumn); break;
        case ItemClass::Window: return model.Frame() != nullptr ? std::optional(found) : std::nullopt;
        case ItemClass::Message:
            found.messages = overrides::ResolveMessages(model, id);
            if (found.messages.empty()) return std::nullopt;
            return found;
    }
    if (found.display || found.accept || found.option || found.mode || found.confirm || found.box) return found;
    return std::nullopt;
}

overrides::BlockTarget TargetOf(const ItemKey& key) {
    overrides::BlockTarget target;
    target.kind = BlockKind(key.itemClass);
    target.identifier = key.identifier;
    target.bottomRow = key.bottomRow;
    target.rightColumn = key.rightColumn;
    return target;
}

overrides::BlockTarget TriggerTargetOf(const ItemKey& key, int triggerPoint) {
    overrides::BlockTarget target = TargetOf(key);
    target.kind = overrides::StatementKind::Trigger;
    target.triggerPoint = triggerPoint;
    return target;
}

std::string IdentifierLines(const ItemKey& key) {
    const overrides::ItemIdentifier& id = key.identifier;
    switch (key.itemClass) {
        case ItemClass::Window: return {};
        case ItemClass::Box:
            return format::PairLine(keys::kOrigCoordinate, id.row, id.column) +
                   format::PairLine(keys::kCoordinate, key.bottomRow, key.rightColumn);
        case ItemClass::Confirm: return format::QuotedKeyLine(keys::kName, id.text);
        case ItemClass::Message: return format::QuotedKeyLine(keys::kOrigText, id.text);
        default: break;
    }
    if (Is(id, IdentificationKind::Name)) return format::KeyLine(keys::kName, id.text);
    if (Is(id, IdentificationKind::OriginalText)) return format::QuotedKeyLine(keys::kOrigText, id.text);
    if (Is(id, IdentificationKind::Tag)) return format::KeyLine(keys::kTag, std::to_string(id.tag));
    if (Is(id, IdentificationKind::OriginalCoordinate)) return format::PairLine(keys::kOrigCoordinate, id.row, id.column);
    if (Is(id, IdentificationKind::AddedPrompt)) {
        return format::QuotedKeyLine(keys::kText, id.text) + format::PairLine(keys::kCoordinate, id.row, id.column);
    }
    if (Is(id, IdentificationKind::AddedDisplay)) {
        if (id.tag > 0) return format::KeyLine(keys::kTag, std::to_string(id.tag));
        return format::PairLine(keys::kCoordinate, id.row, id.column);
    }
    return {};
}

std::string CommandLabel(const char* name, const ItemKey& key) {
    std::string identifier = IdentifierLines(key);
    if (key.itemClass == ItemClass::Display) identifier = identifier.substr(0, kDisplayLabelKeyLength);
    return std::string(name) + "(" + identifier + ")";
}

}  // namespace commands
