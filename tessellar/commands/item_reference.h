#pragma once
// Naming the item a command works on the way an override statement names
// it (its identification kind and keys), finding it in a decoded screen, and
// the identifier line(s) a command writes for it.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/override_statement.h"

namespace commands {

enum class ItemClass { Display, Accept, Option, Mode, Confirm, Box, Window, Message };

// What a statement names an item by: `identifier` as the statement's
// identifier lines give it (kind 1 name, 2 original text, 3 tag, 4 original
// coordinate, 5 added prompt's text and coordinate, 6 added display's tag
// or coordinate); boxes also carry the bottom-right corner.
struct ItemKey {
    ItemClass itemClass = ItemClass::Window;
    overrides::ItemIdentifier identifier;
    int bottomRow = -1;
    int rightColumn = -1;
};

// The keys of decoded items, for callers that hold the item itself.
ItemKey KeyOf(const model::CDispText& item);
ItemKey KeyOf(const model::CAcceptFld& item);
ItemKey KeyOf(const model::COptionItem& item);
ItemKey KeyOf(const model::CModeItem& item);
ItemKey KeyOf(const model::CBoxItem& item);
ItemKey KeyOf(const model::CConfirmItem& item);
ItemKey WindowKey();
ItemKey MessageKey(const std::string& originalText);

// An item found by its key.
struct ResolvedItem {
    ItemKey key;
    model::CDispText* display = nullptr;
    model::CAcceptFld* accept = nullptr;
    model::COptionItem* option = nullptr;
    model::CModeItem* mode = nullptr;
    model::CConfirmItem* confirm = nullptr;
    model::CBoxItem* box = nullptr;
    std::vector<model::CMessageItem*> messages;
};

// The item a key names in the model, or none.
std::optional<ResolvedItem> Resolve(model::CScreenModel& model, const ItemKey& key);

// The statement kind of an item class.
overrides::StatementKind BlockKind(ItemClass itemClass);

// The block of the key's item, or the item's trigger block of a point.
overrides::BlockTarget TargetOf(const ItemKey& key);
overrides::BlockTarget TriggerTargetOf(const ItemKey& key, int triggerPoint);

// The identifier line(s), in the forms statements are written in; none for
// the window.
std::string IdentifierLines(const ItemKey& key);

// "NAME(IDENTIFIER LINE)": display items keep the first 40 characters of
// the identifier line, window commands leave the parentheses empty.
std::string CommandLabel(const char* name, const ItemKey& key);

}  // namespace commands
