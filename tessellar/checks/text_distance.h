#pragma once
// How near one text is to another, for naming the item or entry a broken
// statement most likely meant.

#include <cstddef>
#include <optional>
#include <string_view>

namespace checks {

// The number of single-character insertions, deletions and substitutions
// that turn one text into the other; anything above `limit` is limit + 1.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit);

// A score for `candidate` as what `wanted` was meant to be (lower is nearer),
// or none when the two are not near: within a few edits for their length, or
// one holding the other regardless of case.
std::optional<std::size_t> Nearness(std::string_view wanted, std::string_view candidate);

}  // namespace checks
