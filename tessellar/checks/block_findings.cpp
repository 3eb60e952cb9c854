#include "tessellar/checks/block_findings.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/line_trim.h"
#include "platform/text_case.h"
#include "tessellar/checks/check_texts.h"
#include "tessellar/checks/identifier_fixes.h"
#include "tessellar/checks/item_keys.h"
#include "tessellar/checks/nearest_item.h"
#include "tessellar/checks/text_distance.h"
#include "tessellar/model/attribute_flags.h"
#include "tessellar/overrides/item_resolution.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/statement_parser.h"
#include "tessellar/overrides/trigger_words.h"
#include "tessellar/overrides/value_readers.h"
#include "tessellar/pictures/picture_compiler.h"
#include "tessellar/model/colour_names.h"

namespace checks {

namespace {

namespace keys = overrides::texts;
using overrides::LineProblem;
using overrides::StatementKind;

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The block's key, named only once a finding needs it: most blocks have none.
class LazyKey {
public:
    explicit LazyKey(const overrides::OverrideStatement& statement) : statement_(statement) {}
    const std::string& operator()() const {
        if (!key_) key_ = statement_.identifier.statementKind == StatementKind::None ? std::string()
                                                                                     : BlockKey(statement_);
        return *key_;
    }

private:
    const overrides::OverrideStatement& statement_;
    mutable std::optional<std::string> key_;
};

std::string KeyValue(std::string_view key, std::string_view value) {
    return std::string(key) + " = " + std::string(value);
}

// The word among `words` nearest to `wanted`, as a hint; empty when none is near.
std::string NearestWord(std::string_view wanted, const std::vector<std::string_view>& words) {
    std::string_view best;
    std::size_t bestScore = 0;
    for (const std::string_view word : words) {
        const std::optional<std::size_t> score = Nearness(wanted, word);
        if (score && (best.empty() || *score < bestScore)) {
            best = word;
            bestScore = *score;
        }
    }
    return best.empty() ? std::string() : texts::kNearest + std::string(best);
}

std::vector<std::string_view> ColourWords() {
    std::vector<std::string_view> words;
    for (const model::NamedColour& colour : model::kColourNames) words.push_back(colour.name);
    return words;
}

std::vector<std::string> AttributeWords() {
    std::vector<std::string> words;
    const std::string all = model::AttributesToText(~model::AttributeFlags{0}, true);
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t comma = std::min(all.find(',', start), all.size());
        words.push_back(all.substr(start, comma - start));
        start = comma + 1;
    }
    return words;
}

// The words of a trigger table, in the order of their codes.
template <typename Table>
std::vector<std::string_view> WordsOf(const Table& table) {
    std::vector<std::string_view> words;
    for (const auto& entry : table) words.push_back(entry.word);
    return words;
}

// `given` is what the block's attributes hold: a word ignored only for its
// blanks changes nothing when another word already gives its flag.
void ReportUnknownAttributes(const NotedLine& noted, long long given, const LazyKey& blockKey,
                             SectionFindings& findings) {
    static const std::vector<std::string> known = AttributeWords();
    std::vector<std::string_view> words(known.begin(), known.end());
    std::string_view rest = noted.notes.detail;
    while (true) {
        const std::size_t bar = rest.find('|');
        const std::string_view word = rest.substr(0, bar);
        const std::string_view bare = platform::TrimBlanks(word);
        std::string hint;
        for (const std::string_view candidate : words) {
            if (bare == candidate) hint = texts::kBlanksCount;
        }
        const model::AttributeFlags meant = overrides::ReadAttributeList(bare);
        const bool noEffect = !hint.empty() && given != -1 && (static_cast<model::AttributeFlags>(given) & meant) == meant;
        if (hint.empty()) hint = NearestWord(bare, words);
        if (!noEffect) {
            findings.Add(noted.line, FindingKind::UnknownAttribute, blockKey(),
                         std::string(keys::kAttributes) + ": " + Quoted(word) + texts::kNoAttributeWord, hint);
        }
        if (bar == std::string_view::npos) break;
        rest.remove_prefix(bar + 1);
    }
}

void ReportLine(const NotedLine& noted, const overrides::OverrideStatement& statement, const LazyKey& blockKey,
                SectionFindings& findings) {
    const overrides::LineNotes& notes = noted.notes;
    const std::string_view key = notes.key;
    switch (notes.problem) {
        case LineProblem::None: return;
        case LineProblem::UnknownKey: {
            static const std::vector<std::string_view> known = overrides::StatementKeys();
            findings.Add(noted.line, FindingKind::UnknownKey, blockKey(), Quoted(notes.detail) + texts::kNotAKey,
                         NearestWord(notes.detail, known));
            return;
        }
        case LineProblem::NotAPair:
            findings.Add(noted.line, FindingKind::NotAPair, blockKey(), KeyValue(key, notes.detail) + texts::kNotAPair);
            return;
        case LineProblem::OutOfRange:
            findings.Add(noted.line, FindingKind::OutOfRange, blockKey(),
                         KeyValue(key, notes.detail) + texts::kBeyondScreen);
            return;
        case LineProblem::NotABoolean:
            findings.Add(noted.line, FindingKind::NotABoolean, blockKey(),
                         KeyValue(key, notes.detail) + texts::kReadsAsFalse, texts::kWriteTrueOrFalse);
            return;
        case LineProblem::UnknownColour: {
            static const std::vector<std::string_view> colours = ColourWords();
            const std::string_view foreground = platform::TrimBlanks(std::string_view(notes.detail).substr(0, notes.detail.find('/')));
            findings.Add(noted.line, FindingKind::UnknownColour, blockKey(),
                         KeyValue(key, notes.detail) + ": " + std::string(foreground) + texts::kNoColour,
                         NearestWord(platform::LowerCased(foreground), colours));
            return;
        }
        case LineProblem::UnknownBackground: {
            static const std::vector<std::string_view> colours = ColourWords();
            findings.Add(noted.line, FindingKind::UnknownColour, blockKey(),
                         std::string(key) + ": " + Quoted(notes.detail) + texts::kNoBackground,
                         NearestWord(platform::LowerCased(platform::TrimBlanks(notes.detail)), colours));
            return;
        }
        case LineProblem::UnknownAttribute:
            ReportUnknownAttributes(noted, statement.overrides.attributes, blockKey, findings);
            return;
        case LineProblem::UnknownWord: {
            const bool point = key == keys::kTriggerPoint;
            static const std::vector<std::string_view> points = WordsOf(overrides::kTriggerPoints);
            static const std::vector<std::string_view> types = WordsOf(overrides::kTriggerTypes);
            // Trigger types are compared whole: blanks after the word count.
            const std::string bare =
                point ? platform::LowerCased(notes.detail) : std::string(platform::TrimBlanks(notes.detail));
            const std::vector<std::string_view>& words = point ? points : types;
            const bool blanks = std::find(words.begin(), words.end(), bare) != words.end();
            findings.Add(noted.line, FindingKind::UnknownWord, blockKey(),
                         KeyValue(key, Quoted(notes.detail)) +
                             (point ? texts::kNoTriggerPointWord : texts::kNoTriggerTypeWord),
                         blanks ? std::string(texts::kBlanksInWord) : NearestWord(bare, words));
            return;
        }
        case LineProblem::Cut:
            findings.Add(noted.line, FindingKind::CutValue, blockKey(),
                         std::string(key) + texts::kHolds + std::to_string(notes.length) + texts::kCharactersKeeps +
                             std::to_string(notes.capacity));
            return;
    }
}

// The keys of a block before the first keyword: the runtime has no block to give them to.
void ReportOutsideBlock(const BlockRecord& block, SectionFindings& findings) {
    for (const KeyLine& key : block.keys) {
        findings.Add(key.line, FindingKind::OutsideBlock, {}, Quoted(key.key) + texts::kBeforeFirstKeyword);
    }
}

bool ProgramHasField(const model::CScreenModel& model, const std::string& name) {
    for (const model::FieldList list :
         {model::FieldList::ScreenLocal, model::FieldList::Program, model::FieldList::RecordSource}) {
        if (model.FindFieldEntry(list, name) != nullptr) return true;
    }
    return false;
}

// A fix changes the one line that names the item; a block named twice over
// (text and place) is for a person to mend.
std::optional<Fix> IdentifierFix(const BlockRecord& block, const ItemProposal& proposal) {
    if (proposal.identifier.empty()) return std::nullopt;
    std::size_t identifierLine = 0;
    int identifiers = 0;
    for (const KeyLine& key : block.keys) {
        if (IsIdentifierKey(key.key)) {
            ++identifiers;
            identifierLine = key.line;
        }
    }
    if (identifiers != 1) return std::nullopt;
    return Fix{identifierLine, {}, proposal.identifier, proposal.confidence};
}

void ReportUnresolved(const model::CScreenModel& model, const BlockRecord& block,
                      const overrides::OverrideStatement& statement, const overrides::StatementOutcome& outcome,
                      const LazyKey& blockKey, SectionFindings& findings) {
    const StatementKind kind = statement.identifier.statementKind;
    const overrides::ItemOverrides& o = statement.overrides;
    auto unresolved = [&](std::string message) {
        ItemProposal proposal = NearestItem(model, statement);
        findings.Add(block.line, FindingKind::UnresolvedItem, blockKey(), blockKey() + std::move(message),
                     std::move(proposal.hint), IdentifierFix(block, proposal));
    };
    switch (kind) {
        case StatementKind::Display: {
            const overrides::ItemIdentifier id = overrides::DisplayIdentifier(statement);
            const bool byName = id.identificationKind == static_cast<int>(model::IdentificationKind::Name);
            if (outcome.display == nullptr) break;
            if (outcome.created && byName && o.added == overrides::kNotGiven) {
                unresolved(texts::kScreenHasNoSuch + NounOf(statement) + texts::kAddsDisplayInstead);
            } else if (outcome.created && byName && !ProgramHasField(model, id.text)) {
                unresolved(texts::kNoSuchField);
            }
            return;
        }
        case StatementKind::Box:
            // A block that adds a box says so; one that only meant to change a box found none.
            if (outcome.created && o.added == overrides::kNotGiven) {
                unresolved(texts::kScreenHasNoSuch + NounOf(statement) + texts::kAddsBoxInstead);
                return;
            }
            break;
        case StatementKind::Confirm:
            if (outcome.created) unresolved(texts::kScreenHasNoSuch + NounOf(statement) + texts::kAddsConfirmInstead);
            return;
        case StatementKind::Message:
            if (o.textGiven && outcome.messages == 0) {
                ItemProposal proposal = NearestItem(model, statement);
                findings.Add(block.line, FindingKind::UnknownMessage, blockKey(), blockKey() + texts::kNoSuchMessage,
                             std::move(proposal.hint), IdentifierFix(block, proposal));
            }
            return;
        case StatementKind::Trigger:
            if (outcome.refused & overrides::refused::kNoTriggerPoint) return;
            break;
        case StatementKind::Window:
        case StatementKind::None: return;
        default: break;
    }
    if (outcome.Reached()) return;
    const overrides::ItemIdentifier id =
        kind == StatementKind::Display ? overrides::DisplayIdentifier(statement) : statement.identifier;
    if (id.identificationKind == overrides::kNoIdentification && kind != StatementKind::Trigger) {
        findings.Add(block.line, FindingKind::UnresolvedItem, blockKey(), blockKey() + texts::kNamesNoItem,
                     texts::kNameTheItem);
        return;
    }
    unresolved(texts::kScreenHasNoSuch + NounOf(statement) + texts::kSkipsBlock);
}

bool UnknownPointWord(const BlockRecord& block) {
    for (const NotedLine& noted : block.problems) {
        if (noted.notes.key == keys::kTriggerPoint && noted.notes.problem == LineProblem::UnknownWord) return true;
    }
    return false;
}

void ReportRefused(const BlockRecord& block, const overrides::OverrideStatement& statement,
                   const overrides::StatementOutcome& outcome, const LazyKey& blockKey,
                   SectionFindings& findings) {
    const overrides::ItemOverrides& o = statement.overrides;
    if (outcome.refused & overrides::refused::kScale) {
        findings.Add(block.LineOr(keys::kScale), FindingKind::OutOfRange, blockKey(),
                     KeyValue(keys::kScale, std::to_string(o.scale)) + texts::kScaleOutside);
    }
    if (outcome.refused & overrides::refused::kWindowSize) {
        findings.Add(block.LineOr(keys::kWindowSize), FindingKind::OutOfRange, blockKey(),
                     KeyValue(keys::kWindowSize, CellText(o.windowWidth, o.windowHeight)) + texts::kNoCells);
    }
    if (outcome.refused & overrides::refused::kAllowedAndDisallowed) {
        findings.Add(std::max(block.LineOf(keys::kAllowed), block.LineOf(keys::kDisallowed)),
                     FindingKind::AllowedAndDisallowed, blockKey(), blockKey() + texts::kBothLists);
    }
    if ((outcome.refused & overrides::refused::kNoTriggerPoint) && !UnknownPointWord(block)) {
        const bool modePoint = statement.trigger.point == static_cast<int>(model::TriggerPoint::Mode);
        findings.Add(modePoint ? block.LineOr(keys::kTriggerPoint) : block.line, FindingKind::NoTriggerPoint, blockKey(),
                     blockKey() + (modePoint ? texts::kModePoint : texts::kNoPoint));
    }
}

void ReportPicture(const BlockRecord& block, const overrides::OverrideStatement& statement,
                   const overrides::StatementOutcome& outcome, const LazyKey& blockKey,
                   SectionFindings& findings) {
    const overrides::ItemOverrides& o = statement.overrides;
    if (!o.pictureGiven || (outcome.display == nullptr && outcome.accept == nullptr) || outcome.removed) return;
    if (pictures::CompilePicture(o.picture).status != pictures::PictureStatus::Invalid) return;
    findings.Add(block.LineOr(keys::kPicture), FindingKind::InvalidPicture, blockKey(),
                 KeyValue(keys::kPicture, o.picture) + texts::kInvalidPicture);
}

}  // namespace

void ReportBlock(const model::CScreenModel& model, const BlockRecord& block,
                 const overrides::OverrideStatement& statement, const overrides::StatementOutcome& outcome,
                 SectionFindings& findings) {
    const bool outside = statement.identifier.statementKind == StatementKind::None;
    const LazyKey blockKey(statement);
    for (const NotedLine& noted : block.problems) ReportLine(noted, statement, blockKey, findings);
    if (outside) {
        ReportOutsideBlock(block, findings);
        return;
    }
    ReportUnresolved(model, block, statement, outcome, blockKey, findings);
    ReportRefused(block, statement, outcome, blockKey, findings);
    ReportPicture(block, statement, outcome, blockKey, findings);
}

}  // namespace checks
