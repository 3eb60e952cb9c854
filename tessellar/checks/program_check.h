#pragma once
// Checks an override file against the program it customises: reads,
// decodes and applies every section exactly as the customiser does, and
// tells which statements the runtime will skip or refuse and which screens
// the result spoils. The window can run it after every command; scfcheck
// runs it over a program or a tree of them.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/checks/finding.h"
#include "tessellar/checks/override_sections.h"
#include "tessellar/program/image/program_image.h"
#include "tessellar/program/screen_decoder.h"

namespace checks {

struct CheckInputs {
    program::DecodeInputs decode;  // the mode order the customiser was given, if any
};

// Every finding of the whole override file (its text; `overridePath` names
// it in the findings), in line order.
std::vector<Finding> CheckProgram(const program::ProgramImage& image, const std::string& overridePath,
                                  std::string_view overrideText, const CheckInputs& inputs = {});

// The same for a file read whole first; none when it cannot be read.
std::optional<std::vector<Finding>> CheckProgramFile(const program::ProgramImage& image,
                                                     const std::string& overridePath,
                                                     const CheckInputs& inputs = {});

}  // namespace checks
