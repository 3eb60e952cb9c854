// The suppressed field list's lines and the commands a release issues.

#include "tessellar/lists/suppressed_fields.h"

#include "platform/message_format.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/move_choice.h"
#include "tessellar/lists/list_texts.h"
#include "tessellar/overrides/item_placement.h"

namespace lists {

namespace {

using commands::ItemClass;
using model::IdentificationKind;
namespace command = commands::texts;

bool Is(const overrides::ItemIdentifier& id, IdentificationKind kind) {
    return id.identificationKind == static_cast<int>(kind);
}

std::string Coordinate(const overrides::ItemIdentifier& id) {
    return platform::FormatText(texts::kCoordinateFormat, id.row, id.column);
}

// How the line names the item: as its statement's identifier lines do.
std::optional<std::string> Identity(const overrides::ItemIdentifier& id) {
    if (Is(id, IdentificationKind::Name)) return id.text;
    if (Is(id, IdentificationKind::OriginalText)) return "\"" + id.text + "\"";
    if (Is(id, IdentificationKind::Tag)) return platform::FormatText(texts::kTagFormat, id.tag);
    if (Is(id, IdentificationKind::OriginalCoordinate)) return Coordinate(id);
    if (Is(id, IdentificationKind::AddedDisplay)) {
        return id.tag > 0 ? platform::FormatText(texts::kTagFormat, id.tag) : Coordinate(id);
    }
    return std::nullopt;
}

void AddLine(std::vector<SuppressedLine>& lines, const commands::ItemKey& key, const char* mark, std::string name,
             model::CellPosition at) {
    const overrides::ItemIdentifier& id = key.identifier;
    std::string text;
    if (Is(id, IdentificationKind::AddedPrompt)) {
        text = platform::FormatText(texts::kAddedPromptFormat, id.text.c_str(), id.row, id.column) + texts::kPromptMark;
    } else if (const std::optional<std::string> identity = Identity(id)) {
        text = *identity + mark;
    } else {
        return;  // nothing a statement could name it by
    }
    lines.push_back({std::move(text), key, std::move(name), at});
}

bool Listed(const model::CAcceptFld& field, SuppressedListUse use) {
    if (!field.suppressed.Current()) return false;
    return use == SuppressedListUse::DataEntryFields ? field.suppressedInProgram : !field.suppressedInProgram;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string Pair(const model::CScreenModel& screen, model::CellPosition relative) {
    const model::CellPosition at = overrides::AbsolutePosition(screen, relative);
    return std::to_string(at.row) + "," + std::to_string(at.column);
}

// The move a released display, entry field or menu option takes.
const char* MoveCommandOf(model::CScreenModel& screen, const commands::ItemKey& key) {
    const std::optional<commands::ResolvedItem> item = commands::Resolve(screen, key);
    switch (key.itemClass) {
        case ItemClass::Display:
            return item && item->display != nullptr ? commands::MoveCommandOf(*item->display) : command::kMoveDisplay;
        case ItemClass::Accept:
            return item && item->accept != nullptr ? commands::MoveCommandOf(*item->accept) : command::kMoveAccept;
        case ItemClass::Option: return command::kMoveMenu;
        default: return nullptr;
    }
}

const char* UnsuppressCommandOf(ItemClass kind) {
    switch (kind) {
        case ItemClass::Display: return command::kUnsuppressDisplay;
        case ItemClass::Accept: return command::kUnsuppressAccept;
        case ItemClass::Option: return command::kUnsuppressMenu;
        case ItemClass::Mode: return command::kUnsuppressMode;
        case ItemClass::Box: return command::kUnsuppressBox;
        default: return nullptr;
    }
}

}  // namespace

std::vector<SuppressedLine> SuppressedFieldLines(const model::CScreenModel& screen, SuppressedListUse use) {
    std::vector<SuppressedLine> lines;
    if (use == SuppressedListUse::AllSuppressed) {
        for (const model::CDispText& item : screen.Displays()) {
            if (!item.suppressed.Current()) continue;
            const bool named = item.identification == IdentificationKind::Name;
            AddLine(lines, commands::KeyOf(item), texts::kDisplayMark, named ? item.name : item.text.Current(),
                    item.position.Current());
        }
        for (const model::COptionItem& item : screen.Options()) {
            if (!item.suppressed.Current()) continue;
            const std::string& label = item.label.Current();
            AddLine(lines, commands::KeyOf(item), texts::kOptionMark, label.empty() ? item.name : label,
                    item.position.Current());
        }
    }
    for (const model::CAcceptFld& item : screen.Accepts()) {
        if (!Listed(item, use)) continue;
        AddLine(lines, commands::KeyOf(item), texts::kAcceptMark, item.name, item.position.Current());
    }
    if (use == SuppressedListUse::AllSuppressed) {
        for (const model::CModeItem& item : screen.Modes()) {
            if (!item.suppressed.Current()) continue;
            AddLine(lines, commands::KeyOf(item), texts::kModeMark, item.label.Current(), item.position);
        }
        for (const model::CBoxItem& item : screen.Boxes()) {
            if (!item.suppressed.Current()) continue;
            const commands::ItemKey key = commands::KeyOf(item);
            const model::BoxCorners& now = item.corners.Current();
            lines.push_back({platform::FormatText(texts::kBoxFormat, key.identifier.row, key.identifier.column), key,
                             item.title.Current(), {now.top, now.left}});
        }
    }
    return lines;
}

bool HasSuppressedFields(const model::CScreenModel& screen, SuppressedListUse use) {
    return !SuppressedFieldLines(screen, use).empty();
}

std::optional<commands::ItemClass> KindOfLine(std::string_view line) {
    // The mark that closes the line, so that a text holding another kind's
    // mark is not taken for that kind.
    if (EndsWith(line, texts::kDisplayMark) || EndsWith(line, texts::kPromptMark)) return ItemClass::Display;
    if (EndsWith(line, texts::kAcceptMark)) return ItemClass::Accept;
    if (EndsWith(line, texts::kOptionMark)) return ItemClass::Option;
    if (EndsWith(line, texts::kModeMark)) return ItemClass::Mode;
    if (line.starts_with(texts::kBoxWord)) return ItemClass::Box;
    return std::nullopt;
}

std::vector<PlannedCommand> ReleasePlan(model::CScreenModel& screen, const ReleasedField& field) {
    std::vector<PlannedCommand> plan;
    const char* unsuppress = UnsuppressCommandOf(field.kind);
    if (unsuppress == nullptr) return plan;
    plan.push_back({unsuppress, field.key, {}});
    if (field.to == field.from) return plan;
    const char* move = MoveCommandOf(screen, field.key);
    if (move != nullptr) plan.push_back({move, field.key, {{Pair(screen, field.to)}}});
    return plan;
}

ReleaseBatch MakeRelease(model::CScreenModel& screen, const ReleasedField& field) {
    ReleaseBatch release;
    for (const PlannedCommand& planned : ReleasePlan(screen, field)) {
        commands::MadeCommand made = commands::MakeCommand(screen, planned.name, planned.key, planned.values);
        if (!made.command) {
            release.error = made.error;
            release.batch = {};
            return release;
        }
        release.batch.Add(std::move(made.command));
    }
    return release;
}

}  // namespace lists
