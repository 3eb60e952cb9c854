#include "tessellar/checks/section_trace.h"

#include <algorithm>

#include "tessellar/checks/block_findings.h"
#include "tessellar/checks/check_texts.h"
#include "tessellar/checks/item_keys.h"
#include "tessellar/checks/screen_spoils.h"
#include "tessellar/overrides/item_resolution.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/statement_parser.h"

namespace checks {

namespace {

namespace keys = overrides::texts;
using overrides::StatementKind;

// Where the reader stands in the body: just past the line it handed over.
std::size_t Position(std::istream& in) {
    const auto position = in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    return position < 0 ? 0 : static_cast<std::size_t>(position);
}

// A trigger block replaces its point's whole trigger, whatever lines it gives.
constexpr int kWholeTrigger = 63;

// The bit of a key: its place in the parser's key list.
int KeyBit(std::string_view key) {
    static const std::vector<std::string_view> keys = overrides::StatementKeys();
    for (std::size_t index = 0; index < keys.size() && index < kWholeTrigger; ++index) {
        if (keys[index].data() == key.data() || keys[index] == key) return static_cast<int>(index);
    }
    return -1;
}

std::string_view KeyOfBit(int bit) {
    static const std::vector<std::string_view> keys = overrides::StatementKeys();
    return bit == kWholeTrigger ? std::string_view(keys::kTrigger) : keys[static_cast<std::size_t>(bit)];
}

// Only what BlockKey reads of a statement.
overrides::OverrideStatement NamingPart(const overrides::OverrideStatement& statement) {
    overrides::OverrideStatement named;
    named.identifier = statement.identifier;
    named.trigger.point = statement.trigger.point;
    const overrides::ItemOverrides& o = statement.overrides;
    named.overrides.row = o.row;
    named.overrides.column = o.column;
    named.overrides.coordinateGiven = o.coordinateGiven;
    named.overrides.added = o.added;
    named.overrides.hasExplicitIdentifier = o.hasExplicitIdentifier;
    named.overrides.textGiven = o.textGiven;
    if (o.textGiven && statement.identifier.statementKind == StatementKind::Display) named.overrides.text = o.text;
    return named;
}

// The keys that find the item rather than change it.
bool IdentifiesItem(std::string_view key, const overrides::OverrideStatement& statement) {
    if (key == keys::kTag || key == keys::kName || key == keys::kOrigText || key == keys::kOrigCoordinate ||
        key == keys::kTriggerPoint) {
        return true;
    }
    const StatementKind kind = statement.identifier.statementKind;
    if (kind == StatementKind::Box) return key == keys::kCoordinate;
    if (kind == StatementKind::Display) {
        const int found = overrides::DisplayIdentifier(statement).identificationKind;
        const bool added = found == static_cast<int>(model::IdentificationKind::AddedPrompt) ||
                           found == static_cast<int>(model::IdentificationKind::AddedDisplay);
        return added && (key == keys::kAdd || key == keys::kText || key == keys::kCoordinate);
    }
    return false;
}

// Whether the value a key line gives takes effect: a value the reader
// ignores or applying refuses leaves the earlier one in force, so it makes
// no earlier block dead.
bool ValueApplies(const KeyLine& key, const BlockRecord& block, unsigned refusedValues) {
    using overrides::LineProblem;
    for (const NotedLine& noted : block.problems) {
        if (noted.line != key.line) continue;
        const LineProblem problem = noted.notes.problem;
        if (problem == LineProblem::NotAPair || problem == LineProblem::OutOfRange ||
            problem == LineProblem::UnknownColour) {
            return false;
        }
    }
    namespace refused = overrides::refused;
    if (key.key == keys::kScale) return !(refusedValues & refused::kScale);
    if (key.key == keys::kWindowSize) return !(refusedValues & refused::kWindowSize);
    if (key.key == keys::kAllowed || key.key == keys::kDisallowed) {
        return !(refusedValues & refused::kAllowedAndDisallowed);
    }
    return true;
}

// What a key line gives, as written: the text after its '=' (after the key
// when there is none), blanks and line end around it dropped.
std::string WrittenValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    std::string_view value = equals == std::string_view::npos ? line : line.substr(equals + 1);
    if (equals == std::string_view::npos) {
        const std::size_t start = value.find_first_not_of(" \t");
        const std::size_t blank = value.find_first_of(" \t", start == std::string_view::npos ? 0 : start);
        value = blank == std::string_view::npos ? std::string_view() : value.substr(blank);
    }
    const std::size_t first = value.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const std::size_t last = value.find_last_not_of(" \t\r\n");
    return std::string(value.substr(first, last - first + 1));
}

std::string LineList(std::vector<std::size_t> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += i + 1 == lines.size() ? texts::kAnd : ", ";
        text += std::to_string(lines[i]);
    }
    return text;
}

