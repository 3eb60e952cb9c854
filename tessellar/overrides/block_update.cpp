#include "tessellar/overrides/block_update.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <system_error>

#include "tessellar/overrides/held_work_file.h"
#include "tessellar/overrides/item_resolution.h"
#include "tessellar/overrides/line_classifier.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/override_texts.h"
#include "platform/file_replace.h"
#include "platform/message_format.h"

namespace overrides {

namespace {

using model::IdentificationKind;

// A block of these lines is dropped whole by the removing selectors.
constexpr std::size_t kWindowDefaultOnlyLines = 4;
constexpr std::size_t kAcceptFilterOnlyLines = 5;

bool IsTriggerPointOfBlocks(int code) {
    return (code >= 5 && code <= 14) || code == 17 || code == 18 || code == 26;
}

bool IsClosingBrace(std::string_view line) { return ClassifyLine(line).what == LineClass::ClosingBrace; }

bool SameIdentifier(const ItemIdentifier& a, const ItemIdentifier& b) {
    return a.identificationKind == b.identificationKind && a.text == b.text && a.tag == b.tag && a.row == b.row &&
           a.column == b.column && a.textKind == b.textKind && a.coordinateNamed == b.coordinateNamed;
}

// Two identifiers name the same item when both resolve to it; identifiers
// that resolve to nothing (an item not in this screen) meet when equal.
template <typename Item>
bool SameItem(Item* block, Item* wanted, const ItemIdentifier& blockId, const ItemIdentifier& wantedId) {
    if (block != nullptr || wanted != nullptr) return block == wanted;
    return SameIdentifier(blockId, wantedId);
}

// The items blocks name, each identifier looked up once for all the blocks
// of one scan (a scan changes no item): the target's among them.
template <typename Item>
class Lookups {
public:
    template <typename Resolve>
    Item* Find(const ItemIdentifier& id, Resolve resolve) {
        auto [at, added] = found_.try_emplace(
            Key{id.identificationKind, id.text, id.tag, id.row, id.column, id.textKind, id.coordinateNamed}, nullptr);
        if (added) at->second = resolve(id);
        return at->second;
    }

private:
    using Key = std::tuple<int, std::string, int, int, int, int, bool>;
    std::map<Key, Item*> found_;
};

class WantedItem {
public:
    WantedItem(model::CScreenModel& model, const ItemIdentifier& identifier) : id(identifier), model_(model) {}

    const ItemIdentifier& id;

    model::CDispText* Display() { return Display(id); }
    model::CAcceptFld* Accept() { return Accept(id); }
    model::COptionItem* Option() { return Option(id); }
    model::CModeItem* Mode() { return Mode(id); }

