#include "tessellar/sheets/filter_comparison.h"

#include <array>

namespace sheets {

namespace {

constexpr std::array<FilterComparison, 14> kComparisons{{
    {"EQUAL TO", 1, "="},
    {"NOT EQUAL TO", 17, "!="},
    {"GREATER THAN", 3, ">"},
    {"GREATER OR EQUAL TO", 18, "!<"},
    {"LESS THAN", 2, "<"},
    {"LESS OR EQUAL TO", 19, "!>"},
    {"IN", 4, "in"},
    {"NOT IN", 20, "!in"},
    {"BETWEEN", 5, "between"},
    {"NOT BETWEEN", 21, "!between"},
    {"LIKE", 6, "like"},
    {"NOT LIKE", 22, "!like"},
    {"CONTAINS", 7, "contains"},
    {"DOES NOT CONTAIN", 23, "!contains"},
}};

}  // namespace

std::span<const FilterComparison> FilterComparisons() { return kComparisons; }

const FilterComparison* ComparisonOfCode(int code) {
    for (const FilterComparison& comparison : kComparisons) {
        if (comparison.code == code) return &comparison;
    }
    return nullptr;
}

const FilterComparison* ComparisonOfOperator(std::string_view op) {
    for (const FilterComparison& comparison : kComparisons) {
        if (op == comparison.op) return &comparison;
    }
    return nullptr;
}

FilterSetting FilterOfText(std::string_view filterText) {
    const std::size_t comma = filterText.find(',');
    if (comma == std::string_view::npos) return {};
    const FilterComparison* comparison = ComparisonOfOperator(filterText.substr(0, comma));
    if (comparison == nullptr) return {};
    return {comparison->code, std::string(filterText.substr(comma + 1))};
}

std::vector<commands::CommandValue> FilterCommandValues(const FilterSetting& filter) {
    const FilterComparison* comparison = ComparisonOfCode(filter.code);
    if (comparison == nullptr) return {};
    return {{comparison->op, false}, {filter.values, false}};
}

}  // namespace sheets
