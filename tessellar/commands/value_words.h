#pragma once
// Numbers as a command's values give them: a whole decimal integer, or a
// ROW,COLUMN pair of two, with nothing else in the word.

#include <optional>
#include <string_view>

#include "tessellar/overrides/value_readers.h"

namespace commands {

std::optional<int> WholeInteger(std::string_view text);
std::optional<overrides::IntegerPair> WholePair(std::string_view text);

}  // namespace commands