    model::CDispText* Display(const ItemIdentifier& named) {
        return displays_.Find(named, [&](const ItemIdentifier& key) { return ResolveDisplay(model_, key); });
    }
    model::CAcceptFld* Accept(const ItemIdentifier& named) {
        return accepts_.Find(named, [&](const ItemIdentifier& key) { return ResolveAccept(model_, key); });
    }
    model::COptionItem* Option(const ItemIdentifier& named) {
        return options_.Find(named, [&](const ItemIdentifier& key) { return ResolveOption(model_, key); });
    }
    model::CModeItem* Mode(const ItemIdentifier& named) {
        return modes_.Find(named, [&](const ItemIdentifier& key) { return ResolveAnyMode(model_, key); });
    }

private:
    model::CScreenModel& model_;
    Lookups<model::CDispText> displays_;
    Lookups<model::CAcceptFld> accepts_;
    Lookups<model::COptionItem> options_;
    Lookups<model::CModeItem> modes_;
};

bool ItemMatches(StatementKind kind, const OverrideStatement& block, WantedItem& wanted) {
    const ItemIdentifier& id = block.identifier;
    switch (kind) {
        case StatementKind::Display: {
            const ItemIdentifier blockId = DisplayIdentifier(block);
            return SameItem(wanted.Display(blockId), wanted.Display(), blockId, wanted.id);
        }
        case StatementKind::Accept: return SameItem(wanted.Accept(id), wanted.Accept(), id, wanted.id);
        case StatementKind::Option: return SameItem(wanted.Option(id), wanted.Option(), id, wanted.id);
        case StatementKind::Mode: return SameItem(wanted.Mode(id), wanted.Mode(), id, wanted.id);
        case StatementKind::Window: return true;
        case StatementKind::Confirm: return id.text == wanted.id.text;
        case StatementKind::Message: return id.text == wanted.id.text;
        default: return false;
    }
}

bool BlockMatches(const OverrideStatement& block, const BlockTarget& target, WantedItem& wanted) {
    const ItemIdentifier& id = block.identifier;
    switch (target.kind) {
        case StatementKind::Box:
            return id.identificationKind == static_cast<int>(IdentificationKind::OriginalCoordinate) &&
                   id.row == target.identifier.row && id.column == target.identifier.column &&
                   block.overrides.coordinateGiven && block.overrides.row == target.bottomRow &&
                   block.overrides.column == target.rightColumn;
        case StatementKind::Trigger: {
            if (block.trigger.point != target.triggerPoint) return false;
            const int point = target.triggerPoint;
            if (point == 7 || point == 8) return true;
            if (point == 5 || point == 14) return ItemMatches(StatementKind::Option, block, wanted);
            if (point == 12 || point == 13 || point == 26) {
                return ItemMatches(StatementKind::Accept, block, wanted);
            }
            if (point == 18) {
                if (ItemMatches(StatementKind::Display, block, wanted)) return true;
                // Applying attaches the block to the added display at its `coordinate`:
                // the block is found by the same rule.
                const model::CDispText* display = wanted.Display(TriggerDisplayIdentifier(block));
                return display != nullptr && display == wanted.Display();
            }
            return ItemMatches(StatementKind::Mode, block, wanted);
        }
        default: return ItemMatches(target.kind, block, wanted);
    }
}

}  // namespace

bool BlockMatches(model::CScreenModel& model, const OverrideStatement& block, const BlockTarget& target) {
    WantedItem wanted(model, target.identifier);
    return BlockMatches(block, target, wanted);
}

namespace {

enum class Action { Update, Remove };

// The lines of the block being read, kept in one text.
class BlockLines {
public:
    void Restart(std::string_view line) {
        text_.clear();
        ends_.clear();
        Add(line);
    }
    void Add(std::string_view line) {
        text_ += line;
        ends_.push_back(text_.size());
    }
    std::size_t Size() const { return ends_.size(); }
    std::string_view Line(std::size_t i) const { return Lines(i, i + 1); }
    // Lines from..to-1 as one text.
    std::string_view Lines(std::size_t from, std::size_t to) const {
        const std::size_t begin = from == 0 ? 0 : ends_[from - 1];
        const std::size_t end = to == 0 ? 0 : ends_[to - 1];
        return std::string_view(text_).substr(begin, end > begin ? end - begin : 0);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

class BlockEditor {
public:
    // The new text is built in `out`: one append per line, no stream in between.
    BlockEditor(model::CScreenModel& model, std::string& out, const BlockTarget& target, Action action,
                PropertySelector selector, std::string_view newLine)
        : out_(out), target_(target), wanted_(model, target.identifier), action_(action),
          selector_(selector), newLine_(newLine) {}

    bool Run(std::istream& in) {
        LineReader reader(in);
        return Run(reader);
    }

    bool Run(LineReader& reader) {
        std::string line;
        while (reader.Next(line)) Take(line);
        if (collecting_) Finish();
        return matched_;
    }

private:
    bool OfInterest(StatementKind kind) const {
        if (kind != target_.kind) return false;
        return kind != StatementKind::Trigger || IsTriggerPointOfBlocks(target_.triggerPoint);
    }

    void Take(const std::string& line) {
        if (matched_) {
            out_ += line;
            return;
        }
        const ClassifiedLine classified = ClassifyLine(line);
        if (classified.what == LineClass::Keyword) {
            // A keyword line ends a block that never closed; once that block
            // matched, this line starts nothing more to collect.
            if (collecting_) Finish();
            if (!matched_ && OfInterest(classified.kind)) {
                collecting_ = true;
                block_.Restart(line);
                return;
            }
            out_ += line;
            return;
        }
        if (!collecting_) {
            out_ += line;
            return;
        }
        block_.Add(line);
        if (classified.what == LineClass::ClosingBrace) Finish();
    }

    void Finish() {
        collecting_ = false;
        OverrideStatement statement;
        std::optional<std::size_t> selectedLine;
        for (std::size_t i = 0; i < block_.Size(); ++i) {
            if (ParseStatementLineForProperty(block_.Line(i), statement, selector_)) selectedLine = i;
        }
        if (!BlockMatches(statement, target_, wanted_)) {
            Write(0, block_.Size());
            return;
        }
        matched_ = true;
        if (action_ == Action::Remove || Dropped(statement)) return;
        if (selectedLine) {
            Write(0, *selectedLine);
            if (!newLine_.empty()) out_ += newLine_;
            Write(*selectedLine + 1, block_.Size());
            return;
        }
        const bool closed = IsClosingBrace(block_.Line(block_.Size() - 1));
        const std::size_t body = closed ? block_.Size() - 1 : block_.Size();
        Write(0, body);
        if (!newLine_.empty()) {
            // A hand-edited last line without its line end would swallow the new line.
            if (body > 0 && !block_.Line(body - 1).empty() && block_.Line(body - 1).back() != '\n') out_ += '\n';
            out_ += newLine_;
        }
        if (closed) out_ += block_.Line(block_.Size() - 1);
    }

    bool Dropped(const OverrideStatement& statement) {
        switch (selector_) {
            case PropertySelector::Suppress:
            case PropertySelector::Unsuppress: {
                if (target_.kind != StatementKind::Accept) return false;
                const model::CAcceptFld* field = wanted_.Accept(statement.identifier);
                if (field == nullptr) return false;
                return selector_ == PropertySelector::Suppress ? field->suppressedInProgram
                                                               : !field->suppressedInProgram;
            }
            case PropertySelector::RemoveDefaultMode:
                return target_.kind == StatementKind::Window && block_.Size() == kWindowDefaultOnlyLines;
            case PropertySelector::RemoveFilter:
                return target_.kind == StatementKind::Accept && block_.Size() == kAcceptFilterOnlyLines;
            default: return false;
        }
    }

    void Write(std::size_t from, std::size_t to) {
        out_ += block_.Lines(from, to);
    }

    std::string& out_;
    const BlockTarget& target_;
    WantedItem wanted_;
    Action action_;
    PropertySelector selector_;
    std::string_view newLine_;
    bool collecting_ = false;
    bool matched_ = false;
    BlockLines block_;
};

// Runs an editor over the model's work file through the scratch file.
bool EditWorkFile(model::CScreenModel& model, Action action, const BlockTarget& target, PropertySelector selector,
                  std::string_view newLine, platform::MessageSink& sink) {
    const std::string& workFile = model.OverridePath();
    if (workFile.empty()) return false;
    if (std::string* held = HeldWorkFile::Find(workFile)) {
        // One pass over the held text; the action writes the file once at its end.
        LineReader reader(*held);
        std::string out;
        out.reserve(held->size() + newLine.size() + 1);
        const bool matched = BlockEditor(model, out, target, action, selector, newLine).Run(reader);
        *held = std::move(out);
        return matched;
    }
    std::ifstream in(workFile, std::ios::binary);
    if (!in) return false;
    std::string out;
    BlockEditor editor(model, out, target, action, selector, newLine);
    const bool matched = editor.Run(in);
    if (in.bad()) {
        sink.WriteOutput(texts::kOpenFailedOnTmpFile);
        return false;
    }
    in.close();
    // The whole new text takes the work file's place in one step, so an
    // interrupted update leaves the old work file whole.
    if (!platform::ReplaceScratchFile(workFile, out)) {
        sink.WriteOutput(texts::kOpenFailedOnTmpFile);
        return false;
    }
    return matched;
}

}  // namespace

bool UpdateBlockStream(model::CScreenModel& model, std::istream& in, std::ostream& out, const BlockTarget& target,
                       PropertySelector selector, std::string_view newLine) {
    std::string text;
    const bool matched = BlockEditor(model, text, target, Action::Update, selector, newLine).Run(in);
    out << text;
    return matched;
}

bool RemoveBlockStream(model::CScreenModel& model, std::istream& in, std::ostream& out, const BlockTarget& target) {
    std::string text;
    const bool matched = BlockEditor(model, text, target, Action::Remove, PropertySelector::WholeBlock, {}).Run(in);
    out << text;
    return matched;
}

bool UpdateBlockInPlace(model::CScreenModel& model, const BlockTarget& target, PropertySelector selector,
                        std::string_view newLine, platform::MessageSink& sink) {
    return EditWorkFile(model, Action::Update, target, selector, newLine, sink);
}

bool RemoveBlock(model::CScreenModel& model, const BlockTarget& target, platform::MessageSink& sink) {
    return EditWorkFile(model, Action::Remove, target, PropertySelector::WholeBlock, {}, sink);
}

bool AppendBlock(const std::string& workFilePath, StatementKind kind, const std::vector<std::string>& lines) {
    if (workFilePath.empty()) return false;
    if (std::string* held = HeldWorkFile::Find(workFilePath)) {
        if (!held->empty() && held->back() != '\n') *held += '\n';
        *held += format::KeywordLine(kind);
        *held += format::BlockOpenLine();
        for (const std::string& line : lines) *held += line;
        *held += format::BlockCloseLine();
        return true;
    }
    bool needsLineEnd = false;
    {
        std::ifstream existing(workFilePath, std::ios::binary | std::ios::ate);
        if (existing && existing.tellg() > 0) {
            existing.seekg(-1, std::ios::end);
            needsLineEnd = existing.get() != '\n';
        }
    }
    std::ofstream out(workFilePath, std::ios::binary | std::ios::app);
    if (!out) return false;
    if (needsLineEnd) out << '\n';
    out << format::KeywordLine(kind) << format::BlockOpenLine();
    for (const std::string& line : lines) out << line;
    out << format::BlockCloseLine();
    out.flush();
    return static_cast<bool>(out);
}

std::string SiblingPath(const std::string& workFilePath, std::string_view extension) {
    std::filesystem::path path(workFilePath);
    path.replace_extension(std::string(extension));
    return path.string();
}

}  // namespace overrides
