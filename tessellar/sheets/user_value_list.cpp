#include "tessellar/sheets/user_value_list.h"

#include <algorithm>

#include "tessellar/commands/command_texts.h"
#include "tessellar/pictures/value_compare.h"
#include "tessellar/sheets/accept_texts.h"

namespace sheets {

std::string_view WithoutBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

void UserValueList::Assign(std::vector<commands::ListValue> values) {
    Clear();
    for (commands::ListValue& value : values) Add(std::move(value));
}

UserValueList::AddResult UserValueList::Add(std::string_view entry) {
    const std::size_t join = entry.find(texts::kRangeEntryJoin);
    if (join == std::string_view::npos) {
        const std::string value(WithoutBlanks(entry));
        return Add(commands::ListValue{value, value});
    }
    const std::string_view high = entry.substr(join + std::string_view(texts::kRangeEntryJoin).size());
    return Add(commands::ListValue{std::string(WithoutBlanks(entry.substr(0, join))), std::string(WithoutBlanks(high))});
}

UserValueList::AddResult UserValueList::Add(commands::ListValue value) {
    if (value.low.empty() && value.high.empty()) return AddResult::Empty;
    if (value.low.size() > fieldLength_ || value.high.size() > fieldLength_) return AddResult::TooLong;
    // Single values compare as texts; ranges by both ends.
    const bool there = std::any_of(values_.begin(), values_.end(), [&](const commands::ListValue& held) {
        return held.low == value.low && held.high == value.high;
    });
    if (there) return AddResult::AlreadyThere;
    if (numeric_) numbers_.emplace_back(pictures::NumberFromText(value.low), pictures::NumberFromText(value.high));
    values_.push_back(std::move(value));
    return AddResult::Added;
}

void UserValueList::Remove(std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto at = positions.rbegin(); at != positions.rend(); ++at) {
        if (*at >= values_.size()) continue;
        values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(*at));
        if (numeric_) numbers_.erase(numbers_.begin() + static_cast<std::ptrdiff_t>(*at));
    }
}

std::string ListEntryText(const commands::ListValue& value) {
    if (value.high == value.low) return value.low;
    return value.low + texts::kRangeEntryJoin + value.high;
}

std::string UserListText(const std::vector<commands::ListValue>& values) {
    std::string text;
    bool first = true;
    for (const commands::ListValue& value : values) {
        std::string entry = first ? std::string() : std::string(commands::texts::kUserListSeparator);
        entry += value.low;
        if (value.high != value.low) entry += commands::texts::kUserListRangeJoin + value.high;
        if (text.size() + entry.size() > texts::kUserListTextLength) break;
        text += entry;
        first = false;
    }
    return text;
}

}  // namespace sheets
