#pragma once
// "List of Suppressed Fields" (or "Data Entry Fields"): the user picks a
// suppressed item of the screen and places it with "Unsuppress Field".

#include <optional>

#include <QWidget>

#include "tessellar/lists/suppressed_fields.h"
#include "tessellar/model/screen_model.h"

namespace lists {

// The chosen line's item and where the user placed it; nothing when no
// line was chosen or either dialog was cancelled.
std::optional<ReleasedField> ChooseSuppressedField(QWidget* parent, model::CScreenModel& screen,
                                                   SuppressedListUse use);

}  // namespace lists
