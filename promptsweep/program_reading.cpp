#include "promptsweep/program_reading.h"

#include <cerrno>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/message_format.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/program_texts.h"

#ifdef _WIN32
#include <cstdio>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace promptsweep {

using platform::FormatText;

namespace {

// Most programs fit in one read of this size.
constexpr std::size_t kFirstRead = 64 * 1024;

class InputFile {
public:
    explicit InputFile(const std::string& path) {
#ifdef _WIN32
        file_ = std::fopen(path.c_str(), "rb");
#else
        // Without O_NONBLOCK a FIFO would hold the walk until someone writes to it.
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
#endif
    }
    ~InputFile() {
#ifdef _WIN32
        if (file_ != nullptr) std::fclose(file_);
#else
        if (descriptor_ >= 0) ::close(descriptor_);
#endif
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

#ifdef _WIN32
    bool IsOpen() const { return file_ != nullptr; }
#else
    bool IsOpen() const { return descriptor_ >= 0; }
#endif

    // Reads up to `wanted` bytes into `into`; fewer only at the end of the
    // file or on an error. Returns how many arrived.
    std::size_t ReadInto(char* into, std::size_t wanted) {
        std::size_t filled = 0;
        while (filled < wanted) {
#ifdef _WIN32
            const std::size_t got = std::fread(into + filled, 1, wanted - filled, file_);
            if (got == 0) break;
#else
            const ssize_t got = ::read(descriptor_, into + filled, wanted - filled);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;
#endif
            filled += static_cast<std::size_t>(got);
        }
        return filled;
    }

private:
#ifdef _WIN32
    std::FILE* file_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

std::uint32_t BigEndian32(const char* bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

}  // namespace

std::optional<program::ProgramImage> ProgramReader::Read(const std::string& path, platform::MessageSink& sink) {
    InputFile file(path);
    if (!file.IsOpen()) {
        sink.WriteOutput(FormatText(program::texts::kCantOpen, path.c_str(), errno) + "\n");
        return std::nullopt;
    }
    if (!firstRead_) firstRead_ = std::make_unique<char[]>(kFirstRead);
    const std::size_t got = file.ReadInto(firstRead_.get(), kFirstRead);
    const auto* first = reinterpret_cast<const std::uint8_t*>(firstRead_.get());
    std::vector<std::uint8_t> bytes(first, first + got);
    if (got == kFirstRead) {
        // A larger file: read on up to the size its header gives, a chunk at
        // a time, so a damaged size field cannot reserve memory the file lacks.
        const std::uint32_t total = BigEndian32(firstRead_.get() + program::header_field::kTotalSize);
        while (bytes.size() < total) {
            const std::size_t before = bytes.size();
            bytes.resize(before + std::min<std::size_t>(total - before, std::size_t{1} << 20));
            bytes.resize(before + file.ReadInto(reinterpret_cast<char*>(bytes.data()) + before, bytes.size() - before));
            if (bytes.size() == before) break;
        }
    }
    // The shared loader checks the header and the size and says what is wrong.
    return program::LoadProgramFromBytes(std::move(bytes), path, sink,
                                         program::LoaderFlavour::Batch);
}

}  // namespace promptsweep
