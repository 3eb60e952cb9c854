#include "tessellar/checks/item_keys.h"

#include "tessellar/overrides/item_placement.h"
#include "tessellar/overrides/item_resolution.h"
#include "tessellar/overrides/statement_parser.h"
#include "tessellar/overrides/value_readers.h"

namespace checks {

namespace {

using model::IdentificationKind;

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string WithKeyword(std::string_view keyword, const std::string& identifier) {
    std::string key(keyword);
    if (!identifier.empty()) {
        key += ' ';
        key += identifier;
    }
    return key;
}

std::string ItemIdentifierText(IdentificationKind kind, std::string_view text, int tag, model::CellPosition compiled) {
    return IdentifierText(static_cast<int>(kind), text, tag, compiled.row, compiled.column);
}

}  // namespace

std::string CellText(int row, int column) { return std::to_string(row) + "," + std::to_string(column); }

std::string IdentifierText(int identificationKind, std::string_view text, int tag, int row, int column) {
    switch (static_cast<IdentificationKind>(identificationKind)) {
        case IdentificationKind::Name: return "name = " + std::string(text);
        case IdentificationKind::OriginalText: return "orig_text = " + Quoted(text);
        case IdentificationKind::Tag: return "tag = " + std::to_string(tag);
        case IdentificationKind::OriginalCoordinate: return "orig_coordinate = " + CellText(row, column);
        case IdentificationKind::AddedPrompt:
            return "text = " + Quoted(text) + ", coordinate = " + CellText(row, column);
        case IdentificationKind::AddedDisplay:
            if (tag > 0) return "tag = " + std::to_string(tag) + ", coordinate = " + CellText(row, column);
            return "coordinate = " + CellText(row, column);
        case IdentificationKind::None: break;
    }
    return {};
}

std::string BlockKey(const overrides::OverrideStatement& statement) {
    using overrides::StatementKind;
    const StatementKind kind = statement.identifier.statementKind;
    const std::string_view keyword = overrides::StatementKeyword(kind);
    overrides::ItemIdentifier id = statement.identifier;
    switch (kind) {
        case StatementKind::Display: id = overrides::DisplayIdentifier(statement); break;
        case StatementKind::Box: {
            std::string key = WithKeyword(keyword, IdentifierText(id.identificationKind, id.text, id.tag, id.row,
                                                                  id.column));
            if (statement.overrides.coordinateGiven) {
                key += ", coordinate = " + CellText(statement.overrides.row, statement.overrides.column);
            }
            return key;
        }
        case StatementKind::Window: return std::string(keyword);
        case StatementKind::Confirm:
            if (id.text.empty()) return std::string(keyword);
            return std::string(keyword) +
                   (id.identificationKind == static_cast<int>(IdentificationKind::OriginalText) ? " orig_text = "
                                                                                                  : " name = ") +
                   Quoted(id.text);
        case StatementKind::Trigger: {
            std::string key(keyword);
            const std::string_view point = overrides::TriggerPointWord(statement.trigger.point);
            if (!point.empty()) key += " " + std::string(point);
            if (statement.trigger.point == static_cast<int>(model::TriggerPoint::Display)) {
                id.identificationKind = static_cast<int>(IdentificationKind::AddedDisplay);
                id.row = statement.overrides.row;
                id.column = statement.overrides.column;
            }
            const std::string identifier = IdentifierText(id.identificationKind, id.text, id.tag, id.row, id.column);
            if (!identifier.empty()) key += " " + identifier;
            return key;
        }
        default: break;
    }
    if (overrides::NamesTextAndCoordinate(id)) {
        // Both lines name the item: the block is found by the pair.
        return WithKeyword(keyword, IdentifierText(id.textKind, id.text, id.tag, id.row, id.column) + ", " +
                                        IdentifierText(static_cast<int>(IdentificationKind::OriginalCoordinate),
                                                       id.text, id.tag, id.row, id.column));
    }
    return WithKeyword(keyword, IdentifierText(id.identificationKind, id.text, id.tag, id.row, id.column));
}

std::string ItemKey(const model::CDispText& item) {
    const std::string_view text = item.identification == IdentificationKind::Name ? std::string_view(item.name)
                                                                                  : item.text.Original();
    return WithKeyword(overrides::StatementKeyword(overrides::StatementKind::Display),
                       ItemIdentifierText(item.identification, text, item.tag, item.compiled));
}

std::string ItemKey(const model::CAcceptFld& item) {
    return WithKeyword(overrides::StatementKeyword(overrides::StatementKind::Accept),
                       ItemIdentifierText(item.identification, item.name, item.tag, item.compiled));
}

std::string ItemKey(const model::COptionItem& item) {
    const std::string_view keyword = overrides::StatementKeyword(overrides::StatementKind::Option);
    if (item.identification == IdentificationKind::None) {
        return std::string(keyword) + " at " + CellText(item.compiled.row, item.compiled.column);
    }
    const std::string_view text = item.identification == IdentificationKind::Name ? std::string_view(item.name)
                                                                                  : item.label.Original();
    return WithKeyword(keyword, ItemIdentifierText(item.identification, text, 0, item.compiled));
}

std::string ItemKey(const model::CScreenModel& model, const model::CModeItem& item) {
    const std::string_view text = item.identification == IdentificationKind::Name ? std::string_view(item.identifier)
                                                                                  : item.label.Original();
    const model::CellPosition at = overrides::AbsolutePosition(model, item.position);
    return WithKeyword(overrides::StatementKeyword(overrides::StatementKind::Mode),
                       ItemIdentifierText(item.identification, text, 0, at));
}

std::string ItemKey(const model::CBoxItem& item) {
    return std::string(overrides::StatementKeyword(overrides::StatementKind::Box)) +
           " orig_coordinate = " + CellText(item.compiled.top, item.compiled.left) +
           ", coordinate = " + CellText(item.compiled.bottom, item.compiled.right);
}

std::string ItemKey(const model::CConfirmItem& item) {
    return std::string(overrides::StatementKeyword(overrides::StatementKind::Confirm)) + " name = " +
           Quoted(item.question.Original());
}

}  // namespace checks
