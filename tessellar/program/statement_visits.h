#pragma once
// Bounds for walking nested statement lists. A compiled program is a tree:
// every statement belongs to one list and lists nest only as deep as the
// source did. A damaged image can point lists at each other or at
// themselves, so a walk enters each statement once and stops at a depth
// no real program reaches.

#include <cstdint>
#include <unordered_set>

namespace program {

inline constexpr int kMaxStatementDepth = 128;

class StatementVisits {
public:
    // True the first time a statement is met in this walk.
    bool FirstVisit(std::uint32_t statement) { return visited_.insert(statement).second; }

private:
    std::unordered_set<std::uint32_t> visited_;
};

}  // namespace program
