#pragma once
// The trigger points of an item, one slot each: whether a trigger is set,
// its program type and its run line (program and parameters).

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace model {

// The codes of the `trigger_point` words.
enum class TriggerPoint : int {
    Option = 5,
    Mode = 6,
    ScreenLoad = 7,
    ScreenExit = 8,
    Confirmed = 9,
    NotConfirmed = 10,
    BeforeConfirm = 11,
    BeforeAccept = 12,
    AfterAccept = 13,
    BeforeOption = 14,
    ValidateMode = 17,
    Display = 18,
    OnHelp = 26,
};

struct TriggerSlot {
    bool hasTrigger = false;
    int typeCode = 0;  // 1..6, 0 = none
    std::string runLine;
    bool customised = false;  // set by an override statement
};

class TriggerSlots {
public:
    // No kind of item has more trigger points than a mode.
    static constexpr std::size_t kMaxPoints = 4;
    using Entry = std::pair<TriggerPoint, TriggerSlot>;

    // Points beyond the fourth are not kept.
    TriggerSlots(std::initializer_list<TriggerPoint> points, std::size_t runLineLength);

    // Null when this kind of item has no such point.
    const TriggerSlot* Slot(TriggerPoint point) const;
    // Sets the trigger of a point, the run line cut to its field; false when
    // the item has no such point.
    bool Set(TriggerPoint point, std::string_view runLine, int typeCode);
    // Removing a trigger clears its slot.
    bool Clear(TriggerPoint point);
    bool AnyTrigger() const;
    void ClearAll();

    std::span<const Entry> Slots() const { return {slots_.data(), count_}; }
    std::size_t RunLineLength() const { return runLineLength_; }

private:
    TriggerSlot* Find(TriggerPoint point);

    std::array<Entry, kMaxPoints> slots_{};
    std::size_t count_ = 0;
    std::size_t runLineLength_;
};

}  // namespace model
