#include "tessellar/app/picture_writer.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace app {

namespace {

// Pictures waiting for a writer, at most: enough to keep the writers busy,
// few enough that memory stays flat over thousands of entries.
constexpr std::size_t kQueueLimit = 8;

}  // namespace

bool WritePngPicture(const QImage& picture, const std::string& path) {
    if (picture.isNull()) return false;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    // libpng reports its failures by jumping back here.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, kPngCompressionLevel);
    // Trying every row filter costs more than compressing; screens are flat
    // runs of colour that the "sub" filter alone turns into zeros.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()), static_cast<png_uint_32>(rgb.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int y = 0; y < rgb.height(); ++y) png_write_row(png, rgb.constScanLine(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

PictureWriter::PictureWriter(unsigned workers) {
    for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
}

PictureWriter::~PictureWriter() { Finish(); }

unsigned PictureWriter::DefaultWorkers() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}

std::size_t PictureWriter::Write(QImage picture, std::string path) {
    std::unique_lock lock(mutex_);
    const std::size_t number = written_.size();
    written_.push_back(false);
    if (threads_.empty()) {
        lock.unlock();
        const bool written = WritePngPicture(picture, path);
        lock.lock();
        written_[number] = written;
        return number;
    }
    room_.wait(lock, [this] { return queue_.size() < kQueueLimit; });
    queue_.push_back({number, std::move(picture), std::move(path)});
    wake_.notify_one();
    return number;
}

std::vector<bool> PictureWriter::Finish() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
    std::lock_guard lock(mutex_);
    return written_;
}

void PictureWriter::Work() {
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
        if (queue_.empty()) return;
        Job job = std::move(queue_.front());
        queue_.pop_front();
        room_.notify_one();
        lock.unlock();
        const bool written = WritePngPicture(job.picture, job.path);
        lock.lock();
        written_[job.number] = written;
    }
}

}  // namespace app
