// Loads arbitrary bytes as a compiled program, lists every browser page and
// decodes every listed entry as opdump --all prints it. Whatever the bytes,
// this must end without a crash, a hang or a read outside the image.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_loader.h"
#include "tools/opdump/decoded_entry.h"
#include "tools/opdump/directory_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::RecordingMessageSink sink;
    auto image = program::LoadProgramFromBytes(std::vector<std::uint8_t>(data, data + size), "fuzz", sink);
    if (!image) return 0;
    std::ostringstream listing;
    opdump::WriteDirectoryListing(*image, listing, sink);
    std::ostringstream decoded;
    opdump::WriteAllEntries(*image, decoded, sink);
    return 0;
}
