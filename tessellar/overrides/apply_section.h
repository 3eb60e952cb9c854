#pragma once
// Applying the statements of an entry's section to its decoded items, in
// file order: for each property the last statement that gives it wins.

#include <cstddef>
#include <istream>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"

namespace overrides {

// Applies the model's section work file. With no work file, or one that
// cannot be read, nothing is applied (false) and the entry shows its
// compiled items.
bool ApplySection(model::CScreenModel& model, platform::MessageSink& sink);

// Applies a section body read from a stream; returns how many statements it
// held.
std::size_t ApplySectionStream(model::CScreenModel& model, std::istream& in, platform::MessageSink& sink);

}  // namespace overrides
