#pragma once

#include <string>

namespace platform {

// The logged-in user's name, as written into logs and override file headers;
// empty when the system cannot tell.
std::string CurrentUserName();

}  // namespace platform
