#pragma once
// Writes pictures as PNG files on worker threads while the caller draws the
// next one: compressing takes far longer than drawing, so `--render --all`
// keeps every core busy. Pictures go out with a fast compression level;
// they are for looking at, and a few per cent more bytes cost nothing.

#include <QImage>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace app {

// zlib's fastest level that still compresses.
inline constexpr int kPngCompressionLevel = 1;

// Writes one picture as a PNG file; false when it cannot be written.
bool WritePngPicture(const QImage& picture, const std::string& path);

class PictureWriter {
public:
    // workers: how many threads write; 0 writes on the caller's thread.
    explicit PictureWriter(unsigned workers);
    ~PictureWriter();
    PictureWriter(const PictureWriter&) = delete;
    PictureWriter& operator=(const PictureWriter&) = delete;

    // Queues a picture; returns its number, counted from 0.
    std::size_t Write(QImage picture, std::string path);
    // Waits for every queued picture; whether each was written, by number.
    std::vector<bool> Finish();

    // One writer per core: drawing is quick, so the caller mostly waits.
    static unsigned DefaultWorkers();

private:
    struct Job {
        std::size_t number;
        QImage picture;
        std::string path;
    };
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable room_;
    std::deque<Job> queue_;
    std::vector<bool> written_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace app
