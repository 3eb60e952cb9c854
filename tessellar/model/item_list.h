#pragma once
// An owning list of items in creation order. The holder of the list owns its
// items; clearing deletes them in list order. Iterating yields the items
// themselves, so callers never handle the owning pointers.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace model {

template <typename Item>
class ItemList {
    using Storage = std::vector<std::unique_ptr<Item>>;

    template <typename Base, typename Value>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Value;
        using difference_type = std::ptrdiff_t;
        using pointer = Value*;
        using reference = Value&;

        Iterator() = default;
        explicit Iterator(Base position) : position_(position) {}
        Value& operator*() const { return **position_; }
        Value* operator->() const { return position_->get(); }
        Iterator& operator++() {
            ++position_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++position_;
            return before;
        }
        bool operator==(const Iterator& other) const { return position_ == other.position_; }

    private:
        Base position_{};
    };

public:
    using iterator = Iterator<typename Storage::iterator, Item>;
    using const_iterator = Iterator<typename Storage::const_iterator, const Item>;

    ItemList() = default;
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    // A list moved in counts as changed: its count never goes back to one
    // a pointer was looked up at.
    ItemList(ItemList&& other) noexcept : items_(std::move(other.items_)), changes_(other.changes_ + 1) {
        ++other.changes_;
    }
    ItemList& operator=(ItemList&& other) noexcept {
        if (this == &other) return *this;
        Clear();
        items_ = std::move(other.items_);
        changes_ = (changes_ > other.changes_ ? changes_ : other.changes_) + 1;
        ++other.changes_;
        return *this;
    }
    ~ItemList() { Clear(); }

    template <typename... Args>
    Item& Add(Args&&... args) {
        items_.push_back(std::make_unique<Item>(std::forward<Args>(args)...));
        ++changes_;
        return *items_.back();
    }
    Item& Append(std::unique_ptr<Item> item) {
        items_.push_back(std::move(item));
        ++changes_;
        return *items_.back();
    }
    // Unlinks an item and hands it over; null when it is not in the list.
    std::unique_ptr<Item> Take(const Item* item) {
        for (auto position = items_.begin(); position != items_.end(); ++position) {
            if (position->get() != item) continue;
            std::unique_ptr<Item> taken = std::move(*position);
            items_.erase(position);
            ++changes_;
            return taken;
        }
        return nullptr;
    }
    bool Remove(const Item* item) { return Take(item) != nullptr; }
    // Moves every item, in order, to the end of another list.
    void MoveAllTo(ItemList& other) {
        for (auto& item : items_) other.items_.push_back(std::move(item));
        items_.clear();
        ++changes_;
        ++other.changes_;
    }
    // Deletes every item, then copies another list's items in its order.
    void CopyFrom(const ItemList& other) {
        Clear();
        items_.reserve(other.items_.size());
        for (const auto& item : other.items_) items_.push_back(std::make_unique<Item>(*item));
        ++changes_;
    }
    // Deletes every item, first to last.
    void Clear() {
        for (auto& item : items_) item.reset();
        items_.clear();
        ++changes_;
    }

    // Counts every change of which items the list holds, so that whoever
    // keeps pointers to items looked up in it can tell when to look again.
    std::uint64_t Changes() const { return changes_; }

    std::size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    Item& operator[](std::size_t index) { return *items_[index]; }
    const Item& operator[](std::size_t index) const { return *items_[index]; }
    Item* First() { return items_.empty() ? nullptr : items_.front().get(); }
    const Item* First() const { return items_.empty() ? nullptr : items_.front().get(); }
    Item* Last() { return items_.empty() ? nullptr : items_.back().get(); }
    const Item* Last() const { return items_.empty() ? nullptr : items_.back().get(); }

    // The first item, in list order, that matches.
    template <typename Predicate>
    Item* FindIf(Predicate matches) const {
        for (const auto& item : items_) {
            if (matches(static_cast<const Item&>(*item))) return item.get();
        }
        return nullptr;
    }

    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }
    const_iterator begin() const { return const_iterator(items_.cbegin()); }
    const_iterator end() const { return const_iterator(items_.cend()); }

private:
    Storage items_;
    std::uint64_t changes_ = 0;
};

}  // namespace model
