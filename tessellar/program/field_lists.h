#pragma once
// The three field lists of an entry: the fields of its record source, its
// own variables and the program's variables.

#include "tessellar/program/decode_context.h"

namespace program {

void BuildFieldLists(DecodeContext& context, std::uint32_t programVariables);

}  // namespace program
