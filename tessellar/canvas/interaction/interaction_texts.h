#pragma once
// The texts of the canvas's mouse editing.

namespace canvas::interaction::texts {

inline constexpr const char* kBoxOnDataGrid = "A box can not be moved onto the data grid area.";

}  // namespace canvas::interaction::texts
