#pragma once
// Reads a compiled program for the batch tool: the file is read with as few
// system calls as the walk over thousands of programs allows, then checked
// by the shared loader, whose messages it reports.

#include <memory>
#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_image.h"

namespace promptsweep {

class ProgramReader {
public:
    // The loader's messages go to `sink` as output lines. A FIFO put in the
    // place of a program after the walk listed it is not waited on.
    std::optional<program::ProgramImage> Read(const std::string& path, platform::MessageSink& sink);

private:
    std::unique_ptr<char[]> firstRead_;  // reused from program to program
};

}  // namespace promptsweep
