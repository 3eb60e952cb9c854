#include "tessellar/checks/text_distance.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text_case.h"

namespace checks {

namespace {

// Texts this long are compared on their first characters only: a message of
// 500 characters is known well enough by its start.
constexpr std::size_t kComparedLength = 120;

bool HoldsIgnoringCase(std::string_view text, std::string_view part) {
    if (part.empty() || part.size() > text.size()) return false;
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return platform::LowerCasedAscii(a) == platform::LowerCasedAscii(b); }) != text.end();
}

}  // namespace

std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit) {
    a = a.substr(0, kComparedLength);
    b = b.substr(0, kComparedLength);
    const std::size_t gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (gap > limit) return limit + 1;
    std::vector<std::size_t> previous(b.size() + 1);
    std::vector<std::size_t> current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        std::size_t rowBest = current[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
            rowBest = std::min(rowBest, current[j]);
        }
        if (rowBest > limit) return limit + 1;  // every later row only grows
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], limit + 1);
}

std::optional<std::size_t> Nearness(std::string_view wanted, std::string_view candidate) {
    if (wanted.empty() || candidate.empty() || wanted == candidate) return std::nullopt;
    const std::size_t longer = std::max(wanted.size(), candidate.size());
    const std::size_t limit = std::max<std::size_t>(2, std::min(longer, kComparedLength) / 3);
    const std::size_t distance = EditDistance(wanted, candidate, limit);
    if (distance <= limit) return distance;
    // A reworded prompt often keeps its old words: "Phone:" in "Telephone:".
    const std::string_view shorter = wanted.size() <= candidate.size() ? wanted : candidate;
    const std::string_view other = wanted.size() <= candidate.size() ? candidate : wanted;
    if (shorter.size() >= 3 && HoldsIgnoringCase(other, shorter)) return limit + (other.size() - shorter.size());
    return std::nullopt;
}

}  // namespace checks
