#include "tessellar/commands/command_checks.h"

#include <cctype>

#include "tessellar/commands/command_texts.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/pictures/picture_compiler.h"

namespace commands {

namespace {

Refusal NeedsDefault(std::string_view defaultText, const char* refusal) {
    if (defaultText.empty()) return std::string(refusal);
    return std::nullopt;
}

template <typename Item>
bool Covers(const Item& item, model::CellPosition cell) {
    const model::CellPosition at = item.position.Current();
    const int width = item.width.Current() > 0 ? item.width.Current() : 1;
    return at.row == cell.row && cell.column >= at.column && cell.column < at.column + width;
}

bool Covers(model::CellPosition at, int width, model::CellPosition cell) {
    return at.row == cell.row && cell.column >= at.column && cell.column < at.column + (width > 0 ? width : 1);
}

// Any item shown at the cell: fields and texts, menu options and mode buttons.
bool ItemUnder(const model::CScreenModel& model, model::CellPosition cell) {
    for (const model::CDispText& item : model.Displays()) {
        if (!item.suppressed.Current() && Covers(item, cell)) return true;
    }
    for (const model::CAcceptFld& item : model.Accepts()) {
        if (!item.suppressed.Current() && Covers(item, cell)) return true;
    }
    for (const model::COptionItem& option : model.Options()) {
        if (!option.suppressed.Current() && Covers(option.position.Current(), option.width, cell)) return true;
    }
    for (const model::CModeItem& mode : model.Modes()) {
        if (!mode.suppressed.Current() && Covers(mode.position, mode.width, cell)) return true;
    }
    return false;
}

int LastReviewRow(const model::CReviewArea& area) {
    return area.firstRow + (area.repeatCount > 0 ? area.repeatCount : 1) - 1;
}

bool InReviewArea(const model::CScreenModel& model, model::CellPosition cell) {
    const model::CReviewArea* area = model.ReviewArea();
    if (!model.HasReview() || area == nullptr) return false;
    return cell.row >= area->firstRow && cell.row <= LastReviewRow(*area) && cell.column >= area->leftColumn &&
           cell.column <= area->rightColumn;
}

Refusal CheckFieldDrop(const model::CScreenModel& model, int row, int column, const char* refusal) {
    const model::CellPosition cell = overrides::RelativePosition(model, row, column);
    const model::CReviewArea* area = model.ReviewArea();
    const bool inArea = InReviewArea(model, cell);
    // The area's last row takes no new field.
    if (inArea && area != nullptr && LastReviewRow(*area) > area->firstRow && cell.row == LastReviewRow(*area)) {
        return std::string(refusal);
    }
    if (ItemUnder(model, cell) && !(inArea && model.IsDataGrid())) return std::string(refusal);
    return std::nullopt;
}

}  // namespace

Refusal CheckHideDefault(std::string_view defaultText) { return NeedsDefault(defaultText, texts::kCouldNotHide); }
Refusal CheckBlockDefault(std::string_view defaultText) { return NeedsDefault(defaultText, texts::kCouldNotBlock); }
Refusal CheckReadonlyDefault(std::string_view defaultText) {
    return NeedsDefault(defaultText, texts::kCouldNotMakeReadonly);
}

Refusal CheckResize(const model::FieldItem& item) {
    // Until the user gives it a picture, a field of a variable shows its type's
    // picture: a numeric display is no more resizable than a numeric picture.
    const bool typeRules = !item.picture.Changed() && !item.defaultPicture.empty();
    const std::string& picture = typeRules ? item.defaultPicture : item.picture.Current();
    if (picture.empty()) return std::nullopt;
    if (std::tolower(static_cast<unsigned char>(picture.front())) == pictures::mask::kAlphanumeric) return std::nullopt;
    return std::string(texts::kNotAlphanumeric);
}

Refusal CheckMoveDisplay(const model::CScreenModel& model, const model::CDispText& item, int row, int column) {
    if (item.added || item.inReviewArea) return std::nullopt;
    if (InReviewArea(model, overrides::RelativePosition(model, row, column))) {
        return std::string(texts::kPromptNotInReview);
    }
    return std::nullopt;
}

// Only a display of the field counts as showing it: a field the screen only
// accepts can still be added as a display. A hidden display counts too: the
// new block would name it, and it stays hidden.
Refusal CheckAddField(const model::CScreenModel& model, std::string_view fieldName) {
    for (const model::CDispText& item : model.Displays()) {
        if (item.name == fieldName) return std::string(texts::kAlreadyDisplayed);
    }
    return std::nullopt;
}

Refusal CheckFieldList(const model::CScreenModel& model, model::FieldList list) {
    if (!model.Fields(list).Empty()) return std::nullopt;
    switch (list) {
        case model::FieldList::RecordSource: return std::string(texts::kNoDatabaseFields);
        case model::FieldList::ScreenLocal: return std::string(texts::kNoLocalFields);
        case model::FieldList::Program: return std::string(texts::kNoGlobalFields);
    }
    return std::nullopt;
}

Refusal CheckAddPromptAt(const model::CScreenModel& model, int row, int column) {
    const model::CellPosition cell = overrides::RelativePosition(model, row, column);
    if (ItemUnder(model, cell) || InReviewArea(model, cell)) return std::string(texts::kCouldNotAddPrompt);
    return std::nullopt;
}

Refusal CheckAddFieldAt(const model::CScreenModel& model, int row, int column) {
    return CheckFieldDrop(model, row, column, texts::kCouldNotAddField);
}

Refusal CheckGridColumnFree(const model::CScreenModel& model, const model::FieldItem* moving, int row, int column,
                            const char* refusal) {
    const model::CellPosition cell = overrides::RelativePosition(model, row, column);
    const model::CReviewArea* area = model.ReviewArea();
    if (area == nullptr || !model.IsDataGrid() || !InReviewArea(model, cell)) return std::nullopt;
    for (const model::ColumnEntry& entry : area->columns.Entries()) {
        if (moving != nullptr && entry.key == moving->gridColumnKey) continue;
        if (cell.column >= entry.position && cell.column < entry.position + entry.width) return std::string(refusal);
    }
    return std::nullopt;
}

Refusal CheckAddTriggerDisplayAt(const model::CScreenModel& model, int row, int column) {
    return CheckFieldDrop(model, row, column, texts::kCouldNotAddTriggerDisplay);
}

Refusal CheckLineValue(std::string_view value) {
    if (value.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos) return std::nullopt;
    return texts::kValueBreaksLine;
}

}  // namespace commands
