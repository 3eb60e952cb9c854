#include "tessellar/model/trigger_slots.h"

#include "tessellar/model/text_capacity.h"

namespace model {

TriggerSlots::TriggerSlots(std::initializer_list<TriggerPoint> points, std::size_t runLineLength)
    : runLineLength_(runLineLength) {
    for (TriggerPoint point : points) slots_.emplace_back(point, TriggerSlot{});
}

const TriggerSlot* TriggerSlots::Slot(TriggerPoint point) const {
    for (const auto& [slotPoint, slot] : slots_) {
        if (slotPoint == point) return &slot;
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
    slot->runLine = CutText(runLine, runLineLength_);
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
    for (const auto& entry : slots_) {
        if (entry.second.hasTrigger) return true;
    }
    return false;
}

void TriggerSlots::ClearAll() {
    for (auto& entry : slots_) entry.second = TriggerSlot{};
}

}  // namespace model
