#include "tessellar/model/screen_model.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>

namespace model {

CScreenModel::CScreenModel(std::string name, int identifier, const program::ProgramImage* image,
                           std::uint32_t entry, std::uint32_t programModes, ModelKind kind)
    : name_(std::move(name)),
      identifier_(identifier),
      image_(image),
      entry_(entry),
      programModes_(programModes),
      kind_(kind) {}

CScreenModel::~CScreenModel() { DestroyItems(); }

void CScreenModel::SetReviewWord(std::uint16_t word) {
    reviewWord_ = word;
    review_ = word != 0;
}

CScreenWnd& CScreenModel::CreateFrame() { return frames_.Add(customFont_); }

ItemList<CModeItem>& CScreenModel::Modes(ModeList list) {
    return list == ModeList::Screen ? modes_ : programModeItems_;
}

const ItemList<CModeItem>& CScreenModel::Modes(ModeList list) const {
    return list == ModeList::Screen ? modes_ : programModeItems_;
}

ItemList<CFieldEntry>& CScreenModel::Fields(FieldList list) {
    switch (list) {
        case FieldList::RecordSource: return recordSourceFields_;
        case FieldList::ScreenLocal: return localFields_;
        case FieldList::Program: break;
    }
    return programFields_;
}

const ItemList<CFieldEntry>& CScreenModel::Fields(FieldList list) const {
    return const_cast<CScreenModel*>(this)->Fields(list);
}

CAcceptFld& CScreenModel::AddAccept() {
    CAcceptFld& item = accepts_.Add();
    item.font = ItemFont(customFont_);
    return item;
}

CDispText& CScreenModel::AddDisplay() {
    CDispText& item = displays_.Add();
    item.font = ItemFont(customFont_);
    return item;
}

COptionItem& CScreenModel::AddOption() {
    COptionItem& item = options_.Add();
    item.font = ItemFont(customFont_);
    return item;
}

CBoxItem& CScreenModel::AddBox() {
    CBoxItem& item = boxes_.Add();
    item.font = ItemFont(customFont_);
    return item;
}

CModeItem& CScreenModel::AddMode(ModePlacement* previous) {
    if (previous != nullptr) {
        const CModeItem* last = modes_.Last();
        *previous = last == nullptr ? ModePlacement{} : ModePlacement{last->position, last->width};
    }
    CModeItem& item = modes_.Add();
    item.font = ItemFont(customFont_);
    return item;
}

CModeItem& CScreenModel::AddProgramMode() {
    CModeItem& item = programModeItems_.Add();
    item.font = ItemFont(customFont_);
    return item;
}

CConfirmItem& CScreenModel::AddConfirm() { return confirms_.Add(); }

CMessageItem& CScreenModel::AddMessage(MessageKind kind) { return messages_.Add(kind); }

CFieldEntry& CScreenModel::AddFieldEntry(FieldList list, std::string_view name) {
    return Fields(list).Add(name);
}

CFieldEntry& CScreenModel::FindOrAddFieldEntry(FieldList list, std::string_view name) {
    if (CFieldEntry* found = FindFieldEntry(list, platform::CutText(name, kFieldNameLength))) return *found;
    return AddFieldEntry(list, name);
}

CReviewArea& CScreenModel::CreateReviewArea() {
    auto unlink = [](FieldItem& item) {
        item.reviewArea = nullptr;
        item.inReviewArea = false;
        item.gridColumnKey = -1;
    };
    for (CAcceptFld& item : accepts_) unlink(item);
    for (CDispText& item : displays_) unlink(item);
    reviewArea_ = std::make_unique<CReviewArea>();
    reviewArea_->font = ItemFont(customFont_);
    return *reviewArea_;
}

void CScreenModel::SetAsideScreenModes() {
    modes_.MoveAllTo(setAsideModes_);
}

namespace {

// A key after every column's: its column is packed last.
int KeyAfterAll(const ColumnList& columns) {
    int last = -1;
    for (const ColumnEntry& entry : columns.Entries()) last = std::max(last, entry.key);
    return last + 1;
}

}  // namespace

void CScreenModel::RegisterGridColumn(FieldItem& item, std::string_view title) {
    if (!reviewArea_) return;
    // An added item's place says nothing about the program's columns: it
    // takes a column of its own after the others rather than share one.
    item.gridColumnKey = item.added ? std::max(item.compiled.column, KeyAfterAll(reviewArea_->columns))
                                    : item.compiled.column;
    reviewArea_->AddGridColumn(item.gridColumnKey, item.width.Current(), title, &item);
}

void CScreenModel::MoveGridItem(FieldItem& item, int column) {
    if (!reviewArea_ || item.gridColumnKey == -1) return;
    const int key = item.gridColumnKey;
    reviewArea_->RemoveGridColumn(key, &item);
    const int othersEnd = reviewArea_->columns.EndColumn(reviewArea_->leftColumn);
    item.gridColumnKey = column >= othersEnd ? KeyAfterAll(reviewArea_->columns) : key;
    reviewArea_->AddGridColumn(item.gridColumnKey, item.width.Current(), item.GridColumnTitle(), &item);
}

void CScreenModel::UnregisterGridColumn(FieldItem& item) {
    if (!reviewArea_ || item.gridColumnKey == -1) return;
    reviewArea_->RemoveGridColumn(item.gridColumnKey, &item);
    item.gridColumnKey = -1;
}

void CScreenModel::PlaceGridItems(GridPlacement placement) {
    if (!reviewArea_ || !reviewArea_->IsDataGrid()) return;
    reviewArea_->LayOutGrid();
    auto place = [this, placement](FieldItem& item) {
        if (item.gridColumnKey == -1) return;
        const ColumnEntry* column = reviewArea_->columns.FindByKey(item.gridColumnKey);
        if (column == nullptr) return;
        if (placement == GridPlacement::AsDecoded) {
            CellPosition original = item.position.Original();
            original.column = column->position;
            item.position.SetOriginal(original);
        }
        CellPosition current = item.position.Current();
        current.column = column->position;
        item.position.SetCurrent(current);
    };
    for (CAcceptFld& item : accepts_) place(item);
    for (CDispText& item : displays_) place(item);
}

void CScreenModel::OrderGridColumns(const std::vector<std::size_t>& order) {
    if (!reviewArea_ || !reviewArea_->IsDataGrid()) return;
    const std::vector<std::pair<int, int>> renumbered = reviewArea_->columns.Reorder(order);
    if (!renumbered.empty()) {
        const std::map<int, int> newKeys(renumbered.begin(), renumbered.end());
        auto rekey = [&newKeys](FieldItem& item) {
            const auto found = newKeys.find(item.gridColumnKey);
            if (found != newKeys.end()) item.gridColumnKey = found->second;
        };
        for (CAcceptFld& item : accepts_) rekey(item);
        for (CDispText& item : displays_) rekey(item);
    }
    PlaceGridItems(GridPlacement::CurrentOnly);
}

CDispText* CScreenModel::FindDisplayByName(std::string_view name) const {
    return displays_.FindIf([name](const CDispText& item) { return item.name == name; });
}

CDispText* CScreenModel::FindDisplayByOriginalText(std::string_view text) const {
    return displays_.FindIf([text](const CDispText& item) { return item.text.Original() == text; });
}

CAcceptFld* CScreenModel::FindAcceptByName(std::string_view name) const {
    return accepts_.FindIf([name](const CAcceptFld& item) { return item.name == name; });
}

COptionItem* CScreenModel::FindOptionByName(std::string_view name) const {
    return options_.FindIf([name](const COptionItem& item) { return item.name == name; });
}

CModeItem* CScreenModel::FindModeByIdentifier(std::string_view identifier, ModeList list) const {
    return Modes(list).FindIf([identifier](const CModeItem& item) {
        return item.identification == IdentificationKind::Name && item.identifier == identifier;
    });
}

CModeItem* CScreenModel::FindModeByOriginalLabel(std::string_view label, ModeList list) const {
    return Modes(list).FindIf([label](const CModeItem& item) {
        return item.identification == IdentificationKind::OriginalText && item.label.Original() == label;
    });
}

CModeItem* CScreenModel::FindModeByPosition(CellPosition position, ModeList list) const {
    return Modes(list).FindIf([position](const CModeItem& item) {
        return item.identification == IdentificationKind::OriginalCoordinate && item.position == position;
    });
}

CFieldEntry* CScreenModel::FindFieldEntry(FieldList list, std::string_view name) const {
    return Fields(list).FindIf([name](const CFieldEntry& entry) { return entry.name == name; });
}

CConfirmItem* CScreenModel::FindConfirmByQuestion(std::string_view question) const {
    return confirms_.FindIf([question](const CConfirmItem& item) { return item.question.Original() == question; });
}

void CScreenModel::CopyContentsFrom(const CScreenModel& source) {
    if (&source == this) return;
    needsDecoding_ = source.needsDecoding_;
    colours_ = source.colours_;
    customFont_ = source.customFont_;
    origin_ = source.origin_;
    title_ = source.title_;
    optionWidth_ = source.optionWidth_;
    longestOptionLength_ = source.longestOptionLength_;
    review_ = source.review_;
    reviewWord_ = source.reviewWord_;
    modeLine_ = source.modeLine_;
    screenTriggers_ = source.screenTriggers_;

    frames_.CopyFrom(source.frames_);
    accepts_.CopyFrom(source.accepts_);
    displays_.CopyFrom(source.displays_);
    options_.CopyFrom(source.options_);
    boxes_.CopyFrom(source.boxes_);
    modes_.CopyFrom(source.modes_);
    setAsideModes_.CopyFrom(source.setAsideModes_);
    programModeItems_.CopyFrom(source.programModeItems_);
    confirms_.CopyFrom(source.confirms_);
    messages_.CopyFrom(source.messages_);
    recordSourceFields_.CopyFrom(source.recordSourceFields_);
    localFields_.CopyFrom(source.localFields_);
    programFields_.CopyFrom(source.programFields_);
    recordSourceCaption_ = source.recordSourceCaption_;
    reviewArea_ = source.reviewArea_ ? std::make_unique<CReviewArea>(*source.reviewArea_) : nullptr;

    // The copies still point into the source: at its review area, and its
    // columns at its items.
    std::unordered_map<const FieldItem*, FieldItem*> copies;
    auto relink = [&](const auto& from, auto& to) {
        for (std::size_t i = 0; i < to.Size(); ++i) {
            FieldItem& copy = to[i];
            copy.reviewArea = copy.reviewArea == source.reviewArea_.get() ? reviewArea_.get() : nullptr;
            if (reviewArea_ && !reviewArea_->columns.Empty()) copies.emplace(&from[i], &copy);
        }
    };
    relink(source.accepts_, accepts_);
    relink(source.displays_, displays_);
    if (reviewArea_) {
        reviewArea_->columns.RelinkItems([&copies](FieldItem* item) -> FieldItem* {
            const auto found = copies.find(item);
            return found == copies.end() ? nullptr : found->second;
        });
    }
}

void CScreenModel::DestroyItems() {
    accepts_.Clear();
    displays_.Clear();
    options_.Clear();
    boxes_.Clear();
    modes_.Clear();
    setAsideModes_.Clear();
    programModeItems_.Clear();
    confirms_.Clear();
    messages_.Clear();
    recordSourceFields_.Clear();
    localFields_.Clear();
    programFields_.Clear();
    recordSourceCaption_.clear();
    reviewArea_.reset();
    frames_.Clear();
    overridePath_.clear();
}

}  // namespace model
