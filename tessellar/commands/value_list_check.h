#pragma once
// An entry field's default checked against its value lists: the lists the
// program compiled ("Allowed - ..." and "Disallowed - ...") and the user's
// own list with its sense. A failed check gives the description of the
// list concerned, which is what the user sees.

#include <string>
#include <string_view>
#include <vector>

#include "tessellar/commands/command_checks.h"
#include "tessellar/model/accept_field.h"

namespace commands {

// One value, or a range from low to high inclusive (high == low for a value).
struct ListValue {
    std::string low;
    std::string high;
};

// The values of a compiled list's description: after its prefix, values
// joined by ", ", a range's ends by " -> ". Empty when the prefix is not there.
std::vector<ListValue> CompiledListValues(std::string_view description, std::string_view prefix);
// The values of a user list as an override statement holds it: values
// joined by ",", a range's ends by "#".
std::vector<ListValue> UserListValues(std::string_view text);
// What messages call a user list: "Sub Cust Allowed - " or "Extra Cust
// Disallowed - ", then the values joined by ",", a range's ends by "->",
// cut with "..." before it would pass 1015 characters.
std::string UserListDescription(int sense, const std::vector<ListValue>& values);

// Whether a value lies in the list: numeric fields compare as numbers
// within the number tolerance, others as texts without trailing blanks.
bool ListHolds(const std::vector<ListValue>& values, std::string_view value, std::uint16_t sizeWord);

// The default must lie in every allowed list and outside every disallowed
// one. Only literal defaults and bare numbers are checked: a field name or
// a system value has no value until the program runs.
Refusal CheckDefaultInLists(const model::CAcceptFld& field, std::string_view defaultText, bool literal);

}  // namespace commands
