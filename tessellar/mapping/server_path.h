#pragma once
// Server paths name files the way the server does ("/usr/progs/a.op6",
// "$PROGS/a.op6", "\progs\a.op6") and must be translated before the client
// opens them. Paths with a drive letter and UNC paths ("\\host\share") are
// client paths.

#include <string_view>

namespace mapping {

bool IsServerPath(std::string_view path);

}  // namespace mapping
