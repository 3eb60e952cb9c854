#pragma once
// The one rule every route follows to hand a path between the client and the
// server: start-up and opening a program or override file, the trigger
// wizard, the trigger definition dialog, Verify and the trigger test. The
// same path gives the same answer whichever route asks.

#include <string>

#include "tessellar/mapping/path_mapper.h"

namespace mapping {

enum class PathResolution {
    Local,   // usable as it stands: nothing was mapped and nobody was asked
    Mapped,  // a stored mapping, or the user's answer, gave the other form
    Kept,    // no mapping covers it and the user cancelled: kept as it was
};

// Toward the client (a path to open here): a path that is not in the server's
// form, or that names a file here or the directory a new file would go into,
// is local and kept. Otherwise, and always toward the server (a file chosen
// here that the runtime will start): a path a stored mapping covers (the
// command line's shares, then the directory table) takes the other form; one
// no mapping covers asks the user once, and a Cancel keeps the path as it
// was. A server form beginning with "/" has every "\" turned into "/".
PathResolution ResolvePath(std::string& path, MappingDirection toward, unsigned use, PathMapper& mapper);

// Whether a path names a file here, or the directory a new file would go into.
bool NamesAPlaceHere(const std::string& path);

}  // namespace mapping
