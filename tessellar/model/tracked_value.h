#pragma once
// A customisable value held twice: the original, as the compiled program
// gives it, and the current one, which overrides and the user change.
// Decoding sets both; a reset copies the original back.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "tessellar/model/text_capacity.h"

namespace model {

template <typename T>
class Tracked {
public:
    Tracked() = default;
    explicit Tracked(T initial) : original_(initial), current_(std::move(initial)) {}

    const T& Original() const { return original_; }
    const T& Current() const { return current_; }
    void SetOriginal(T value) { original_ = std::move(value); }
    void SetCurrent(T value) { current_ = std::move(value); }
    void SetBoth(T value) {
        original_ = value;
        current_ = std::move(value);
    }
    void Reset() { current_ = original_; }
    bool Changed() const { return !(current_ == original_); }

private:
    T original_{};
    T current_{};
};

// A text pair in a fixed-size field: every text set is cut to the field.
class TrackedText {
public:
    explicit TrackedText(std::size_t maxLength, std::string_view initial = {})
        : maxLength_(maxLength), value_(platform::CutText(initial, maxLength)) {}

    const std::string& Original() const { return value_.Original(); }
    const std::string& Current() const { return value_.Current(); }
    void SetOriginal(std::string_view text) { value_.SetOriginal(platform::CutText(text, maxLength_)); }
    void SetCurrent(std::string_view text) { value_.SetCurrent(platform::CutText(text, maxLength_)); }
    void SetBoth(std::string_view text) { value_.SetBoth(platform::CutText(text, maxLength_)); }
    void Reset() { value_.Reset(); }
    bool Changed() const { return value_.Changed(); }
    std::size_t MaxLength() const { return maxLength_; }

private:
    std::size_t maxLength_;
    Tracked<std::string> value_;
};

}  // namespace model
