#include "tessellar/overrides/statement_parser.h"

#include <string>

#include "tessellar/model/attribute_flags.h"
#include "tessellar/model/text_capacity.h"
#include "platform/line_trim.h"
#include "platform/text_case.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/statement_keys.h"
#include "tessellar/overrides/value_readers.h"

namespace overrides {

namespace {

using Key = StatementKey;

// The raw value unquoted and cut to a text field.
std::string QuotedText(std::string_view rawLine, std::size_t length = kTextLength) {
    return platform::CutText(Unquote(RawValue(rawLine)), length);
}

void Identify(OverrideStatement& statement, int kind) {
    statement.identifier.identificationKind = kind;
    statement.overrides.hasExplicitIdentifier = true;
}

int Flag(std::string_view value) { return ReadBoolean(value) ? 1 : 0; }

// Notes of a line, written only when a caller asked for them.
class Noter {
public:
    explicit Noter(LineNotes* notes) : notes_(notes) {}

    void Problem(LineProblem problem, std::string_view detail = {}) {
        if (notes_ == nullptr) return;
        notes_->problem = problem;
        notes_->detail.assign(detail);
    }
    // A text kept shorter than the value it came from.
    void Kept(std::string_view kept, std::string_view full) {
        if (notes_ == nullptr || kept.size() >= full.size()) return;
        notes_->problem = LineProblem::Cut;
        notes_->length = full.size();
        notes_->capacity = kept.size();
    }
    void Boolean(std::string_view value) {
        if (notes_ != nullptr && value != texts::kTrue && value != texts::kFalse) {
            Problem(LineProblem::NotABoolean, value);
        }
    }
    // A pair that ReadScreenPair refused.
    void Pair(std::string_view value) {
        if (notes_ != nullptr) Problem(ReadPair(value) ? LineProblem::OutOfRange : LineProblem::NotAPair, value);
    }
    void Colours(std::string_view value, bool read) {
        if (notes_ == nullptr) return;
        if (!read) {
            Problem(LineProblem::UnknownColour, value);
            return;
        }
        const std::size_t slash = value.find('/');
        if (slash != std::string_view::npos && !ReadColourPair(value.substr(slash + 1))) {
            Problem(LineProblem::UnknownBackground, value.substr(slash + 1));
        }
    }
    void Attributes(std::string_view value) {
        if (notes_ == nullptr) return;
        std::string unknown;
        for (const std::string& word : model::UnknownAttributeWords(value)) {
            if (!unknown.empty()) unknown += '|';
            unknown += word;
        }
        if (!unknown.empty()) Problem(LineProblem::UnknownAttribute, unknown);
    }
private:
    LineNotes* notes_;
};

// Fills the statement from one key line that is not an item keyword.
void FillStatement(Key key, std::string_view rawLine, std::string_view value, OverrideStatement& statement,
                   Noter note) {
    ItemIdentifier& id = statement.identifier;
    ItemOverrides& item = statement.overrides;
    switch (key) {
        case Key::TriggerPoint:
            statement.trigger.point = TriggerPointCode(value);
            if (statement.trigger.point < 0) note.Problem(LineProblem::UnknownWord, value);
            break;
        case Key::Tag:
            Identify(statement, 3);
            id.tag = ReadInteger(value);
            break;
        case Key::Name:
            Identify(statement, 1);
            id.textKind = 1;
            id.text = QuotedText(rawLine);
            note.Kept(id.text, Unquote(RawValue(rawLine)));
            break;
        case Key::OrigText:
            Identify(statement, 2);
            id.textKind = 2;
            id.text = QuotedText(rawLine);
            note.Kept(id.text, Unquote(RawValue(rawLine)));
            break;
        case Key::OrigCoordinate:
            if (const auto pair = ReadPair(value)) {
                Identify(statement, 4);
                id.coordinateNamed = true;
                id.row = pair->first;
                id.column = pair->second;
            } else {
                note.Problem(LineProblem::NotAPair, value);
            }
            break;
        case Key::Suppress:
            item.suppressed = Flag(value);
            note.Boolean(value);
            break;
        case Key::Add:
            item.added = Flag(value);
            note.Boolean(value);
            break;
        case Key::Readonly:
            item.readOnly = Flag(value);
            note.Boolean(value);
            break;
        case Key::Default: {
            DefaultValue parsed = ReadDefault(value, RawValue(rawLine));
            item.defaultKind = parsed.kind;
            item.defaultText = platform::CutText(parsed.text, kTextLength);
            item.defaultGiven = true;
            note.Kept(item.defaultText, parsed.text);
            break;
        }
        case Key::Filter:
            item.filter = platform::CutText(RawValue(rawLine), kListLength);
            item.filterGiven = true;
            note.Kept(item.filter, RawValue(rawLine));
            break;
        case Key::Allowed:
            item.allowed = platform::CutText(RawValue(rawLine), kListLength);
            item.allowedGiven = true;
            note.Kept(item.allowed, RawValue(rawLine));
            break;
        case Key::Disallowed:
            item.disallowed = platform::CutText(RawValue(rawLine), kListLength);
            item.disallowedGiven = true;
            note.Kept(item.disallowed, RawValue(rawLine));
            break;
        case Key::Picture:
            item.picture.assign(value);
            item.pictureGiven = true;
            break;
        case Key::Coordinate:
            if (const auto pair = ReadScreenPair(value)) {
                item.row = pair->first;
                item.column = pair->second;
                item.coordinateGiven = true;
            } else {
                note.Pair(value);
            }
            break;
        case Key::WindowSize:
            if (const auto pair = ReadScreenPair(value)) {
                item.windowWidth = pair->first;
                item.windowHeight = pair->second;
                item.windowSizeGiven = true;
            } else {
                note.Pair(value);
            }
            break;
        case Key::ColumnNumber:
            item.columnNumber.assign(value);
            item.columnNumberGiven = true;
            break;
        case Key::Color: {
            const auto pair = ReadColourPair(value);
            if (pair) {
                item.colours = *pair;
                item.colourGiven = true;
            }
            note.Colours(value, pair.has_value());
            break;
        }
        case Key::Scale:
            item.scale = ReadInteger(Unquote(RawValue(rawLine)));
            break;
        case Key::Attributes:
            item.attributes = ReadAttributeList(Unquote(RawValue(rawLine)));
            item.prompt = model::TextNamesPrompt(Unquote(RawValue(rawLine)));
            note.Attributes(Unquote(RawValue(rawLine)));
            break;
        case Key::Text:
            item.text = QuotedText(rawLine);
            item.textGiven = true;
            note.Kept(item.text, Unquote(RawValue(rawLine)));
            break;
        case Key::NewPromptText:
            item.newPromptText = QuotedText(rawLine);
            item.newPromptTextGiven = true;
            note.Kept(item.newPromptText, Unquote(RawValue(rawLine)));
            break;
        case Key::NewPromptCoord:
            if (const auto pair = ReadScreenPair(value)) {
                item.newPromptRow = pair->first;
                item.newPromptColumn = pair->second;
                item.newPromptCoordinateGiven = true;
            } else {
                note.Pair(value);
            }
            break;
        case Key::Helpline: {
            // Cut before unquoting: a quoted help line keeps 98 characters.
            const std::string_view raw = RawValue(rawLine).substr(0, kHelplineRawLength);
            item.helpline = platform::CutText(Unquote(raw), kHelplineLength);
            item.helplineGiven = true;
            note.Kept(item.helpline, Unquote(RawValue(rawLine)));
            break;
        }
        case Key::Title:
            item.title = QuotedText(rawLine);
            item.titleGiven = true;
            note.Kept(item.title, Unquote(RawValue(rawLine)));
            break;
        case Key::Run:
            statement.trigger.run = platform::CutText(RawValue(rawLine), kListLength);
            note.Kept(statement.trigger.run, RawValue(rawLine));
            break;
        case Key::Type:
            statement.trigger.type = TriggerTypeCode(RawValue(rawLine));
            if (statement.trigger.type == 0) note.Problem(LineProblem::UnknownWord, RawValue(rawLine));
            break;
        case Key::Keyword:
            break;
    }
}

struct ParsedLine {
    const StatementKeyEntry* entry = nullptr;
    std::string_view key;  // as the line spells it: trimmed and cut, not lower-cased
};

// Whether a key names its block's item or tells where the item is.
bool NamesOrPlaces(Key key) {
    switch (key) {
        case Key::TriggerPoint:
        case Key::Tag:
        case Key::Name:
        case Key::OrigText:
        case Key::OrigCoordinate:
        case Key::Add:
        case Key::Coordinate:
        case Key::Text: return true;
        default: return false;
    }
}

enum class Fill { EveryKey, NamingKeys };

// Splits the line as SplitLine does, without copying: every line of every
// section passes here when a screen is opened.
ParsedLine ParseInto(std::string_view rawLine, OverrideStatement& statement, LineNotes* notes = nullptr,
                     Fill fill = Fill::EveryKey) {
    const std::size_t equals = rawLine.find('=');
    const std::string_view key = platform::TrimControls(rawLine.substr(0, equals)).substr(0, kMatchLength);
    const StatementKeyEntry* entry = FindStatementKey(key);
    if (entry != nullptr && entry->key != Key::Keyword && (fill == Fill::EveryKey || NamesOrPlaces(entry->key))) {
        const std::string_view value =
            equals == std::string_view::npos
                ? std::string_view()
                : platform::TrimControls(rawLine.substr(equals + 1)).substr(0, kMatchLength);
        FillStatement(entry->key, rawLine, value, statement, Noter(notes));
    }
    return {entry, key};
}

// Braces, blank lines and comments are no keys, and no mistake either: a
// site's "#" notes stand wherever it put them, "=" in them or not.
bool IsLayoutWord(std::string_view word) { return word.empty() || word == "{" || word == "}"; }
bool IsComment(std::string_view word) { return !word.empty() && word.front() == '#'; }

}  // namespace

std::optional<StatementKind> ParseStatementLine(std::string_view rawLine, OverrideStatement& statement) {
    const ParsedLine parsed = ParseInto(rawLine, statement);
    if (parsed.entry != nullptr && parsed.entry->key == Key::Keyword) return parsed.entry->kind;
    return std::nullopt;
}

std::optional<StatementKind> ParseStatementLine(std::string_view rawLine, OverrideStatement& statement,
                                                LineNotes& notes) {
    notes.Clear();
    ParsedLine parsed = ParseInto(rawLine, statement, &notes);
    if (parsed.entry != nullptr) {
        notes.key = parsed.entry->word;
        notes.keyword = parsed.entry->key == Key::Keyword;
    } else if (!IsComment(parsed.key) && (!IsLayoutWord(parsed.key) || rawLine.find('=') != std::string_view::npos)) {
        notes.problem = LineProblem::UnknownKey;
        notes.detail = platform::LowerCased(parsed.key);
    }
    notes.word = platform::LowerCased(parsed.key);
    if (notes.keyword) return parsed.entry->kind;
    return std::nullopt;
}

std::string_view SelectedKey(PropertySelector selector) {
    switch (selector) {
        case PropertySelector::Suppress:
        case PropertySelector::Unsuppress: return texts::kSuppress;
        case PropertySelector::Coordinate:
        case PropertySelector::TriggerCoordinate: return texts::kCoordinate;
        case PropertySelector::Text: return texts::kText;
        case PropertySelector::Add: return texts::kAdd;
        case PropertySelector::Helpline: return texts::kHelpline;
        case PropertySelector::Readonly:
        case PropertySelector::RecoverFromReadonly: return texts::kReadonly;
        case PropertySelector::Default:
        case PropertySelector::DefaultMode:
        case PropertySelector::RemoveDefaultMode: return texts::kDefault;
        case PropertySelector::Picture: return texts::kPicture;
        case PropertySelector::Color: return texts::kColor;
        case PropertySelector::Run: return texts::kRun;
        case PropertySelector::Type: return texts::kType;
        case PropertySelector::ColumnNumber: return texts::kColumnNumber;
        case PropertySelector::Attributes: return texts::kAttributes;
        case PropertySelector::Scale: return texts::kScale;
        case PropertySelector::Title:
        case PropertySelector::RemoveTitle: return texts::kTitle;
        case PropertySelector::Allowed: return texts::kAllowed;
        case PropertySelector::Disallowed: return texts::kDisallowed;
        case PropertySelector::WindowSize: return texts::kWindowSize;
        case PropertySelector::Filter:
        case PropertySelector::RemoveFilter: return texts::kFilter;
        case PropertySelector::WholeBlock: break;
    }
    return {};
}

bool ParseStatementLineForProperty(std::string_view rawLine, OverrideStatement& statement,
                                   PropertySelector selector) {
    const std::string_view key = ParseNamingKeysOfLine(rawLine, statement);
    const std::string_view selected = SelectedKey(selector);
    return !selected.empty() && key == selected;
}

std::string_view ParseNamingKeysOfLine(std::string_view rawLine, OverrideStatement& statement) {
    const ParsedLine parsed = ParseInto(rawLine, statement, nullptr, Fill::NamingKeys);
    if (parsed.entry == nullptr) return {};
    if (parsed.entry->key == Key::Keyword) {
        statement.Reset(parsed.entry->kind);
        return {};
    }
    return parsed.entry->word;
}

std::vector<std::string_view> StatementKeys() {
    std::vector<std::string_view> keys;
    for (auto entry = StatementKeysBegin(); entry != StatementKeysEnd(); ++entry) keys.push_back(entry->word);
    return keys;
}

std::string_view StatementKeyword(StatementKind kind) {
    for (auto entry = StatementKeysBegin(); entry != StatementKeysEnd(); ++entry) {
        if (entry->key == Key::Keyword && entry->kind == kind) return entry->word;
    }
    return {};
}

}  // namespace overrides
