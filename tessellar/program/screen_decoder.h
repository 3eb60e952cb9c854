#pragma once
// Decoding one screen, menu, procedure or data grid of a compiled program
// into its screen model: the frame, the title, the items of the screen and
// of its review area, the mode line, the field lists and the message texts,
// all in their original, uncustomised state.

#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"

namespace program {

// The mode order given to the application ("-c"), for the screen named with
// it ("-s"): the mode line of that screen shows these modes, comma-separated,
// in this order.
struct ApplicationModeOrder {
    std::string screenName;
    std::string modes;
};

struct DecodeInputs {
    std::optional<ApplicationModeOrder> modeOrder;  // none: the option was not given
};

// Decodes the model's entry, replacing whatever items the model held. A
// model without an entry shows "Screen %s not found" and gets only an
// empty frame. Texts out of range inside the program show "Internal error:
// illegal text number" and stay empty; a damaged image decodes as far as
// its records can be read.
void DecodeScreen(model::CScreenModel& model, platform::MessageSink& sink, const DecodeInputs& inputs = {});

}  // namespace program
