#include "promptsweep/merge_pass.h"

#include <new>
#include <set>
#include <tuple>

#include "platform/line_trim.h"
#include "platform/message_format.h"
#include "promptsweep/override_lines.h"
#include "promptsweep/texts.h"

namespace promptsweep {

using platform::FormatText;

namespace {

struct ItemKey {
    std::string section;
    std::string keyword;
    std::string identification;
    std::string coordinate;
    bool operator<(const ItemKey& other) const {
        return std::tie(section, keyword, identification, coordinate) <
               std::tie(other.section, other.keyword, other.identification, other.coordinate);
    }
};

// Value lines held back to the end of their item, the last of each word.
struct HeldValues {
    std::string text;
    std::string title;
    std::string helpline;

    void Hold(std::string_view trimmed) {
        switch (ValueLineKind(trimmed)) {
            case ValueLine::Text: text = trimmed; break;
            case ValueLine::Title: title = trimmed; break;
            case ValueLine::Helpline: helpline = trimmed; break;
            case ValueLine::None: break;
        }
    }
    bool Any() const { return !text.empty() || !title.empty() || !helpline.empty(); }
    // The present ones in the order text, title, helpline.
    std::vector<std::string> InOrder() const {
        std::vector<std::string> lines;
        for (const std::string* line : {&text, &title, &helpline}) {
            if (!line->empty()) lines.push_back(*line);
        }
        return lines;
    }
};

struct NewItem {
    std::string keyword;
    std::vector<std::string> lines;  // trimmed, in order
    std::string identification;
    std::string coordinate;
    HeldValues values;
};

struct NewSection {
    std::string line;
    std::vector<NewItem> items;
};

// Reads the generated statements: section line, "{", item keyword lines
// each followed by "{", the item's lines and "}", and the section's "}".
// Blank and "#" lines are skipped.
std::vector<NewSection> ParseNewContent(std::string_view content) {
    std::vector<NewSection> sections;
    bool inSection = false;
    bool inItem = false;
    bool itemBraceSeen = false;
    for (const std::string_view raw : SplitLines(content)) {
        const std::string_view line = LineText(raw);
        if (line.empty() || line.front() == '#') continue;
        if (inItem) {
            if (!itemBraceSeen && line == "{") {
                itemBraceSeen = true;
            } else if (line.front() == '}') {
                inItem = false;
            } else {
                NewItem& item = sections.back().items.back();
                item.lines.emplace_back(line);
                if (IsIdentificationLine(line)) item.identification = line;
                if (IsCoordinateLine(line)) item.coordinate = line;
                item.values.Hold(line);
            }
        } else if (inSection) {
            if (line.front() == '}') {
                inSection = false;
            } else if (IsItemKeywordLine(line)) {
                sections.back().items.emplace_back().keyword = line;
                inItem = true;
                itemBraceSeen = false;
            }
        } else if (IsSectionLine(line)) {
            sections.emplace_back().line = line;
            inSection = true;
        }
    }
    return sections;
}

class MergePass {
public:
    MergePass(std::string_view newContent, const MergeSettings& settings)
        : settings_(settings), sections_(ParseNewContent(newContent)) {}

    MergeResult Run(std::string_view existing) {
        for (const std::string_view raw : SplitLines(existing)) {
            if (!Line(raw)) {
                result_.syntaxError = true;
                return std::move(result_);
            }
        }
        sectionHeaderPending_ = false;
        AppendNewSections();
        return std::move(result_);
    }

private:
    enum class SectionState { Outside, HeaderSeen, Inside };
    enum class ItemState { Outside, KeywordSeen, Inside };

    // Decides one line of the existing file; false on a syntax error.
    bool Line(std::string_view raw) {
        const std::string_view line = LineText(raw);
        if (line.empty() || line.front() == '#') {
            if (raw.find(texts::kGeneratedByMarker) != std::string_view::npos ||
                raw.find(texts::kUpdatedByMarker) != std::string_view::npos) {
                Unchanged(FormatText(texts::kUpdatedBy, settings_.userName.c_str(), settings_.ascTime.c_str()));
            } else {
                Unchanged(raw);
            }
            return true;
        }
        if (itemState_ == ItemState::KeywordSeen) {
            if (line.front() != '{') return false;
            Unchanged(raw);
            itemState_ = ItemState::Inside;
            return true;
        }
        if (itemState_ == ItemState::Inside) {
            if (line.front() == '}') {
                EndItem();
                return true;
            }
            if (ValueLineKind(line) != ValueLine::None) {
                held_.Hold(line);
                return true;
            }
            if (IsIdentificationLine(line)) identification_ = line;
            if (IsCoordinateLine(line)) coordinate_ = line;
            Unchanged(raw);
            return true;
        }
        if (sectionState_ == SectionState::HeaderSeen) {
            if (line.front() != '{') return false;
            Unchanged(raw);
            sectionState_ = SectionState::Inside;
            return true;
        }
        if (sectionState_ == SectionState::Inside) {
            if (line.front() == '}') {
                EndSection();
            } else if (IsItemKeywordLine(line)) {
                keyword_ = line;
                identification_.clear();
                coordinate_.clear();
                held_ = HeldValues{};
                Unchanged(raw);
                itemState_ = ItemState::KeywordSeen;
            } else {
                Unchanged(raw);
            }
            return true;
        }
        if (IsSectionLine(line)) {
            section_ = line;
            Remember(ItemKey{section_, {}, {}, {}});
            sectionHeaderPending_ = true;
            sectionHeaderLogged_ = false;
            sectionState_ = SectionState::HeaderSeen;
        }
        Unchanged(raw);
        return true;
    }

