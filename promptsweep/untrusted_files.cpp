#include "promptsweep/untrusted_files.h"

#include <algorithm>
#include <cerrno>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace promptsweep {

#ifndef _WIN32

namespace {

// Closes the descriptor unless it has been handed on.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return descriptor_; }
    int Release() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return descriptor;
    }

private:
    int descriptor_;
};

bool IsRegular(int descriptor, struct stat& info) { return ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode); }

FileRefusal OpenFailure(int error) { return error == ELOOP ? FileRefusal::Link : FileRefusal::CannotOpen; }

}  // namespace

RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit) {
    RegularFileRead read;
    // Without O_NONBLOCK opening a FIFO waits for a writer, for ever.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        read.refusal = FileRefusal::CannotOpen;
        return read;
    }
    struct stat info {};
    if (!IsRegular(file.Get(), info)) {
        read.refusal = FileRefusal::NotRegular;
        return read;
    }
    if (static_cast<std::size_t>(info.st_size) > limit) {
        read.refusal = FileRefusal::TooLarge;
        return read;
    }
    std::string content(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t filled = 0;
    char more[4096];
    // The size the file had, then on in case it grew, never past the limit.
    for (;;) {
        const bool intoContent = filled < content.size();
        char* into = intoContent ? content.data() + filled : more;
        const std::size_t room = intoContent ? content.size() - filled : sizeof more;
        const ssize_t got = ::read(file.Get(), into, room);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            read.refusal = FileRefusal::ReadError;
            return read;
        }
        if (got == 0) break;
        if (!intoContent) {
            if (static_cast<std::size_t>(got) > limit - filled) {
                read.refusal = FileRefusal::TooLarge;
                return read;
            }
            content.append(more, static_cast<std::size_t>(got));
        }
        filled += static_cast<std::size_t>(got);
    }
    content.resize(filled);
    read.content = std::move(content);
    return read;
}

std::FILE* OpenRegularForWriting(const std::string& path, WriteOpening opening, FileRefusal& refusal) {
    int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    if (opening == WriteOpening::Append) flags |= O_APPEND;
    if (opening == WriteOpening::CreateNew) flags |= O_EXCL;
    // O_TRUNC waits until the file is known to be regular: a FIFO or a
    // device is left as it was.
    Descriptor file(::open(path.c_str(), flags, 0666));
    if (file.Get() < 0) {
        refusal = OpenFailure(errno);
        return nullptr;
    }
    struct stat info {};
    if (!IsRegular(file.Get(), info)) {
        refusal = FileRefusal::NotRegular;
        return nullptr;
    }
    // An empty file is left alone: truncating one tells the file system to
    // flush it on close, which costs more than all the rest.
    if (opening == WriteOpening::Truncate && info.st_size > 0 && ::ftruncate(file.Get(), 0) != 0) {
        refusal = FileRefusal::CannotOpen;
        return nullptr;
    }
    // O_NONBLOCK stays: it means nothing to a regular file.
    std::FILE* stream = ::fdopen(file.Get(), opening == WriteOpening::Append ? "ab" : "wb");
    if (stream == nullptr) {
        refusal = FileRefusal::CannotOpen;
        return nullptr;
    }
    file.Release();
    refusal = FileRefusal::None;
    return stream;
}

bool CreateNewFile(const std::string& path) {
    // O_EXCL: the file is made here and now, so it is regular and no link.
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    return file.Get() >= 0 && ::close(file.Release()) == 0;
}

bool WriteRegularFileInPlace(const std::string& path, std::string_view content) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.Get() < 0 || !IsRegular(file.Get(), info)) return false;
    if (info.st_size > 0 && ::ftruncate(file.Get(), 0) != 0) return false;
    for (std::size_t at = 0; at < content.size();) {
        const ssize_t wrote = ::write(file.Get(), content.data() + at, content.size() - at);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        at += static_cast<std::size_t>(wrote);
    }
    return ::close(file.Release()) == 0;
}

#else

RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit) {
    RegularFileRead read;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        read.refusal = FileRefusal::CannotOpen;
        return read;
    }
    std::string content;
    char buffer[65536];
    std::size_t got;
    while (content.size() <= limit && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) read.refusal = FileRefusal::ReadError;
    else if (content.size() > limit) read.refusal = FileRefusal::TooLarge;
    else read.content = std::move(content);
    return read;
}

std::FILE* OpenRegularForWriting(const std::string& path, WriteOpening opening, FileRefusal& refusal) {
    const char* mode = opening == WriteOpening::Append ? "ab" : opening == WriteOpening::CreateNew ? "wbx" : "wb";
    std::FILE* stream = std::fopen(path.c_str(), mode);
    refusal = stream == nullptr ? FileRefusal::CannotOpen : FileRefusal::None;
    return stream;
}

bool CreateNewFile(const std::string& path) {
    FileRefusal refusal = FileRefusal::None;
    std::FILE* file = OpenRegularForWriting(path, WriteOpening::CreateNew, refusal);
    return file != nullptr && std::fclose(file) == 0;
}

bool WriteRegularFileInPlace(const std::string& path, std::string_view content) {
    FileRefusal refusal = FileRefusal::None;
    std::FILE* file = OpenRegularForWriting(path, WriteOpening::Truncate, refusal);
    if (file == nullptr) return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return (std::fclose(file) == 0) && written;
}

#endif

}  // namespace promptsweep
