#include "tessellar/overrides/file_stamp.h"

#include <functional>
#include <fstream>
#include <system_error>

namespace overrides {

namespace {

// Blocks of this size are hashed whole by the library's string hash (which
// takes several bytes a step) and the block hashes folded together.
constexpr std::size_t kHashBlock = 65536;
constexpr std::uint64_t kHashStart = 0xcbf29ce484222325ull;

std::uint64_t Fold(std::uint64_t hash, std::string_view block) {
    return (hash ^ std::hash<std::string_view>{}(block)) * 0x100000001b3ull;
}

}  // namespace

std::uint64_t HashBytes(std::string_view bytes) {
    std::uint64_t hash = kHashStart;
    for (std::size_t at = 0; at < bytes.size(); at += kHashBlock) hash = Fold(hash, bytes.substr(at, kHashBlock));
    return hash;
}

std::optional<FileStamp> TakeFileStamp(const std::string& path) {
    FileStamp stamp;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return stamp;
    if (error || status.type() != std::filesystem::file_type::regular) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    stamp.exists = true;
    stamp.modified = std::filesystem::last_write_time(path, error);
    stamp.hash = kHashStart;
    std::string block(kHashBlock, '\0');
    while (in) {
        // Whole blocks, as HashBytes cuts a text held in memory.
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > 0) stamp.hash = Fold(stamp.hash, std::string_view(block.data(), got));
        stamp.size += got;
    }
    if (in.bad()) return std::nullopt;
    return stamp;
}

FileStamp StampOfWrittenText(const std::string& path, std::string_view text) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = text.size();
    stamp.hash = HashBytes(text);
    std::error_code error;
    stamp.modified = std::filesystem::last_write_time(path, error);
    return stamp;
}

bool ContentChanged(const FileStamp& then, const FileStamp& now) {
    return then.exists != now.exists || then.size != now.size || then.hash != now.hash;
}

bool MayHaveChanged(const FileStamp& then, const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    const bool exists = status.type() != std::filesystem::file_type::not_found;
    if (exists != then.exists) return true;
    if (!exists) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size != then.size) return true;
    const auto modified = std::filesystem::last_write_time(path, error);
    return error || modified != then.modified;
}

}  // namespace overrides