std::string KeyList(std::uint64_t bits) {
    std::string text;
    for (int bit = 0; bit < 64; ++bit) {
        if (!(bits & (std::uint64_t{1} << bit))) continue;
        if (!text.empty()) text += ", ";
        text += KeyOfBit(bit);
    }
    return text;
}

}  // namespace

SectionTrace::SectionTrace(const model::CScreenModel& model, const OverrideSection& section, std::istream& body,
                           SectionFindings& findings)
    : model_(model), section_(section), body_(body), findings_(findings) {}

void SectionTrace::LineRead(std::string_view text, const overrides::LineNotes& notes) {
    const std::size_t after = Position(body_);
    const std::size_t line = section_.FileLineAt(after == 0 ? 0 : after - 1);
    // The rest of an over-long line, read as a line of its own, is reported
    // as the long line it belongs to, not as what it happens to spell.
    const bool continuation = !lineEnded_;
    lineEnded_ = !text.empty() && text.back() == '\n';
    if (continuation) return;
    if (notes.keyword) {
        block_.Reset(line);
        return;
    }
    if (!notes.key.empty()) block_.keys.push_back({notes.key, line, WrittenValue(text)});
    if (notes.problem != overrides::LineProblem::None) block_.problems.push_back({line, notes});
}

void SectionTrace::StatementApplied(const overrides::OverrideStatement& statement,
                                    const overrides::StatementOutcome& outcome) {
    ReportBlock(model_, block_, statement, outcome, findings_);
    ReportRepeatedKeys();
    if (statement.identifier.statementKind != StatementKind::None && outcome.Reached()) {
        TrackRepeats(statement, outcome);
        TrackTouches(statement, outcome);
    }
    block_.Reset();
}

// A key given twice in one block: the later line wins, the earlier is dead.
void SectionTrace::ReportRepeatedKeys() {
    if (block_.line == 0) return;
    for (std::size_t i = 0; i < block_.keys.size(); ++i) {
        for (std::size_t j = i + 1; j < block_.keys.size(); ++j) {
            if (block_.keys[j].key != block_.keys[i].key) continue;
            findings_.Add(block_.keys[i].line, FindingKind::RepeatedItem, {},
                          "\"" + std::string(block_.keys[i].key) + texts::kGivenAgainAt +
                              std::to_string(block_.keys[j].line) + texts::kInThisBlock);
            break;
        }
    }
}

