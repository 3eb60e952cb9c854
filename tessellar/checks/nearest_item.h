#pragma once
// For a block that reaches no item: the item it most likely meant, as a
// statement would name it now. A recompiled program renames a field, rewords
// a prompt or moves an item; its old override block then names what is no
// longer there, and the hint says what is.

#include <string>

#include "tessellar/checks/finding.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"

namespace checks {

// What the block most likely meant: the hint that says so, and the
// identifier line that would reach it when one item stands out.
struct ItemProposal {
    std::string hint;        // "nearest: name = CUST-NAME", ...; empty when nothing is near
    std::string identifier;  // "name = CUST-NAME"; empty when no one item stands out
    FixConfidence confidence = FixConfidence::Likely;
};

ItemProposal NearestItem(const model::CScreenModel& model, const overrides::OverrideStatement& statement);

// "nearest: name = CUST-NAME", "the screen now names it orig_coordinate =
// 4,22", ...; empty when nothing is near.
std::string NearestItemHint(const model::CScreenModel& model, const overrides::OverrideStatement& statement);

// What the block looks for: "entry field", "display", ...; a trigger the
// item of its point. Empty for a block that names no item.
std::string NounOf(const overrides::OverrideStatement& statement);

}  // namespace checks
