#pragma once
// The user's own value list of an entry field, as the Allow/Disallow page
// builds it: single values and "LOW to HIGH" ranges, no entry twice, no end
// longer than the field. OK writes it as an override statement's value
// text and describes it in messages.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/commands/value_list_check.h"

namespace sheets {

class UserValueList {
public:
    enum class AddResult { Added, AlreadyThere, TooLong, Empty };

    // fieldLength: the longest end a value may have; numeric: the field is
    // a number, so both ends are kept as numbers too.
    UserValueList(std::size_t fieldLength, bool numeric) : fieldLength_(fieldLength), numeric_(numeric) {}

    // The values an override statement gave the field before.
    void Assign(std::vector<commands::ListValue> values);

    // Adds a value, or a range typed as its ends joined by " to ".
    AddResult Add(std::string_view entry);
    // Adds a value or range as it stands (a program value copied over).
    AddResult Add(commands::ListValue value);
    // Removes the entries at these positions (any order, out of range ignored).
    void Remove(std::vector<std::size_t> positions);
    void Clear() { values_.clear(); numbers_.clear(); }

    const std::vector<commands::ListValue>& Values() const { return values_; }
    // Both ends as numbers, one pair per value; kept for numeric fields only.
    const std::vector<std::pair<double, double>>& Numbers() const { return numbers_; }
    bool Empty() const { return values_.empty(); }

private:
    std::size_t fieldLength_;
    bool numeric_;
    std::vector<commands::ListValue> values_;
    std::vector<std::pair<double, double>> numbers_;
};

// A value as the lists hold it: without the blanks around it.
std::string_view WithoutBlanks(std::string_view text);

// What an entry looks like in the page's lists: a range as "LOW to HIGH".
std::string ListEntryText(const commands::ListValue& value);

// The value text of an `allowed` or `disallowed` statement: entries joined
// by ",", a range's ends by "#"; an entry that would take the text past 417
// characters is left out with all after it.
std::string UserListText(const std::vector<commands::ListValue>& values);

}  // namespace sheets
