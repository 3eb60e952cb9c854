#pragma once
// The field list dialog: one of the screen's field lists (database, local
// or global fields) to pick a field name from. In marking mode a field the
// screen already shows is listed with a leading "*"; the name chosen comes
// back without it.

#include <QString>
#include <optional>
#include <string>

#include "tessellar/model/screen_model.h"

class QWidget;

namespace sheets {

enum class FieldListMode { Database = 1, Local = 2, Global = 3 };

// The chosen field's name, or none when the user cancelled or chose nothing.
// label: the text over the list; "Select:" when empty.
std::optional<std::string> ChooseField(QWidget* parent, const model::CScreenModel& screen, FieldListMode mode,
                                       const QString& label = {}, bool marking = false);

}  // namespace sheets
