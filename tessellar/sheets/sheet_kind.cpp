#include "tessellar/sheets/sheet_kind.h"

#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

std::string SheetTitle(SheetKind kind, model::IdentificationKind identification, std::string_view text) {
    const bool named = identification == model::IdentificationKind::Name ||
                       identification == model::IdentificationKind::OriginalText;
    auto titled = [&](const char* bare) {
        std::string title = bare;
        if (named) title.append("--").append(text);
        return title;
    };
    switch (kind) {
        case SheetKind::Display: return titled(texts::kDisplaySheet);
        case SheetKind::Accept: return std::string(texts::kAcceptSheet) + "--" + std::string(text);
        case SheetKind::Menu: return titled(texts::kMenuSheet);
        case SheetKind::Mode: return titled(texts::kModeSheet);
        case SheetKind::Confirm: return titled(texts::kModeConfirmSheet);
        case SheetKind::Box: return std::string(texts::kBoxSheet) + "--" + std::string(text);
        case SheetKind::ScreenTitle: return texts::kScreenTitleSheet;
    }
    return {};
}

std::string ConfirmSheetTitle(bool forMode, std::string_view question) {
    if (!forMode) return texts::kConfirmSheet;
    return SheetTitle(SheetKind::Confirm, model::IdentificationKind::OriginalText, question);
}

}  // namespace sheets
