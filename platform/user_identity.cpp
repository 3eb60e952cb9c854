#include "platform/user_identity.h"

#include <cstdlib>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform {

std::string CurrentUserName() {
#ifndef _WIN32
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr) {
        return entry->pw_name;
    }
    if (const char* login = getlogin()) return login;
    if (const char* user = std::getenv("USER")) return user;
#else
    if (const char* user = std::getenv("USERNAME")) return user;
#endif
    return {};
}

}  // namespace platform
