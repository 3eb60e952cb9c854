#include "tessellar/overrides/file_stamp.h"

#include <array>
#include <fstream>
#include <system_error>

namespace overrides {

std::uint64_t HashBytes(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
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
    stamp.hash = HashBytes({});
    std::array<char, 65536> block;
    while (in) {
        in.read(block.data(), block.size());
        const auto got = static_cast<std::size_t>(in.gcount());
        stamp.hash = HashBytes({block.data(), got}, stamp.hash);
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
