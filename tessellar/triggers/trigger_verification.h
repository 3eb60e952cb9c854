#pragma once
// "Verify" in the trigger definition dialog: can the client open the program
// the trigger names?

#include <string_view>

#include "platform/message_sink.h"
#include "tessellar/mapping/path_mapper.h"

namespace triggers {

enum class VerifyOutcome { Verified, Missing, Refused, OtherError };

// A server path that names nothing here is mapped to the client first
// (mapping::ResolvePath). The outcome is
// shown: verified, missing (with the path as typed), refused (a directory, or
// access denied); other errors show nothing.
VerifyOutcome VerifyTriggerProgram(std::string_view typedPath, mapping::PathMapper& mapper,
                                   platform::MessageSink& messages);

}  // namespace triggers
