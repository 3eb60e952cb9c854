#include "tessellar/checks/screen_spoils.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tessellar/model/text_overlap.h"
#include "tessellar/checks/check_texts.h"
#include "tessellar/checks/item_keys.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/overrides/item_placement.h"

namespace checks {

namespace {

using model::TextSpan;

// An item of the overlap rule, as the program showed it and as it shows now.
struct Shown {
    const void* item = nullptr;
    const model::CDispText* display = nullptr;
    const model::CAcceptFld* accept = nullptr;
    const model::COptionItem* option = nullptr;
    TextSpan before;
    TextSpan now;
    bool visibleBefore = false;
    bool visibleNow = false;
    bool inGrid = false;

    // Named only when a finding needs it.
    std::string Key() const {
        if (display != nullptr) return ItemKey(*display);
        if (accept != nullptr) return ItemKey(*accept);
        return option != nullptr ? ItemKey(*option) : std::string();
    }
    bool Changed() const {
        return visibleBefore != visibleNow || before.row != now.row || before.firstColumn != now.firstColumn ||
               before.lastColumn != now.lastColumn;
    }
};

TextSpan Span(model::CellPosition position, int width) {
    return TextSpan{position.row, position.column, position.column + width - 1};
}

template <typename Field>
Shown ShownField(const Field& item, bool onGrid) {
    Shown shown;
    shown.item = &item;
    shown.before = Span(item.position.Original(), item.width.Original());
    shown.now = model::SpanOf(item);
    shown.visibleBefore = !item.suppressed.Original() && !item.added;
    shown.visibleNow = !item.suppressed.Current();
    shown.inGrid = onGrid && item.gridColumnKey != -1;
    return shown;
}

std::vector<Shown> ShownItems(const model::CScreenModel& model) {
    std::vector<Shown> items;
    const bool onGrid = model.IsDataGrid();
    for (const model::CDispText& item : model.Displays()) {
        items.push_back(ShownField(item, onGrid));
        items.back().display = &item;
    }
    for (const model::CAcceptFld& item : model.Accepts()) {
        items.push_back(ShownField(item, onGrid));
        items.back().accept = &item;
    }
    for (const model::COptionItem& item : model.Options()) {
        Shown shown;
        shown.item = &item;
        shown.option = &item;
        shown.before = Span(item.position.Original(), item.width);
        shown.now = model::SpanOf(item);
        shown.visibleBefore = !item.suppressed.Original();
        shown.visibleNow = !item.suppressed.Current();
        items.push_back(std::move(shown));
    }
    return items;
}

class Blame {
public:
    Blame(const ScreenTouches& touches, std::size_t sectionLine) : touches_(touches), sectionLine_(sectionLine) {}

