#pragma once
// The items that block identifiers name, each identifier looked up once:
// the in-place update asks for the item of every block of a kind it
// passes, and most blocks name one of a few items. The answers hold while
// the model's item lists stay as they are, so a holder that outlives one
// scan (the block index of a whole action) calls Refresh before each scan
// and never compares against an item that has gone.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"

namespace overrides {

class ItemLookups {
public:
    explicit ItemLookups(model::CScreenModel& model);

    model::CScreenModel& Model() const { return *model_; }
    // Forgets every answer when the model's item lists (or its origin, by
    // which modes are placed) changed since the answers were looked up.
    void Refresh();
    // Names the answers being kept: it changes whenever they are forgotten,
    // and no two look-ups share one, so an item kept beside a block from
    // these look-ups holds while it stays the same.
    std::uint64_t Generation() const { return generation_; }

    model::CDispText* Display(const ItemIdentifier& id);
    model::CAcceptFld* Accept(const ItemIdentifier& id);
    model::COptionItem* Option(const ItemIdentifier& id);
    // In the screen's mode list, then the program-wide one.
    model::CModeItem* Mode(const ItemIdentifier& id);

private:
    using Key = std::tuple<int, std::string, int, int, int, int, bool>;
    // What the answers depend on besides the identifiers.
    using ModelState = std::array<std::int64_t, 7>;
    ModelState StateOf() const;

    model::CScreenModel* model_;
    ModelState state_;
    std::uint64_t generation_;
    std::map<Key, model::CDispText*> displays_;
    std::map<Key, model::CAcceptFld*> accepts_;
    std::map<Key, model::COptionItem*> options_;
    std::map<Key, model::CModeItem*> modes_;
};

// The items one block names, kept beside the block for one generation of
// look-ups, each looked up on first need.
struct BlockItems {
    std::uint64_t generation = 0;
    std::optional<ItemIdentifier> displayId;  // from the block's lines alone: kept across generations
    std::optional<model::CDispText*> display;
    std::optional<model::CDispText*> triggerDisplay;
    std::optional<model::CAcceptFld*> accept;
    std::optional<model::COptionItem*> option;
    std::optional<model::CModeItem*> mode;

    // Forgets the items when they came from another generation.
    void KeepFor(std::uint64_t current) {
        if (generation == current) return;
        generation = current;
        display.reset();
        triggerDisplay.reset();
        accept.reset();
        option.reset();
        mode.reset();
    }
};

}  // namespace overrides
