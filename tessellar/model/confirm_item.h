#pragma once
// A confirm prompt: a yes/no question. Statements find it by its question.

#include <string>

#include "tessellar/model/cell_position.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/model/tracked_value.h"

namespace model {

class CConfirmItem {
public:
    TrackedText question{kNameLength};
    Tracked<std::string> defaultAnswer;  // "yes", "no" or empty
    CellPosition compiled;
    Tracked<bool> suppressed{false};

    bool IsChanged() const { return question.Changed() || defaultAnswer.Changed(); }
    void ResetToOriginal();
};

}  // namespace model
