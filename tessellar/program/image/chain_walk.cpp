#include "tessellar/program/image/chain_walk.h"

namespace program {

ChainWalk::ChainWalk(const ProgramImage& image, std::uint32_t first, std::uint32_t nextField)
    : image_(image), pending_(first), nextField_(nextField) {}

std::uint32_t ChainWalk::Next() {
    const std::uint32_t current = pending_;
    if (current == 0 || current >= image_.Size() || !visited_.insert(current).second) {
        pending_ = 0;
        return 0;
    }
    pending_ = ReadInt24(image_, std::uint64_t{current} + nextField_);
    return current;
}

}  // namespace program