    void EndItem() {
        const ItemKey key{section_, keyword_, identification_, coordinate_};
        Remember(key);
        const NewItem* replacement = settings_.newReplacesOld ? FindNewItem(key) : nullptr;
        if (replacement != nullptr) {
            const std::vector<std::string> values = replacement->values.InOrder();
            if (!values.empty()) {
                std::string header = FormatText(texts::kItemOpen, keyword_.c_str());
                if (!identification_.empty()) header += FormatText(texts::kItemLine, identification_.c_str());
                if (!coordinate_.empty()) header += FormatText(texts::kItemLine, coordinate_.c_str());
                BeforeChange();
                result_.log += header;
                for (const std::string& value : values) Changed(FormatText(texts::kItemLine, value.c_str()));
                result_.log += texts::kItemClose;
            }
        } else {
            for (const std::string& value : held_.InOrder()) Unchanged(FormatText(texts::kItemLine, value.c_str()));
        }
        Unchanged(texts::kItemClose);
        itemState_ = ItemState::Outside;
    }

    void EndSection() {
        for (const NewSection& section : sections_) {
            if (section.line != section_) continue;
            for (const NewItem& item : section.items) {
                const ItemKey key{section_, item.keyword, item.identification, item.coordinate};
                if (Seen(key)) continue;
                Changed(FormatItem(item));
                Remember(key);
            }
            break;
        }
        Unchanged(texts::kSectionBodyClose);
        if (sectionHeaderLogged_) result_.log += texts::kSectionClose;
        sectionHeaderPending_ = false;
        sectionHeaderLogged_ = false;
        sectionState_ = SectionState::Outside;
    }

    void AppendNewSections() {
        for (const NewSection& section : sections_) {
            const ItemKey key{section.line, {}, {}, {}};
            if (Seen(key)) continue;
            std::string block = FormatText(texts::kSectionOpen, section.line.c_str());
            for (const NewItem& item : section.items) block += FormatItem(item);
            block += texts::kSectionClose;
            Changed(block);
            Remember(key);
        }
    }

    const NewItem* FindNewItem(const ItemKey& key) const {
        for (const NewSection& section : sections_) {
            if (section.line != key.section) continue;
            for (const NewItem& item : section.items) {
                if (item.keyword == key.keyword && item.identification == key.identification &&
                    item.coordinate == key.coordinate) {
                    return &item;
                }
            }
        }
        return nullptr;
    }

    static std::string FormatItem(const NewItem& item) {
        std::string block = FormatText(texts::kItemOpen, item.keyword.c_str());
        for (const std::string& line : item.lines) block += FormatText(texts::kItemLine, line.c_str());
        block += texts::kItemClose;
        return block;
    }

    void Unchanged(std::string_view text) {
        if (!settings_.reportOnly) result_.merged.append(text);
    }

    // The run log's program line and pending section header go before the
    // first changed line they cover.
    void BeforeChange() {
        if (!programLogged_) {
            result_.log += FormatText(texts::kProgramLine, settings_.programPath.c_str());
            programLogged_ = true;
        }
        if (sectionHeaderPending_) {
            result_.log += FormatText(texts::kSectionOpen, section_.c_str());
            sectionHeaderPending_ = false;
            sectionHeaderLogged_ = true;
        }
        result_.changesMade = true;
    }

    void Changed(std::string_view text) {
        BeforeChange();
        if (!settings_.reportOnly) result_.merged.append(text);
        result_.log.append(text);
    }

    void Remember(const ItemKey& key) {
        try {
            seen_.insert(key);
        } catch (const std::bad_alloc&) {
            result_.log += texts::kInsufficientMemory;
        }
    }

    bool Seen(const ItemKey& key) const { return seen_.count(key) != 0; }

    const MergeSettings& settings_;
    const std::vector<NewSection> sections_;
    MergeResult result_;
    std::set<ItemKey> seen_;
    SectionState sectionState_ = SectionState::Outside;
    ItemState itemState_ = ItemState::Outside;
    std::string section_;
    std::string keyword_;
    std::string identification_;
    std::string coordinate_;
    HeldValues held_;
    bool programLogged_ = false;
    bool sectionHeaderPending_ = false;
    bool sectionHeaderLogged_ = false;
};

}  // namespace

MergeResult MergeOverrides(std::string_view existing, std::string_view newContent, const MergeSettings& settings) {
    return MergePass(newContent, settings).Run(existing);
}

}  // namespace promptsweep
