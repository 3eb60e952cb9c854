#include "tessellar/overrides/item_lookups.h"

#include <atomic>

#include "tessellar/overrides/item_resolution.h"

namespace overrides {

namespace {

std::uint64_t NewGeneration() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

std::tuple<int, std::string, int, int, int, int, bool> KeyOf(const ItemIdentifier& id) {
    return {id.identificationKind, id.text, id.tag, id.row, id.column, id.textKind, id.coordinateNamed};
}

template <typename Item, typename Map, typename Resolve>
Item* Find(Map& found, const ItemIdentifier& id, Resolve resolve) {
    auto [at, added] = found.try_emplace(KeyOf(id), nullptr);
    if (added) at->second = resolve(id);
    return at->second;
}

}  // namespace

ItemLookups::ItemLookups(model::CScreenModel& model)
    : model_(&model), state_(StateOf()), generation_(NewGeneration()) {}

ItemLookups::ModelState ItemLookups::StateOf() const {
    const model::CScreenModel& m = *model_;
    return {static_cast<std::int64_t>(m.Displays().Changes()),
            static_cast<std::int64_t>(m.Accepts().Changes()),
            static_cast<std::int64_t>(m.Options().Changes()),
            static_cast<std::int64_t>(m.Modes(model::ModeList::Screen).Changes()),
            static_cast<std::int64_t>(m.Modes(model::ModeList::ProgramWide).Changes()),
            m.Origin().row,
            m.Origin().column};
}

void ItemLookups::Refresh() {
    const ModelState now = StateOf();
    if (now == state_) return;
    state_ = now;
    generation_ = NewGeneration();
    displays_.clear();
    accepts_.clear();
    options_.clear();
    modes_.clear();
}

model::CDispText* ItemLookups::Display(const ItemIdentifier& id) {
    return Find<model::CDispText>(displays_, id, [this](const ItemIdentifier& key) { return ResolveDisplay(*model_, key); });
}

model::CAcceptFld* ItemLookups::Accept(const ItemIdentifier& id) {
    return Find<model::CAcceptFld>(accepts_, id, [this](const ItemIdentifier& key) { return ResolveAccept(*model_, key); });
}

model::COptionItem* ItemLookups::Option(const ItemIdentifier& id) {
    return Find<model::COptionItem>(options_, id, [this](const ItemIdentifier& key) { return ResolveOption(*model_, key); });
}

model::CModeItem* ItemLookups::Mode(const ItemIdentifier& id) {
    return Find<model::CModeItem>(modes_, id, [this](const ItemIdentifier& key) { return ResolveAnyMode(*model_, key); });
}

}  // namespace overrides
