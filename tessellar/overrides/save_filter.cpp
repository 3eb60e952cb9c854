#include "tessellar/overrides/save_filter.h"

#include <optional>
#include <string>

#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/statement_parser.h"

namespace overrides {

namespace {

// The flags a block collects.
constexpr int kSuppressFalse = 2;
constexpr int kSuppressTrue = 4;
constexpr int kReadonlyFalse = 8;
constexpr int kReadonlyTrue = 16;
constexpr int kAddFalse = 32;
constexpr int kAddTrue = 64;

bool IsCountedKey(const std::string& key) {
    static constexpr const char* kCounted[] = {
        texts::kTriggerPoint, texts::kDefault, texts::kPicture, texts::kCoordinate, texts::kColumnNumber,
        texts::kColor,        texts::kScale,   texts::kAttributes, texts::kText,    texts::kHelpline,
        texts::kRun,          texts::kType,
    };
    for (const char* counted : kCounted) {
        if (key == counted) return true;
    }
    return false;
}

class SaveFilter {
public:
    explicit SaveFilter(std::ostream& out) : out_(out) {}

    void Take(const std::string& line) {
        const SplitLineResult split = SplitLine(line);
        OverrideStatement scratch;
        if (const std::optional<StatementKind> keyword = ParseStatementLine(line, scratch)) {
            kind_ = *keyword;
            flags_ = 0;
            count_ = 0;
            Keep(line);
            return;
        }
        const bool isTrue = split.value == texts::kTrue;
        if (split.key == texts::kSuppress) {
            if (isTrue) return Counted(kSuppressTrue, line);
            flags_ |= kSuppressFalse;
            if (kind_ == StatementKind::Accept) {
                ++count_;
                Keep(line);
            }
            return;
        }
        if (split.key == texts::kReadonly) {
            if (isTrue) return Counted(kReadonlyTrue, line);
            flags_ |= kReadonlyFalse;
            return;
        }
        if (split.key == texts::kAdd) {
            if (isTrue) return Counted(kAddTrue, line);
            flags_ |= kAddFalse;
            return;
        }
        if (IsCountedKey(split.key)) ++count_;
        Keep(line);
        if (split.key == "}") EndBlock();
    }

    std::size_t Kept() const { return kept_; }

private:
    void Counted(int flag, const std::string& line) {
        flags_ |= flag;
        ++count_;
        Keep(line);
    }

    void Keep(const std::string& line) { pending_ += line; }

    void EndBlock() {
        bool keep = true;
        if (flags_ != 0) {
            const bool takenAway = (flags_ & kAddFalse) != 0;
            const bool addedThenSuppressed = (flags_ & kAddTrue) != 0 && (flags_ & kSuppressTrue) != 0;
            const bool onlyResets = (flags_ & kAddTrue) == 0 && count_ == 0;
            keep = !(takenAway || addedThenSuppressed || onlyResets);
        }
        if (keep) {
            out_ << pending_;
            ++kept_;
        }
        pending_.clear();
        flags_ = 0;
        count_ = 0;
    }

    std::ostream& out_;
    std::string pending_;
    StatementKind kind_ = StatementKind::None;
    int flags_ = 0;
    int count_ = 0;
    std::size_t kept_ = 0;
};

}  // namespace

std::size_t FilterSectionForSave(std::istream& in, std::ostream& out) {
    SaveFilter filter(out);
    LineReader reader(in);
    std::string line;
    while (reader.Next(line)) filter.Take(line);
    return filter.Kept();
}

}  // namespace overrides
