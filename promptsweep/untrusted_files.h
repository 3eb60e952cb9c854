#pragma once
// Opening files in a tree that many people can write: a link planted in the
// place of a file the run writes is refused, never followed, and a FIFO or a
// device in the place of a file the run reads or writes is refused without
// waiting on it.

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace promptsweep {

enum class FileRefusal {
    None,
    CannotOpen,  // missing, no permission, ...
    Link,        // a link stands where the file should be
    NotRegular,  // a FIFO, a device, a directory
    TooLarge,    // more bytes than the reader's limit
    ReadError,
};

struct RegularFileRead {
    std::optional<std::string> content;  // set when the whole file was read
    FileRefusal refusal = FileRefusal::None;
};

// Reads a regular file whole (a link to one is followed) without ever
// holding more than `limit` bytes, so a file that grows without end cannot
// fill the memory.
RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit);

enum class WriteOpening {
    Append,     // the run log: kept, written at its end, created when missing
    Truncate,   // created empty, or emptied
    CreateNew,  // only when nothing of that name exists
};

// Opens a regular file for writing; never through a link in its place and
// never waiting on a FIFO. Null, with the reason, when refused.
std::FILE* OpenRegularForWriting(const std::string& path, WriteOpening opening, FileRefusal& refusal);

// The same in the fewest calls, for the files made for every program that
// matches: an empty file created where nothing of that name exists, and a
// regular file's bytes written from its start (it is empty or as long).
bool CreateNewFile(const std::string& path);
bool WriteRegularFileInPlace(const std::string& path, std::string_view content);

}  // namespace promptsweep
