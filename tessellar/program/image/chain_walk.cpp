#include "tessellar/program/image/chain_walk.h"

namespace program {

namespace {

// How many distinct records a chain holds before it ends or comes back to a
// record already met. With the end of the chain taken as a record 0 that
// follows itself, every chain ends in a cycle; Brent's method finds its length
// and where it starts in constant memory, so walking a chain allocates nothing.
template <typename Follow>
std::uint64_t CountDistinctRecords(std::uint32_t first, Follow follow) {
    std::uint64_t power = 1;
    std::uint64_t cycleLength = 1;
    std::uint32_t tortoise = first;
    std::uint32_t hare = follow(first);
    while (tortoise != hare) {
        if (power == cycleLength) {
            tortoise = hare;
            power *= 2;
            cycleLength = 0;
        }
        hare = follow(hare);
        ++cycleLength;
    }

    std::uint64_t cycleStart = 0;
    tortoise = first;
    hare = first;
    for (std::uint64_t i = 0; i < cycleLength; ++i) hare = follow(hare);
    while (tortoise != hare) {
        tortoise = follow(tortoise);
        hare = follow(hare);
        ++cycleStart;
    }
    // The end marker is no record; a true loop's records are all visited once.
    return hare == 0 ? cycleStart : cycleStart + cycleLength;
}

}  // namespace

ChainWalk::ChainWalk(const ProgramImage& image, std::uint32_t first, std::uint32_t nextField)
    : image_(image), nextField_(nextField), pending_(first >= image.Size() ? 0 : first) {
    remaining_ = CountDistinctRecords(pending_, [this](std::uint32_t record) { return Follow(record); });
}

std::uint32_t ChainWalk::Follow(std::uint32_t record) const {
    if (record == 0) return 0;
    const std::uint32_t next = ReadU24(image_, std::uint64_t{record} + nextField_);
    return next >= image_.Size() ? 0 : next;
}

std::uint32_t ChainWalk::Next() {
    if (remaining_ == 0) return 0;
    --remaining_;
    const std::uint32_t current = pending_;
    pending_ = Follow(current);
    return current;
}

}  // namespace program
