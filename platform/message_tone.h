#pragma once
// Which box a message wants, read from the system's own wording: a refusal
// or a failure ("Sorry, could not hide …", "… does not exist", "Can't
// perform this moving …") is a warning; news ("Program Verified.", "At end
// of list.") is information.

#include <string_view>

namespace platform {

bool ReadsAsWarning(std::string_view text);

}  // namespace platform
