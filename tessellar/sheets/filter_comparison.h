#pragma once
// The comparisons an entry field's filter offers, in the Filter page's list
// order: the text the list shows, the operation code the sheet keeps (a
// negated form is its base code + 16) and the operator the override
// statement's `filter = OPERATOR,VALUES` line carries.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/commands/command_catalogue.h"

namespace sheets {

struct FilterComparison {
    const char* listText;
    int code;
    const char* op;
};

// The fourteen comparisons, in list order.
std::span<const FilterComparison> FilterComparisons();
// The comparison of a code or of an operator text; none for 0 or unknown.
const FilterComparison* ComparisonOfCode(int code);
const FilterComparison* ComparisonOfOperator(std::string_view op);

// A filter as the sheet holds it: no operation (0) or a code and its values.
struct FilterSetting {
    int code = 0;
    std::string values;
    bool operator==(const FilterSetting&) const = default;
};

// The setting a field's filter text ("OPERATOR,VALUES") gives; an unknown
// operator gives no operation.
FilterSetting FilterOfText(std::string_view filterText);

// The values of "Modify accept filter": operator and values, or none at
// all when there is no operation, which takes the filter away.
std::vector<commands::CommandValue> FilterCommandValues(const FilterSetting& filter);

}  // namespace sheets
