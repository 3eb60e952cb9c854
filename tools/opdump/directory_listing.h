#pragma once

#include <iosfwd>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_image.h"

namespace opdump {

// Writes every browser page as the program browser lists it: a heading per
// page, then one line per row with its sequence number, type and name, or the
// page's empty message.
void WriteDirectoryListing(const program::ProgramImage& image, std::ostream& out,
                           platform::MessageSink& sink);

}  // namespace opdump
