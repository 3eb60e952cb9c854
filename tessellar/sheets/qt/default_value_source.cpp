#include "tessellar/sheets/qt/default_value_source.h"

#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/property_page.h"

namespace sheets {

bool DefaultCheckPasses(CMyPropertySheet& sheet, int defaultPage, DefaultCheck check) {
    const auto* source = dynamic_cast<const DefaultValueSource*>(sheet.Page(defaultPage));
    if (source == nullptr) return true;
    const commands::Refusal refusal = check(source->CurrentDefaultText());
    if (!refusal) return true;
    sheet.Sink().ShowMessage(*refusal);
    sheet.SetActivePage(defaultPage);
    return false;
}

}  // namespace sheets
