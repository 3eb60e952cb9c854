#include "tessellar/program/image/program_loader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

#include "platform/message_format.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/program_texts.h"

namespace program {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

class LoaderReport {
public:
    LoaderReport(platform::MessageSink& sink, LoaderFlavour flavour) : sink_(sink), flavour_(flavour) {}

    void Say(const std::string& text) {
        if (flavour_ == LoaderFlavour::Window) {
            sink_.ShowMessage(text);
        } else {
            sink_.WriteOutput(text + "\n");
        }
    }

    void ShortHeader(const std::string& path) {
        if (flavour_ == LoaderFlavour::Window) {
            sink_.ShowMessage(platform::FormatText(texts::kErrorReadingHeaderOf, path.c_str()));
        } else {
            sink_.WriteOutput(texts::kErrorReadingHeaderBatch);
        }
    }

private:
    platform::MessageSink& sink_;
    LoaderFlavour flavour_;
};

// The header's magic and total size, or the two texts of a wrong format.
bool CheckHeader(const ProgramHeader& header, LoaderReport& report) {
    if (header.magic == kProgramMagic && header.totalSize > kHeaderLength) return true;
    report.Say(texts::kNotCorrectFormat);
    report.Say(platform::FormatText(texts::kMagicNumberWas, static_cast<unsigned long>(header.magic),
                                    static_cast<unsigned long>(kProgramMagic)));
    return false;
}

// The file's length, or 0 when the system cannot tell (a pipe).
std::size_t FileLength(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return 0;
    const long length = std::ftell(file);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

// Reads up to size bytes, never reserving more than the file holds (or more
// than a chunk at a time when its length is unknown), so that a damaged size
// field cannot make the loader claim memory the file lacks.
bool ReadWhole(std::FILE* file, std::uint32_t size, std::size_t fileLength, std::vector<std::uint8_t>& block) {
    constexpr std::size_t kChunk = 1 << 20;
    if (fileLength != 0 && fileLength < size) return false;
    std::size_t filled = 0;
    while (filled < size) {
        const std::size_t want = std::min<std::size_t>(fileLength != 0 ? fileLength : kChunk, size - filled);
        block.resize(filled + want);
        const std::size_t got = std::fread(block.data() + filled, 1, want, file);
        filled += got;
        if (got < want) return false;
    }
    return true;
}

}  // namespace

std::optional<ProgramImage> LoadProgram(const std::string& path, platform::MessageSink& sink,
                                        LoaderFlavour flavour) {
    LoaderReport report(sink, flavour);

    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        report.Say(platform::FormatText(texts::kCantOpen, path.c_str(), errno));
        return std::nullopt;
    }

    std::vector<std::uint8_t> headerBytes(kHeaderLength);
    if (std::fread(headerBytes.data(), 1, kHeaderLength, file.get()) < kHeaderLength) {
        report.ShortHeader(path);
        return std::nullopt;
    }
    const ProgramHeader header = ReadProgramHeader(ProgramImage(std::move(headerBytes)));
    if (!CheckHeader(header, report)) return std::nullopt;

    const std::size_t fileLength = FileLength(file.get());
    if (std::fseek(file.get(), 0, SEEK_SET) != 0) {
        report.Say(texts::kErrorSeeking);
        return std::nullopt;
    }
    std::vector<std::uint8_t> block;
    try {
        if (!ReadWhole(file.get(), header.totalSize, fileLength, block)) {
            report.Say(texts::kErrorReadingHeaderInfo);
            return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        report.Say(texts::kCantAllocate);
        return std::nullopt;
    }
    return ProgramImage(std::move(block));
}

std::optional<ProgramImage> LoadProgramFromBytes(std::vector<std::uint8_t> bytes, const std::string& path,
                                                 platform::MessageSink& sink, LoaderFlavour flavour) {
    LoaderReport report(sink, flavour);
    if (bytes.size() < kHeaderLength) {
        report.ShortHeader(path);
        return std::nullopt;
    }
    const ProgramHeader header = ReadProgramHeader(
        ProgramImage(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + kHeaderLength)));
    if (!CheckHeader(header, report)) return std::nullopt;
    if (header.totalSize > bytes.size()) {
        report.Say(texts::kErrorReadingHeaderInfo);
        return std::nullopt;
    }
    bytes.resize(header.totalSize);
    return ProgramImage(std::move(bytes));
}

}  // namespace program
