// Loads arbitrary bytes as a compiled program and lists every browser page.
// Whatever the bytes, this must end without a crash, a hang or a read
// outside the image.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_loader.h"
#include "tools/opdump/directory_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::RecordingMessageSink sink;
    auto image = program::LoadProgramFromBytes(std::vector<std::uint8_t>(data, data + size), "fuzz", sink);
    if (!image) return 0;
    std::ostringstream listing;
    opdump::WriteDirectoryListing(*image, listing, sink);
    return 0;
}
