#include "tessellar/commands/command_catalogue.h"

#include <optional>

#include "platform/text_case.h"
#include "tessellar/commands/box_contents.h"
#include "tessellar/commands/command_checks.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/grid_shift.h"
#include "tessellar/commands/statement_commands.h"
#include "tessellar/commands/value_lines.h"
#include "tessellar/commands/value_list_check.h"
#include "tessellar/commands/value_words.h"
#include "tessellar/model/display_text.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/value_readers.h"

namespace commands {

namespace {

namespace keys = overrides::texts;
using overrides::PropertySelector;
using model::IdentificationKind;

// What a builder works with; the first problem found is kept in `error`.
struct Arguments {
    model::CScreenModel& model;
    const char* name;
    ItemKey key;
    std::optional<ResolvedItem> item;
    const std::vector<CommandValue>& values;
    std::string error;

    bool Count(std::size_t least, std::size_t most) {
        if (values.size() >= least && values.size() <= most) return true;
        if (least == most) {
            error = "'" + std::string(name) + "' takes " + std::to_string(least) + " value(s)";
        } else {
            error = "'" + std::string(name) + "' takes " + std::to_string(least) + " to " + std::to_string(most) +
                    " values";
        }
        return false;
    }
    const std::string& Text(std::size_t i) const { return values[i].text; }

    std::optional<int> Integer(std::size_t i) {
        const std::optional<int> value = WholeInteger(values[i].text);
        if (!value) error = "'" + values[i].text + "' is not a number";
        return value;
    }

    std::optional<overrides::IntegerPair> Pair(std::size_t i) {
        const std::optional<overrides::IntegerPair> pair = WholePair(values[i].text);
        if (!pair) error = "'" + values[i].text + "' is not a ROW,COLUMN pair";
        return pair;
    }

    // A trigger point word among those the command's item takes.
    std::optional<int> Point(std::size_t i, std::initializer_list<int> allowed) {
        const int code = overrides::TriggerPointCode(values[i].text);
        for (int point : allowed) {
            if (point == code) return code;
        }
        error = "'" + values[i].text + "' is not a trigger point of this item";
        return std::nullopt;
    }

    // A type word, or its code as a number (a code outside 1 to 6 writes no type line).
    int Type(std::size_t i) const {
        if (const std::optional<int> code = WholeInteger(values[i].text)) return *code;
        return overrides::TriggerTypeCode(values[i].text);
    }

    // A default: quoted is a literal; today and login-id are system values.
    std::string Default(std::size_t i) const {
        const CommandValue& value = values[i];
        if (value.quoted) return DefaultLine(overrides::kDefaultLiteral, value.text);
        const int kind = value.text == keys::kToday || value.text == keys::kLoginId ? overrides::kDefaultSystemValue
                                                                                   : overrides::kDefaultFieldOrNumber;
        return DefaultLine(kind, value.text);
    }

