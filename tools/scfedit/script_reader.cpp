#include "tools/scfedit/script_reader.h"

#include <optional>

#include "platform/line_escapes.h"
#include "tessellar/commands/value_words.h"

namespace scfedit {

namespace {

using commands::ItemClass;

// A carriage return separates words too: a script saved with CR LF line ends
// reads as one saved with LF.
bool IsScriptBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool ParseInteger(const std::string& text, int& value) {
    const std::optional<int> parsed = commands::WholeInteger(text);
    if (parsed) value = *parsed;
    return parsed.has_value();
}

bool ParsePair(const std::string& text, int& first, int& second) {
    const std::optional<overrides::IntegerPair> pair = commands::WholePair(text);
    if (!pair) return false;
    first = pair->first;
    second = pair->second;
    return true;
}

void Identify(commands::ItemKey& key, model::IdentificationKind kind) {
    key.identifier.identificationKind = static_cast<int>(kind);
}

// Reads the item key at words[at...]; advances `at` past it.
bool ReadKey(const std::vector<Word>& words, std::size_t& at, commands::ItemKey& key, std::string& error) {
    using model::IdentificationKind;
    if (at >= words.size()) {
        error = "the command needs the key of its item";
        return false;
    }
    const std::string word = words[at].quoted ? std::string() : words[at].text;
    ++at;
    auto next = [&](const char* what) -> const Word* {
        if (at < words.size()) return &words[at++];
        error = "'" + word + "' needs " + what;
        return nullptr;
    };
    auto pair = [&](const char* what, int& first, int& second) {
        const Word* value = next(what);
        if (value == nullptr) return false;
        if (ParsePair(value->text, first, second)) return true;
        error = "'" + value->text + "' is not a ROW,COLUMN pair";
        return false;
    };
    if (word == "new" || word == "window") return true;
    if (word == "name" || word == "orig_text" || word == "message" || word == "confirm") {
        const Word* value = next("a text");
        if (value == nullptr) return false;
        key.identifier.text = value->text;
        Identify(key, word == "name" || word == "confirm" ? IdentificationKind::Name : IdentificationKind::OriginalText);
        return true;
    }
    if (word == "tag" || word == "added_tag") {
        const Word* value = next("a number");
        if (value == nullptr) return false;
        if (!ParseInteger(value->text, key.identifier.tag)) {
            error = "'" + value->text + "' is not a number";
            return false;
        }
        Identify(key, word == "tag" ? IdentificationKind::Tag : IdentificationKind::AddedDisplay);
        return true;
    }
    if (word == "orig_coordinate" || word == "added_at") {
        if (!pair("ROW,COLUMN", key.identifier.row, key.identifier.column)) return false;
        Identify(key, word == "orig_coordinate" ? IdentificationKind::OriginalCoordinate
                                                : IdentificationKind::AddedDisplay);
        return true;
    }
    if (word == "prompt") {
        const Word* text = next("a text and ROW,COLUMN");
        if (text == nullptr) return false;
        key.identifier.text = text->text;
        if (!pair("ROW,COLUMN", key.identifier.row, key.identifier.column)) return false;
        Identify(key, IdentificationKind::AddedPrompt);
        return true;
    }
    if (word == "box") {
        if (!pair("TOP,LEFT and BOTTOM,RIGHT", key.identifier.row, key.identifier.column)) return false;
        if (!pair("BOTTOM,RIGHT", key.bottomRow, key.rightColumn)) return false;
        Identify(key, IdentificationKind::OriginalCoordinate);
        return true;
    }
    error = "'" + words[at - 1].text + "' is not an item key";
    return false;
}

// Whether a key word fits the class of items the command works on.
bool KeyFits(const std::string& keyWord, ItemClass itemClass, bool adds) {
    if (adds) return keyWord == "new" || (itemClass == ItemClass::Mode && (keyWord == "name" || keyWord == "orig_text"));
    switch (itemClass) {
        case ItemClass::Window: return keyWord == "window";
        case ItemClass::Box: return keyWord == "box";
        case ItemClass::Message: return keyWord == "message";
        case ItemClass::Confirm: return keyWord == "confirm";
        default: break;
    }
    return keyWord == "name" || keyWord == "orig_text" || keyWord == "tag" || keyWord == "orig_coordinate" ||
           (itemClass == ItemClass::Display &&
            (keyWord == "prompt" || keyWord == "added_tag" || keyWord == "added_at"));
}

ReadLine Fail(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

bool SplitWords(std::string_view line, std::vector<Word>& words, std::string& error) {
    words.clear();
    std::size_t at = 0;
    while (at < line.size()) {
        if (IsScriptBlank(line[at])) {
            ++at;
            continue;
        }
        Word word;
        if (line[at] != '"') {
            while (at < line.size() && !IsScriptBlank(line[at])) word.text += line[at++];
            words.push_back(std::move(word));
            continue;
        }
        word.quoted = true;
        ++at;
        bool closed = false;
        while (at < line.size()) {
            const char c = line[at++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                word.text += c;
                continue;
            }
            if (at >= line.size()) break;
            const char escaped = line[at++];
            switch (escaped) {
                case '"': word.text += '"'; break;
                case '\\': word.text += '\\'; break;
                case 't': word.text += '\t'; break;
                case 'n': word.text += '\n'; break;
                default:
                    error = std::string("unknown escape '\\") + escaped + "' in a quoted word";
                    return false;
            }
        }
        if (!closed) {
            error = "a quoted word does not end";
            return false;
        }
        words.push_back(std::move(word));
    }
    return true;
}

std::string Escaped(std::string_view text) { return platform::EscapedLineBreaks(text); }

ReadLine ReadScriptLine(std::string_view line, int lineNumber) {
    if (line.size() > kMaxScriptLineLength) return Fail(kLineTooLong);
    std::vector<Word> words;
    std::string error;
    if (!SplitWords(line, words, error)) return Fail(error);
    if (words.empty() || (!words[0].quoted && !words[0].text.empty() && words[0].text[0] == '#')) return {};
    ScriptStep step;
    step.line = lineNumber;
    const std::string verb = words[0].quoted ? std::string() : words[0].text;
    const std::size_t extra = words.size() - 1;
    auto none = [&](Verb v) -> ReadLine {
        if (extra != 0) return Fail("'" + verb + "' takes nothing after it");
        step.verb = v;
        return {step, {}};
    };
    auto path = [&](Verb v) -> ReadLine {
        if (extra != 1 || words[1].text.empty()) return Fail("'" + verb + "' takes one path");
        step.verb = v;
        step.path = words[1].text;
        return {step, {}};
    };
    auto steps = [&](Verb v) -> ReadLine {
        step.verb = v;
        if (extra == 0) return {step, {}};
        if (extra != 1 || !ParseInteger(words[1].text, step.count) || step.count < 1) {
            return Fail("'" + verb + "' takes an optional step count of 1 or more");
        }
        return {step, {}};
    };
    if (verb == "select") {
        if (extra < 1 || extra > 2) return Fail("'select' takes an entry name and an optional kind");
        step.verb = Verb::Select;
        step.entryName = words[1].text;
        if (extra == 2) {
            const std::string& kind = words[2].text;
            if (kind == "procedure") step.entryKind = 1;
            else if (kind == "screen") step.entryKind = 2;
            else if (kind == "menu") step.entryKind = 3;
            else return Fail("'" + kind + "' is not screen, menu or procedure");
        }
        return {step, {}};
    }
    if (verb == "undo") return steps(Verb::Undo);
    if (verb == "redo") return steps(Verb::Redo);
    if (verb == "undo-labels") return none(Verb::UndoLabels);
    if (verb == "redo-labels") return none(Verb::RedoLabels);
    if (verb == "workfile") return none(Verb::WorkFile);
    if (verb == "save") return none(Verb::Save);
    if (verb == "batch") return none(Verb::Batch);
    if (verb == "end") return none(Verb::End);
    if (verb == "saveas") return path(Verb::SaveAs);
    if (verb == "edit") return path(Verb::Edit);
    if (verb != "run") return Fail("'" + words[0].text + "' is not a script command");

    if (extra < 1) return Fail("'run' needs a command name");
    step.verb = Verb::Run;
    step.commandName = words[1].text;
    commands::ItemClass itemClass;
    if (!commands::CommandItemClass(step.commandName, itemClass)) {
        return Fail("no command named '" + step.commandName + "'");
    }
    std::size_t at = 2;
    const std::string keyWord = at < words.size() && !words[at].quoted ? words[at].text : std::string();
    if (!KeyFits(keyWord, itemClass, commands::IsAddCommand(step.commandName))) {
        return Fail("'" + step.commandName + "' does not take the key '" + (at < words.size() ? words[at].text : "") +
                    "'");
    }
    if (!ReadKey(words, at, step.key, error)) return Fail(error);
    for (; at < words.size(); ++at) step.values.push_back({words[at].text, words[at].quoted});
    return {step, {}};
}

}  // namespace scfedit
