#include "tessellar/commands/value_list_check.h"

#include "tessellar/commands/command_texts.h"
#include "tessellar/pictures/value_compare.h"
#include "tessellar/program/program_texts.h"

namespace commands {

namespace {

// Splits at every separator; bounded by the text's length.
std::vector<std::string_view> SplitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) {
            parts.push_back(text);
            return parts;
        }
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
}

std::vector<ListValue> ValuesOf(std::string_view text, std::string_view separator, std::string_view rangeJoin) {
    std::vector<ListValue> values;
    if (text.empty()) return values;
    for (std::string_view part : SplitAt(text, separator)) {
        const std::size_t join = part.find(rangeJoin);
        if (join == std::string_view::npos) {
            values.push_back({std::string(part), std::string(part)});
        } else {
            values.push_back({std::string(part.substr(0, join)), std::string(part.substr(join + rangeJoin.size()))});
        }
    }
    return values;
}

// A bare default that is a number (sign, digits, one decimal point) has a
// value to check; a field name does not.
bool IsBareNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

std::vector<ListValue> CompiledListValues(std::string_view description, std::string_view prefix) {
    if (description.substr(0, prefix.size()) != prefix) return {};
    return ValuesOf(description.substr(prefix.size()), program::texts::kValueSeparator, program::texts::kRangeJoin);
}

std::vector<ListValue> UserListValues(std::string_view text) {
    return ValuesOf(text, texts::kUserListSeparator, texts::kUserListRangeJoin);
}

std::string UserListDescription(int sense, const std::vector<ListValue>& values) {
    std::string description =
        sense == model::kUserListAllowed ? texts::kUserListAllowedPrefix : texts::kUserListDisallowedPrefix;
    bool first = true;
    for (const ListValue& value : values) {
        std::string entry = first ? std::string() : std::string(texts::kUserListSeparator);
        entry += value.low;
        if (value.high != value.low) entry += texts::kUserListDescriptionRangeJoin + value.high;
        if (description.size() + entry.size() > texts::kUserListDescriptionLength) {
            description += texts::kUserListCut;
            break;
        }
        description += entry;
        first = false;
    }
    return description;
}

bool ListHolds(const std::vector<ListValue>& values, std::string_view value, std::uint16_t sizeWord) {
    for (const ListValue& entry : values) {
        if (pictures::CompareValues(value, entry.low, sizeWord) >= 0 &&
            pictures::CompareValues(value, entry.high, sizeWord) <= 0) {
            return true;
        }
    }
    return false;
}

Refusal CheckDefaultInLists(const model::CAcceptFld& field, std::string_view defaultText, bool literal) {
    if (defaultText.empty() || (!literal && !IsBareNumber(defaultText))) return std::nullopt;
    const std::string& allowed = field.allowed.Original();
    const std::string& disallowed = field.disallowed.Original();
    const std::vector<ListValue> compiledAllowed = CompiledListValues(allowed, program::texts::kAllowedPrefix);
    if (!compiledAllowed.empty() && !ListHolds(compiledAllowed, defaultText, field.sizeWord)) return allowed;
    const std::vector<ListValue> compiledDisallowed =
        CompiledListValues(disallowed, program::texts::kDisallowedPrefix);
    if (ListHolds(compiledDisallowed, defaultText, field.sizeWord)) return disallowed;

    // The user's list is the current text of the list its sense names.
    if (field.userListSense == model::kUserListAllowed) {
        const std::vector<ListValue> user = UserListValues(field.allowed.Current());
        if (!user.empty() && !ListHolds(user, defaultText, field.sizeWord)) {
            return UserListDescription(field.userListSense, user);
        }
    } else if (field.userListSense == model::kUserListDisallowed) {
        const std::vector<ListValue> user = UserListValues(field.disallowed.Current());
        if (ListHolds(user, defaultText, field.sizeWord)) return UserListDescription(field.userListSense, user);
    }
    return std::nullopt;
}

}  // namespace commands
