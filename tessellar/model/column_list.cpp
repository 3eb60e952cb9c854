#include "tessellar/model/column_list.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "tessellar/model/text_capacity.h"

namespace model {

namespace {

// Column arithmetic of a damaged program can run past any real screen; it
// stops at the largest int instead of overflowing.
int AddColumns(int column, int width) {
    const std::int64_t sum = std::int64_t{column} + width;
    return static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX));
}

}  // namespace

ColumnEntry& ColumnList::AddByKey(int key, int width, std::string_view title, FieldItem* item) {
    auto place = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const ColumnEntry& entry, int value) { return entry.key < value; });
    if (place != entries_.end() && place->key == key) {
        ++place->useCount;
        place->width = width;
        return *place;
    }
    ColumnEntry entry{.key = key, .width = width, .title = platform::CutText(title, kFieldNameLength), .item = item};
    return *entries_.insert(place, std::move(entry));
}

bool ColumnList::RemoveByKey(int key, const FieldItem* item) {
    auto found = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const ColumnEntry& entry, int value) { return entry.key < value; });
    if (found == entries_.end() || found->key != key) return false;
    if (--found->useCount <= 0) {
        entries_.erase(found);
    } else if (item != nullptr && found->item == item) {
        found->item = nullptr;
    }
    return true;
}

const ColumnEntry* ColumnList::FindByKey(int key) const {
    auto found = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const ColumnEntry& entry, int value) { return entry.key < value; });
    return found != entries_.end() && found->key == key ? &*found : nullptr;
}

void ColumnList::LayOut(int leftColumn) {
    int position = leftColumn;
    for (ColumnEntry& entry : entries_) {
        entry.position = position;
        position = AddColumns(position, entry.width);
    }
}

std::vector<std::pair<int, int>> ColumnList::Reorder(const std::vector<std::size_t>& order) {
    std::vector<std::pair<int, int>> renumbered;
    if (order.size() != entries_.size()) return renumbered;
    std::vector<ColumnEntry> reordered;
    reordered.reserve(entries_.size());
    for (std::size_t index : order) {
        if (index >= entries_.size()) return {};
        ColumnEntry entry = entries_[index];
        if (!reordered.empty() && entry.key <= reordered.back().key) {
            const int key = reordered.back().key == INT_MAX ? INT_MAX : reordered.back().key + 1;
            renumbered.emplace_back(entry.key, key);
            entry.key = key;
        }
        reordered.push_back(std::move(entry));
    }
    entries_ = std::move(reordered);
    return renumbered;
}

int ColumnList::MapColumn(int compiledColumn, int leftColumn) const {
    if (entries_.empty()) return leftColumn;
    int column = entries_.front().position;
    for (const ColumnEntry& entry : entries_) {
        if (entry.key >= compiledColumn) break;
        column = AddColumns(column, entry.width);
    }
    return column;
}

int ColumnList::EndColumn(int leftColumn) const {
    if (entries_.empty()) return leftColumn;
    return AddColumns(entries_.back().position, entries_.back().width);
}

ColumnEntry& ColumnList::AddByPosition(int position, int width, int key) {
    auto place = std::upper_bound(entries_.begin(), entries_.end(), position,
                                  [](int value, const ColumnEntry& entry) { return value < entry.position; });
    ColumnEntry entry{.key = key, .position = position, .width = width, .useCount = 1, .title = {}, .item = nullptr};
    return *entries_.insert(place, std::move(entry));
}

bool ColumnList::RemoveByPosition(int position) {
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [position](const ColumnEntry& entry) { return entry.position == position; });
    if (found == entries_.end()) return false;
    entries_.erase(found);
    return true;
}

bool ColumnList::MovePosition(int position, int newPosition) {
    for (ColumnEntry& entry : entries_) {
        if (entry.position != position) continue;
        entry.position = newPosition;
        return true;
    }
    return false;
}

}  // namespace model