    model::FieldItem* Field() const {
        if (!item) return nullptr;
        if (item->display != nullptr) return item->display;
        return item->accept;
    }
};

using Builder = MadeCommand (*)(Arguments&);

MadeCommand Made(std::unique_ptr<Command> command) { return {std::move(command), {}}; }
MadeCommand Failed(Arguments& a) { return {nullptr, a.error}; }

// An update of one key line, appending that line when no block matched.
MadeCommand OneLine(Arguments& a, PropertySelector selector, std::string line, Refusal refusal = std::nullopt) {
    std::vector<KeyLineUpdate> updates{{selector, line}};
    return Made(std::make_unique<KeyLineCommand>(a.name, a.key, std::move(updates), std::vector<std::string>{line},
                                                 std::move(refusal)));
}

// The same, appending only when `appends`.
MadeCommand OneLineAppendingIf(Arguments& a, PropertySelector selector, std::string line, bool appends) {
    std::vector<std::string> append;
    if (appends) append.push_back(line);
    return Made(std::make_unique<KeyLineCommand>(a.name, a.key, std::vector<KeyLineUpdate>{{selector, line}},
                                                 std::move(append)));
}

template <PropertySelector selector, bool value>
MadeCommand Flag(Arguments& a) {
    if (!a.Count(0, 0)) return Failed(a);
    const std::string_view key = selector == PropertySelector::Readonly ||
                                         selector == PropertySelector::RecoverFromReadonly
                                     ? keys::kReadonly
                                     : keys::kSuppress;
    return OneLine(a, selector, FlagLine(key, value));
}

// Unsuppress menu and mode: the flag line, or with the word "remove" the
// second form, which takes the block away.
template <PropertySelector selector>
MadeCommand UnsuppressOrRemove(Arguments& a) {
    if (!a.Count(0, 1)) return Failed(a);
    if (a.values.size() == 1) {
        if (a.Text(0) != "remove") {
            a.error = "'" + a.Text(0) + "' is not 'remove'";
            return Failed(a);
        }
        return Made(std::make_unique<RemoveBlockCommand>(a.name, a.key));
    }
    return OneLine(a, selector, FlagLine(keys::kSuppress, false));
}

MadeCommand Remove(Arguments& a) {
    if (!a.Count(0, 0)) return Failed(a);
    return Made(std::make_unique<RemoveBlockCommand>(a.name, a.key));
}

template <PropertySelector selector, const char* const* key>
MadeCommand QuotedText(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    return OneLine(a, selector, TextLine(*key, a.Text(0)));
}

template <PropertySelector selector, const char* const* key>
MadeCommand Bare(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    if (a.Text(0).empty()) {
        a.error = "the value may not be empty";
        return Failed(a);
    }
    return OneLine(a, selector, BareLine(*key, a.Text(0)));
}

MadeCommand Move(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    const auto at = a.Pair(0);
    if (!at) return Failed(a);
    Refusal refusal;
    if (a.item && a.item->display != nullptr) refusal = CheckMoveDisplay(a.model, *a.item->display, at->first, at->second);
    return OneLine(a, PropertySelector::Coordinate, PairKeyLine(keys::kCoordinate, at->first, at->second), refusal);
}

MadeCommand MoveWithTrigger(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    const auto at = a.Pair(0);
    if (!at) return Failed(a);
    const std::string line = PairKeyLine(keys::kCoordinate, at->first, at->second);
    std::vector<KeyLineUpdate> updates{{PropertySelector::Coordinate, line},
                                       {PropertySelector::TriggerCoordinate, line, 18}};
    return Made(std::make_unique<KeyLineCommand>(a.name, a.key, std::move(updates), std::vector<std::string>{line},
                                                 CheckMoveDisplay(a.model, *a.item->display, at->first, at->second)));
}

// The display or entry field a key resolved to; null for other items.
const model::FieldItem* FieldOf(const ResolvedItem& item) {
    if (item.display != nullptr) return item.display;
    return item.accept;
}

// Where a field moved (or added, null) to a data grid's free end lands: the
// grid packs it after the other columns, and the file says so.
overrides::IntegerPair GridPlace(const model::CScreenModel& model, const model::FieldItem* item,
                                 overrides::IntegerPair at) {
    const model::CellPosition relative = overrides::RelativePosition(model, at.first, at.second);
    const std::optional<int> column = overrides::FreeEndColumn(model, item, relative);
    if (!column) return at;
    return {at.first, overrides::AbsolutePosition(model, {relative.row, *column}).column};
}

MadeCommand GridMove(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    const auto at = a.Pair(0);
    if (!at) return Failed(a);
    const model::FieldItem* item = FieldOf(*a.item);
    Refusal refusal = CheckGridColumnFree(a.model, item, at->first, at->second, texts::kNoColumnForMove);
    std::vector<ShiftedItem> shifted;
    overrides::IntegerPair to = *at;
    if (!refusal) {
        shifted = ItemsShiftedByGridMove(a.model, *item, at->first, at->second);
        to = GridPlace(a.model, item, to);
    }
    return Made(std::make_unique<GridMoveCommand>(a.name, a.key, to.first, to.second, std::move(shifted),
                                                  std::move(refusal)));
}

// A hidden field shown again: in a data grid its column comes back in the
// program's order among the columns shown (see GridReturnOf).
MadeCommand Unsuppress(Arguments& a) {
    if (!a.Count(0, 0)) return Failed(a);
    const KeyLineUpdate flag{PropertySelector::Unsuppress, FlagLine(keys::kSuppress, false)};
    const model::FieldItem* item = a.item ? FieldOf(*a.item) : nullptr;
    std::optional<GridReturn> back;
    if (item != nullptr && item->suppressed.Current()) back = GridReturnOf(a.model, *item);
    if (!back) return OneLine(a, flag.selector, flag.line);
    back->shifted.insert(back->shifted.begin(), ShiftedItem{a.key, back->row, back->column});
    return Made(std::make_unique<GridMoveCommand>(a.name, a.key, flag, std::move(back->shifted)));
}

MadeCommand Resize(Arguments& a) {
    if (!a.Count(2, 2)) return Failed(a);
    const auto width = a.Integer(0);
    if (!width) return Failed(a);
    const auto at = a.Pair(1);
    if (!at) return Failed(a);
    if (*width < 1) {
        a.error = "the width must be at least 1";
        return Failed(a);
    }
    const model::FieldItem* field = a.Field();
    const std::string& picture = field->picture.Current();
    const char letter = picture.empty() ? 'x' : picture.front();
    const std::string pictureLine = ResizePictureLine(letter, *width);
    const std::string coordinateLine = PairKeyLine(keys::kCoordinate, at->first, at->second);
    std::vector<KeyLineUpdate> updates{{PropertySelector::Picture, pictureLine},
                                       {PropertySelector::Coordinate, coordinateLine}};
    return Made(std::make_unique<KeyLineCommand>(a.name, a.key, std::move(updates),
                                                 std::vector<std::string>{pictureLine, coordinateLine},
                                                 CheckResize(*field)));
}

MadeCommand Colour(Arguments& a) {
    if (!a.Count(1, 2)) return Failed(a);
    const std::string text = a.values.size() == 2 ? a.Text(0) + "/" + a.Text(1) : a.Text(0);
    const auto colours = overrides::ReadColourPair(platform::LowerCased(text));
    if (!colours) {
        a.error = "'" + text + "' is not a FOREGROUND/BACKGROUND colour pair";
        return Failed(a);
    }
    return OneLine(a, PropertySelector::Color, ColourLine(*colours));
}

MadeCommand Scale(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    const auto scale = a.Integer(0);
    if (!scale) return Failed(a);
    if (*scale < model::kMinimumScale || *scale > model::kMaximumScale) {
        a.error = "the scale must be 50 to 1000";
        return Failed(a);
    }
    return OneLine(a, PropertySelector::Scale, BareLine(keys::kScale, std::to_string(*scale)));
}

MadeCommand Attributes(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    const model::AttributeFlags flags = model::TextToAttributes(a.Text(0));
    // The words say whether the item is a prompt (the Styles page's Prompt box);
    // a prompt the user added stays one.
    const bool addedPrompt = a.item && a.item->display != nullptr &&
                             a.item->display->identification == model::IdentificationKind::AddedPrompt;
    const bool prompt = model::TextNamesPrompt(a.Text(0)) || addedPrompt;
    return OneLine(a, PropertySelector::Attributes, AttributesLine(flags, prompt));
}

template <int... points>
MadeCommand Trigger(Arguments& a) {
    constexpr bool fixedPoint = sizeof...(points) == 1;
    if (!a.Count(fixedPoint ? 2 : 3, fixedPoint ? 2 : 3)) return Failed(a);
    constexpr int kPoints[] = {points...};
    int point = kPoints[0];
    std::size_t next = 0;
    if constexpr (!fixedPoint) {
        const auto chosen = a.Point(0, {points...});
        if (!chosen) return Failed(a);
        point = *chosen;
        next = 1;
    }
    return Made(std::make_unique<TriggerCommand>(a.name, a.key, point, a.Text(next), a.Type(next + 1)));
}

template <int... points>
MadeCommand RemoveTrigger(Arguments& a) {
    constexpr bool fixedPoint = sizeof...(points) == 1;
    if (!a.Count(fixedPoint ? 0 : 1, fixedPoint ? 0 : 1)) return Failed(a);
    constexpr int kPoints[] = {points...};
    int point = kPoints[0];
    if constexpr (!fixedPoint) {
        const auto chosen = a.Point(0, {points...});
        if (!chosen) return Failed(a);
        point = *chosen;
    }
    return Made(std::make_unique<RemoveBlockCommand>(a.name, a.key, point));
}

// The new default of an entry field against the field's value lists.
Refusal DefaultListRefusal(const Arguments& a) {
    if (!a.item || a.item->accept == nullptr) return std::nullopt;
    return CheckDefaultInLists(*a.item->accept, a.Text(0), a.values[0].quoted);
}

template <PropertySelector flagSelector>
MadeCommand DefaultAndFlag(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    const bool readonly = flagSelector == PropertySelector::Readonly;
    Refusal refusal = readonly ? CheckReadonlyDefault(a.Text(0)) : CheckHideDefault(a.Text(0));
    if (!refusal) refusal = DefaultListRefusal(a);
    const KeyLineUpdate flag{flagSelector, FlagLine(readonly ? keys::kReadonly : keys::kSuppress, true)};
    return Made(std::make_unique<DefaultAndFlagCommand>(a.name, a.key, a.Default(0), flag, refusal));
}

MadeCommand ChangeDefault(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    if (const Refusal refusal = DefaultListRefusal(a)) {
        return OneLine(a, PropertySelector::Default, a.Default(0), refusal);
    }
    return OneLineAppendingIf(a, PropertySelector::Default, a.Default(0), !a.Text(0).empty());
}

// "Suppress confirm" hides the question; with the word "false" it shows it again.
MadeCommand SuppressConfirm(Arguments& a) {
    if (!a.Count(0, 1)) return Failed(a);
    bool value = true;
    if (a.values.size() == 1) {
        if (a.Text(0) != "true" && a.Text(0) != "false") {
            a.error = "'" + a.Text(0) + "' is not 'true' or 'false'";
            return Failed(a);
        }
        value = a.Text(0) == "true";
    }
    return OneLine(a, PropertySelector::Suppress, FlagLine(keys::kSuppress, value));
}

MadeCommand ConfirmDefault(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    return OneLine(a, PropertySelector::Default, BareLine(keys::kDefault, a.Text(0)));
}

MadeCommand AllowDisallow(Arguments& a) {
    if (!a.Count(2, 2)) return Failed(a);
    const bool allowed = a.Text(0) == keys::kAllowed;
    if (!allowed && a.Text(0) != keys::kDisallowed) {
        a.error = "'" + a.Text(0) + "' is not 'allowed' or 'disallowed'";
        return Failed(a);
    }
    const std::string line = BareLine(allowed ? keys::kAllowed : keys::kDisallowed, a.Text(1));
    // A field cannot have both lists: the other sense's line goes, or the
    // next opening refuses both.
    std::vector<KeyLineUpdate> updates{
        {allowed ? PropertySelector::Allowed : PropertySelector::Disallowed, line},
        {allowed ? PropertySelector::Disallowed : PropertySelector::Allowed, {}},
    };
    std::vector<std::string> append;
    if (!a.Text(1).empty()) append.push_back(line);
    return Made(std::make_unique<KeyLineCommand>(a.name, a.key, std::move(updates), std::move(append)));
}

MadeCommand Filter(Arguments& a) {
    if (!a.Count(0, 2)) return Failed(a);
    if (a.values.size() < 2 || a.Text(1).empty()) {
        // No operation: the filter line goes.
        return OneLineAppendingIf(a, PropertySelector::RemoveFilter, {}, false);
    }
    return OneLine(a, PropertySelector::Filter, BareLine(keys::kFilter, a.Text(0) + "," + a.Text(1)));
}

MadeCommand AddMode(Arguments& a) {
    if (!a.Count(0, 0)) return Failed(a);
    if (!(a.key.identifier.identificationKind == static_cast<int>(IdentificationKind::Name) ||
          a.key.identifier.identificationKind == static_cast<int>(IdentificationKind::OriginalText))) {
        a.error = "a mode is added by name or orig_text";
        return Failed(a);
    }
    return Made(std::make_unique<AppendBlockCommand>(a.name, a.key,
                                                     std::vector<std::string>{FlagLine(keys::kAdd, true)}));
}

MadeCommand ResetTitle(Arguments& a) {
    if (!a.Count(0, 0)) return Failed(a);
    return OneLineAppendingIf(a, PropertySelector::RemoveTitle, {}, false);
}

MadeCommand ResizeWindow(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    const auto size = a.Pair(0);
    if (!size) return Failed(a);
    if (size->first < 1 || size->second < 1) {
        a.error = "the window size must be at least 1,1";
        return Failed(a);
    }
    return OneLine(a, PropertySelector::WindowSize, PairKeyLine(keys::kWindowSize, size->first, size->second));
}

MadeCommand DefaultMode(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    if (a.Text(0) == "reset" && !a.values[0].quoted) return OneLineAppendingIf(a, PropertySelector::RemoveDefaultMode, {}, false);
    return OneLine(a, PropertySelector::DefaultMode, BareLine(keys::kDefault, a.Text(0)));
}

ItemKey NewDisplayKey(IdentificationKind kind, std::string text, int tag, int row, int column) {
    ItemKey key;
    key.itemClass = ItemClass::Display;
    key.identifier.statementKind = overrides::StatementKind::Display;
    key.identifier.identificationKind = static_cast<int>(kind);
    key.identifier.text = std::move(text);
    key.identifier.tag = tag;
    key.identifier.row = row;
    key.identifier.column = column;
    return key;
}

MadeCommand AddField(Arguments& a) {
    if (!a.Count(2, 2)) return Failed(a);
    const auto at = a.Pair(1);
    if (!at) return Failed(a);
    const std::string& field = a.Text(0);
    if (field.empty() || field.find_first_of(" \t\r\n\"") != std::string::npos) {
        a.error = "'" + field + "' is not a field name";
        return Failed(a);
    }
    Refusal refusal = CheckAddField(a.model, field);
    if (!refusal) refusal = CheckAddFieldAt(a.model, at->first, at->second);
    if (!refusal) refusal = CheckGridColumnFree(a.model, nullptr, at->first, at->second, texts::kNoColumnForAdd);
    const overrides::IntegerPair to = refusal ? *at : GridPlace(a.model, nullptr, *at);
    a.key = NewDisplayKey(IdentificationKind::Name, field, 0, -1, -1);
    std::vector<std::string> lines{BareLine(keys::kName, field), FlagLine(keys::kAdd, true),
                                   PairKeyLine(keys::kCoordinate, to.first, to.second),
                                   BareLine(keys::kTitle, field)};
    return Made(std::make_unique<AppendBlockCommand>(a.name, a.key, std::move(lines), refusal, false));
}

MadeCommand AddPrompt(Arguments& a) {
    if (!a.Count(2, 2)) return Failed(a);
    const auto at = a.Pair(1);
    if (!at) return Failed(a);
    if (a.Text(0).empty()) {
        a.error = "a prompt needs a text";
        return Failed(a);
    }
    a.key = NewDisplayKey(IdentificationKind::AddedPrompt, a.Text(0), 0, at->first, at->second);
    std::vector<std::string> lines{FlagLine(keys::kAdd, true), BareLine(keys::kAttributes, "background, prompt")};
    return Made(std::make_unique<AppendBlockCommand>(a.name, a.key, std::move(lines),
                                                     CheckAddPromptAt(a.model, at->first, at->second)));
}

MadeCommand AddUserField(Arguments& a) {
    if (!a.Count(3, 3)) return Failed(a);
    const auto tag = a.Integer(0);
    if (!tag) return Failed(a);
    const auto at = a.Pair(1);
    if (!at) return Failed(a);
    a.key = NewDisplayKey(IdentificationKind::AddedDisplay, {}, *tag, at->first, at->second);
    // A tag line alone would leave the statement without the coordinate
    // that marks an added display, and the field would never appear.
    std::vector<std::string> lines;
    if (*tag > 0) lines.push_back(PairKeyLine(keys::kCoordinate, at->first, at->second));
    lines.push_back(FlagLine(keys::kAdd, true));
    lines.push_back(BareLine(keys::kPicture, a.Text(2)));
    return Made(std::make_unique<AppendBlockCommand>(a.name, a.key, std::move(lines),
                                                     CheckAddFieldAt(a.model, at->first, at->second)));
}

MadeCommand AddBox(Arguments& a) {
    if (!a.Count(2, 3)) return Failed(a);
    const auto topLeft = a.Pair(0);
    if (!topLeft) return Failed(a);
    const auto bottomRight = a.Pair(1);
    if (!bottomRight) return Failed(a);
    a.key.itemClass = ItemClass::Box;
    a.key.identifier = {};
    a.key.identifier.statementKind = overrides::StatementKind::Box;
    a.key.identifier.identificationKind = static_cast<int>(IdentificationKind::OriginalCoordinate);
    a.key.identifier.row = topLeft->first;
    a.key.identifier.column = topLeft->second;
    a.key.bottomRow = bottomRight->first;
    a.key.rightColumn = bottomRight->second;
    std::vector<std::string> lines{FlagLine(keys::kAdd, true)};
    if (a.values.size() == 3 && !a.Text(2).empty()) lines.push_back(TextLine(keys::kTitle, a.Text(2)));
    return Made(std::make_unique<AppendBlockCommand>(a.name, a.key, std::move(lines)));
}

MadeCommand MoveBox(Arguments& a) {
    if (!a.Count(2, 2)) return Failed(a);
    const auto topLeft = a.Pair(0);
    if (!topLeft) return Failed(a);
    const auto bottomRight = a.Pair(1);
    if (!bottomRight) return Failed(a);
    const model::CBoxItem& box = *a.item->box;
    const model::BoxCorners to{topLeft->second, topLeft->first, bottomRight->second, bottomRight->first};
    // A box the user added replaces its own block; one of the program's is hidden
    // and added anew. Either way the items inside it go along in the same step.
    std::unique_ptr<Command> hide = box.added ? nullptr : MakeCommand(a.model, texts::kSuppressBox, a.key, {}).command;
    std::vector<std::unique_ptr<Command>> carried;
    for (const CarriedMove& move : ItemsCarriedByBoxMove(a.model, box, to)) {
        const std::vector<CommandValue> values{{std::to_string(move.to.row) + "," + std::to_string(move.to.column), false}};
        MadeCommand made = MakeCommand(a.model, move.command, move.key, values);
        if (!made.command) {
            a.error = made.error;
            return Failed(a);
        }
        carried.push_back(std::move(made.command));
    }
    return Made(std::make_unique<MoveBoxCommand>(a.key, to.top, to.left, to.bottom, to.right, box.title.Current(),
                                                 std::move(hide), std::move(carried)));
}

MadeCommand MessageText(Arguments& a) {
    if (!a.Count(1, 1)) return Failed(a);
    return OneLine(a, PropertySelector::Text, TextLine(keys::kText, a.Text(0)));
}

struct Entry {
    const char* const* name;
    ItemClass itemClass;
    Builder build;
    bool adds = false;
};

constexpr const char* const* N(const char* const& name) { return &name; }

const std::vector<Entry>& Catalogue() {
    using PS = PropertySelector;
    using IC = ItemClass;
    static const std::vector<Entry> kEntries = {
        {N(texts::kSuppressDisplay), IC::Display, Flag<PS::Suppress, true>},
        {N(texts::kUnsuppressDisplay), IC::Display, Unsuppress},
        {N(texts::kResetDisplay), IC::Display, Remove},
        {N(texts::kChangeDisplayText), IC::Display, QuotedText<PS::Text, &keys::kText>},
        {N(texts::kModifyDisplayTitle), IC::Display, QuotedText<PS::Title, &keys::kTitle>},
        {N(texts::kMoveDisplay), IC::Display, Move},
        {N(texts::kMoveDisplayAndTrigger), IC::Display, MoveWithTrigger},
        {N(texts::kMoveDatagridDisplay), IC::Display, GridMove},
        {N(texts::kResizeDisplay), IC::Display, Resize},
        {N(texts::kModifyDisplayColor), IC::Display, Colour},
        {N(texts::kModifyDisplayOrder), IC::Display, Bare<PS::ColumnNumber, &keys::kColumnNumber>},
        {N(texts::kModifyDisplayPicture), IC::Display, Bare<PS::Picture, &keys::kPicture>},
        {N(texts::kModifyDisplayScale), IC::Display, Scale},
        {N(texts::kModifyDisplayAttributes), IC::Display, Attributes},
        {N(texts::kModifyDisplayTrigger), IC::Display, Trigger<18>},
        {N(texts::kRemoveDisplayTrigger), IC::Display, RemoveTrigger<18>},
        {N(texts::kSuppressAccept), IC::Accept, DefaultAndFlag<PS::Suppress>},
        {N(texts::kUnsuppressAccept), IC::Accept, Unsuppress},
        {N(texts::kResetAccept), IC::Accept, Remove},
        {N(texts::kReadonlyAccept), IC::Accept, DefaultAndFlag<PS::Readonly>},
        {N(texts::kRecoverFromReadonlyAccept), IC::Accept, Flag<PS::RecoverFromReadonly, false>},
        {N(texts::kChangeAcceptDefault), IC::Accept, ChangeDefault},
        {N(texts::kModifyAcceptHelp), IC::Accept, QuotedText<PS::Helpline, &keys::kHelpline>},
        {N(texts::kModifyAcceptAllowAndDisallow), IC::Accept, AllowDisallow},
        {N(texts::kModifyAcceptTitle), IC::Accept, QuotedText<PS::Title, &keys::kTitle>},
        {N(texts::kModifyAcceptFilter), IC::Accept, Filter},
        {N(texts::kModifyAcceptOrder), IC::Accept, Bare<PS::ColumnNumber, &keys::kColumnNumber>},
        {N(texts::kModifyAcceptPicture), IC::Accept, Bare<PS::Picture, &keys::kPicture>},
        {N(texts::kMoveAccept), IC::Accept, Move},
        {N(texts::kMoveDatagridAccept), IC::Accept, GridMove},
        {N(texts::kResizeAccept), IC::Accept, Resize},
        {N(texts::kModifyAcceptTrigger), IC::Accept, Trigger<12, 13, 26>},
        {N(texts::kRemoveAcceptTrigger), IC::Accept, RemoveTrigger<12, 13, 26>},
        {N(texts::kSuppressMenu), IC::Option, Flag<PS::Suppress, true>},
        {N(texts::kUnsuppressMenu), IC::Option, UnsuppressOrRemove<PS::Suppress>},
        {N(texts::kChangeMenuText), IC::Option, QuotedText<PS::Text, &keys::kText>},
        {N(texts::kModifyMenuHelp), IC::Option, QuotedText<PS::Helpline, &keys::kHelpline>},
        {N(texts::kMoveMenu), IC::Option, Move},
        {N(texts::kModifyMenuTrigger), IC::Option, Trigger<5, 14>},
        {N(texts::kRemoveMenuTrigger), IC::Option, RemoveTrigger<5, 14>},
        {N(texts::kSuppressMode), IC::Mode, Flag<PS::Suppress, true>},
        {N(texts::kUnsuppressMode), IC::Mode, UnsuppressOrRemove<PS::Unsuppress>},
        {N(texts::kModifyModeText), IC::Mode, QuotedText<PS::Text, &keys::kText>},
        {N(texts::kModifyModeHelp), IC::Mode, QuotedText<PS::Helpline, &keys::kHelpline>},
        {N(texts::kAddMode), IC::Mode, AddMode, true},
        {N(texts::kModifyModeTrigger), IC::Mode, Trigger<9, 10, 11, 17>},
        {N(texts::kRemoveModeTrigger), IC::Mode, RemoveTrigger<9, 10, 11, 17>},
        {N(texts::kSuppressConfirm), IC::Confirm, SuppressConfirm},
        {N(texts::kModifyConfirmText), IC::Confirm, QuotedText<PS::Text, &keys::kText>},
        {N(texts::kModifyConfirmDefault), IC::Confirm, ConfirmDefault},
        {N(texts::kResetConfirm), IC::Confirm, Remove},
        {N(texts::kModifyScreenTitle), IC::Window, QuotedText<PS::Title, &keys::kTitle>},
        {N(texts::kResetScreenTitle), IC::Window, ResetTitle},
        {N(texts::kResizeTheWindow), IC::Window, ResizeWindow},
        {N(texts::kModifyScreenDefaultMode), IC::Window, DefaultMode},
        {N(texts::kModifyScreenTrigger), IC::Window, Trigger<7, 8>},
        {N(texts::kRemoveScreenTrigger), IC::Window, RemoveTrigger<7, 8>},
        {N(texts::kAddField), IC::Display, AddField, true},
        {N(texts::kAddDatagridField), IC::Display, AddField, true},
        {N(texts::kAddPrompt), IC::Display, AddPrompt, true},
        {N(texts::kAddUserDefinedField), IC::Display, AddUserField, true},
        {N(texts::kAddBox), IC::Box, AddBox, true},
        {N(texts::kSuppressBox), IC::Box, Flag<PS::Suppress, true>},
        {N(texts::kUnsuppressBox), IC::Box, Flag<PS::Unsuppress, false>},
        {N(texts::kModifyBoxTitle), IC::Box, QuotedText<PS::Title, &keys::kTitle>},
        {N(texts::kResetBox), IC::Box, Remove},
        {N(texts::kMovingOrResizingBox), IC::Box, MoveBox},
        {N(texts::kModifyMessageText), IC::Message, MessageText},
    };
    return kEntries;
}

const Entry* FindEntry(std::string_view name) {
    for (const Entry& entry : Catalogue()) {
        if (name == *entry.name) return &entry;
    }
    return nullptr;
}

}  // namespace

const std::vector<std::string>& CatalogueNames() {
    static const std::vector<std::string> kNames = [] {
        std::vector<std::string> names;
        for (const Entry& entry : Catalogue()) names.emplace_back(*entry.name);
        return names;
    }();
    return kNames;
}

bool CommandItemClass(std::string_view name, ItemClass& itemClass) {
    const Entry* entry = FindEntry(name);
    if (entry == nullptr) return false;
    itemClass = entry->itemClass;
    return true;
}

bool IsAddCommand(std::string_view name) {
    const Entry* entry = FindEntry(name);
    return entry != nullptr && entry->adds;
}

MadeCommand MakeCommand(model::CScreenModel& model, std::string_view name, ItemKey key,
                        const std::vector<CommandValue>& values) {
    const Entry* entry = FindEntry(name);
    if (entry == nullptr) return {nullptr, "no command named '" + std::string(name) + "'"};
    // Every value and the item's identifier end up inside statement lines;
    // one that would break its line is refused before anything is made.
    if (const Refusal refusal = CheckLineValue(key.identifier.text)) return {nullptr, *refusal};
    for (const CommandValue& value : values) {
        if (const Refusal refusal = CheckLineValue(value.text)) return {nullptr, *refusal};
    }
    key.itemClass = entry->itemClass;
    key.identifier.statementKind = BlockKind(entry->itemClass);
    Arguments arguments{model, *entry->name, key, std::nullopt, values, {}};
    if (!entry->adds) {
        arguments.item = Resolve(model, key);
        if (!arguments.item) return {nullptr, "the screen has no such item for '" + std::string(name) + "'"};
    }
    return entry->build(arguments);
}

}  // namespace commands
