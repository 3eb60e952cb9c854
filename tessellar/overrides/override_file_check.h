#pragma once
// Telling an override file from any other file before anything is copied
// from it or written over it: a user who names the wrong file with "-m" (a
// README, an INI file, a note, a program, a device) must not lose it at the
// first save.
//
// A text reads as an override file when it is made of what the customiser,
// the batch tool and people write: section headers each followed by its
// braces, item blocks in braces inside them, key lines inside the blocks,
// comments and blank lines anywhere, CRLF line ends or a UTF-8 byte order
// mark. A few stray lines (a typing slip in a hand-edited file) are
// forgiven; a text with no section at all reads as one only when it is
// blank or holds nothing but the header line the customiser writes and
// comments. Binary bytes (one in a hundred a NUL or another control
// character) make any text foreign.

#include <istream>
#include <string>

namespace overrides {

enum class OverrideFileLook {
    OverrideFile,  // reads as an override file (or is blank)
    Missing,       // nothing at the path
    Unreadable,    // a regular file or a directory that cannot be read as one
    NotRegular,    // a device, a FIFO, a socket: never opened, never replaced
    Foreign,       // a regular file that does not read as an override file
};

// The stray lines an override file may hold, besides a share of its lines.
inline constexpr int kFewStrayLines = 3;

// Whether the text reads as an override file (see the top of this file).
// Decides block by block, so a stream that never ends in text (/dev/zero)
// is answered at its first block.
bool ReadsAsOverrideText(std::istream& in);

// What is at the path. Anything but a regular file is looked at without
// being opened, so a FIFO never blocks.
OverrideFileLook LookAtOverrideFile(const std::string& path);

// The earlier questions, kept for their callers: true when the text does not
// read as an override file; for a path, when it is NotRegular or Foreign
// (missing or unreadable files are left to the caller's own handling).
bool PlainlyNotAnOverrideText(std::istream& in);
bool PlainlyNotAnOverrideFile(const std::string& path);

}  // namespace overrides
