#pragma once

#include <cstdint>
#include <unordered_set>

#include "tessellar/program/image/program_image.h"

namespace program {

// Steps through a singly linked chain of records whose "next" offset sits at
// a fixed field. The walk ends at a next offset of 0, at an offset outside the
// image, and at the first record met a second time: the compiler never writes
// a loop, so only a damaged file can hold one, and it must not hang a reader.
//
//     for (ChainWalk walk(image, first, 33); std::uint32_t entry = walk.Next();) { ... }
class ChainWalk {
public:
    ChainWalk(const ProgramImage& image, std::uint32_t first, std::uint32_t nextField);

    // The next record's offset, or 0 when the chain is over.
    std::uint32_t Next();

private:
    const ProgramImage& image_;
    std::uint32_t pending_;
    std::uint32_t nextField_;
    std::unordered_set<std::uint32_t> visited_;
};

}  // namespace program
