#include "tessellar/overrides/block_update.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "tessellar/overrides/block_index.h"
#include "tessellar/overrides/held_work_file.h"
#include "tessellar/overrides/item_lookups.h"
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

// Whether blocks of the target's kind are looked at at all.
bool OfInterest(const BlockTarget& target, StatementKind kind) {
    if (kind != target.kind) return false;
    return kind != StatementKind::Trigger || IsTriggerPointOfBlocks(target.triggerPoint);
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

// A look-up made on first need and kept.
template <typename Item, typename Find>
Item* Once(std::optional<Item*>& kept, Find find) {
    if (!kept) kept = find();
    return *kept;
}

// The items the target names, each looked up once for all the blocks a
// command passes.
class WantedItem {
public:
    WantedItem(ItemLookups& lookups, const ItemIdentifier& identifier) : id(identifier), lookups_(lookups) {}

    const ItemIdentifier& id;

    model::CDispText* Display() { return Once(display_, [&] { return lookups_.Display(id); }); }
    model::CAcceptFld* Accept() { return Once(accept_, [&] { return lookups_.Accept(id); }); }
    model::COptionItem* Option() { return Once(option_, [&] { return lookups_.Option(id); }); }
    model::CModeItem* Mode() { return Once(mode_, [&] { return lookups_.Mode(id); }); }
    // Box blocks are few: their boxes are looked up as asked.
    model::CBoxItem* BoxAtTopLeft(const ItemIdentifier& named) { return ResolveBoxByTopLeft(lookups_.Model(), named); }
    model::CBoxItem* Box(const BlockTarget& target) {
        return ResolveBox(lookups_.Model(), target.identifier, target.bottomRow, target.rightColumn);
    }

private:
    ItemLookups& lookups_;
    std::optional<model::CDispText*> display_;
    std::optional<model::CAcceptFld*> accept_;
    std::optional<model::COptionItem*> option_;
    std::optional<model::CModeItem*> mode_;
};

// What one block names, as matching asks for it, looked up in a scan's
// look-ups.
class ScannedNames {
public:
    ScannedNames(const OverrideStatement& block, ItemLookups& lookups) : block_(block), lookups_(lookups) {}

    const ItemIdentifier& DisplayId() {
        if (!displayId_) displayId_ = DisplayIdentifier(block_);
        return *displayId_;
    }
    model::CDispText* Display() { return lookups_.Display(DisplayId()); }
    model::CDispText* TriggerDisplay() { return lookups_.Display(TriggerDisplayIdentifier(block_)); }
    model::CAcceptFld* Accept() { return lookups_.Accept(block_.identifier); }
    model::COptionItem* Option() { return lookups_.Option(block_.identifier); }
    model::CModeItem* Mode() { return lookups_.Mode(block_.identifier); }

private:
    const OverrideStatement& block_;
    ItemLookups& lookups_;
    std::optional<ItemIdentifier> displayId_;
};

// The same for an indexed block, whose items are kept beside it for the
// look-ups' generation: a command after the first compares pointers only.
class KeptNames {
public:
    KeptNames(IndexedBlock& block, ItemLookups& lookups)
        : block_(block.Parsed().statement), items_(block.items), lookups_(lookups) {
        items_.KeepFor(lookups.Generation());
    }

    const ItemIdentifier& DisplayId() {
        if (!items_.displayId) items_.displayId = DisplayIdentifier(block_);
        return *items_.displayId;
    }
    model::CDispText* Display() { return Once(items_.display, [&] { return lookups_.Display(DisplayId()); }); }
    model::CDispText* TriggerDisplay() {
        return Once(items_.triggerDisplay, [&] { return lookups_.Display(TriggerDisplayIdentifier(block_)); });
    }
    model::CAcceptFld* Accept() { return Once(items_.accept, [&] { return lookups_.Accept(block_.identifier); }); }
    model::COptionItem* Option() { return Once(items_.option, [&] { return lookups_.Option(block_.identifier); }); }
    model::CModeItem* Mode() { return Once(items_.mode, [&] { return lookups_.Mode(block_.identifier); }); }

private:
    const OverrideStatement& block_;
    BlockItems& items_;
    ItemLookups& lookups_;
};

template <typename Names>
bool ItemMatches(StatementKind kind, const OverrideStatement& block, Names& names, WantedItem& wanted) {
    const ItemIdentifier& id = block.identifier;
    switch (kind) {
        case StatementKind::Display: return SameItem(names.Display(), wanted.Display(), names.DisplayId(), wanted.id);
        case StatementKind::Accept: return SameItem(names.Accept(), wanted.Accept(), id, wanted.id);
        case StatementKind::Option: return SameItem(names.Option(), wanted.Option(), id, wanted.id);
        case StatementKind::Mode: return SameItem(names.Mode(), wanted.Mode(), id, wanted.id);
        case StatementKind::Window: return true;
        case StatementKind::Confirm: return id.text == wanted.id.text;
        case StatementKind::Message: return id.text == wanted.id.text;
        default: return false;
    }
}

template <typename Names>
bool Matches(const OverrideStatement& block, const BlockTarget& target, Names& names, WantedItem& wanted) {
    const ItemIdentifier& id = block.identifier;
    switch (target.kind) {
        case StatementKind::Box: {
            if (id.identificationKind != static_cast<int>(IdentificationKind::OriginalCoordinate) ||
                id.row != target.identifier.row || id.column != target.identifier.column) {
                return false;
            }
            if (block.overrides.coordinateGiven) {
                return block.overrides.row == target.bottomRow && block.overrides.column == target.rightColumn;
            }
            // A block naming the top left alone changes the box applying finds there.
            const model::CBoxItem* box = wanted.BoxAtTopLeft(id);
            return box != nullptr && box == wanted.Box(target);
        }
        case StatementKind::Trigger: {
            if (block.trigger.point != target.triggerPoint) return false;
            const int point = target.triggerPoint;
            if (point == 7 || point == 8) return true;
            if (point == 5 || point == 14) return ItemMatches(StatementKind::Option, block, names, wanted);
            if (point == 12 || point == 13 || point == 26) {
                return ItemMatches(StatementKind::Accept, block, names, wanted);
            }
            if (point == 18) {
                if (ItemMatches(StatementKind::Display, block, names, wanted)) return true;
                // Applying attaches the block to the added display at its `coordinate`:
                // the block is found by the same rule.
                const model::CDispText* display = names.TriggerDisplay();
                return display != nullptr && display == wanted.Display();
            }
            return ItemMatches(StatementKind::Mode, block, names, wanted);
        }
        default: return ItemMatches(target.kind, block, names, wanted);
    }
}

enum class Action { Update, Remove };

// What becomes of the matched block.
enum class Outcome {
    Update,     // its selected line replaced or added
    Drop,       // it goes whole
    AsProgram,  // the field shows as the program has it: see WriteAsProgram
};

template <typename Names>
Outcome OutcomeOf(Action action, PropertySelector selector, const BlockTarget& target, std::size_t lines,
                  Names& names) {
    if (action == Action::Remove) return Outcome::Drop;
    switch (selector) {
        case PropertySelector::Suppress:
        case PropertySelector::Unsuppress: {
            if (target.kind != StatementKind::Accept) return Outcome::Update;
            const model::CAcceptFld* field = names.Accept();
            if (field == nullptr) return Outcome::Update;
            const bool asProgram =
                selector == PropertySelector::Suppress ? field->suppressedInProgram : !field->suppressedInProgram;
            return asProgram ? Outcome::AsProgram : Outcome::Update;
        }
        case PropertySelector::RemoveDefaultMode:
            return target.kind == StatementKind::Window && lines == kWindowDefaultOnlyLines ? Outcome::Drop
                                                                                             : Outcome::Update;
        case PropertySelector::RemoveFilter:
            return target.kind == StatementKind::Accept && lines == kAcceptFilterOnlyLines ? Outcome::Drop
                                                                                            : Outcome::Update;
        default: return Outcome::Update;
    }
}

bool IsAcceptIdentifierKey(std::string_view key) {
    return key == texts::kName || key == texts::kTag || key == texts::kOrigCoordinate || key == texts::kOrigText;
}

// An entry field hidden or shown again as the program has it: its block
// loses the suppress line and the default that hiding needed, and keeps
// every other change the user made to the field (a move, a title, a
// filter). A block left naming the field alone goes, and nothing is written.
void WriteAsProgram(const BlockLines& block, const ParsedBlock& parsed, std::string& out) {
    bool changesMore = false;
    std::string kept;
    for (std::size_t i = 0; i < block.Size(); ++i) {
        const std::string_view key = parsed.keys[i];
        if (key == texts::kSuppress || key == texts::kDefault) continue;
        if (!key.empty() && !IsAcceptIdentifierKey(key)) changesMore = true;
        kept += block.Line(i);
    }
    if (changesMore) out += kept;
}

// The matched block as the update leaves it, added to `out`: its selected
// line replaced by the new one (or gone, for an empty new line), or without
// a selected line the new line added before its "}".
void WriteUpdated(const BlockLines& block, std::optional<std::size_t> selectedLine, std::string_view newLine,
                  std::string& out) {
    if (selectedLine) {
        out += block.Lines(0, *selectedLine);
        if (!newLine.empty()) out += newLine;
        out += block.Lines(*selectedLine + 1, block.Size());
        return;
    }
    const bool closed = IsClosingBrace(block.Line(block.Size() - 1));
    const std::size_t body = closed ? block.Size() - 1 : block.Size();
    out += block.Lines(0, body);
    if (!newLine.empty()) {
        // A hand-edited last line without its line end would swallow the new line.
        if (body > 0 && !block.Line(body - 1).empty() && block.Line(body - 1).back() != '\n') out += '\n';
        out += newLine;
    }
    if (closed) out += block.Line(block.Size() - 1);
}

}  // namespace

