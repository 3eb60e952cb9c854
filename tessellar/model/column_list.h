#pragma once
// The columns of a review area. A data grid keeps them sorted by key (the
// compiled column of the item that made each), counts how many items use
// each, and packs them side by side from the area's left column; a review
// screen keeps them sorted by position. A screen is one or the other, so
// one list serves both.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace model {

class FieldItem;

struct ColumnEntry {
    int key = -1;
    int position = 0;
    int width = 0;
    int useCount = 1;
    std::string title;            // up to 80 characters
    FieldItem* item = nullptr;   // the item that made it; not owned
};

class ColumnList {
public:
    // Data grid form. A key met again counts one more use and takes the new
    // width; the first item's title stays.
    ColumnEntry& AddByKey(int key, int width, std::string_view title, FieldItem* item);
    // One use fewer; the entry goes when no item uses it. False when no entry has the key.
    bool RemoveByKey(int key, const FieldItem* item = nullptr);
    const ColumnEntry* FindByKey(int key) const;
    // Packs the entries in key order from the left column on.
    void LayOut(int leftColumn);
    // Puts the entries in the order `order` gives (indices into Entries(), each
    // once), renumbering keys so that key order stays list order: an entry
    // keeps its key while it is larger than the one before, else takes the
    // next one. Returns each renumbered entry's old and new key.
    std::vector<std::pair<int, int>> Reorder(const std::vector<std::size_t>& order);
    // Where the column of an item compiled at this column goes: the first
    // entry's position plus the widths of every entry with a smaller key;
    // the left column when there is no entry.
    int MapColumn(int compiledColumn, int leftColumn) const;
    // The column after the last entry.
    int EndColumn(int leftColumn) const;

    // Review screen form. An entry at a position already taken goes after it.
    ColumnEntry& AddByPosition(int position, int width, int key);
    // Unlinks the first entry at the position.
    bool RemoveByPosition(int position);
    // Moves the first entry at a position, keeping its place in the list.
    bool MovePosition(int position, int newPosition);

    const std::vector<ColumnEntry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }
    std::size_t Size() const { return entries_.size(); }
    void Clear() { entries_.clear(); }
    // Points each entry at the item `relink` gives for its item (a copied
    // list's entries at the copied items).
    template <typename Relink>
    void RelinkItems(Relink relink) {
        for (ColumnEntry& entry : entries_) entry.item = relink(entry.item);
    }

private:
    std::vector<ColumnEntry> entries_;
};

}  // namespace model
