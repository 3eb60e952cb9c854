#pragma once
// A cell of the character grid: row and column. Compiled coordinates count
// from 1; positions relative to the screen origin count from 0. -1 is unset.

namespace model {

struct CellPosition {
    int row = -1;
    int column = -1;

    bool IsSet() const { return row != -1 || column != -1; }
    bool operator==(const CellPosition&) const = default;
};

}  // namespace model