bool BlockMatches(model::CScreenModel& model, const OverrideStatement& block, const BlockTarget& target) {
    ItemLookups lookups(model);
    WantedItem wanted(lookups, target.identifier);
    ScannedNames names(block, lookups);
    return Matches(block, target, names, wanted);
}

namespace {

// One pass over a whole text, copying it and changing the first matching block.
class BlockEditor {
public:
    // The new text is built in `out`: one append per line, no stream in between.
    BlockEditor(model::CScreenModel& model, std::string& out, const BlockTarget& target, Action action,
                PropertySelector selector, std::string_view newLine)
        : out_(out), target_(target), lookups_(model), wanted_(lookups_, target.identifier), action_(action),
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
            if (!matched_ && OfInterest(target_, classified.kind)) {
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
        ParseBlock(block_, parsed_);
        ScannedNames names(parsed_.statement, lookups_);
        if (!Matches(parsed_.statement, target_, names, wanted_)) {
            out_ += block_.Text();
            return;
        }
        matched_ = true;
        switch (OutcomeOf(action_, selector_, target_, block_.Size(), names)) {
            case Outcome::Drop: return;
            case Outcome::AsProgram: WriteAsProgram(block_, parsed_, out_); return;
            case Outcome::Update: WriteUpdated(block_, SelectedLine(parsed_, selector_), newLine_, out_); return;
        }
    }

