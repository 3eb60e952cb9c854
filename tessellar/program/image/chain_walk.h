#pragma once

#include <cstdint>

#include "tessellar/program/image/program_image.h"

namespace program {

// Steps through a singly linked chain of records whose "next" offset sits at
// a fixed field. The walk ends at a next offset of 0, at an offset outside the
// image, and before the first record that would be met a second time: the
// compiler never writes a loop, so only a damaged file holds one, and it must
// neither hang a reader nor show a record twice.
//
//     for (ChainWalk walk(image, first, 33); std::uint32_t entry = walk.Next();) { ... }
class ChainWalk {
public:
    ChainWalk(const ProgramImage& image, std::uint32_t first, std::uint32_t nextField);

    // The next record's offset, or 0 when the chain is over.
    std::uint32_t Next();

private:
    // The record after `record`; 0 (its own successor) once the chain ends.
    std::uint32_t Follow(std::uint32_t record) const;

    const ProgramImage& image_;
    std::uint32_t nextField_;
    std::uint32_t pending_;
    std::uint64_t remaining_;  // distinct records still to visit
};

}  // namespace program
