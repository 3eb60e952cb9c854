#pragma once
// Writes a decoded entry with an override file applied: the entry as
// WriteDecodedEntry shows it (every changed value followed by its original),
// then a list of what the statements changed, item by item, with the items
// they added. The override file is only read: no working copy is made.

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_image.h"
#include "tessellar/program/screen_decoder.h"

namespace opdump {

struct OverrideReport {
    int entries = 0;               // entries of that name written
    bool overrideFileRead = false; // false: nothing was applied
};

// Decodes every listed entry of this name, applies its section of the
// override file and writes it. Messages of applying go to the sink.
OverrideReport WriteEntriesWithOverrides(const program::ProgramImage& image, std::string_view name,
                                         const std::string& overridePath, std::ostream& out,
                                         platform::MessageSink& sink, const program::DecodeInputs& inputs = {});

}  // namespace opdump