    std::size_t Placed(const void* item) const { return ScreenTouches::LineIn(touches_.placed, item); }
    // The item's own line, else the window's size, else the section.
    std::size_t LineFor(const void* item) const {
        if (const std::size_t line = Placed(item)) return line;
        return touches_.windowLine != 0 ? touches_.windowLine : sectionLine_;
    }
    std::size_t Section() const { return sectionLine_; }
    const ScreenTouches& Touches() const { return touches_; }

private:
    const ScreenTouches& touches_;
    std::size_t sectionLine_;
};

void ReportOverlaps(const model::CScreenModel& model, const std::vector<Shown>& items, const Blame& blame,
                    SectionFindings& findings) {
    std::set<std::pair<const void*, const void*>> reported;
    for (const Shown& moved : items) {
        if (!moved.visibleNow || !moved.Changed()) continue;
        for (const Shown& other : items) {
            if (&other == &moved || !other.visibleNow || !model::SpansMeet(moved.now, other.now)) continue;
            const bool before =
                moved.visibleBefore && other.visibleBefore && model::SpansMeet(moved.before, other.before);
            if (before) continue;
            const auto pair = std::minmax(moved.item, other.item);
            if (!reported.insert(pair).second) continue;
            // The later of the two lines made the overlap.
            const std::size_t movedLine = blame.Placed(moved.item);
            const std::size_t otherLine = blame.Placed(other.item);
            const Shown& blamed = otherLine > movedLine ? other : moved;
            const Shown& victim = &blamed == &moved ? other : moved;
            const std::size_t line = std::max(movedLine, otherLine);
            const int row = overrides::AbsolutePosition(model, {moved.now.row, 0}).row;
            const std::string key = blamed.Key();
            findings.Add(line != 0 ? line : blame.Section(), FindingKind::Overlap, key,
                         key + texts::kOverlaps + victim.Key() + texts::kOnRow + std::to_string(row) +
                             texts::kAfterApplying);
        }
    }
}

struct EdgeState {
    bool right = false;
    bool bottom = false;
    bool left = false;
    bool top = false;
};

EdgeState EdgesOf(const TextSpan& span, int lastColumn, int lastRow) {
    return {span.lastColumn > lastColumn, span.row > lastRow, span.firstColumn < 0, span.row < 0};
}

void ReportEdges(const model::CScreenModel& model, const std::vector<Shown>& items, const Blame& blame,
                 SectionFindings& findings) {
    const model::CScreenWnd* frame = model.Frame();
    if (frame == nullptr) return;
    const int lastColumn = frame->rightColumn - frame->leftColumn;
    const int lastRow = frame->bottomRow - frame->topRow;
    const int originalLastColumn = frame->originalRightColumn - frame->leftColumn;
    const int originalLastRow = frame->originalBottomRow - frame->topRow;
    for (const Shown& item : items) {
        // A data grid scrolls sideways: its columns may lie beyond the window.
        if (!item.visibleNow || item.inGrid || item.now.lastColumn < item.now.firstColumn) continue;
        const EdgeState now = EdgesOf(item.now, lastColumn, lastRow);
        const EdgeState before = item.visibleBefore ? EdgesOf(item.before, originalLastColumn, originalLastRow)
                                                    : EdgeState{};
        const model::CellPosition first = overrides::AbsolutePosition(model, {item.now.row, item.now.firstColumn});
        const model::CellPosition last = overrides::AbsolutePosition(model, {item.now.row, item.now.lastColumn});
        if (!(now.right && !before.right) && !(now.bottom && !before.bottom) && !(now.left && !before.left) &&
            !(now.top && !before.top)) {
            continue;
        }
        const std::size_t line = blame.LineFor(item.item);
        const std::string key = item.Key();
        if (now.right && !before.right) {
            findings.Add(line, FindingKind::PastEdge, key,
                         key + texts::kPastRight + std::to_string(last.column) + texts::kWindowEndsAt +
                             std::to_string(frame->rightColumn));
        }
        if (now.bottom && !before.bottom) {
            findings.Add(line, FindingKind::PastEdge, key,
                         key + texts::kPastBottom + std::to_string(first.row) + texts::kWindowEndsAt +
                             std::to_string(frame->bottomRow));
        }
        if (now.left && !before.left) {
            findings.Add(line, FindingKind::PastEdge, key,
                         key + texts::kBeforeLeft + std::to_string(first.column) + texts::kWindowStartsAt +
                             std::to_string(frame->leftColumn));
        }
        if (now.top && !before.top) {
            findings.Add(line, FindingKind::PastEdge, key,
                         key + texts::kAboveTop + std::to_string(first.row) + texts::kWindowStartsAt +
                             std::to_string(frame->topRow));
        }
    }
}

// Where a prompt's text draws: the canvas draws it whole, unclipped, so a
// text wider than its cells runs out of them; one ending in ":" is set
// flush right in its cells and runs out to the left, any other runs out to
// the right. Value displays clip their text to their cells: none.
std::optional<TextSpan> OverhangingText(const model::CDispText& item, bool now) {
    if (item.dataDisplay) return std::nullopt;
    const std::string& text = now ? item.text.Current() : item.text.Original();
    const int width = now ? item.width.Current() : item.width.Original();
    const model::CellPosition at = now ? item.position.Current() : item.position.Original();
    const int length = static_cast<int>(text.size());
    if (length <= width) return std::nullopt;
    const std::size_t last = text.find_last_not_of(' ');
    if (last != std::string::npos && text[last] == ':') {
        return TextSpan{at.row, at.column + width - length, at.column + width - 1};
    }
    return TextSpan{at.row, at.column, at.column + length - 1};
}

// A text wider than its cells that leaves the window where its cells do not.
void ReportOverhangingTexts(const model::CScreenModel& model, const std::vector<Shown>& items, const Blame& blame,
                            SectionFindings& findings) {
    const model::CScreenWnd* frame = model.Frame();
    if (frame == nullptr) return;
    const int lastColumn = frame->rightColumn - frame->leftColumn;
    const int originalLastColumn = frame->originalRightColumn - frame->leftColumn;
    for (const Shown& item : items) {
        if (item.display == nullptr || !item.visibleNow || item.inGrid) continue;
        const std::optional<TextSpan> now = OverhangingText(*item.display, true);
        if (!now) continue;
        const std::optional<TextSpan> before =
            item.visibleBefore ? OverhangingText(*item.display, false) : std::nullopt;
        const EdgeState cells = EdgesOf(item.now, lastColumn, 0);
        const EdgeState text = EdgesOf(*now, lastColumn, 0);
        const EdgeState was = before ? EdgesOf(*before, originalLastColumn, 0) : EdgeState{};
        const bool left = text.left && !cells.left && !was.left;
        const bool right = text.right && !cells.right && !was.right;
        if (!left && !right) continue;
        const std::size_t line = std::max(blame.LineFor(item.item), ScreenTouches::LineIn(blame.Touches().texted, item.item));
        const std::string key = item.Key();
        const std::string wide = key + texts::kTextIs + std::to_string(now->lastColumn - now->firstColumn + 1) +
                                 texts::kCharactersWideIn + std::to_string(item.display->width.Current()) +
                                 texts::kCellsAnd;
        if (left) {
            const int column = overrides::AbsolutePosition(model, {now->row, now->firstColumn}).column;
            findings.Add(line, FindingKind::PastEdge, key,
                         wide + texts::kBeforeLeft + std::to_string(column) + texts::kWindowStartsAt +
                             std::to_string(frame->leftColumn));
        }
        if (right) {
            const int column = overrides::AbsolutePosition(model, {now->row, now->lastColumn}).column;
            findings.Add(line, FindingKind::PastEdge, key,
                         wide + texts::kPastRight + std::to_string(column) + texts::kWindowEndsAt +
                             std::to_string(frame->rightColumn));
        }
    }
}

std::string FieldKey(const model::FieldItem& item) {
    if (const auto* accept = dynamic_cast<const model::CAcceptFld*>(&item)) return ItemKey(*accept);
    if (const auto* display = dynamic_cast<const model::CDispText*>(&item)) return ItemKey(*display);
    return {};
}

void ReportGridColumns(const model::CScreenModel& model, const Blame& blame, SectionFindings& findings) {
    const model::CReviewArea* area = model.ReviewArea();
    const model::CScreenWnd* frame = model.Frame();
    if (!model.IsDataGrid() || area == nullptr || frame == nullptr) return;
    const int areaWidth = area->rightColumn - area->leftColumn + 1;
    const int originalAreaWidth = frame->originalRightColumn - 1 - frame->leftColumn - area->leftColumn + 1;
    for (const model::ColumnEntry& column : area->columns.Entries()) {
        if (column.item == nullptr) continue;
        // A field drawn wider than the column it was registered with is as wide as it draws.
        const int width = std::max(column.width, column.item->width.Current());
        if (width <= areaWidth || column.item->width.Original() > originalAreaWidth) continue;
        const std::string key = FieldKey(*column.item);
        findings.Add(blame.LineFor(column.item), FindingKind::WideGridColumn, key,
                     key + texts::kGridColumn + std::to_string(width) + texts::kColumnsWideArea +
                         std::to_string(areaWidth));
    }
}

std::string Refusal(const char* text) { return texts::kCustomiserRefuses + std::string(text) + "\""; }

void ReportMissingDefaults(const model::CScreenModel& model, const ScreenTouches& touches, const Blame& blame,
                           SectionFindings& findings) {
    for (const model::CAcceptFld& item : model.Accepts()) {
        if (!item.defaultValue.Current().empty()) continue;
        const bool hidden = item.suppressed.Current() && !item.suppressed.Original();
        const bool readOnly = item.readOnly.Current() && !item.readOnly.Original();
        if (!hidden && !readOnly) continue;
        const std::string key = ItemKey(item);
        if (hidden) {
            const std::size_t line = ScreenTouches::LineIn(touches.hidden, &item);
            findings.Add(line != 0 ? line : blame.Section(), FindingKind::HiddenWithoutDefault, key,
                         key + texts::kHiddenNoDefault, Refusal(commands::texts::kCouldNotHide));
        } else {
            const std::size_t line = ScreenTouches::LineIn(touches.readOnly, &item);
            findings.Add(line != 0 ? line : blame.Section(), FindingKind::HiddenWithoutDefault, key,
                         key + texts::kReadonlyNoDefault, Refusal(commands::texts::kCouldNotMakeReadonly));
        }
    }
}

}  // namespace

void ReportSpoils(const model::CScreenModel& model, const ScreenTouches& touches, std::size_t sectionLine,
                  SectionFindings& findings) {
    const Blame blame(touches, sectionLine);
    const std::vector<Shown> items = ShownItems(model);
    ReportOverlaps(model, items, blame, findings);
    ReportEdges(model, items, blame, findings);
    ReportOverhangingTexts(model, items, blame, findings);
    ReportGridColumns(model, blame, findings);
    ReportMissingDefaults(model, touches, blame, findings);
}

}  // namespace checks
