#include "tessellar/model/trigger_slots.h"

#include "tessellar/model/text_capacity.h"

namespace model {

TriggerSlots::TriggerSlots(std::initializer_list<TriggerPoint> points, std::size_t runLineLength)
    : runLineLength_(runLineLength) {
    for (TriggerPoint point : points) {
        if (count_ < kMaxPoints) slots_[count_++].first = point;
    }
}

const TriggerSlot* TriggerSlots::Slot(TriggerPoint point) const {
    for (const Entry& entry : Slots()) {
        if (entry.first == point) return &entry.second;
    }
    return nullptr;
}

TriggerSlot* TriggerSlots::Find(TriggerPoint point) {
    return const_cast<TriggerSlot*>(static_cast<const TriggerSlots*>(this)->Slot(point));
}

bool TriggerSlots::Set(TriggerPoint point, std::string_view runLine, int typeCode) {
    TriggerSlot* slot = Find(point);
    if (slot == nullptr) return false;
    slot->hasTrigger = true;
    slot->typeCode = typeCode;
    slot->runLine = platform::CutText(runLine, runLineLength_);
    slot->customised = true;
    return true;
}

bool TriggerSlots::Clear(TriggerPoint point) {
    TriggerSlot* slot = Find(point);
    if (slot == nullptr) return false;
    *slot = TriggerSlot{};
    return true;
}

bool TriggerSlots::AnyTrigger() const {
    for (const Entry& entry : Slots()) {
        if (entry.second.hasTrigger) return true;
    }
    return false;
}

void TriggerSlots::ClearAll() {
    for (std::size_t i = 0; i < count_; ++i) slots_[i].second = TriggerSlot{};
}

}  // namespace model
