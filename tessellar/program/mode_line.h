#pragma once
// The modes of an entry: those of its own mode list that apply, placed
// side by side on the mode line; the program-wide modes; and the mode line
// rebuilt from a mode order given to the application.

#include <string_view>

#include "tessellar/program/decode_context.h"

namespace program {

// Places every mode of the entry's mode list that applies, from the mode
// line's column on.
void DecodeScreenModes(DecodeContext& context);

// The program-wide modes: no position, not filtered.
void DecodeProgramModes(DecodeContext& context, std::uint32_t firstMode);

// Sets the placed modes aside and fills the mode line with the named modes,
// in order. Each takes its label, help line and identification from a mode
// of this rebuild or a program-wide mode with that identifier, else is
// labelled with its name.
void RebuildModeLine(model::CScreenModel& model, std::string_view modeNames);

}  // namespace program
