#pragma once

#include <optional>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_image.h"

namespace program {

// Who reports the loader's failures: the window program shows each text in a
// message box; the batch tool prints the same texts as output lines.
enum class LoaderFlavour { Window, Batch };

// Loads a compiled program whole. Every failure reports its texts through
// the sink and yields no image; the file is closed on every path.
std::optional<ProgramImage> LoadProgram(const std::string& path, platform::MessageSink& sink,
                                        LoaderFlavour flavour = LoaderFlavour::Window);

// The same checks on a file's bytes already in memory; `path` names the file
// in messages. Used where the bytes come from elsewhere than a file.
std::optional<ProgramImage> LoadProgramFromBytes(std::vector<std::uint8_t> bytes, const std::string& path,
                                                 platform::MessageSink& sink,
                                                 LoaderFlavour flavour = LoaderFlavour::Window);

}  // namespace program