    std::string& out_;
    const BlockTarget& target_;
    ItemLookups lookups_;  // a scan changes no item
    WantedItem wanted_;
    Action action_;
    PropertySelector selector_;
    std::string_view newLine_;
    bool collecting_ = false;
    bool matched_ = false;
    BlockLines block_;
    ParsedBlock parsed_;
};

// The same change through the held text's block index: whether a block
// matched, or none when the index cannot take the change (nothing changed,
// and the whole text takes it instead).
std::optional<bool> EditIndexed(BlockIndex& index, model::CScreenModel& model, Action action,
                                const BlockTarget& target, PropertySelector selector, std::string_view newLine) {
    if (!OfInterest(target, target.kind)) return false;
    ItemLookups& lookups = index.Lookups(model);
    lookups.Refresh();  // an earlier command may have changed the items
    WantedItem wanted(lookups, target.identifier);
    IndexedBlock* block = index.FirstOf(target.kind, [&](IndexedBlock& candidate) {
        KeptNames names(candidate, lookups);
        return Matches(candidate.Parsed().statement, target, names, wanted);
    });
    if (block == nullptr) return false;
    KeptNames names(*block, lookups);
    std::string updated;
    switch (OutcomeOf(action, selector, target, block->lines.Size(), names)) {
        case Outcome::Drop: break;
        case Outcome::AsProgram: WriteAsProgram(block->lines, block->Parsed(), updated); break;
        case Outcome::Update: WriteUpdated(block->lines, SelectedLine(block->Parsed(), selector), newLine, updated); break;
    }
    if (updated.empty() ? !index.Remove(*block) : !index.Replace(*block, updated)) return std::nullopt;
    return true;
}

// Runs an editor over the model's work file through the scratch file.
bool EditWorkFile(model::CScreenModel& model, Action action, const BlockTarget& target, PropertySelector selector,
                  std::string_view newLine, platform::MessageSink& sink) {
    const std::string& workFile = model.OverridePath();
    if (workFile.empty()) return false;
    if (HeldWorkFile* held = HeldWorkFile::Of(workFile)) {
        // The action writes the file once at its end; its commands share one
        // index of the held text's blocks.
        if (BlockIndex* index = held->Blocks()) {
            if (const std::optional<bool> matched = EditIndexed(*index, model, action, target, selector, newLine)) {
                return *matched;
            }
            held->GiveUpBlocks();
        }
        // One pass over the whole held text.
        std::string& text = held->WholeText();
        LineReader reader(text);
        std::string out;
        out.reserve(text.size() + newLine.size() + 1);
        const bool matched = BlockEditor(model, out, target, action, selector, newLine).Run(reader);
        text = std::move(out);
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
    if (HeldWorkFile* held = HeldWorkFile::Of(workFilePath)) {
        std::string block = format::KeywordLine(kind);
        block += format::BlockOpenLine();
        for (const std::string& line : lines) block += line;
        block += format::BlockCloseLine();
        if (BlockIndex* index = held->Blocks()) {
            if (index->Append(kind, block)) return true;
            held->GiveUpBlocks();
        }
        std::string& text = held->WholeText();
        if (!text.empty() && text.back() != '\n') text += '\n';
        text += block;
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