void SectionTrace::TrackRepeats(const overrides::OverrideStatement& statement,
                                const overrides::StatementOutcome& outcome) {
    const StatementKind kind = statement.identifier.statementKind;
    const void* item = outcome.Item();
    if (outcome.created) Forget(item);
    if (outcome.removed) {
        Forget(item);
        return;
    }
    if (item == nullptr && outcome.screen) item = &model_;
    const std::string text = kind == StatementKind::Message ? statement.identifier.text : std::string();
    const int point = kind == StatementKind::Trigger ? statement.trigger.point : 0;
    const Identity identity{static_cast<int>(kind), point, item, text};

    AppliedBlock applied;
    applied.line = block_.line;
    if (kind == StatementKind::Trigger) {
        applied.properties = std::uint64_t{1} << kWholeTrigger;
    } else {
        for (const KeyLine& key : block_.keys) {
            if (IdentifiesItem(key.key, statement) || !ValueApplies(key, block_, outcome.refused)) continue;
            if (const int bit = KeyBit(key.key); bit >= 0) {
                applied.properties |= std::uint64_t{1} << bit;
                applied.values[bit] = key.value;  // the later of two lines of one key is the one applied
            }
        }
    }
    if (applied.properties == 0) return;
    const std::size_t index = applied_.size();
    std::vector<std::pair<int, std::size_t>>& owners = owners_[identity];
    for (int bit = 0; bit < 64; ++bit) {
        if (!(applied.properties & (std::uint64_t{1} << bit))) continue;
        const auto owner = std::find_if(owners.begin(), owners.end(), [bit](const auto& entry) { return entry.first == bit; });
        if (owner != owners.end()) {
            // The same value given again changes nothing the earlier block
            // said (the batch tool writes a block for each place a message
            // part stands): only a different one makes it dead.
            AppliedBlock& earlier = applied_[owner->second];
            const auto before = earlier.values.find(bit);
            if (before == earlier.values.end() || before->second != applied.values[bit]) {
                earlier.dead |= std::uint64_t{1} << bit;
                earlier.deadBy.push_back(block_.line);
            }
            owner->second = index;
        } else {
            owners.emplace_back(bit, index);
        }
    }
    applied.named = NamingPart(statement);
    applied_.push_back(std::move(applied));
}

void SectionTrace::TrackTouches(const overrides::OverrideStatement& statement,
                                const overrides::StatementOutcome& outcome) {
    const overrides::ItemOverrides& o = statement.overrides;
    if (statement.identifier.statementKind == StatementKind::Window && o.windowSizeGiven &&
        !(outcome.refused & overrides::refused::kWindowSize)) {
        touches_.windowLine = block_.LineOf(keys::kWindowSize);
    }
    if (statement.identifier.statementKind == StatementKind::Trigger || outcome.removed) return;
    const void* item = outcome.display != nullptr  ? static_cast<const void*>(outcome.display)
                       : outcome.accept != nullptr ? static_cast<const void*>(outcome.accept)
                       : outcome.option != nullptr ? static_cast<const void*>(outcome.option)
                                                   : nullptr;
    if (item == nullptr) return;
    std::size_t placed = outcome.created ? block_.line : 0;
    for (const char* key : {keys::kCoordinate, keys::kNewPromptCoord, keys::kPicture, keys::kSuppress, keys::kAdd}) {
        placed = std::max(placed, block_.LineOf(key));
    }
    if (placed != 0) touches_.placed[item] = placed;
    if (outcome.display != nullptr) {
        const std::size_t texted = std::max(block_.LineOf(keys::kText), block_.LineOf(keys::kNewPromptText));
        if (texted != 0) touches_.texted[item] = texted;
    }
    if (outcome.accept != nullptr) {
        if (const std::size_t line = block_.LineOf(keys::kSuppress)) touches_.hidden[item] = line;
        if (const std::size_t line = block_.LineOf(keys::kReadonly)) touches_.readOnly[item] = line;
    }
}

void SectionTrace::Forget(const void* item) {
    if (item == nullptr) return;
    touches_.Forget(item);
    for (auto at = owners_.begin(); at != owners_.end();) {
        at = std::get<2>(at->first) == item ? owners_.erase(at) : std::next(at);
    }
}

void SectionTrace::Finish() {
    for (const AppliedBlock& applied : applied_) {
        if (applied.dead == 0) continue;
        const bool whole = applied.dead == applied.properties;
        std::vector<std::size_t> lines = applied.deadBy;
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        const bool one = lines.size() == 1;
        const std::string key = BlockKey(applied.named);
        std::string message = key + (one ? texts::kSameItemAt : texts::kSameItemLines) + LineList(lines);
        if (whole) {
            message += one ? texts::kGiveEveryValueOne : texts::kGiveEveryValue;
        } else {
            message += (one ? texts::kGivesAgainOne : texts::kGiveAgain) + KeyList(applied.dead) + texts::kValuesDead;
        }
        findings_.Add(applied.line, FindingKind::RepeatedItem, key, std::move(message));
    }
    ReportSpoils(model_, touches_, section_.headerLine, findings_);
}

}  // namespace checks
