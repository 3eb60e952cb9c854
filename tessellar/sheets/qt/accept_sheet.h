#pragma once
// The entry field sheet: the field's default value, tool tip, format,
// column order (in a review area), attributes, allowed and disallowed
// values, title and filter (in a review area). OK issues the changed
// properties' commands in their fixed order, with the refusals between them.

#include "tessellar/model/accept_field.h"
#include "tessellar/sheets/qt/sheet_context.h"

namespace sheets {

// Opens the sheet over the field; true when a command was issued. The field
// and every other item of the screen are rebuilt by the commands, so the
// caller finds them again by key afterwards.
// cellWidth: the canvas's cell width in pixels, for callers that size the
// field's window; the rebuilt field carries its new width in cells.
bool OpenAcceptSheet(const SheetContext& context, model::CAcceptFld& field, int cellWidth);

// Hides the field ("Suppress accept") once a sheet with its Default Value
// page, titled "Accept Field Default Value--" and the field's name, gave the
// value the hidden field takes. Cancelled or left empty: "Sorry, could not
// hide a field without default values" and the field stays; a value the
// field's lists refuse shows that list's description. True when hidden.
bool SuppressAcceptWithDefault(const SheetContext& context, model::CAcceptFld& field);

}  // namespace sheets
