#pragma once
// What an override file was when the customiser read it: whether it was
// there, its size, its modification time and a hash of its bytes. Saving
// compares the file with it, so that a change another program (another
// customiser, the batch tool, an editor) made since is never silently
// written over.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace overrides {

struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::uint64_t hash = 0;
};

// The stamp of the file at the path now; a missing file gives a stamp that
// says so, a file that cannot be read gives nothing.
std::optional<FileStamp> TakeFileStamp(const std::string& path);

// The stamp of a file just written with `text` (its time read from the disk).
FileStamp StampOfWrittenText(const std::string& path, std::string_view text);

// Whether the file holds other bytes than it did, judged by its bytes alone:
// a file system that keeps no modification times, or one whose clock
// steps back, cannot hide a change, and a file only touched is unchanged.
bool ContentChanged(const FileStamp& then, const FileStamp& now);

// A quick look that reads nothing (for a window made active again): whether
// the size or the modification time moved. On a file system without
// modification times only a change of size shows here; saving still
// compares the bytes.
bool MayHaveChanged(const FileStamp& then, const std::string& path);

// A hash of the bytes, the same for a file read in blocks and for its text
// held in memory.
std::uint64_t HashBytes(std::string_view bytes);

}  // namespace overrides
