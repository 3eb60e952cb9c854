#pragma once
// The shown item of a screen that an override statement names by a key
// ("accept name = CUST-NO", "display orig_text = \"Name:\""), as a finding
// of the checks names it, ready to be selected on the canvas.

#include <string_view>

#include "tessellar/canvas/interaction/item_hit_test.h"
#include "tessellar/model/screen_model.h"

namespace canvas::interaction {

// The first unsuppressed display, entry field, option, mode or box whose
// key is `itemKey`; nothing (kind None) when none is shown. gridShift: the
// data grid's horizontal scroll, as the hit test takes it.
ItemHit ItemWithKey(model::CScreenModel& model, std::string_view itemKey, int gridShift = 0);

}  // namespace canvas::interaction
